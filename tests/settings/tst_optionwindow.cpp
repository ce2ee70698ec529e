#include "boxrecorder.h"
#include "formsupport.h"
#include "option_window.h"
#include "testhome.h"
#include "uidriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestOptionWindow : public QObject
{
    Q_OBJECT

private slots:
    void dialog_data();
    void dialog();
};

void TestOptionWindow::dialog_data()
{
    for (const char *column : {"file", "typed", "press", "shown", "items", "saved", "message"})
        QTest::addColumn<QString>(column);

    // A field shows its key or its default, and saving writes what it shows
    // and nothing else; nothing is written before.
    const QString fields = QStringLiteral(
        "dsbTop TopMargin 3.35;dsbBottom BottomMargin 3.2;dsbLeft LeftMargin 2.8;"
        "dsbRight RightMargin 2.6;dsbBP BTP 36;dsbZP ZWP 29.65;dsbTop_2 TopMargin_2 2.45;"
        "dsbBottom_2 BottomMargin_2 2.45;dsbLeft_2 LeftMargin_2 3.5;dsbRight_2 RightMargin_2 3.7;"
        "fontBigTitle BTBS 方正小标宋_GBK;fontITitle HT 方正黑体_GBK;fontIITitle KT 方正楷体_GBK;"
        "fontZW FS 方正仿宋_GBK;fontWest ST 宋体");
    const QString unit = QStringLiteral("某某县人民政府办公室");
    for (const QString &field : fields.split(QLatin1Char(';'))) {
        const QStringList f = field.split(QLatin1Char(' '));
        // A family that is not installed here shows and saves as it is.
        const QString stored = f[0].startsWith("font") ? "Some Font Not Installed" : "5.5";
        const QString values[] = {QString(), QString(""), stored}, key = "General/" + f[1];
        for (const char *tag : {"fresh", "unset", "stored"}) {
            const QString value = values[*tag == 'f' ? 0 : *tag == 'u' ? 1 : 2];
            const QString shown = value.isEmpty() ? f[2] : value;
            QTest::addRow("%s %s", qPrintable(f[0]), tag)
                << (value.isNull() ? "" : key + "=" + value) << "edtYF=" + unit << "btnSave"
                << f[0] + "=" + shown << unit
                << key + "=" + shown + ";General/#=17;" + unit + "/#=1"
                << "";
        }
    }

    // The unit name is trimmed where it is typed. A refused one writes nothing
    // and the dialog stays open with what was typed; a saved one gets its
    // profile, and OK (or Enter) closes the dialog.
    const char *const units[][4] = {
        {"4 characters and spaces", "县办公室  ", "btnSave", "印发单位文字不能小于5字!"},
        {"5 characters in spaces", "  县政府办公 ", "btnSave", ""},
        {"slash", "县政府/办公室", "btnSave", "印发单位名称不能包含“/”或“\\”字符!"},
        {"backslash", "县政府\\办公室 ", "btnSave", "印发单位名称不能包含“/”或“\\”字符!"},
        {"General", " General", "btnSave", "印发单位名称不能为“General”!"},
        {"OK, short", " 办公室 ", "btnOK", "印发单位文字不能小于5字!"},
        {"OK", " 县政府办公室 ", "btnOK", ""},
        {"Enter in a field", "县政府办公室", "Enter", ""},
        {"OK on a full disk", "县政府办公室", "full btnOK", "unwritable"},
    };
    const QString organ = QStringLiteral("某某县人民政府");
    for (const auto &r : units) {
        const QString typed = QString::fromUtf8(r[1]), trimmed = typed.trimmed();
        const bool saves = !*r[3];
        QTest::newRow(r[0]) << ""
                            << "edtYF=" + typed + ";edtFW=" + organ << r[2]
                            << "edtYF=" + trimmed + ";edtFW=" + organ << (saves ? trimmed : "")
                            << (saves ? "General/YF=" + trimmed + ";General/FW=" + organ + ";"
                                        + trimmed + "/FW=" + organ
                                      : QString())
                            << QString::fromUtf8(r[3]);
    }

    // Each unit keeps its own organ; choosing a profile shows it without
    // writing, and saving makes it the current unit.
    const char *const ask = "确定删除此印发单位设置吗？";
    const char *const two = "General/YF=Unit B;General/FW=Organ B;General/TopMargin=3.9;"
                            "Unit A/FW=Organ A;Unit B/FW=Organ B";
    const char *const profiles[][8] = {
        {"opened", two, "", "", "comboBox=Unit B;edtYF=Unit B;edtFW=Organ B", "Unit A;Unit B", "",
         ""},
        {"chosen", two, "", "choose", "comboBox=Unit A;edtYF=Unit A;edtFW=Organ A;dsbTop=3.9",
         "Unit A;Unit B", "", ""},
        {"chosen and saved", two, "edtFW=Organ C", "choose btnSave", "comboBox=Unit A",
         "Unit A;Unit B",
         "General/YF=Unit A;General/FW=Organ C;Unit A/FW=Organ C;Unit B/FW=Organ B", ""},
        {"delete cancelled", two, "", "pushButton cancel", "", "Unit A;Unit B", "", ask},
        // The current unit stays set; its organ is gone with its profile.
        {"deleted", two, "", "pushButton", "edtYF=Unit B;edtFW=", "Unit A",
         "General/YF=Unit B;General/FW=Organ B;Unit A/FW=Organ A;Unit B/FW=", ask},
        // Removing the empty group would empty the whole file.
        {"delete, no profile listed", "General/YF=Unit B;General/FW=Organ B", "", "pushButton", "",
         "", "", ""},
    };
    for (const auto &r : profiles)
        QTest::newRow(r[0]) << r[1] << r[2] << r[3] << r[4] << r[5] << r[6]
                            << QString::fromUtf8(r[7]);
}

