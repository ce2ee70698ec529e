#include "boxrecorder.h"
#include "formsupport.h"
#include "option_window.h"
#include "testhome.h"
#include "uidriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

// Two unit profiles, listed in this order.
const QString unitA = QStringLiteral("中共某某县委办公室"),
              organA = QStringLiteral("中共某某县委员会");
const QString unitB = QStringLiteral("某某县人民政府办公室"),
              organ = QStringLiteral("某某县人民政府");

QString items(const option_window &dialog)
{
    const auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names.join(QLatin1Char(';'));
}

void press(const option_window &dialog, const char *button)
{
    click(dialog.findChild<QPushButton *>(QLatin1String(button)));
}

} // namespace

class TestOptionWindow : public QObject
{
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void unitName_data();
    void unitName();
    void profiles_data();
    void profiles();
};

void TestOptionWindow::fields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expected");

    const char *const fields[][3] = {
        {"dsbTop", "TopMargin", "3.35"},
        {"dsbBottom", "BottomMargin", "3.2"},
        {"dsbLeft", "LeftMargin", "2.8"},
        {"dsbRight", "RightMargin", "2.6"},
        {"dsbBP", "BTP", "36"},
        {"dsbZP", "ZWP", "29.65"},
        {"dsbTop_2", "TopMargin_2", "2.45"},
        {"dsbBottom_2", "BottomMargin_2", "2.45"},
        {"dsbLeft_2", "LeftMargin_2", "3.5"},
        {"dsbRight_2", "RightMargin_2", "3.7"},
        {"fontBigTitle", "BTBS", "方正小标宋_GBK"},
        {"fontITitle", "HT", "方正黑体_GBK"},
        {"fontIITitle", "KT", "方正楷体_GBK"},
        {"fontZW", "FS", "方正仿宋_GBK"},
        {"fontWest", "ST", "宋体"},
    };
    for (const auto &f : fields) {
        const bool font = QByteArray(f[0]).startsWith("font");
        // A family that is not installed here shows and saves as it is.
        const QByteArray stored = font ? "Some Font Not Installed" : "5.5";
        QTest::addRow("%s fresh", f[0]) << f[0] << f[1] << QByteArray() << QString::fromUtf8(f[2]);
        QTest::addRow("%s unset", f[0])
            << f[0] << f[1] << QByteArray("") << QString::fromUtf8(f[2]);
        QTest::addRow("%s stored", f[0]) << f[0] << f[1] << stored << QString::fromUtf8(stored);
    }
}

// A field shows its key or its default, and saving writes what it shows;
// nothing is written before, and nothing else.
void TestOptionWindow::fields()
{
    QFETCH(QString, field);
    QFETCH(QString, key);
    QFETCH(QByteArray, stored);
    QFETCH(QString, expected);

    const TestHome home;
    if (!stored.isNull())
        home.writeFile(QStringLiteral("option.ini"),
                       "[%General]\n" + key.toLatin1() + "=" + stored);
    option_window dialog;
    QCOMPARE(shownText(dialog, field), expected);
    QCOMPARE(home.settingsDirectoryExists(), !stored.isNull());

    typeInto(dialog, QStringLiteral("edtYF=某某市人民政府办公室"));
    press(dialog, "btnSave");
    QCOMPARE(home.value("option.ini", "General/" + key), expected);
    QCOMPARE(QSettings(home.settingsFile(), QSettings::IniFormat).allKeys().size(), 2 + 15 + 1);
}

void TestOptionWindow::unitName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("message");

    const char *const rows[][4] = {
        {"4 characters and spaces", "县办公室  ", "btnSave", "印发单位文字不能小于5字!"},
        {"only spaces", "      ", "btnSave", "印发单位文字不能小于5字!"},
        {"4 latin letters", " abcd ", "btnSave", "印发单位文字不能小于5字!"},
        {"5 characters in spaces", "  县政府办公 ", "btnSave", ""},
        {"slash", "县政府/办公室", "btnSave", "印发单位名称不能包含“/”或“\\”字符!"},
        {"backslash", "县政府\\办公室 ", "btnSave", "印发单位名称不能包含“/”或“\\”字符!"},
        {"General", " General", "btnSave", "印发单位名称不能为“General”!"},
        {"OK, short", " 办公室 ", "btnOK", "印发单位文字不能小于5字!"},
        {"OK", " 县政府办公室 ", "btnOK", ""},
        {"Enter in a field", "县政府办公室", "Enter", ""},
        {"OK on a full disk", "县政府办公室", "btnOK on a full disk", "unwritable"},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[1] << r[2] << r[3];
}

