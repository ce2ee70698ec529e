#include "boxrecorder.h"
#include "option_window.h"
#include "testhome.h"
#include "uidriver.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString labelOf(const QWidget &dialog, const QWidget *field)
{
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() == field)
            return label->text();
    }
    return QString();
}

QString groupOf(const QWidget *field)
{
    for (const QWidget *w = field->parentWidget(); w; w = w->parentWidget()) {
        if (auto *group = qobject_cast<const QGroupBox *>(w))
            return group->title();
    }
    return QString();
}

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestOptionWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form();
    void freshHomeShowsDefaultsAndWritesNothing();
    void marginsAndSpacings_data();
    void marginsAndSpacings();
    void fonts_data();
    void fonts();
    void unitName_data();
    void unitName();
    void okButton_data();
    void okButton();
    void savedFileReadsBackWithPlainSettings();
    void twoUnitsKeepTheirOwnProfiles();
    void choosingAProfileShowsItsUnitOnly();
    void deleteProfile_data();
    void deleteProfile();
    void deleteWithoutProfilesDoesNothing();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestOptionWindow::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestOptionWindow::cleanup()
{
    m_home.reset();
}

void TestOptionWindow::form()
{
    option_window dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("系统设置"));
    QCOMPARE(dialog.size(), QSize(908, 401));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.size(), QSize(908, 401));

    const QStringList groups = {QStringLiteral("groupBox"), QStringLiteral("groupBox_2"),
                                QStringLiteral("groupBox_3"), QStringLiteral("groupBox_4")};
    const QStringList titles = {QStringLiteral("发文单位设置"), QStringLiteral("页面设置"),
                                QStringLiteral("字体设置"), QStringLiteral("横排页面")};
    for (int i = 0; i < groups.size(); ++i) {
        auto *group = dialog.findChild<QGroupBox *>(groups.at(i));
        QVERIFY2(group, qPrintable(groups.at(i)));
        QCOMPARE(group->title(), titles.at(i));
        QCOMPARE(group->styleSheet(),
                 QStringLiteral("alternate-background-color: rgb(166, 166, 166);"));
    }

    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
    QCOMPARE(labelOf(dialog, edtYF), QStringLiteral("印发单位名称："));
    QCOMPARE(labelOf(dialog, edtFW), QStringLiteral("发文单位名称："));
    QCOMPARE(groupOf(edtYF), QStringLiteral("发文单位设置"));

    QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
    QVERIFY(!comboBox->isEditable());
    QVX_FIND(QPushButton, pushButton, dialog, "pushButton");
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");
    QVX_FIND(QPushButton, btnOK, dialog, "btnOK");
    QCOMPARE(pushButton->text(), QStringLiteral("删除"));
    QCOMPARE(btnSave->text(), QStringLiteral("保存"));
    QCOMPARE(btnOK->text(), QStringLiteral("确定"));
    // Bottom row, left to right.
    QVERIFY(comboBox->x() < pushButton->x());
    QVERIFY(pushButton->x() < btnSave->x());
    QVERIFY(btnSave->x() < btnOK->x());
}

void TestOptionWindow::freshHomeShowsDefaultsAndWritesNothing()
{
    {
        option_window dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
        QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
        QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
        QCOMPARE(edtYF->text(), QString());
        QCOMPARE(edtFW->text(), QString());
        QCOMPARE(comboBox->count(), 0);
        dialog.reject();
    }
    QVERIFY(!m_home->settingsDirectoryExists());
}

