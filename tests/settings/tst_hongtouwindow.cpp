#include "boxrecorder.h"
#include "formsupport.h"
#include "hongtou_window.h"
#include "templatestore.h"
#include "testhome.h"
#include "uidriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

const QString xiaxing = QString::fromLatin1(TemplateKind::DownGoing);
const QString unit = QStringLiteral("某某县人民政府办公室");
const QString otherUnit = QStringLiteral("中共某某县委办公室");
const QString organ = QStringLiteral("某某县人民政府");

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

} // namespace

class TestHongtouWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form_data();
    void form();
    void newTemplate_data();
    void newTemplate();
    void zoomFollowsTypedMarkText_data();
    void zoomFollowsTypedMarkText();
    void zoomFollowsDeletion();
    void lineSpacingFollowsFontSize();
    void saveNewTemplate();
    void refused_data();
    void refused();
    void renameRemovesOldGroupAndLastUsedFollows();
    void saveUnderAnotherTemplatesName_data();
    void saveUnderAnotherTemplatesName();
    void loadTemplate_data();
    void loadTemplate();
    void deletedUnitProfileGivesCurrentUnit();
    void cancelWritesNothing();
    void reopeningForANewTemplateResetsTheForm();

private:
    // Settings of a home with two unit profiles, the first one current.
    void writeUnitSettings();
    // The editor, shown, filled by fromA.
    std::unique_ptr<hongtou_window> openEditor(const QString &file, const QString &name);

    std::unique_ptr<TestHome> m_home;
};

void TestHongtouWindow::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestHongtouWindow::cleanup()
{
    m_home.reset();
}

void TestHongtouWindow::writeUnitSettings()
{
    m_home->setValues(QStringLiteral("option.ini"),
                      {{QStringLiteral("General/YF"), unit},
                       // The editors take the organ name from the unit's profile.
                       {QStringLiteral("General/FW"), QStringLiteral("别的机关")},
                       {QStringLiteral("General/BTBS"), QStringLiteral("华文中宋")},
                       {QStringLiteral("General/ZWP"), 28.0},
                       {otherUnit + QStringLiteral("/FW"), QStringLiteral("中共某某县委员会")},
                       {unit + QStringLiteral("/FW"), organ}});
}

std::unique_ptr<hongtou_window> TestHongtouWindow::openEditor(const QString &file,
                                                              const QString &name)
{
    auto editor = std::make_unique<hongtou_window>();
    editor->setWindowModality(Qt::ApplicationModal);
    editor->fromA(file, name);
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        return nullptr;
    return editor;
}

void TestHongtouWindow::form_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("group");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");

    const QString box = QStringLiteral("红头主文本框");
    const QString rule = QStringLiteral("红头红线");
    const QString start = QStringLiteral("文首定位控制");
    const QString signature = QStringLiteral("落款及印发单位");
    QTest::newRow("lineEdit_3") << "lineEdit_3"
                                << "模板名称：" << QString() << 0.0 << 0.0;
    QTest::newRow("dsbwidth") << "dsbwidth"
                              << "文本框宽度：" << box << 0.0 << 99.99;
    QTest::newRow("dsbheight") << "dsbheight"
                               << "高度：" << box << 0.0 << 99.99;
    QTest::newRow("dsbtop") << "dsbtop"
                            << "距页顶：" << box << -99.0 << 99.99;
    QTest::newRow("fontComboBox") << "fontComboBox"
                                  << "字体：" << box << 0.0 << 0.0;
    QTest::newRow("sbsize") << "sbsize"
                            << "字号：" << box << 0.0 << 99.0;
    QTest::newRow("sbzoom") << "sbzoom"
                            << "缩放：" << box << 1.0 << 100.0;
    QTest::newRow("lineEdit_2") << "lineEdit_2"
                                << "标识文字：" << box << 0.0 << 0.0;
    QTest::newRow("sbsize_2") << "sbsize_2"
                              << "行间距：" << box << 0.0 << 99.0;
    QTest::newRow("cblinesize") << "cblinesize"
                                << "红线粗细：" << rule << 0.0 << 0.0;
    QTest::newRow("dsblinetop") << "dsblinetop"
                                << "距页顶：" << rule << -99.9 << 99.99;
    QTest::newRow("dsbfstline") << "dsbfstline"
                                << "首三行间距：" << start << 0.0 << 99.99;
    QTest::newRow("dsbctlline") << "dsbctlline"
                                << "控制行间距：" << start << 1.0 << 999.0;
    QTest::newRow("sbinsertline") << "sbinsertline"
                                  << "插入空行数：" << start << 0.0 << 99.0;
    QTest::newRow("lineEdit") << "lineEdit"
                              << "落款：" << signature << 0.0 << 0.0;
    QTest::newRow("comboBox") << "comboBox"
                              << "印发单位：" << signature << 0.0 << 0.0;
}

