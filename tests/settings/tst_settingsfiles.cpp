#include "boxrecorder.h"
#include "hongtou_window.h"
#include "lianhe_window.h"
#include "option_window.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "testhome.h"
#include "uidriver.h"
#include "xinhan_window.h"

#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <climits>

// The settings file and the template files: keys, defaults, how stored text
// reads, how templates are saved, and damaged files.
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

const QString xiaxing = QString::fromLatin1(TemplateKind::DownGoing);

QByteArray binaryBytes()
{
    QByteArray bytes;
    for (int round = 0; round < 4; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
    }
    return bytes;
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void numbers_data();
    void numbers();
    void texts_data();
    void texts();
    void pageNumberFontFollowsWesternFont();
    void imprintRuleSelectors_data();
    void imprintRuleSelectors();
    void groupNames_data();
    void groupNames();
    void zoom_data();
    void zoom();
    void reads_data();
    void reads();
    void missingFileAndGroupReadUnset();
    void listAndRemove();
    void save_data();
    void save();
    void replacingAnotherTemplateAsksFirst_data();
    void replacingAnotherTemplateAsksFirst();
    void damagedFiles_data();
    void damagedFiles();
};

void TestSettingsFiles::numbers_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("isSet");
    QTest::addColumn<double>("value");

    for (int i = 0; i < int(std::size(numberSettings)); ++i) {
        const QByteArray key = numberSettings[i].key;
        const QByteArray tag = key + (numberSettings[i].defaultValue == 3.36 ? " adapted " : " ");
        QTest::newRow(tag + "no file") << i << QByteArray() << false << 0.0;
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

void TestSettingsFiles::numbers()
{
    QFETCH(int, setting);
    QFETCH(QByteArray, stored);
    QFETCH(bool, isSet);
    QFETCH(double, value);

    const TestHome home;

    const NumberSetting &s = numberSettings[setting];
    if (!stored.isNull())
        home.writeFile(QStringLiteral("option.ini"), generalLine(s.key, stored));
    // Reading creates nothing.
    QCOMPARE(home.settingsDirectoryExists(), !stored.isNull());
    QCOMPARE(OptionSettings::settingsFilePath(), home.settingsFile());

    QCOMPARE(OptionSettings::rawNumber(s.key), value);
    QCOMPARE(s.read(), isSet ? value : s.defaultValue);
    QCOMPARE(OptionSettings::readNumber(s.key, 7.5), isSet ? value : 7.5);
}

void TestSettingsFiles::texts_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");

    for (int i = 0; i < int(std::size(textSettings)); ++i) {
        const QByteArray key = textSettings[i].key;
        const QString defaultValue = QString::fromUtf8(textSettings[i].defaultValue);
        QTest::newRow(key + " no file") << i << QByteArray() << defaultValue;
        QTest::newRow(key + " empty") << i << QByteArray("") << defaultValue;
        QTest::newRow(key + " value") << i << QByteArray("Kaiti SC") << QStringLiteral("Kaiti SC");
    }
}

void TestSettingsFiles::texts()
{
    QFETCH(int, setting);
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);

    const TestHome home;

    const TextSetting &s = textSettings[setting];
    if (!stored.isNull())
        home.writeFile(QStringLiteral("option.ini"), generalLine(s.key, stored));
    QCOMPARE(s.read(), expected);
    QCOMPARE(OptionSettings::rawText(s.key), stored.isEmpty() ? QString() : expected);
}

void TestSettingsFiles::pageNumberFontFollowsWesternFont()
{
    const TestHome home;
    home.writeFile(QStringLiteral("option.ini"), "[%General]\nST=Times New Roman\n");
    QCOMPARE(OptionSettings::pageNumberFont(), QStringLiteral("Times New Roman"));
    home.writeFile(QStringLiteral("option.ini"),
                   "[%General]\nST=Times New Roman\nPNF=Liberation Serif\n");
    QCOMPARE(OptionSettings::pageNumberFont(), QStringLiteral("Liberation Serif"));
}

void TestSettingsFiles::imprintRuleSelectors_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("selector");

    QTest::newRow("missing") << QByteArray() << 0;
    const std::pair<const char *, int> rows[]
        = {{"1", 1}, {"2", 2}, {"3", 3}, {"0", 0}, {"4", 0}, {"2.5", 0}, {"thick", 0}};
    for (const auto &[stored, selector] : rows)
        QTest::newRow(stored) << QByteArray(stored) << selector;
}