void TestOptionWindow::marginsAndSpacings_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("shown");

    struct Field
    {
        const char *name;
        const char *label;
        const char *group;
        const char *key;
        double defaultValue;
    };
    const Field fields[] = {
        {"dsbTop", "上边距：", "页面设置", "TopMargin", 3.35},
        {"dsbBottom", "下边距：", "页面设置", "BottomMargin", 3.2},
        {"dsbLeft", "内边距：", "页面设置", "LeftMargin", 2.8},
        {"dsbRight", "外边距：", "页面设置", "RightMargin", 2.6},
        {"dsbBP", "行距磅数：", "字体设置", "BTP", 36},
        {"dsbZP", "行距磅数：", "字体设置", "ZWP", 29.65},
        {"dsbTop_2", "上边距：", "横排页面", "TopMargin_2", 2.45},
        {"dsbBottom_2", "下边距：", "横排页面", "BottomMargin_2", 2.45},
        {"dsbLeft_2", "左边距：", "横排页面", "LeftMargin_2", 3.5},
        {"dsbRight_2", "右边距：", "横排页面", "RightMargin_2", 3.7},
    };
    for (const Field &f : fields) {
        const auto row = [&](const char *tag, const QByteArray &stored, double shown) {
            QTest::addRow("%s %s", f.name, tag)
                << QString::fromLatin1(f.name) << QString::fromUtf8(f.label)
                << QString::fromUtf8(f.group) << QString::fromLatin1(f.key) << stored << shown;
        };
        row("fresh", QByteArray(), f.defaultValue);
        row("stored 0", "0", f.defaultValue);
        row("stored 5.5", "5.5", 5.5);
        row("stored beyond the range", "250", 99.99);
    }
}

void TestOptionWindow::marginsAndSpacings()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, group);
    QFETCH(QString, key);
    QFETCH(QByteArray, stored);
    QFETCH(double, shown);

    if (!stored.isNull())
        m_home->writeFile(QStringLiteral("option.ini"),
                          "[%General]\n" + key.toLatin1() + "=" + stored + "\n");

    option_window dialog;
    auto *box = dialog.findChild<QDoubleSpinBox *>(field);
    QVERIFY(box);
    QCOMPARE(labelOf(dialog, box), label);
    QCOMPARE(groupOf(box), group);
    QCOMPARE(box->minimum(), 0.0);
    QCOMPARE(box->maximum(), 99.99);
    QCOMPARE(box->decimals(), 2);
    QCOMPARE(box->singleStep(), 1.0);
    QCOMPARE(box->value(), shown);
}

void TestOptionWindow::fonts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");

    struct Field
    {
        const char *name;
        const char *label;
        const char *key;
        const char *defaultValue;
    };
    const Field fields[] = {
        {"fontBigTitle", "大标题：", "BTBS", "方正小标宋_GBK"},
        {"fontITitle", "一级标题：", "HT", "方正黑体_GBK"},
        {"fontIITitle", "二级标题：", "KT", "方正楷体_GBK"},
        {"fontZW", "正文：", "FS", "方正仿宋_GBK"},
        {"fontWest", "西文 ：", "ST", "宋体"},
    };
    for (const Field &f : fields) {
        const auto row = [&](const char *tag, const QByteArray &stored, const QString &shown) {
            QTest::addRow("%s %s", f.name, tag)
                << QString::fromLatin1(f.name) << QString::fromUtf8(f.label)
                << QString::fromLatin1(f.key) << stored << shown;
        };
        row("fresh", QByteArray(), QString::fromUtf8(f.defaultValue));
        row("stored empty", "", QString::fromUtf8(f.defaultValue));
        row("stored family", "Some Font Not Installed", QStringLiteral("Some Font Not Installed"));
        row("stored chinese family", "\\x534e\\x6587\\x4e2d\\x5b8b", QStringLiteral("华文中宋"));
    }
}

void TestOptionWindow::fonts()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, key);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);

    if (!stored.isNull())
        m_home->writeFile(QStringLiteral("option.ini"),
                          "[%General]\n" + key.toLatin1() + "=" + stored + "\n");

    option_window dialog;
    auto *box = dialog.findChild<QFontComboBox *>(field);
    QVERIFY(box);
    QCOMPARE(labelOf(dialog, box), label);
    QCOMPARE(groupOf(box), QStringLiteral("字体设置"));
    QVERIFY(!box->isEditable());
    QCOMPARE(box->currentText(), shown);

    // Saving keeps the family as shown, installed here or not.
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    replaceText(edtYF, QStringLiteral("某某市人民政府办公室"));
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");
    click(btnSave);
    const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/") + key).toString(), shown);
}

