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

QStringList items(const option_window &dialog)
{
    const auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

void replace(const option_window &dialog, const char *field, const QString &text)
{
    replaceText(dialog.findChild<QWidget *>(QLatin1String(field)), text);
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
    void profiles();
    void deleteProfile_data();
    void deleteProfile();
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
        const auto row = [&](const char *tag, const QByteArray &stored, const QString &expected) {
            QTest::addRow("%s %s", f[0], tag) << f[0] << f[1] << stored << expected;
        };
        row("fresh", QByteArray(), QString::fromUtf8(f[2]));
        row("unset", font ? "" : "0", QString::fromUtf8(f[2]));
        // A family that is not installed here shows and saves as it is.
        row("stored", font ? "Some Font Not Installed" : "5.5",
            font ? QStringLiteral("Some Font Not Installed") : QStringLiteral("5.5"));
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

    replace(dialog, "edtYF", QStringLiteral("某某市人民政府办公室"));
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
    replace(dialog, "edtYF", typed);
    replace(dialog, "edtFW", QStringLiteral("某某县人民政府"));
    home.setDiskFull(press.endsWith(QLatin1String("full disk")));
    if (press == QLatin1String("Enter"))
        QTest::keyClick(dialog.findChild<QLineEdit *>(QStringLiteral("edtYF")), Qt::Key_Return);
    else
        click(dialog.findChild<QPushButton *>(press.section(QLatin1Char(' '), 0, 0)));
    home.setDiskFull(false);

    const QString unit = typed.trimmed();
    QCOMPARE(shownText(dialog, "edtYF"), unit);
    QCOMPARE(shownText(dialog, "edtFW"), QStringLiteral("某某县人民政府"));
    if (message == QLatin1String("unwritable"))
        message = unwritableFileMessage(home.settingsFile());
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    QCOMPARE(dialog.isVisible(), press == QLatin1String("btnSave") || !message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(home.readFile(QStringLiteral("option.ini")), QByteArray());
        return;
    }
    QCOMPARE(items(dialog), QStringList(unit));
    QCOMPARE(home.value("option.ini", "General/YF"), unit);
    QCOMPARE(home.value("option.ini", "General/FW"), QStringLiteral("某某县人民政府"));
    QCOMPARE(home.value("option.ini", unit + "/FW"), QStringLiteral("某某县人民政府"));
}

// Each unit keeps its own organ; choosing a profile shows it without writing,
// and saving makes it the current unit.
void TestOptionWindow::profiles()
{
    const TestHome home;
    const QString unitA = QStringLiteral("Office of the County");
    const QString unitB = QStringLiteral("Office of the Party");
    home.setValues(QStringLiteral("option.ini"),
                   {{"General/YF", unitB},
                    {"General/FW", "The Party"},
                    {"General/TopMargin", 3.9},
                    {unitA + "/FW", "The County"},
                    {unitB + "/FW", "The Party"}});
    const QByteArray before = home.readFile(QStringLiteral("option.ini"));
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(items(dialog), QStringList({unitA, unitB}));
    QCOMPARE(shownText(dialog, "comboBox"), unitB);
    QCOMPARE(shownText(dialog, "edtYF"), unitB);
    QCOMPARE(shownText(dialog, "edtFW"), QStringLiteral("The Party"));

    QTest::keyClick(dialog.findChild<QComboBox *>(QStringLiteral("comboBox")), Qt::Key_Up);
    QCOMPARE(shownText(dialog, "edtYF"), unitA);
    QCOMPARE(shownText(dialog, "edtFW"), QStringLiteral("The County"));
    QCOMPARE(shownText(dialog, "dsbTop"), QStringLiteral("3.9"));
    QCOMPARE(items(dialog), QStringList({unitA, unitB}));
    QCOMPARE(home.readFile(QStringLiteral("option.ini")), before);

    replace(dialog, "edtFW", QStringLiteral("The Council"));
    press(dialog, "btnSave");
    QCOMPARE(shownText(dialog, "comboBox"), unitA);
    QCOMPARE(home.value("option.ini", "General/YF"), unitA);
    QCOMPARE(home.value("option.ini", "General/FW"), QStringLiteral("The Council"));
    QCOMPARE(home.value("option.ini", unitA + "/FW"), QStringLiteral("The Council"));
    QCOMPARE(home.value("option.ini", unitB + "/FW"), QStringLiteral("The Party"));
}

void TestOptionWindow::deleteProfile_data()
{
    QTest::addColumn<bool>("withProfiles");
    QTest::addColumn<bool>("confirm");

    QTest::newRow("cancel") << true << false;
    QTest::newRow("confirm") << true << true;
    // Removing the empty group would empty the whole file.
    QTest::newRow("no profile listed") << false << true;
}

void TestOptionWindow::deleteProfile()
{
    QFETCH(bool, withProfiles);
    QFETCH(bool, confirm);

    const TestHome home;
    const QString unitA = QStringLiteral("某某县人民政府办公室");
    const QString unitB = QStringLiteral("中共某某县委办公室");
    QVariantMap settings {{"General/YF", unitB}, {"General/FW", "中共某某县委员会"}};
    if (withProfiles) {
        settings.insert(unitA + "/FW", "某某县人民政府");
        settings.insert(unitB + "/FW", "中共某某县委员会");
    }
    home.setValues(QStringLiteral("option.ini"), settings);
    const QByteArray before = home.readFile(QStringLiteral("option.ini"));

    BoxRecorder boxes;
    boxes.answerNext(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    press(dialog, "pushButton");

    QCOMPARE(boxes.texts(),
             withProfiles ? QStringList(QStringLiteral("确定删除此印发单位设置吗？"))
                          : QStringList());
    if (!withProfiles || !confirm) {
        QCOMPARE(home.readFile(QStringLiteral("option.ini")), before);
        return;
    }
    // The current unit stays set; its organ is gone with its profile.
    QCOMPARE(shownText(dialog, "edtYF"), unitB);
    QCOMPARE(shownText(dialog, "edtFW"), QString());
    QCOMPARE(items(dialog), QStringList(unitA));
    QCOMPARE(home.value("option.ini", "General/YF"), unitB);
    QCOMPARE(home.value("option.ini", "General/FW"), QStringLiteral("中共某某县委员会"));
    QCOMPARE(home.value("option.ini", unitA + "/FW"), QStringLiteral("某某县人民政府"));
    QCOMPARE(home.value("option.ini", unitB + "/FW"), QString());
}

QVX_SETTINGS_TEST_MAIN(TestOptionWindow)
#include "tst_optionwindow.moc"