void TestSettingsFiles::imprintRuleSelectors()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, selector);

    const TestHome home;

    if (!stored.isNull()) {
        home.writeFile(QStringLiteral("option.ini"),
                       "[%General]\nbjTopLine=" + stored + "\nbjMidLine=" + stored + "\n");
    }
    QCOMPARE(OptionSettings::imprintOuterRule(), selector);
    QCOMPARE(OptionSettings::imprintInnerRule(), selector);
}

void TestSettingsFiles::groupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");

    QTest::newRow("chinese") << QStringLiteral("某某市人民政府办公室") << true;
    QTest::newRow("latin") << QStringLiteral("Office of the City") << true;
    QTest::newRow("punctuation") << QStringLiteral("办公室（秘书科）=[1];%") << true;
    QTest::newRow("slash") << QStringLiteral("市政府/办公室") << false;
    QTest::newRow("backslash") << QStringLiteral("市政府\\办公室") << false;
}

void TestSettingsFiles::groupNames()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);

    const TestHome home;

    QCOMPARE(OptionSettings::isUsableGroupName(name), usable);
    if (!usable)
        return;
    // A usable name survives the INI layer as one group: a unit profile
    // beside the global settings, with its organ.
    home.setValues(QStringLiteral("option.ini"), {{"General/YF", name}, {name + "/FW", "机关"}});
    QCOMPARE(OptionSettings::unitProfiles(), QStringList(name));
    QCOMPARE(OptionSettings::profileOrganName(name), QStringLiteral("机关"));
    QCOMPARE(OptionSettings::profileOrganName(QString()), QString());
}

void TestSettingsFiles::zoom_data()
{
    QTest::addColumn<QString>("markText");
    QTest::addColumn<int>("zoom");

    const int table[][2]
        = {{0, 64},  {9, 64},  {10, 60}, {11, 56}, {12, 52}, {13, 49}, {14, 46}, {15, 43},
           {16, 40}, {17, 37}, {18, 36}, {19, 35}, {20, 33}, {21, 32}, {200, 32}};
    for (const auto &row : table)
        QTest::addRow("%d characters", row[0]) << QString(row[0], QChar(0x4e2d)) << row[1];
    // Eleven characters and a line break.
    QTest::newRow("line break") << QStringLiteral("中共某某市委\n某某市政府") << 52;
}

void TestSettingsFiles::zoom()
{
    QFETCH(QString, markText);
    QFETCH(int, zoom);

    QCOMPARE(TemplateStore::zoomForMarkText(markText), zoom);
}

void TestSettingsFiles::reads_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("flag");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("integer");

    // A flag is true when its number is not 0; text reads as QVariant reads a
    // boolean. A whole number is truncated and kept within int.
    QTest::newRow("check state 2") << QByteArray("2") << 1.0 << 2.0 << 2.0;
    QTest::newRow("-1") << QByteArray("-1") << 1.0 << -1.0 << -1.0;
    QTest::newRow("0") << QByteArray("0") << 0.0 << 0.0 << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0 << 0.0 << 0.0;
    QTest::newRow("true") << QByteArray("true") << 1.0 << 0.0 << 0.0;
    QTest::newRow("False") << QByteArray("False") << 0.0 << 0.0 << 0.0;
    QTest::newRow("other word") << QByteArray("bold") << 1.0 << 0.0 << 0.0;
    QTest::newRow("weight text") << QByteArray("4.50") << 1.0 << 4.5 << 4.0;
    QTest::newRow("quoted") << QByteArray("\"0.75\"") << 1.0 << 0.75 << 0.0;
    QTest::newRow("fraction") << QByteArray("57.9") << 1.0 << 57.9 << 57.0;
    QTest::newRow("negative fraction") << QByteArray("-3.7") << 1.0 << -3.7 << -3.0;
    QTest::newRow("huge") << QByteArray("1e300") << 1.0 << 1e300 << double(INT_MAX);
    QTest::newRow("huge negative") << QByteArray("-1e300") << 1.0 << -1e300 << double(INT_MIN);
}