void TestOptionWindow::unitName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");

    const QString tooShort = QStringLiteral("印发单位文字不能小于5字!");
    const QString separator = QStringLiteral("印发单位名称不能包含“/”或“\\”字符!");
    QTest::newRow("4 characters and spaces")
        << QStringLiteral("县办公室  ") << QStringLiteral("县办公室") << tooShort;
    QTest::newRow("only spaces") << QStringLiteral("      ") << QString() << tooShort;
    QTest::newRow("4 latin letters")
        << QStringLiteral(" abcd ") << QStringLiteral("abcd") << tooShort;
    QTest::newRow("5 characters in spaces")
        << QStringLiteral("  县政府办公室 ") << QStringLiteral("县政府办公室") << QString();
    QTest::newRow("exactly 5") << QStringLiteral("县政府办公") << QStringLiteral("县政府办公")
                               << QString();
    QTest::newRow("slash") << QStringLiteral("县政府/办公室") << QStringLiteral("县政府/办公室")
                           << separator;
    QTest::newRow("backslash") << QStringLiteral("县政府\\办公室 ")
                               << QStringLiteral("县政府\\办公室") << separator;
    QTest::newRow("General") << QStringLiteral(" General") << QStringLiteral("General")
                             << QStringLiteral("印发单位名称不能为“General”!");
}

void TestOptionWindow::unitName()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);

    BoxRecorder boxes;
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
    QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");

    replaceText(edtYF, typed);
    replaceText(edtFW, QStringLiteral("某某县人民政府"));
    click(btnSave);

    QCOMPARE(edtYF->text(), shown);
    QVERIFY(dialog.isVisible());
    if (!message.isEmpty()) {
        QCOMPARE(boxes.texts(), QStringList(message));
        const RecordedBox &box = boxes.boxes().first();
        QCOMPARE(box.title, QStringLiteral("设置出错"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QStringList(QStringLiteral("确 定")));
        QVERIFY(!box.hasParent);
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QVERIFY(!m_home->settingsDirectoryExists());
        QCOMPARE(edtFW->text(), QStringLiteral("某某县人民政府"));
        return;
    }
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(comboItems(comboBox), QStringList(shown));
    QCOMPARE(comboBox->currentText(), shown);
    QCOMPARE(edtFW->text(), QStringLiteral("某某县人民政府"));
    const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(), shown);
    QCOMPARE(plain.value(shown + QStringLiteral("/FW")).toString(),
             QStringLiteral("某某县人民政府"));
}

void TestOptionWindow::okButton_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("closes");

    QTest::newRow("short") << QStringLiteral(" 办公室 ") << false << false << false;
    QTest::newRow("slash") << QStringLiteral("县政府/办公室") << false << false << false;
    QTest::newRow("valid") << QStringLiteral(" 县政府办公室 ") << false << false << true;
    QTest::newRow("Enter in a field") << QStringLiteral("县政府办公室") << true << false << true;
    QTest::newRow("disk full") << QStringLiteral("县政府办公室") << false << true << false;
}

void TestOptionWindow::okButton()
{
    QFETCH(QString, typed);
    QFETCH(bool, enter);
    QFETCH(bool, diskFull);
    QFETCH(bool, closes);

    BoxRecorder boxes;
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QPushButton, btnOK, dialog, "btnOK");
    replaceText(edtYF, typed);
    m_home->setDiskFull(diskFull);
    if (enter)
        QTest::keyClick(edtYF, Qt::Key_Return);
    else
        click(btnOK);
    m_home->setDiskFull(false);

    QCOMPARE(edtYF->text(), typed.trimmed());
    QCOMPARE(dialog.isVisible(), !closes);
    QCOMPARE(boxes.boxes().size(), closes ? 0 : 1);
    QCOMPARE(fileBytes(m_home->settingsFile()).contains("YF="), closes);
    if (closes) {
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
        QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(), typed.trimmed());
    }
}

