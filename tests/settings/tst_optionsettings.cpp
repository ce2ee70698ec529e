#include "optionsettings.h"
#include "testhome.h"

#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

struct NumberSetting
{
    const char *key;
    double (*read)();
    double defaultValue;
};

const NumberSetting numberSettings[] = {
    {OptionKey::TopMargin, &OptionSettings::topMargin, 3.35},
    {OptionKey::TopMargin, &OptionSettings::adaptationTopMargin, 3.36},
    {OptionKey::BottomMargin, &OptionSettings::bottomMargin, 3.2},
    {OptionKey::LeftMargin, &OptionSettings::leftMargin, 2.8},
    {OptionKey::RightMargin, &OptionSettings::rightMargin, 2.6},
    {OptionKey::TitleSpacing, &OptionSettings::titleSpacing, 36},
    {OptionKey::BodySpacing, &OptionSettings::bodySpacing, 29.65},
    {OptionKey::LandscapeTopMargin, &OptionSettings::landscapeTopMargin, 2.45},
    {OptionKey::LandscapeBottomMargin, &OptionSettings::landscapeBottomMargin, 2.45},
    {OptionKey::LandscapeLeftMargin, &OptionSettings::landscapeLeftMargin, 3.5},
    {OptionKey::LandscapeRightMargin, &OptionSettings::landscapeRightMargin, 3.7},
    {OptionKey::ImprintSpacerSpacing, &OptionSettings::imprintSpacerSpacing, 8},
    {OptionKey::ImprintRowHeight, &OptionSettings::imprintRowHeight, 1},
    {OptionKey::CopyNumberSpacing, &OptionSettings::copyNumberSpacing, 16},
};

struct TextSetting
{
    const char *key;
    QString (*read)();
    const char *defaultValue;
};

const TextSetting textSettings[] = {
    {OptionKey::UnitName, &OptionSettings::unitName, ""},
    {OptionKey::OrganName, &OptionSettings::organName, ""},
    {OptionKey::TitleFont, &OptionSettings::titleFont, "方正小标宋_GBK"},
    {OptionKey::HeadingFont, &OptionSettings::headingFont, "方正黑体_GBK"},
    {OptionKey::SubheadingFont, &OptionSettings::subheadingFont, "方正楷体_GBK"},
    {OptionKey::BodyFont, &OptionSettings::bodyFont, "方正仿宋_GBK"},
    {OptionKey::WesternFont, &OptionSettings::westernFont, "宋体"},
    {OptionKey::PageNumberFont, &OptionSettings::pageNumberFont, "宋体"},
};

// The settings file with one line in the group "General" (which QSettings
// writes as the section "[%General]"; "[General]" holds keys without a group).
QByteArray generalLine(const char *key, const QByteArray &value)
{
    const QByteArray name = QByteArray(key).mid(int(qstrlen("General/")));
    return "[%General]\n" + name + "=" + value + "\n";
}

} // namespace

class TestOptionSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void paths();
    void freshHomeReadsDefaultsAndCreatesNothing();
    void numbers_data();
    void numbers();
    void texts_data();
    void texts();
    void pageNumberFontFollowsWesternFont();
    void imprintRuleSelectors_data();
    void imprintRuleSelectors();
    void unitProfiles();
    void groupNames_data();
    void groupNames();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestOptionSettings::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestOptionSettings::cleanup()
{
    m_home.reset();
}

void TestOptionSettings::paths()
{
    QCOMPARE(OptionSettings::settingsFilePath(), m_home->settingsFile());
    QCOMPARE(OptionSettings::directoryPath(), m_home->path() + QStringLiteral("/Quorvex"));
}

void TestOptionSettings::freshHomeReadsDefaultsAndCreatesNothing()
{
    for (const NumberSetting &setting : numberSettings)
        QCOMPARE(setting.read(), setting.defaultValue);
    for (const TextSetting &setting : textSettings)
        QCOMPARE(setting.read(), QString::fromUtf8(setting.defaultValue));
    QCOMPARE(OptionSettings::imprintOuterRule(), 0);
    QVERIFY(OptionSettings::unitProfiles().isEmpty());
    QCOMPARE(OptionSettings::profileOrganName(QStringLiteral("某某单位办公室")), QString());
    QVERIFY(!m_home->settingsDirectoryExists());
}

void TestOptionSettings::numbers_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("isSet");
    QTest::addColumn<double>("value");

    for (int i = 0; i < int(std::size(numberSettings)); ++i) {
        const QByteArray key = numberSettings[i].key;
        const QByteArray tag = key + (numberSettings[i].defaultValue == 3.36 ? " adapted " : " ");
        QTest::newRow(tag + "zero") << i << QByteArray("0") << false << 0.0;
        QTest::newRow(tag + "empty") << i << QByteArray("") << false << 0.0;
        QTest::newRow(tag + "word") << i << QByteArray("abc") << false << 0.0;
        QTest::newRow(tag + "unit attached") << i << QByteArray("3cm") << false << 0.0;
        QTest::newRow(tag + "nan") << i << QByteArray("nan") << false << 0.0;
        QTest::newRow(tag + "infinite") << i << QByteArray("inf") << false << 0.0;
        QTest::newRow(tag + "overflow") << i << QByteArray("1e999") << false << 0.0;
        QTest::newRow(tag + "value") << i << QByteArray("4.25") << true << 4.25;
        QTest::newRow(tag + "negative") << i << QByteArray("-1.5") << true << -1.5;
    }
}