void TestSettingsFiles::reads()
{
    QFETCH(QByteArray, stored);
    QFETCH(double, flag);
    QFETCH(double, number);
    QFETCH(double, integer);

    const TestHome home;
    home.writeFile(xiaxing, "[abc]\nfBold=" + stored + "\n");
    const QString name = QStringLiteral("abc");
    QCOMPARE(TemplateStore::readFlag(xiaxing, name, TemplateKey::MarkBold), flag != 0);
    QCOMPARE(TemplateStore::rawNumber(xiaxing, name, TemplateKey::MarkBold), number);
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, TemplateKey::MarkBold, 9.0),
             number == 0 ? 9.0 : number);
    QCOMPARE(double(TemplateStore::rawInteger(xiaxing, name, TemplateKey::MarkBold)), integer);
    QCOMPARE(TemplateStore::rawText(xiaxing, name, TemplateKey::MarkBold),
             QString::fromLatin1(stored == "\"0.75\"" ? "0.75" : stored));
}

void TestSettingsFiles::missingFileAndGroupReadUnset()
{
    const TestHome home;
    const QString name = QStringLiteral("不存在");
    QVERIFY(TemplateStore::templateNames(xiaxing).isEmpty());
    QCOMPARE(TemplateStore::lastUsed(xiaxing), QString());
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, TemplateKey::MarkSize, 57), 57.0);
    QCOMPARE(TemplateStore::readText(xiaxing, name, TemplateKey::MarkFont, QStringLiteral("宋体")),
             QStringLiteral("宋体"));
    QVERIFY(!TemplateStore::readFlag(xiaxing, name, TemplateKey::MarkBold));
    QVERIFY(!home.settingsDirectoryExists());

    home.writeFile(xiaxing, "[abc]\nfSize=60\n");
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, TemplateKey::MarkSize, 57), 57.0);
    QCOMPARE(TemplateStore::readNumber(xiaxing, "abc", TemplateKey::MarkSize, 57), 60.0);
}

void TestSettingsFiles::listAndRemove()
{
    const TestHome home;
    home.setValues(xiaxing,
                   {{"General/mb", "甲"}, {"甲/FW", "甲单位文件"}, {"乙/FW", "乙单位文件"}});
    QCOMPARE(TemplateStore::templateNames(xiaxing), QStringList({"乙", "甲"}));
    QCOMPARE(TemplateStore::lastUsed(xiaxing), QStringLiteral("甲"));
    QVERIFY(TemplateStore::templateNames(QString::fromLatin1(TemplateKind::Letter)).isEmpty());

    // An empty name must not empty the file.
    QVERIFY(!TemplateStore::removeTemplate(xiaxing, QString()));
    QCOMPARE(TemplateStore::templateNames(xiaxing).size(), 2);
    QVERIFY(TemplateStore::removeTemplate(xiaxing, QStringLiteral("甲")));
    QCOMPARE(TemplateStore::templateNames(xiaxing), QStringList(QStringLiteral("乙")));
}

void TestSettingsFiles::save_data()
{
    QTest::addColumn<bool>("withLastUsed");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("markText");
    QTest::addColumn<QString>("message");

    const QString existing = QStringLiteral("县政府文件");
    const QString mark = QStringLiteral("某某县人民政府文件");
    const QString taken = QStringLiteral("模板名称已存在，不能重复!");
    const QString separator = QStringLiteral("模板名称不能包含“/”或“\\”字符!");
    const QString reserved = QStringLiteral("模板名称不能为“General”!");

    QTest::newRow("empty mark text first")
        << true << QString() << QString() << QString() << "发文单位标识文字不能为空!";
    QTest::newRow("empty name") << true << QString() << QString() << mark << "模板名称不能为空!";
    QTest::newRow("new under existing name") << true << QString() << existing << mark << taken;
    QTest::newRow("new General with mb") << true << QString() << "General" << mark << taken;
    QTest::newRow("new General without mb") << false << QString() << "General" << mark << reserved;
    QTest::newRow("renamed to General") << true << existing << "General" << mark << reserved;
    QTest::newRow("slash") << true << QString() << "县政府/文件" << mark << separator;
    QTest::newRow("backslash") << true << existing << "县政府\\文件" << mark << separator;
    QTest::newRow("new free name") << true << QString() << "区政府文件" << mark << QString();
    QTest::newRow("new general lower case") << true << QString() << "general" << mark << QString();
    QTest::newRow("under its own name") << false << existing << existing << mark << QString();
}