void TestOptionWindow::savedFileReadsBackWithPlainSettings()
{
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
    QVX_FIND(QDoubleSpinBox, dsbTop, dialog, "dsbTop");
    QVX_FIND(QDoubleSpinBox, dsbZP, dialog, "dsbZP");
    QVX_FIND(QDoubleSpinBox, dsbRight_2, dialog, "dsbRight_2");
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");

    replaceText(edtYF, QStringLiteral("中共某某县委办公室"));
    replaceText(edtFW, QStringLiteral("中共某某县委员会"));
    replaceText(dsbTop, QStringLiteral("3.7"));
    replaceText(dsbZP, QStringLiteral("28.95"));
    replaceText(dsbRight_2, QStringLiteral("4"));
    click(btnSave);

    const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(),
             QStringLiteral("中共某某县委办公室"));
    QCOMPARE(plain.value(QStringLiteral("General/FW")).toString(),
             QStringLiteral("中共某某县委员会"));
    QCOMPARE(plain.value(QStringLiteral("中共某某县委办公室/FW")).toString(),
             QStringLiteral("中共某某县委员会"));
    const QList<QPair<QString, double>> numbers = {
        {QStringLiteral("TopMargin"), 3.7},    {QStringLiteral("BottomMargin"), 3.2},
        {QStringLiteral("LeftMargin"), 2.8},   {QStringLiteral("RightMargin"), 2.6},
        {QStringLiteral("BTP"), 36},           {QStringLiteral("ZWP"), 28.95},
        {QStringLiteral("TopMargin_2"), 2.45}, {QStringLiteral("BottomMargin_2"), 2.45},
        {QStringLiteral("LeftMargin_2"), 3.5}, {QStringLiteral("RightMargin_2"), 4},
    };
    for (const auto &number : numbers) {
        bool ok = false;
        QCOMPARE(plain.value(QStringLiteral("General/") + number.first).toDouble(&ok),
                 number.second);
        QVERIFY(ok);
    }
    const QList<QPair<QString, QString>> fonts = {
        {QStringLiteral("BTBS"), QStringLiteral("方正小标宋_GBK")},
        {QStringLiteral("HT"), QStringLiteral("方正黑体_GBK")},
        {QStringLiteral("KT"), QStringLiteral("方正楷体_GBK")},
        {QStringLiteral("FS"), QStringLiteral("方正仿宋_GBK")},
        {QStringLiteral("ST"), QStringLiteral("宋体")},
    };
    for (const auto &font : fonts)
        QCOMPARE(plain.value(QStringLiteral("General/") + font.first).toString(), font.second);
    // Nothing else is written.
    QCOMPARE(plain.allKeys().size(), 2 + 10 + 5 + 1);
}

void TestOptionWindow::twoUnitsKeepTheirOwnProfiles()
{
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
    QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");

    const QString unitA = QStringLiteral("某某县人民政府办公室");
    const QString unitB = QStringLiteral("中共某某县委办公室");
    replaceText(edtYF, unitA);
    replaceText(edtFW, QStringLiteral("某某县人民政府"));
    click(btnSave);
    replaceText(edtYF, unitB);
    replaceText(edtFW, QStringLiteral("中共某某县委员会"));
    click(btnSave);

    QStringList items = comboItems(comboBox);
    items.sort();
    QStringList expected = {unitA, unitB};
    expected.sort();
    QCOMPARE(items, expected);
    QCOMPARE(comboBox->currentText(), unitB);

    const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.value(unitA + QStringLiteral("/FW")).toString(),
             QStringLiteral("某某县人民政府"));
    QCOMPARE(plain.value(unitB + QStringLiteral("/FW")).toString(),
             QStringLiteral("中共某某县委员会"));
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(), unitB);
    QCOMPARE(plain.value(QStringLiteral("General/FW")).toString(),
             QStringLiteral("中共某某县委员会"));
}

void TestOptionWindow::choosingAProfileShowsItsUnitOnly()
{
    const QString unitA = QStringLiteral("Office of the County");
    const QString unitB = QStringLiteral("Office of the Party");
    {
        QSettings settings(m_home->settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/YF"), unitB);
        settings.setValue(QStringLiteral("General/FW"), QStringLiteral("The Party"));
        settings.setValue(QStringLiteral("General/TopMargin"), 3.9);
        settings.setValue(unitA + QStringLiteral("/FW"), QStringLiteral("The County"));
        settings.setValue(unitB + QStringLiteral("/FW"), QStringLiteral("The Party"));
    }

    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
    QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
    QVX_FIND(QDoubleSpinBox, dsbTop, dialog, "dsbTop");
    QVX_FIND(QPushButton, btnSave, dialog, "btnSave");

    QCOMPARE(comboItems(comboBox), QStringList({unitA, unitB}));
    QCOMPARE(comboBox->currentText(), unitB);
    QCOMPARE(edtYF->text(), unitB);
    QCOMPARE(edtFW->text(), QStringLiteral("The Party"));
    QCOMPARE(dsbTop->value(), 3.9);

    QTest::keyClick(comboBox, Qt::Key_Up);
    QCOMPARE(comboBox->currentText(), unitA);
    QCOMPARE(edtYF->text(), unitA);
    QCOMPARE(edtFW->text(), QStringLiteral("The County"));
    QCOMPARE(dsbTop->value(), 3.9);
    QCOMPARE(comboItems(comboBox), QStringList({unitA, unitB}));
    {
        const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
        QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(), unitB);
    }

    click(btnSave);
    const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(), unitA);
    QCOMPARE(plain.value(QStringLiteral("General/FW")).toString(), QStringLiteral("The County"));
    QCOMPARE(comboBox->currentText(), unitA);
}