void TestOptionSettings::numbers()
{
    QFETCH(int, setting);
    QFETCH(QByteArray, stored);
    QFETCH(bool, isSet);
    QFETCH(double, value);

    const NumberSetting &s = numberSettings[setting];
    m_home->writeFile(QStringLiteral("option.ini"), generalLine(s.key, stored));

    QCOMPARE(OptionSettings::rawNumber(s.key), value);
    QCOMPARE(s.read(), isSet ? value : s.defaultValue);
    QCOMPARE(OptionSettings::readNumber(s.key, 7.5), isSet ? value : 7.5);
}

void TestOptionSettings::texts_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");

    for (int i = 0; i < int(std::size(textSettings)); ++i) {
        const QByteArray key = textSettings[i].key;
        const QString defaultValue = QString::fromUtf8(textSettings[i].defaultValue);
        QTest::newRow(key + " empty") << i << QByteArray("") << defaultValue;
        QTest::newRow(key + " value") << i << QByteArray("Kaiti SC") << QStringLiteral("Kaiti SC");
        // The files have no codec: Chinese text is stored escaped, as
        // QSettings writes it.
        QTest::newRow(key + " escaped")
            << i << QByteArray("\\x6977\\x4f53") << QStringLiteral("楷体");
    }
}

void TestOptionSettings::texts()
{
    QFETCH(int, setting);
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);

    const TextSetting &s = textSettings[setting];
    m_home->writeFile(QStringLiteral("option.ini"), generalLine(s.key, stored));
    QCOMPARE(s.read(), expected);
    QCOMPARE(OptionSettings::rawText(s.key), stored.isEmpty() ? QString() : expected);
}

void TestOptionSettings::pageNumberFontFollowsWesternFont()
{
    m_home->writeFile(QStringLiteral("option.ini"), "[%General]\nST=Times New Roman\n");
    QCOMPARE(OptionSettings::pageNumberFont(), QStringLiteral("Times New Roman"));
    m_home->writeFile(QStringLiteral("option.ini"),
                      "[%General]\nST=Times New Roman\nPNF=Liberation Serif\n");
    QCOMPARE(OptionSettings::pageNumberFont(), QStringLiteral("Liberation Serif"));
}

void TestOptionSettings::imprintRuleSelectors_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("selector");

    QTest::newRow("missing") << QByteArray() << 0;
    QTest::newRow("1") << QByteArray("1") << 1;
    QTest::newRow("2") << QByteArray("2") << 2;
    QTest::newRow("3") << QByteArray("3") << 3;
    QTest::newRow("0") << QByteArray("0") << 0;
    QTest::newRow("4") << QByteArray("4") << 0;
    QTest::newRow("fraction") << QByteArray("2.5") << 0;
    QTest::newRow("word") << QByteArray("thick") << 0;
}

void TestOptionSettings::imprintRuleSelectors()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, selector);

    if (!stored.isNull()) {
        m_home->writeFile(QStringLiteral("option.ini"),
                          "[%General]\nbjTopLine=" + stored + "\nbjMidLine=" + stored + "\n");
    }
    QCOMPARE(OptionSettings::imprintOuterRule(), selector);
    QCOMPARE(OptionSettings::imprintInnerRule(), selector);
}

void TestOptionSettings::unitProfiles()
{
    {
        QSettings settings(m_home->settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/YF"), QStringLiteral("某某市人民政府办公室"));
        settings.setValue(QStringLiteral("某某市人民政府办公室/FW"),
                          QStringLiteral("某某市人民政府"));
        settings.setValue(QStringLiteral("Office of the City/FW"), QStringLiteral("The City"));
    }
    QStringList profiles = OptionSettings::unitProfiles();
    profiles.sort();
    QCOMPARE(profiles,
             QStringList(
                 {QStringLiteral("Office of the City"), QStringLiteral("某某市人民政府办公室")}));
    QCOMPARE(OptionSettings::profileOrganName(QStringLiteral("某某市人民政府办公室")),
             QStringLiteral("某某市人民政府"));
    QCOMPARE(OptionSettings::profileOrganName(QStringLiteral("Office of the City")),
             QStringLiteral("The City"));
    QCOMPARE(OptionSettings::profileOrganName(QString()), QString());
}

void TestOptionSettings::groupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");

    QTest::newRow("chinese") << QStringLiteral("某某市人民政府办公室") << true;
    QTest::newRow("punctuation") << QStringLiteral("办公室（秘书科）=[1];%") << true;
    QTest::newRow("slash") << QStringLiteral("市政府/办公室") << false;
    QTest::newRow("backslash") << QStringLiteral("市政府\\办公室") << false;
}

void TestOptionSettings::groupNames()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);

    QCOMPARE(OptionSettings::isUsableGroupName(name), usable);
    if (!usable)
        return;
    // A usable name survives the INI layer as one group.
    {
        QSettings settings(m_home->settingsFile(), QSettings::IniFormat);
        settings.setValue(name + QStringLiteral("/FW"), QStringLiteral("机关"));
    }
    QCOMPARE(OptionSettings::unitProfiles(), QStringList(name));
}

QVX_SETTINGS_TEST_MAIN(TestOptionSettings)
#include "tst_optionsettings.moc"