void TestHongtouWindow::form()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(QString, group);
    QFETCH(double, minimum);
    QFETCH(double, maximum);

    hongtou_window editor;
    QCOMPARE(editor.windowTitle(), QStringLiteral("设置下行（平行）文红头模板"));
    auto *widget = editor.findChild<QWidget *>(field);
    QVERIFY(widget);
    QCOMPARE(labelOf(editor, widget), label);
    QCOMPARE(groupOf(widget), group);
    if (!group.isEmpty()) {
        QCOMPARE(widget->parentWidget()->styleSheet(),
                 QStringLiteral("alternate-background-color: rgb(166, 166, 166);"));
    }
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
        QCOMPARE(spin->minimum(), minimum);
        QCOMPARE(spin->maximum(), maximum);
        QCOMPARE(spin->decimals(), 2);
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        QCOMPARE(double(spin->minimum()), minimum);
        QCOMPARE(double(spin->maximum()), maximum);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QVERIFY(!combo->isEditable());
    } else {
        QVERIFY(qobject_cast<QLineEdit *>(widget));
    }

    if (field == QLatin1String("cblinesize")) {
        auto *combo = qobject_cast<QComboBox *>(widget);
        QCOMPARE(combo->count(), 18);
        QCOMPARE(combo->itemText(0), QStringLiteral("0.75"));
        QCOMPARE(combo->itemText(1), QStringLiteral("1.00"));
        QCOMPARE(combo->itemText(15), QStringLiteral("4.50"));
        QCOMPARE(combo->itemText(17), QStringLiteral("5.00"));
    }
    QVX_FIND(QDialogButtonBox, buttonBox, editor, "buttonBox");
    QCOMPARE(buttonBox->button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
    QCOMPARE(buttonBox->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QVX_FIND(QCheckBox, cbbold, editor, "cbbold");
    QVX_FIND(QCheckBox, cbfives, editor, "cbfives");
    QCOMPARE(cbbold->text(), QStringLiteral("加粗"));
    QCOMPARE(cbfives->text(), QStringLiteral("五角星"));
}

void TestHongtouWindow::newTemplate_data()
{
    QTest::addColumn<bool>("withUnits");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("markText");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("ruleTop");
    QTest::addColumn<QString>("title");

    const QString arrow = QStringLiteral("选择模板及输入公文要素  →");
    QTest::newRow("down-going") << true << xiaxing << QStringLiteral("某某县人民政府文件") << 64
                                << 12.2 << arrow + QStringLiteral("下行文/平行文");
    QTest::newRow("up-going") << true << QStringLiteral("shangxing.ini")
                              << QStringLiteral("某某县人民政府文件") << 64 << 12.2
                              << arrow + QStringLiteral("上行文");
    QTest::newRow("minutes") << true << QStringLiteral("jiyao.ini")
                             << QStringLiteral("某某县人民政府会议纪要") << 56 << 13.8
                             << arrow + QStringLiteral("纪要/简报格式");
    QTest::newRow("fresh home") << false << xiaxing << QStringLiteral("文件") << 64 << 12.2
                                << arrow + QStringLiteral("下行文/平行文");
}

void TestHongtouWindow::newTemplate()
{
    QFETCH(bool, withUnits);
    QFETCH(QString, file);
    QFETCH(QString, markText);
    QFETCH(int, zoom);
    QFETCH(double, ruleTop);
    QFETCH(QString, title);

    if (withUnits)
        writeUnitSettings();
    const auto editor = openEditor(file, QString());
    QVERIFY(editor);

    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QLineEdit, lineEdit, *editor, "lineEdit");
    QVX_FIND(QComboBox, comboBox, *editor, "comboBox");
    QVX_FIND(QFontComboBox, fontComboBox, *editor, "fontComboBox");
    QVX_FIND(QDoubleSpinBox, dsbwidth, *editor, "dsbwidth");
    QVX_FIND(QDoubleSpinBox, dsbheight, *editor, "dsbheight");
    QVX_FIND(QDoubleSpinBox, dsbtop, *editor, "dsbtop");
    QVX_FIND(QDoubleSpinBox, dsblinetop, *editor, "dsblinetop");
    QVX_FIND(QDoubleSpinBox, dsbfstline, *editor, "dsbfstline");
    QVX_FIND(QDoubleSpinBox, dsbctlline, *editor, "dsbctlline");
    QVX_FIND(QSpinBox, sbsize, *editor, "sbsize");
    QVX_FIND(QSpinBox, sbsize_2, *editor, "sbsize_2");
    QVX_FIND(QSpinBox, sbzoom, *editor, "sbzoom");
    QVX_FIND(QSpinBox, sbinsertline, *editor, "sbinsertline");
    QVX_FIND(QCheckBox, cbbold, *editor, "cbbold");
    QVX_FIND(QCheckBox, cbfives, *editor, "cbfives");
    QVX_FIND(QComboBox, cblinesize, *editor, "cblinesize");

    QCOMPARE(editor->windowTitle(), title);
    QCOMPARE(lineEdit_3->text(), QString());
    QCOMPARE(lineEdit_2->text(), markText);
    QCOMPARE(sbzoom->value(), zoom);
    QCOMPARE(dsblinetop->value(), ruleTop);
    QCOMPARE(lineEdit->text(), withUnits ? organ : QString());
    QCOMPARE(comboBox->count(), withUnits ? 2 : 0);
    QCOMPARE(comboBox->currentText(), withUnits ? unit : QString());
    QCOMPARE(fontComboBox->currentText(),
             withUnits ? QStringLiteral("华文中宋") : QStringLiteral("方正小标宋_GBK"));
    QCOMPARE(dsbfstline->value(), withUnits ? 28.0 : 29.65);
    QCOMPARE(dsbwidth->value(), 14.6);
    QCOMPARE(dsbheight->value(), 2.0);
    QCOMPARE(dsbtop->value(), 7.15);
    QCOMPARE(dsbctlline->value(), 37.0);
    QCOMPARE(sbsize->value(), 57);
    QCOMPARE(sbsize_2->value(), 61);
    QCOMPARE(sbinsertline->value(), 3);
    QCOMPARE(cblinesize->currentText(), QStringLiteral("1.25"));
    QVERIFY(!cbbold->isChecked());
    QVERIFY(!cbfives->isChecked());
    QCOMPARE(m_home->settingsDirectoryExists(), withUnits);
    QVERIFY(m_home->readFile(file).isNull());
}