// Opens the dialog on a settings file, types, presses; then compares the
// fields, the profiles listed, the messages and the file (unchanged where
// nothing is saved).
void TestOptionWindow::dialog()
{
    QFETCH(QString, file);
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(QString, shown);
    QFETCH(QString, items);
    QFETCH(QString, saved);
    QFETCH(QString, message);

    TestHome home;
    home.setValues(QStringLiteral("option.ini"), pairs(file));
    const QByteArray before = home.readFile(QStringLiteral("option.ini"));
    BoxRecorder boxes;
    boxes.answerNext(press.endsWith(QLatin1String("cancel")) ? QMessageBox::Cancel
                                                             : QMessageBox::Ok);
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(home.settingsDirectoryExists(), !file.isEmpty());
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    if (press.startsWith(QLatin1String("choose")))
        QTest::keyClick(combo, Qt::Key_Up);
    typeInto(dialog, typed);
    home.setDiskFull(press.startsWith(QLatin1String("full")));
    for (const QString &step : press.split(QLatin1Char(' '))) {
        if (step == QLatin1String("Enter"))
            QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("edtYF")), Qt::Key_Return);
        else if (auto *button = dialog.findChild<QPushButton *>(step))
            click(button);
    }
    home.setDiskFull(false);

    compareShown(dialog, shown);
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemText(i);
    QCOMPARE(listed.join(QLatin1Char(';')), items);
    if (message == QLatin1String("unwritable"))
        message = unwritableFileMessage(home.settingsFile());
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    const bool closes = press.endsWith(QLatin1String("OK")) || press == QLatin1String("Enter");
    QCOMPARE(dialog.isVisible(), !closes || !message.isEmpty());
    if (saved.isEmpty())
        QCOMPARE(home.readFile(QStringLiteral("option.ini")), before);
    else
        compareKeys(home.settingsFile(), saved);
}

QVX_SETTINGS_TEST_MAIN(TestOptionWindow)
#include "tst_optionwindow.moc"