// The name is trimmed where it is typed. A refused one writes nothing and the
// dialog stays open with what was typed; a saved one gets its profile, and OK
// (or Enter) closes the dialog.
void TestOptionWindow::unitName()
{
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(QString, message);

    TestHome home;
    BoxRecorder boxes;
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    typeInto(dialog, "edtYF=" + typed + ";edtFW=" + organ);
    home.setDiskFull(press.endsWith(QLatin1String("full disk")));
    if (press == QLatin1String("Enter"))
        QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("edtYF")), Qt::Key_Return);
    else
        click(dialog.findChild<QPushButton *>(press.section(QLatin1Char(' '), 0, 0)));
    home.setDiskFull(false);

    const QString unit = typed.trimmed();
    compareShown(dialog, "edtYF=" + unit + ";edtFW=" + organ);
    if (message == QLatin1String("unwritable"))
        message = unwritableFileMessage(home.settingsFile());
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    QCOMPARE(dialog.isVisible(), press == QLatin1String("btnSave") || !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(home.readFile(QStringLiteral("option.ini")), QByteArray());
        return;
    }
    QCOMPARE(items(dialog), unit);
    compareKeys(home.settingsFile(),
                "General/YF=" + unit + ";General/FW=" + organ + ";" + unit + "/FW=" + organ);
}

void TestOptionWindow::profiles_data()
{
    for (const char *column : {"press", "shown", "items", "saved", "message"})
        QTest::addColumn<QString>(column);

    const char *const ask = "确定删除此印发单位设置吗？";
    const char *const rows[][6] = {
        {"opened", "", "comboBox=Unit B;edtYF=Unit B;edtFW=Organ B", "Unit A;Unit B", "", ""},
        // Choosing a profile shows it without writing; saving makes it current.
        {"chosen", "choose", "comboBox=Unit A;edtYF=Unit A;edtFW=Organ A;dsbTop=3.9",
         "Unit A;Unit B", "", ""},
        {"chosen and saved", "choose and save", "comboBox=Unit A", "Unit A;Unit B",
         "General/YF=Unit A;General/FW=Organ C;Unit A/FW=Organ C;Unit B/FW=Organ B", ""},
        {"delete cancelled", "delete, cancel", "", "Unit A;Unit B", "", ask},
        // The current unit stays set; its organ is gone with its profile.
        {"deleted", "delete", "edtYF=Unit B;edtFW=", "Unit A",
         "General/YF=Unit B;General/FW=Organ B;Unit A/FW=Organ A;Unit B/FW=", ask},
        // Removing the empty group would empty the whole file.
        {"delete, no profile listed", "delete, none", "", "", "", ""},
    };
    for (const auto &r : rows)
        QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4] << QString::fromUtf8(r[5]);
}

void TestOptionWindow::profiles()
{
    QFETCH(QString, press);
    QFETCH(QString, shown);
    QFETCH(QString, items);
    QFETCH(QString, saved);
    QFETCH(QString, message);

    const TestHome home;
    QString file = QStringLiteral("General/YF=Unit B;General/FW=Organ B;General/TopMargin=3.9");
    if (!press.endsWith(QLatin1String("none")))
        file += QStringLiteral(";Unit A/FW=Organ A;Unit B/FW=Organ B");
    home.setValues(QStringLiteral("option.ini"), pairs(file));
    const QByteArray before = home.readFile(QStringLiteral("option.ini"));

    BoxRecorder boxes;
    boxes.answerNext(press.endsWith(QLatin1String("cancel")) ? QMessageBox::Cancel
                                                             : QMessageBox::Ok);
    option_window dialog;
    if (press.startsWith(QLatin1String("choose")))
        QTest::keyClick(dialog.findChild<QComboBox *>(QStringLiteral("comboBox")), Qt::Key_Up);
    if (press.endsWith(QLatin1String("save"))) {
        typeInto(dialog, QStringLiteral("edtFW=Organ C"));
        ::press(dialog, "btnSave");
    }
    if (press.startsWith(QLatin1String("delete")))
        ::press(dialog, "pushButton");

    compareShown(dialog, shown);
    QCOMPARE(::items(dialog), items);
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    if (saved.isEmpty())
        QCOMPARE(home.readFile(QStringLiteral("option.ini")), before);
    else
        compareKeys(home.settingsFile(), saved);
}

QVX_SETTINGS_TEST_MAIN(TestOptionWindow)
#include "tst_optionwindow.moc"