void TestHongtouWindow::zoomFollowsTypedMarkText_data()
{
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("zoom");

    QTest::newRow("9") << 9 << 64;
    QTest::newRow("10") << 10 << 60;
    QTest::newRow("12") << 12 << 52;
    QTest::newRow("20") << 20 << 33;
    QTest::newRow("21") << 21 << 32;
}

void TestHongtouWindow::zoomFollowsTypedMarkText()
{
    QFETCH(int, characters);
    QFETCH(int, zoom);

    const auto editor = openEditor(xiaxing, QString());
    QVERIFY(editor);
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QSpinBox, sbzoom, *editor, "sbzoom");
    replaceText(lineEdit_2, QString(characters, QChar(0x53bf)));
    QCOMPARE(lineEdit_2->text().size(), characters);
    QCOMPARE(sbzoom->value(), zoom);
}

void TestHongtouWindow::zoomFollowsDeletion()
{
    const auto editor = openEditor(xiaxing, QString());
    QVERIFY(editor);
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QSpinBox, sbzoom, *editor, "sbzoom");

    replaceText(lineEdit_2, QStringLiteral("中共某某县委某某县人民政府"));
    QCOMPARE(lineEdit_2->text().size(), 13);
    QTest::keyClick(lineEdit_2, Qt::Key_Backspace);
    QCOMPARE(sbzoom->value(), 52);
    QTest::keyClick(lineEdit_2, Qt::Key_Backspace);
    QTest::keyClick(lineEdit_2, Qt::Key_Backspace);
    QCOMPARE(sbzoom->value(), 60);
    QTest::keyClick(lineEdit_2, Qt::Key_Backspace);
    QCOMPARE(lineEdit_2->text().size(), 9);
    QCOMPARE(sbzoom->value(), 64);

    // A scaling typed by hand stays until the mark text is edited again.
    replaceText(editor->findChild<QSpinBox *>(QStringLiteral("sbzoom")), QStringLiteral("75"));
    QCOMPARE(sbzoom->value(), 75);
    typeText(lineEdit_2, QStringLiteral("文件"));
    QCOMPARE(sbzoom->value(), 56);
}

