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

// The settings the settings dialog does not show (tst_optionwindow reads and
// writes the others) under their keys as existing files spell them, and what
// an unset one reads as.
const struct
{
    const char *key;
    QVariant (*read)();
    const char *unset;
} settings[] = {
    {"TopMargin", [] { return QVariant(OptionSettings::topMargin()); }, "3.35"},
    {"TopMargin", [] { return QVariant(OptionSettings::adaptationTopMargin()); }, "3.36"},
    {"bjBottomSpac", [] { return QVariant(OptionSettings::imprintSpacerSpacing()); }, "8"},
    {"bjHeight", [] { return QVariant(OptionSettings::imprintRowHeight()); }, "1"},
    {"fstP", [] { return QVariant(OptionSettings::copyNumberSpacing()); }, "16"},
    {"bjTopLine", [] { return QVariant(OptionSettings::imprintOuterRule()); }, "0"},
    {"bjMidLine", [] { return QVariant(OptionSettings::imprintInnerRule()); }, "0"},
    {"YF", [] { return QVariant(OptionSettings::unitName()); }, ""},
    {"FW", [] { return QVariant(OptionSettings::organName()); }, ""},
    {"PNF", [] { return QVariant(OptionSettings::pageNumberFont()); }, "宋体"},
};

const QString xiaxing = QString::fromLatin1(TemplateKind::DownGoing);

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void settingsRead_data();
    void settingsRead();
    void zoom_data();
    void zoom();
    void templateReads_data();
    void templateReads();
    void save_data();
    void save();
    void damagedFiles_data();
    void damagedFiles();
};

void TestSettingsFiles::settingsRead_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QByteArray>("lines"); // of the group General; none: no file
    QTest::addColumn<QString>("expected");

    for (int i = 0; i < int(std::size(settings)); ++i) {
        const QByteArray key = settings[i].key;
        const QString unset = QString::fromUtf8(settings[i].unset);
        QTest::newRow(key + " " + unset.toUtf8() + " no file") << i << QByteArray() << unset;
        QTest::newRow(key + " " + unset.toUtf8() + " empty") << i << key + "=" << unset;
        QTest::newRow(key + " " + unset.toUtf8() + " 3") << i << key + "=3"
                                                         << "3";
    }
    // A number that is not one, or not finite, is unset; a rule selector
    // other than 1, 2 or 3 is the standard weight.
    const char *const more[][3] = {
        {"fstP", "fstP=abc", "16"},          {"fstP", "fstP=3cm", "16"},
        {"fstP", "fstP=nan", "16"},          {"fstP", "fstP=inf", "16"},
        {"fstP", "fstP=1e999", "16"},        {"fstP", "fstP=-1.5", "-1.5"},
        {"bjTopLine", "bjTopLine=1", "1"},   {"bjTopLine", "bjTopLine=4", "0"},
        {"bjMidLine", "bjMidLine=2.5", "0"}, {"PNF", "ST=Times New Roman", "Times New Roman"},
    };
    for (const auto &row : more) {
        int i = 0;
        while (qstrcmp(settings[i].key, row[0]) != 0)
            ++i;
        QTest::newRow(row[1]) << i << QByteArray(row[1]) << QString::fromUtf8(row[2]);
    }
}

void TestSettingsFiles::settingsRead()
{
    QFETCH(int, setting);
    QFETCH(QByteArray, lines);
    QFETCH(QString, expected);

    const TestHome home;
    // QSettings writes the group "General" as the section "[%General]".
    if (!lines.isNull())
        home.writeFile(QStringLiteral("option.ini"), "[%General]\n" + lines + "\n");
    QCOMPARE(settings[setting].read().toString(), expected);
    // Reading creates nothing.
    QCOMPARE(home.settingsDirectoryExists(), !lines.isNull());
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

void TestSettingsFiles::templateReads_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("flag");
    QTest::addColumn<double>("number");
    QTest::addColumn<double>("integer");

    // A flag is true when its number is not 0; text reads as QVariant reads a
    // boolean. A whole number is truncated and kept within int.
    QTest::newRow("no file") << QByteArray() << 0.0 << 0.0 << 0.0;
    QTest::newRow("check state 2") << QByteArray("2") << 1.0 << 2.0 << 2.0;
    QTest::newRow("0") << QByteArray("0") << 0.0 << 0.0 << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0 << 0.0 << 0.0;
    QTest::newRow("true") << QByteArray("true") << 1.0 << 0.0 << 0.0;
    QTest::newRow("other word") << QByteArray("bold") << 1.0 << 0.0 << 0.0;
    QTest::newRow("weight text") << QByteArray("4.50") << 1.0 << 4.5 << 4.0;
    QTest::newRow("fraction") << QByteArray("57.9") << 1.0 << 57.9 << 57.0;
    QTest::newRow("negative fraction") << QByteArray("-3.7") << 1.0 << -3.7 << -3.0;
    QTest::newRow("huge") << QByteArray("1e300") << 1.0 << 1e300 << double(INT_MAX);
    QTest::newRow("huge negative") << QByteArray("-1e300") << 1.0 << -1e300 << double(INT_MIN);
}

