#include "hongtou_window.h"
#include "lianhe_window.h"
#include "option_window.h"
#include "templatestore.h"
#include "testhome.h"
#include "uidriver.h"
#include "xinhan_window.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// Damaged settings and template files: the dialogs open with what can be read
// and defaults for the rest, and a save afterwards gives a sound file.
class TestSettingsRobustness : public QObject
{
    Q_OBJECT

private slots:
    void damagedFiles_data();
    void damagedFiles();
};

namespace {

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

void TestSettingsRobustness::damagedFiles_data()
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

void TestSettingsRobustness::damagedFiles()
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
        // The spin boxes keep any number read within their range.
        hongtou_window hongtou;
        hongtou.fromA(kinds.at(0), opened);
        hongtou.fromA(kinds.at(1), opened);
        lianhe_window lianhe;
        lianhe.fromA(kinds.at(2), opened);
        xinhan_window xinhan;
        xinhan.fromA(kinds.at(3), opened);
        if (opened.isEmpty())
            QCOMPARE(hongtou.findChild<QDoubleSpinBox *>(QStringLiteral("dsbfstline"))->value(),
                     bodySpacing);
    }

    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dsbTop"))->value(), topMargin);
    QCOMPARE(dialog.findChild<QDoubleSpinBox *>(QStringLiteral("dsbZP"))->value(), bodySpacing);

    // Saving over the damaged file leaves one that reads back.
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");
    replaceText(edtYF, QStringLiteral("某某县人民政府办公室"));
    click(btnSave);
    const QSettings plain(home.settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.status(), QSettings::NoError);
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(),
             QStringLiteral("某某县人民政府办公室"));
    QCOMPARE(plain.value(QStringLiteral("General/TopMargin")).toDouble(), topMargin);
}

QVX_SETTINGS_TEST_MAIN(TestSettingsRobustness)
#include "tst_settingsrobustness.moc"