void TestHongtouWindow::lineSpacingFollowsFontSize()
{
    const auto editor = openEditor(xiaxing, QString());
    QVERIFY(editor);
    QVX_FIND(QSpinBox, sbsize, *editor, "sbsize");
    QVX_FIND(QSpinBox, sbsize_2, *editor, "sbsize_2");
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");

    replaceText(sbsize, QStringLiteral("60"));
    QCOMPARE(sbsize->value(), 60);
    QCOMPARE(sbsize_2->value(), 64);

    replaceText(sbsize_2, QStringLiteral("70"));
    QCOMPARE(sbsize_2->value(), 70);
    replaceText(lineEdit_2, QStringLiteral("某某县人民政府办公室文件"));
    QCOMPARE(sbsize_2->value(), 70);
    QCOMPARE(sbsize->value(), 60);

    QTest::keyClick(sbsize, Qt::Key_Down);
    QCOMPARE(sbsize->value(), 59);
    QCOMPARE(sbsize_2->value(), 63);
}

void TestHongtouWindow::saveNewTemplate()
{
    writeUnitSettings();
    const auto editor = openEditor(xiaxing, QString());
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &hongtou_window::sendmb);
    BoxRecorder boxes;

    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QLineEdit, lineEdit, *editor, "lineEdit");
    QVX_FIND(QComboBox, comboBox, *editor, "comboBox");
    QVX_FIND(QComboBox, cblinesize, *editor, "cblinesize");
    QVX_FIND(QCheckBox, cbbold, *editor, "cbbold");
    QVX_FIND(QCheckBox, cbfives, *editor, "cbfives");
    QVX_FIND(QDoubleSpinBox, dsbtop, *editor, "dsbtop");
    QVX_FIND(QDoubleSpinBox, dsblinetop, *editor, "dsblinetop");
    QVX_FIND(QSpinBox, sbsize, *editor, "sbsize");
    QVX_FIND(QSpinBox, sbinsertline, *editor, "sbinsertline");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");

    replaceText(lineEdit_3, QStringLiteral("  县政府文件 "));
    replaceText(lineEdit_2, QStringLiteral(" 某某县人民政府文件  "));
    replaceText(lineEdit, QStringLiteral("某某县人民政府（印）"));
    QTest::keyClick(comboBox, otherUnit < unit ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(comboBox->currentText(), otherUnit);
    QTest::keyClick(cblinesize, Qt::Key_Down);
    QTest::keyClick(cbbold, Qt::Key_Space);
    QTest::keyClick(cbfives, Qt::Key_Space);
    replaceText(dsbtop, QStringLiteral("-1.5"));
    replaceText(dsblinetop, QStringLiteral("12.65"));
    replaceText(sbsize, QStringLiteral("58"));
    replaceText(sbinsertline, QStringLiteral("4"));
    click(buttonBox->button(QDialogButtonBox::Ok));

    QVERIFY2(boxes.boxes().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char(' '))));
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().first().toString(), QStringLiteral("县政府文件"));
    QVERIFY(!editor->isVisible());
    QCOMPARE(lineEdit_3->text(), QStringLiteral("县政府文件"));
    QCOMPARE(lineEdit_2->text(), QStringLiteral("某某县人民政府文件"));

    QSettings plain(m_home->templateFile(xiaxing), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("县政府文件"));
    plain.beginGroup(QStringLiteral("县政府文件"));
    QStringList keys = plain.allKeys();
    keys.sort();
    QCOMPARE(keys,
             QStringList({"BTBS", "FW", "LK", "YF", "ctlSize", "fBold", "fPoint", "fSize", "fZoom",
                          "fstSize", "insertLine", "lFives", "lSize", "lTop", "tHeight", "tTop",
                          "tWidth"}));
    QCOMPARE(plain.value(QStringLiteral("YF")).toString(), otherUnit);
    QCOMPARE(plain.value(QStringLiteral("FW")).toString(), QStringLiteral("某某县人民政府文件"));
    QCOMPARE(plain.value(QStringLiteral("LK")).toString(), QStringLiteral("某某县人民政府（印）"));
    QCOMPARE(plain.value(QStringLiteral("BTBS")).toString(), QStringLiteral("华文中宋"));
    QCOMPARE(plain.value(QStringLiteral("tWidth")).toDouble(), 14.6);
    QCOMPARE(plain.value(QStringLiteral("tHeight")).toDouble(), 2.0);
    QCOMPARE(plain.value(QStringLiteral("tTop")).toDouble(), -1.5);
    QCOMPARE(plain.value(QStringLiteral("fBold")).toInt(), 2);
    QCOMPARE(plain.value(QStringLiteral("fSize")).toInt(), 58);
    QCOMPARE(plain.value(QStringLiteral("fPoint")).toInt(), 62);
    // The scaling followed the text as typed, spaces included (12 characters).
    QCOMPARE(plain.value(QStringLiteral("fZoom")).toInt(), 52);
    QCOMPARE(plain.value(QStringLiteral("lSize")).toString(), QStringLiteral("1.50"));
    QCOMPARE(plain.value(QStringLiteral("lTop")).toDouble(), 12.65);
    QCOMPARE(plain.value(QStringLiteral("lFives")).toInt(), 2);
    QCOMPARE(plain.value(QStringLiteral("fstSize")).toDouble(), 28.0);
    QCOMPARE(plain.value(QStringLiteral("ctlSize")).toDouble(), 37.0);
    QCOMPARE(plain.value(QStringLiteral("insertLine")).toString(), QStringLiteral("4"));
}