void TestSettingsFiles::templateReads()
{
    QFETCH(QByteArray, stored);
    QFETCH(double, flag);
    QFETCH(double, number);
    QFETCH(double, integer);

    const TestHome home;
    if (!stored.isNull())
        home.writeFile(xiaxing, "[abc]\nfBold=" + stored + "\n");
    const QString name = QStringLiteral("abc"), key = QLatin1String(TemplateKey::MarkBold);
    const QString text = QString::fromLatin1(stored);
    QCOMPARE(TemplateStore::readFlag(xiaxing, name, key), flag != 0);
    QCOMPARE(TemplateStore::rawNumber(xiaxing, name, key), number);
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, key, 9.0), number == 0 ? 9.0 : number);
    QCOMPARE(double(TemplateStore::rawInteger(xiaxing, name, key)), integer);
    QCOMPARE(TemplateStore::rawText(xiaxing, name, key), text);
    QCOMPARE(TemplateStore::readText(xiaxing, name, key, "x"), text.isEmpty() ? "x" : text);
    QCOMPARE(home.settingsDirectoryExists(), !stored.isNull());
}

void TestSettingsFiles::save_data()
{
    for (const char *column : {"lastUsed", "oldName", "name", "markText", "answer", "message"})
        QTest::addColumn<QString>(column);

    const char *const E = "县政府文件", *const M = "某某县人民政府文件";
    const char *const taken = "模板名称已存在，不能重复!",
                      *const reserved = "模板名称不能为“General”!";
    const char *const separator = "模板名称不能包含“/”或“\\”字符!";
    const char *const replace = "已有名为“其他”的模板，保存将替换该模板。确定替换吗？";
    const char *const rows[][7] = {
        {"empty mark text first", E, "", "", "", "", "发文单位标识文字不能为空!"},
        {"empty name", E, "", "", M, "", "模板名称不能为空!"},
        {"new under existing name", E, "", E, M, "", taken},
        {"new General with mb", E, "", "General", M, "", taken},
        {"new General without mb", "", "", "General", M, "", reserved},
        {"renamed to General", E, E, "General", M, "", reserved},
        {"slash", E, "", "县政府/文件", M, "", separator},
        {"backslash", E, E, "县政府\\文件", M, "", separator},
        {"new free name", E, "", "区政府文件", M, "", ""},
        {"new general lower case", E, "", "general", M, "", ""},
        {"under its own name", "", E, E, M, "", ""},
        {"renamed", E, E, "区政府文件", M, "", ""},
        // Replacing another template asks first.
        {"over another, cancelled", E, E, "其他", M, "cancel", replace},
        {"over another", E, E, "其他", M, "ok", replace},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4] << r[5] << r[6];
}