void TestOptionWindow::deleteProfile_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancel") << false;
    QTest::newRow("confirm") << true;
}

void TestOptionWindow::deleteProfile()
{
    QFETCH(bool, confirm);

    const QString unitA = QStringLiteral("某某县人民政府办公室");
    const QString unitB = QStringLiteral("中共某某县委办公室");
    {
        QSettings settings(m_home->settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/YF"), unitB);
        settings.setValue(QStringLiteral("General/FW"), QStringLiteral("中共某某县委员会"));
        settings.setValue(unitA + QStringLiteral("/FW"), QStringLiteral("某某县人民政府"));
        settings.setValue(unitB + QStringLiteral("/FW"), QStringLiteral("中共某某县委员会"));
    }
    const QByteArray before = fileBytes(m_home->settingsFile());

    BoxRecorder boxes;
    boxes.answerNext(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QLineEdit, edtYF, dialog, "edtYF");
    QVX_FIND(QLineEdit, edtFW, dialog, "edtFW");
    QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
    QVX_FIND(QPushButton, pushButton, dialog, "pushButton");
    QCOMPARE(comboBox->currentText(), unitB);

    click(pushButton);

    QCOMPARE(boxes.boxes().size(), 1);
    const RecordedBox &box = boxes.boxes().first();
    QCOMPARE(box.title, QStringLiteral("警告"));
    QCOMPARE(box.text, QStringLiteral("确定删除此印发单位设置吗？"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QStringList({QStringLiteral("取 消"), QStringLiteral("确 定")}));
    QVERIFY(!box.hasParent);

    if (!confirm) {
        QCOMPARE(fileBytes(m_home->settingsFile()), before);
        QCOMPARE(comboBox->count(), 2);
        QCOMPARE(edtFW->text(), QStringLiteral("中共某某县委员会"));
        return;
    }
    // The current unit stays set; its organ name is gone with its profile.
    QCOMPARE(edtYF->text(), unitB);
    QCOMPARE(edtFW->text(), QString());
    QCOMPARE(comboItems(comboBox), QStringList(unitA));
    QCOMPARE(comboBox->currentText(), unitA);
    const QSettings plain(m_home->settingsFile(), QSettings::IniFormat);
    QVERIFY(!plain.childGroups().contains(unitB));
    QCOMPARE(plain.value(QStringLiteral("General/YF")).toString(), unitB);
    QCOMPARE(plain.value(QStringLiteral("General/FW")).toString(),
             QStringLiteral("中共某某县委员会"));
    QCOMPARE(plain.value(unitA + QStringLiteral("/FW")).toString(),
             QStringLiteral("某某县人民政府"));
}

void TestOptionWindow::deleteWithoutProfilesDoesNothing()
{
    // Settings without any profile, as after deleting the last one.
    {
        QSettings settings(m_home->settingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/YF"), QStringLiteral("某某县人民政府办公室"));
        settings.setValue(QStringLiteral("General/TopMargin"), 3.5);
    }
    const QByteArray before = fileBytes(m_home->settingsFile());

    BoxRecorder boxes;
    option_window dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVX_FIND(QComboBox, comboBox, dialog, "comboBox");
    QVX_FIND(QPushButton, pushButton, dialog, "pushButton");
    QCOMPARE(comboBox->count(), 0);
    click(pushButton);
    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(fileBytes(m_home->settingsFile()), before);
}

QVX_SETTINGS_TEST_MAIN(TestOptionWindow)
#include "tst_optionwindow.moc"