// A refused template writes nothing; a saved one is listed and last used.
void TestSettingsFiles::save()
{
    QFETCH(bool, withLastUsed);
    QFETCH(QString, oldName);
    QFETCH(QString, name);
    QFETCH(QString, markText);
    QFETCH(QString, message);

    const TestHome home;
    QVariantMap file {{"县政府文件/FW", "某某县人民政府文件"}, {"其他/FW", "其他文件"}};
    if (withLastUsed)
        file.insert("General/mb", "县政府文件");
    home.setValues(xiaxing, file);
    const QByteArray before = home.readFile(xiaxing);

    BoxRecorder boxes;
    const bool saved = TemplateStore::save(xiaxing, oldName, name, markText,
                                           {{TemplateKey::MarkText, markText}});
    QCOMPARE(saved, message.isEmpty());
    if (!saved) {
        QCOMPARE(boxes.texts(), QStringList(message));
        QCOMPARE(boxes.boxes().first().title, QStringLiteral("设置出错"));
        QCOMPARE(home.readFile(xiaxing), before);
        return;
    }
    QVERIFY(boxes.texts().isEmpty());
    QVERIFY(TemplateStore::templateNames(xiaxing).contains(name));
    QCOMPARE(TemplateStore::lastUsed(xiaxing), name);
    QCOMPARE(home.value(xiaxing, name + "/FW"), markText);
    QCOMPARE(home.value(xiaxing, "其他/FW"), QStringLiteral("其他文件"));
}

void TestSettingsFiles::replacingAnotherTemplateAsksFirst_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancel") << false;
    QTest::newRow("confirm") << true;
}

void TestSettingsFiles::replacingAnotherTemplateAsksFirst()
{
    QFETCH(bool, confirm);

    const TestHome home;
    home.setValues(xiaxing,
                   {{"General/mb", "甲"},
                    {"甲/FW", "甲单位文件"},
                    {"甲/wh", 7},
                    {"乙/FW", "乙单位文件"},
                    {"乙/tTop", 7.15},
                    {"乙/wh", 99}});
    const QByteArray before = home.readFile(xiaxing);

    BoxRecorder boxes;
    boxes.answerNext(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
    QCOMPARE(TemplateStore::save(xiaxing, "甲", "乙", "甲单位文件",
                                 {{TemplateKey::MarkText, "甲单位文件"}}),
             confirm);
    QCOMPARE(boxes.texts(), QStringList("已有名为“乙”的模板，保存将替换该模板。确定替换吗？"));
    QCOMPARE(boxes.boxes().first().title, QStringLiteral("警告"));
    if (!confirm) {
        QCOMPARE(home.readFile(xiaxing), before);
        return;
    }
    // Nothing of the replaced template is left; the saved one keeps its
    // number, as any key the editors do not own moves with a renamed template.
    QCOMPARE(TemplateStore::templateNames(xiaxing), QStringList(QStringLiteral("乙")));
    QCOMPARE(home.value(xiaxing, "乙/FW"), QStringLiteral("甲单位文件"));
    QCOMPARE(home.value(xiaxing, "乙/tTop"), QString());
    QCOMPARE(home.value(xiaxing, "乙/wh"), QStringLiteral("7"));
    QCOMPARE(home.value(xiaxing, "General/mb"), QStringLiteral("乙"));
}

// Damaged settings and template files: the dialogs open with what can be read
// and defaults for the rest, and a save afterwards gives a sound file.
void TestSettingsFiles::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("templates");
    QTest::addColumn<double>("topMargin");
    QTest::addColumn<double>("bodySpacing");

    const QByteArray hugeNumber(1000000, '9');
    const QByteArray hugeText(200000, 'x');

    QTest::newRow("binary bytes") << binaryBytes()
            + "\n[%General]\n\x01\x02=\xff\xfe\nTopMargin\x00=3\n"
                                  << "\xff\xfe\x00[abc]\x00\nfSize=\x80\x81\n" + binaryBytes()
                                  << 3.35 << 29.65;
    QTest::newRow("truncated line")
        << QByteArray("[%General]\nTopMargin=3.5\nZWP=28\nYF=\"\\x67d0\\x67d0")
        << QByteArray("[%General]\nmb=abc\n[abc]\nfSize=60\nFW=\"\\x67d0") << 3.5 << 28.0;
    QTest::newRow("huge and non-finite numbers") << "[%General]\nTopMargin=" + hugeNumber
            + "\nBottomMargin=1e999\nLeftMargin=nan\nRightMargin=-inf\nZWP=-1e400\n"
                                                 << "[abc]\nfSize=" + hugeNumber
            + "\nfPoint=-1e300\nfZoom=nan\ntWidth=inf\ninsertLine=1e400\nlSize=1e999\n"
                                                 << 3.35 << 29.65;
    QTest::newRow("huge texts") << "[%General]\nYF=" + hugeText + "\nFW=" + hugeText
            + "\nBTBS=" + hugeText + "\n[" + hugeText + "]\nFW=" + hugeText + "\n"
                                << "[abc]\nFW=" + hugeText + "\nYF=" + hugeText
            + "\nBTBS=" + hugeText + "\n"
                                << 3.35 << 29.65;
    QTest::newRow("serialised garbage")
        << QByteArray("[%General]\nTopMargin=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10garbage)\n"
                      "ZWP=@ByteArray(abc)\nBTBS=@Rect(1 2)\nHT=@Variant(\\0\\0\\0\\n\\xff\\xff"
                      "\\xff\\xff)\n")
        << QByteArray("[abc]\nfSize=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x10garbage)\n"
                      "FW=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff\\xff)\nlFives=@Size(1 2)\n")
        << 3.35 << 29.65;
    QTest::newRow("lists and broken sections")
        << QByteArray("[%General]\nTopMargin=1, 2, 3\nBTBS=a, b\nZWP=30\n[\n[]\n[abc\n"
                      "=novalue\n;comment\n")
        << QByteArray("[abc\n[]\nFW=a, b, c\nfSize=1, 2\n[abc]\ntTop=\"7.5\"\n") << 3.35 << 30.0;
    QTest::newRow("separators in names")
        << QByteArray("[%General]\nYF=a/b\\\\c\n[a]\nb\\\\c\\\\FW=x\n[a%2Fb]\nFW=y\n")
        << QByteArray("[%General]\nmb=abc\n[abc/def]\nFW=y\n[abc]\nFW/x=z\n") << 3.35 << 29.65;
}