// A refused template writes nothing; a saved one is listed and last used,
// keeps the keys the editors do not own, and can be removed.
void TestSettingsFiles::save()
{
    QFETCH(QString, lastUsed);
    QFETCH(QString, oldName);
    QFETCH(QString, name);
    QFETCH(QString, markText);
    QFETCH(QString, answer);
    QFETCH(QString, message);

    const TestHome home;
    const QString file
        = "县政府文件/FW=某某县人民政府文件;县政府文件/wh=7;其他/FW=其他文件;其他/tTop=7.15";
    home.setValues(xiaxing, pairs(file + (lastUsed.isEmpty() ? "" : ";General/mb=" + lastUsed)));
    const QByteArray before = home.readFile(xiaxing);
    // An empty name must not empty the file.
    QVERIFY(!TemplateStore::removeTemplate(xiaxing, QString()));

    BoxRecorder boxes;
    boxes.answerNext(answer == QLatin1String("cancel") ? QMessageBox::Cancel : QMessageBox::Ok);
    const bool saved = TemplateStore::save(xiaxing, oldName, name, markText,
                                           {{TemplateKey::MarkText, markText}});
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    QCOMPARE(saved, message.isEmpty() || answer == QLatin1String("ok"));
    if (!saved) {
        QCOMPARE(home.readFile(xiaxing), before);
        return;
    }
    const QStringList names = TemplateStore::templateNames(xiaxing);
    QVERIFY(names.contains(name));
    QCOMPARE(names.contains(oldName), oldName == name);
    QCOMPARE(TemplateStore::lastUsed(xiaxing), name);
    QCOMPARE(home.value(xiaxing, name + "/FW"), markText);
    QCOMPARE(home.value(xiaxing, name + "/wh"), oldName.isEmpty() ? QString() : "7");
    // Nothing of a replaced template is left.
    QCOMPARE(home.value(xiaxing, "其他/tTop"), name == "其他" ? QString() : "7.15");
    QVERIFY(TemplateStore::removeTemplate(xiaxing, name));
    QCOMPARE(TemplateStore::templateNames(xiaxing).contains(name), false);
}

// Damaged settings and template files: the dialogs open with what can be read
// and defaults for the rest, and a save afterwards gives a sound file.
void TestSettingsFiles::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("templates");
    QTest::addColumn<double>("topMargin");
    QTest::addColumn<double>("bodySpacing");

    const QByteArray hugeNumber(1000000, '9'), hugeText(200000, 'x');
    QByteArray binary;
    for (int b = 0; b < 1024; ++b)
        binary += char(b % 256);
    const QByteArray hugeTexts = "\nFW=" + hugeText + "\nYF=" + hugeText + "\nBTBS=" + hugeText;
    QTest::newRow("binary bytes") << binary + "\n[%General]\n\x01\x02=\xff\xfe\nTopMargin\x00=3\n"
                                  << "\xff\xfe\x00[abc]\x00\nfSize=\x80\x81\n" + binary << 3.35
                                  << 29.65;
    QTest::newRow("truncated line")
        << QByteArray("[%General]\nTopMargin=3.5\nZWP=28\nYF=\"\\x67d0\\x67d0")
        << QByteArray("[%General]\nmb=abc\n[abc]\nfSize=60\nFW=\"\\x67d0") << 3.5 << 28.0;
    QTest::newRow("huge and non-finite numbers")
        << "[%General]\nBottomMargin=1e999\nLeftMargin=nan\nRightMargin=-inf\nZWP=-1e400\n"
           "TopMargin="
            + hugeNumber
        << "[abc]\nfPoint=-1e300\nfZoom=nan\ntWidth=inf\ninsertLine=1e400\nlSize=1e999\nfSize="
            + hugeNumber
        << 3.35 << 29.65;
    QTest::newRow("huge texts") << "[%General]" + hugeTexts + "\n[" + hugeText + "]" + hugeTexts
                                << "[abc]" + hugeTexts << 3.35 << 29.65;
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
    for (const char *kind : {TemplateKind::DownGoing, TemplateKind::Minutes,
                             TemplateKind::JointIssue, TemplateKind::Letter})
        home.writeFile(QString::fromLatin1(kind), templates);

    for (const QString &opened : {QString(), QStringLiteral("abc")}) {
        // Whatever was read, the editors open (a spin box keeps any number
        // within its range).
        hongtou_window hongtou;
        hongtou.fromA(TemplateKind::DownGoing, opened);
        hongtou.fromA(TemplateKind::Minutes, opened);
        lianhe_window().fromA(TemplateKind::JointIssue, opened);
        xinhan_window().fromA(TemplateKind::Letter, opened);
        if (opened.isEmpty())
            QCOMPARE(shownText(hongtou, "dsbfstline"), QString::number(bodySpacing));
    }

    option_window dialog;
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