void TestHongtouWindow::refused_data()
{
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("markText");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("diskFull");

    const QString mark = QStringLiteral("某某县人民政府文件");
    QTest::newRow("mark of spaces")
        << QString() << QStringLiteral("新模板") << QStringLiteral("   ")
        << QStringLiteral("发文单位标识文字不能为空!") << false;
    QTest::newRow("name of spaces") << QString() << QStringLiteral("   ") << mark
                                    << QStringLiteral("模板名称不能为空!") << false;
    QTest::newRow("both empty") << QString() << QString() << QString()
                                << QStringLiteral("发文单位标识文字不能为空!") << false;
    QTest::newRow("new, name taken") << QString() << QStringLiteral(" 县政府文件 ") << mark
                                     << QStringLiteral("模板名称已存在，不能重复!") << false;
    QTest::newRow("new General") << QString() << QStringLiteral("General") << mark
                                 << QStringLiteral("模板名称已存在，不能重复!") << false;
    QTest::newRow("changed, General")
        << QStringLiteral("县政府文件") << QStringLiteral("General") << mark
        << QStringLiteral("模板名称不能为“General”!") << false;
    QTest::newRow("slash") << QString() << QStringLiteral("县政府/文件") << mark
                           << QStringLiteral("模板名称不能包含“/”或“\\”字符!") << false;
    QTest::newRow("backslash") << QStringLiteral("县政府文件") << QStringLiteral("县政府\\文件")
                               << mark << QStringLiteral("模板名称不能包含“/”或“\\”字符!") << false;
    QTest::newRow("disk full") << QString() << QStringLiteral("区政府文件") << mark << QString()
                               << true;
}

