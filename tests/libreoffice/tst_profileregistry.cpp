#include "libreoffice/fontreplacements.h"
#include "libreoffice/officeprofile.h"
#include "libreoffice/profileregistry.h"

#include <QtTest>

#include <QTemporaryDir>

using namespace libreoffice;

// What every start writes into the office's profile: the replacement table
// for the fonts official documents name, and the Chinese language.
class TestProfileRegistry : public QObject
{
    Q_OBJECT

private slots:
    void needed_data();
    void needed();
    void registryKeepsUserEntries();
    void profileSpeaksChinese();
};

void TestProfileRegistry::needed_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("standIn"); // empty: no replacement

    const QStringList debian {QStringLiteral("Noto Serif CJK SC"),
                              QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UKai CN"),
                              QStringLiteral("AR PL UMing CN")};
    const std::tuple<const char *, QStringList, const char *, const char *> rows[]
        = {{"title", debian, "方正小标宋_GBK", "Noto Serif CJK SC"},
           {"heading", debian, "方正黑体_GBK", "Noto Sans CJK SC"},
           {"kai", debian, "方正楷体_GBK", "AR PL UKai CN"},
           {"song: half-width ASCII", debian, "宋体", "AR PL UMing CN"},
           {"fangsong", debian, "方正仿宋_GBK", "AR PL UMing CN"},
           {"installed font kept", debian + QStringList {"方正黑体_GBK"}, "方正黑体_GBK", ""},
           {"second choice", {"Noto Serif CJK SC"}, "宋体", "Noto Serif CJK SC"},
           {"no stand-in", {}, "方正楷体_GBK", ""}};
    for (const auto &[name, installed, font, standIn] : rows)
        QTest::newRow(name) << installed << QString::fromUtf8(font) << QString::fromUtf8(standIn);
}

void TestProfileRegistry::needed()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, font);
    QFETCH(QString, standIn);
    const auto replacements
        = neededFontReplacements([&](const QString &family) { return installed.contains(family); });
    QString found;
    for (const FontReplacement &r : replacements)
        found = r.font == font ? r.family : found;
    QCOMPARE(found, standIn);
}

// Every start rewrites our entries from scratch; the user's own stay.
void TestProfileRegistry::registryKeepsUserEntries()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registrymodifications.xcu"));
    const QByteArray user = "<item oor:path=\"/org.openoffice.Office.Common/Font/Substitution/"
                            "FontPairs\"><node oor:name=\"_0\" oor:op=\"replace\"><prop "
                            "oor:name=\"ReplaceFont\" oor:op=\"fuse\"><value>Arial</value></prop>"
                            "</node></item>";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?>\n<oor:items>\n" + user + "\n</oor:items>\n");
    }
    const QVector<FontReplacement> two {{QStringLiteral("宋体"), QStringLiteral("A")},
                                        {QStringLiteral("黑体"), QStringLiteral("B")}};
    QVERIFY(writeFontReplacements(path, two));
    QVERIFY(writeFontReplacements(path, {{QStringLiteral("宋体"), QStringLiteral("C")}}));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QString::fromUtf8(user)));
    QCOMPARE(text.count(QStringLiteral("<value>宋体</value>")), 1);
    QVERIFY(text.contains(QStringLiteral("<value>C</value>")));
    QVERIFY(!text.contains(QStringLiteral("黑体")));
    QCOMPARE(text.count(QStringLiteral("oor:name=\"Replacement\"")), 1);
    QVERIFY(text.trimmed().endsWith(QStringLiteral("</oor:items>")));
    QVERIFY(!writeFontReplacements(dir.filePath(QStringLiteral("missing.xcu")), two));
}

// A profile the user or an earlier version left in English speaks Chinese
// after the next start; the user's other settings stay.
void TestProfileRegistry::profileSpeaksChinese()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("user"))));
    const QString path = dir.filePath(QStringLiteral("user/registrymodifications.xcu"));
    const QString user = registryItem(QStringLiteral("/org.openoffice.Office.Common/Save/Document"),
                                      QStringLiteral("AutoSave"), QStringLiteral("true"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("<?xml version=\"1.0\"?>\n<oor:items>\n" + user + "\n"
                    + registryItem(QStringLiteral("/org.openoffice.Office.Linguistic/General"),
                                   QStringLiteral("UILocale"), QStringLiteral("en-US"))
                    + "\n</oor:items>\n")
                       .toUtf8());
    }
    OfficeProfile profile(dir.path());
    QVERIFY(profile.acquire());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(user));
    QVERIFY(!text.contains(QStringLiteral("en-US")));
    QCOMPARE(text.count(QStringLiteral("UILocale")), 1);
    QCOMPARE(text.count(QStringLiteral("<value>zh-CN</value>")), 4);
}

QTEST_GUILESS_MAIN(TestProfileRegistry)
#include "tst_profileregistry.moc"