void TestSettingsFiles::damagedFiles()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, templates);
    QFETCH(double, topMargin);
    QFETCH(double, bodySpacing);

    const TestHome home;
    home.writeFile(QStringLiteral("option.ini"), settings);
    const QStringList kinds = {
        QString::fromLatin1(TemplateKind::DownGoing), QString::fromLatin1(TemplateKind::Minutes),
        QString::fromLatin1(TemplateKind::JointIssue), QString::fromLatin1(TemplateKind::Letter)};
    for (const QString &kind : kinds)
        home.writeFile(kind, templates);

    const QString name = QStringLiteral("abc");
    for (const QString &opened : {QString(), name}) {
        // Whatever was read, the editors open (a spin box keeps any number
        // within its range).
        hongtou_window hongtou;
        hongtou.fromA(kinds.at(0), opened);
        hongtou.fromA(kinds.at(1), opened);
        lianhe_window lianhe;
        lianhe.fromA(kinds.at(2), opened);
        xinhan_window xinhan;
        xinhan.fromA(kinds.at(3), opened);
        if (opened.isEmpty())
            QCOMPARE(shownText(hongtou, "dsbfstline"), QString::number(bodySpacing));
    }

    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(shownText(dialog, "dsbTop"), QString::number(topMargin));
    QCOMPARE(shownText(dialog, "dsbZP"), QString::number(bodySpacing));

    // Saving over the damaged file leaves one that reads back.
    replaceText(dialog.findChild<QWidget *>(QStringLiteral("edtYF")),
                QStringLiteral("某某县人民政府办公室"));
    click(dialog.findChild<QPushButton *>(QStringLiteral("btnSave")));
    const QSettings plain(home.settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.status(), QSettings::NoError);
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(),
             QStringLiteral("某某县人民政府办公室"));
    QCOMPARE(plain.value(QStringLiteral("General/TopMargin")).toDouble(), topMargin);
}

QVX_SETTINGS_TEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