void TestHongtouWindow::refused()
{
    QFETCH(QString, opened);
    QFETCH(QString, name);
    QFETCH(QString, markText);
    QFETCH(QString, message);
    QFETCH(bool, diskFull);

    m_home->setValues(xiaxing,
                      {{QStringLiteral("General/mb"), QStringLiteral("县政府文件")},
                       {QStringLiteral("县政府文件/FW"), QStringLiteral("某某县人民政府文件")}});
    const QByteArray before = m_home->readFile(xiaxing);
    if (diskFull)
        message = unwritableFileMessage(m_home->templateFile(xiaxing));

    const auto editor = openEditor(xiaxing, opened);
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &hongtou_window::sendmb);
    BoxRecorder boxes;
    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");
    replaceText(lineEdit_3, name);
    replaceText(lineEdit_2, markText);
    m_home->setDiskFull(diskFull);
    click(buttonBox->button(QDialogButtonBox::Ok));
    m_home->setDiskFull(false);

    QCOMPARE(boxes.texts(), QStringList(message));
    QCOMPARE(boxes.boxes().first().title, QStringLiteral("设置出错"));
    QCOMPARE(boxes.boxes().first().buttons, QStringList(QStringLiteral("确 定")));
    QVERIFY(editor->isVisible());
    QCOMPARE(sent.size(), 0);
    QCOMPARE(lineEdit_3->text(), name.trimmed());
    QCOMPARE(lineEdit_2->text(), markText.trimmed());
    QCOMPARE(m_home->readFile(xiaxing), before);
}

void TestHongtouWindow::renameRemovesOldGroupAndLastUsedFollows()
{
    m_home->setValues(xiaxing,
                      {{QStringLiteral("General/mb"), QStringLiteral("县政府文件")},
                       {QStringLiteral("县政府文件/FW"), QStringLiteral("某某县人民政府文件")},
                       {QStringLiteral("县政府文件/fSize"), 60},
                       {QStringLiteral("县政府文件/fPoint"), 66},
                       {QStringLiteral("县政府文件/wh"), 23},
                       {QStringLiteral("其他/FW"), QStringLiteral("其他文件")}});
    const auto editor = openEditor(xiaxing, QStringLiteral("县政府文件"));
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &hongtou_window::sendmb);
    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");
    QCOMPARE(lineEdit_3->text(), QStringLiteral("县政府文件"));

    replaceText(lineEdit_3, QStringLiteral("县政府发文"));
    BoxRecorder boxes;
    click(buttonBox->button(QDialogButtonBox::Ok));

    QVERIFY(boxes.boxes().isEmpty());
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().first().toString(), QStringLiteral("县政府发文"));
    QStringList names = TemplateStore::templateNames(xiaxing);
    names.sort();
    QCOMPARE(names, QStringList({QStringLiteral("其他"), QStringLiteral("县政府发文")}));
    const QSettings plain(m_home->templateFile(xiaxing), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("县政府发文"));
    QCOMPARE(plain.value(QStringLiteral("县政府发文/FW")).toString(),
             QStringLiteral("某某县人民政府文件"));
    QCOMPARE(plain.value(QStringLiteral("县政府发文/fSize")).toInt(), 60);
    QCOMPARE(plain.value(QStringLiteral("县政府发文/fPoint")).toInt(), 66);
    QCOMPARE(plain.value(QStringLiteral("县政府发文/wh")).toInt(), 23);
}

void TestHongtouWindow::saveUnderAnotherTemplatesName_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancel") << false;
    QTest::newRow("confirm") << true;
}

void TestHongtouWindow::saveUnderAnotherTemplatesName()
{
    QFETCH(bool, confirm);

    m_home->setValues(xiaxing,
                      {{QStringLiteral("General/mb"), QStringLiteral("甲")},
                       {QStringLiteral("甲/FW"), QStringLiteral("甲单位文件")},
                       {QStringLiteral("乙/FW"), QStringLiteral("乙单位文件")}});
    const QByteArray before = m_home->readFile(xiaxing);
    const auto editor = openEditor(xiaxing, QStringLiteral("甲"));
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &hongtou_window::sendmb);
    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");

    replaceText(lineEdit_3, QStringLiteral("乙"));
    BoxRecorder boxes;
    boxes.answerNext(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
    click(buttonBox->button(QDialogButtonBox::Ok));

    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(boxes.boxes().first().title, QStringLiteral("警告"));
    QVERIFY(boxes.boxes().first().text.contains(QStringLiteral("“乙”")));
    QCOMPARE(boxes.boxes().first().buttons,
             QStringList({QStringLiteral("取 消"), QStringLiteral("确 定")}));
    if (!confirm) {
        QVERIFY(editor->isVisible());
        QCOMPARE(sent.size(), 0);
        QCOMPARE(m_home->readFile(xiaxing), before);
        return;
    }
    QVERIFY(!editor->isVisible());
    QCOMPARE(sent.size(), 1);
    QCOMPARE(TemplateStore::templateNames(xiaxing), QStringList(QStringLiteral("乙")));
    QCOMPARE(TemplateStore::rawText(xiaxing, QStringLiteral("乙"), TemplateKey::MarkText),
             QStringLiteral("甲单位文件"));
}

void TestHongtouWindow::loadTemplate_data()
{
    QTest::addColumn<QByteArray>("bold");
    QTest::addColumn<bool>("boldShown");
    QTest::addColumn<QByteArray>("weight");
    QTest::addColumn<QString>("weightShown");

    QTest::newRow("bold 2, weight 4.50")
        << QByteArray("2") << true << QByteArray("4.50") << QStringLiteral("4.50");
    QTest::newRow("bold 1, weight 0.75")
        << QByteArray("1") << true << QByteArray("0.75") << QStringLiteral("0.75");
    QTest::newRow("bold 0, weight not listed")
        << QByteArray("0") << false << QByteArray("4.5") << QStringLiteral("1.25");
}

void TestHongtouWindow::loadTemplate()
{
    QFETCH(QByteArray, bold);
    QFETCH(bool, boldShown);
    QFETCH(QByteArray, weight);
    QFETCH(QString, weightShown);

    writeUnitSettings();
    // As the input dialogs and a hand edit may leave it: the mark text of 9
    // characters would give the scaling 64, and the spacing is not size + 4.
    m_home->writeFile(xiaxing,
                      "[%General]\nmb=abc\n"
                      "[abc]\n"
                      "YF=\\x4e2d\\x5171\\x67d0\\x67d0\\x53bf\\x59d4\\x529e\\x516c\\x5ba4\n"
                      "FW=\\x67d0\\x67d0\\x53bf\\x4eba\\x6c11\\x653f\\x5e9c\\x6587\\x4ef6\n"
                      "LK=Signature\nBTBS=Some Font\ntWidth=15.2\ntHeight=2.5\ntTop=6.9\n"
                      "fBold="
                          + bold + "\nfSize=60.9\nfPoint=66\nfZoom=80\nlSize=" + weight
                          + "\nlTop=12.65\nlFives=2\nfstSize=29\nctlSize=38.5\ninsertLine=4\n");
    const auto editor = openEditor(xiaxing, QStringLiteral("abc"));
    QVERIFY(editor);

    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QLineEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QLineEdit, lineEdit, *editor, "lineEdit");
    QVX_FIND(QComboBox, comboBox, *editor, "comboBox");
    QVX_FIND(QFontComboBox, fontComboBox, *editor, "fontComboBox");
    QVX_FIND(QCheckBox, cbbold, *editor, "cbbold");
    QVX_FIND(QCheckBox, cbfives, *editor, "cbfives");
    QVX_FIND(QComboBox, cblinesize, *editor, "cblinesize");
    QCOMPARE(lineEdit_3->text(), QStringLiteral("abc"));
    QCOMPARE(lineEdit_2->text(), QStringLiteral("某某县人民政府文件"));
    QCOMPARE(lineEdit->text(), QStringLiteral("Signature"));
    QCOMPARE(comboBox->currentText(), otherUnit);
    QCOMPARE(fontComboBox->currentText(), QStringLiteral("Some Font"));
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbwidth"))->value(), 15.2);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbheight"))->value(), 2.5);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbtop"))->value(), 6.9);
    QCOMPARE(cbbold->isChecked(), boldShown);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), 60);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), 66);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbzoom"))->value(), 80);
    QCOMPARE(cblinesize->currentText(), weightShown);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsblinetop"))->value(), 12.65);
    QVERIFY(cbfives->isChecked());
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbfstline"))->value(), 29.0);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbctlline"))->value(), 38.5);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbinsertline"))->value(), 4);
    QCOMPARE(editor->windowTitle(), QStringLiteral("选择模板及输入公文要素  →下行文/平行文"));
}

void TestHongtouWindow::deletedUnitProfileGivesCurrentUnit()
{
    writeUnitSettings();
    m_home->setValues(xiaxing,
                      {{QStringLiteral("abc/YF"), QStringLiteral("已删除的某某单位")},
                       {QStringLiteral("abc/FW"), QStringLiteral("某某县人民政府文件")}});
    const auto editor = openEditor(xiaxing, QStringLiteral("abc"));
    QVERIFY(editor);
    QVX_FIND(QComboBox, comboBox, *editor, "comboBox");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");
    QCOMPARE(comboBox->currentText(), unit);

    click(buttonBox->button(QDialogButtonBox::Ok));
    QVERIFY(!editor->isVisible());
    const QSettings plain(m_home->templateFile(xiaxing), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("abc/YF")).toString(), unit);
}

void TestHongtouWindow::cancelWritesNothing()
{
    const auto editor = openEditor(xiaxing, QString());
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &hongtou_window::sendmb);
    BoxRecorder boxes;
    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");
    replaceText(lineEdit_3, QStringLiteral("县政府文件"));
    click(buttonBox->button(QDialogButtonBox::Cancel));

    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QCOMPARE(sent.size(), 0);
    QVERIFY(boxes.boxes().isEmpty());
    QVERIFY(!m_home->settingsDirectoryExists());
}

void TestHongtouWindow::reopeningForANewTemplateResetsTheForm()
{
    m_home->setValues(xiaxing,
                      {{QStringLiteral("abc/FW"), QStringLiteral("某某县人民政府文件")},
                       {QStringLiteral("abc/fBold"), 2},
                       {QStringLiteral("abc/lFives"), 2},
                       {QStringLiteral("abc/fSize"), 40},
                       {QStringLiteral("abc/fPoint"), 50},
                       {QStringLiteral("abc/lSize"), QStringLiteral("3.00")}});
    const auto editor = openEditor(xiaxing, QStringLiteral("abc"));
    QVERIFY(editor);
    editor->fromA(xiaxing, QString());

    QCOMPARE(editor->findChild<QLineEdit *>(QStringLiteral("lineEdit_3"))->text(), QString());
    QCOMPARE(editor->findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->text(),
             QStringLiteral("文件"));
    QVERIFY(!editor->findChild<QCheckBox *>(QStringLiteral("cbbold"))->isChecked());
    QVERIFY(!editor->findChild<QCheckBox *>(QStringLiteral("cbfives"))->isChecked());
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), 57);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), 61);
    QCOMPARE(editor->findChild<QComboBox *>(QStringLiteral("cblinesize"))->currentText(),
             QStringLiteral("1.25"));

    // Saved as new now: the template opened before is not touched.
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");
    replaceText(editor->findChild<QLineEdit *>(QStringLiteral("lineEdit_3")), QStringLiteral("新"));
    click(buttonBox->button(QDialogButtonBox::Ok));
    QStringList names = TemplateStore::templateNames(xiaxing);
    names.sort();
    QCOMPARE(names, QStringList({QStringLiteral("abc"), QStringLiteral("新")}));
}

QVX_SETTINGS_TEST_MAIN(TestHongtouWindow)
#include "tst_hongtouwindow.moc"
