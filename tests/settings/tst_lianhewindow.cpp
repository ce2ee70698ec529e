#include "boxrecorder.h"
#include "lianhe_window.h"
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
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

const QString lianhe = QString::fromLatin1(TemplateKind::JointIssue);
const QString unit = QStringLiteral("某某县人民政府办公室");
const QString otherUnit = QStringLiteral("中共某某县委办公室");
const QString formTitle = QStringLiteral("设置联合发文红头模板");

QString labelOf(const QWidget &dialog, const QWidget *field)
{
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (label->buddy() == field)
            return label->text();
    }
    return QString();
}

} // namespace

class TestLianheWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form();
    void newTemplate();
    void saveJointTemplate();
    void loadTemplate();
    void markTextOfBlanksIsRefused();

private:
    void writeUnitSettings();
    std::unique_ptr<lianhe_window> openEditor(const QString &name);

    std::unique_ptr<TestHome> m_home;
};

void TestLianheWindow::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestLianheWindow::cleanup()
{
    m_home.reset();
}

void TestLianheWindow::writeUnitSettings()
{
    m_home->setValues(QStringLiteral("option.ini"),
                      {{QStringLiteral("General/YF"), unit},
                       {QStringLiteral("General/BTBS"), QStringLiteral("华文中宋")},
                       {QStringLiteral("General/ZWP"), 28.0},
                       {otherUnit + QStringLiteral("/FW"), QStringLiteral("中共某某县委员会")},
                       {unit + QStringLiteral("/FW"), QStringLiteral("某某县人民政府")}});
}

std::unique_ptr<lianhe_window> TestLianheWindow::openEditor(const QString &name)
{
    auto editor = std::make_unique<lianhe_window>();
    editor->setWindowModality(Qt::ApplicationModal);
    editor->fromA(lianhe, name);
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        return nullptr;
    return editor;
}

void TestLianheWindow::form()
{
    lianhe_window editor;
    QCOMPARE(editor.windowTitle(), formTitle);

    QVX_FIND(QTextEdit, lineEdit_2, editor, "lineEdit_2");
    QVX_FIND(QLineEdit, lineEdit_4, editor, "lineEdit_4");
    QVX_FIND(QSpinBox, sbzoom_2, editor, "sbzoom_2");
    QVX_FIND(QDoubleSpinBox, dsbwidth_2, editor, "dsbwidth_2");
    QVX_FIND(QSpinBox, sbsize_3, editor, "sbsize_3");
    QVX_FIND(QComboBox, comboBox, editor, "comboBox");
    QVX_FIND(QComboBox, cblinesize, editor, "cblinesize");
    QVX_FIND(QCheckBox, cbfives, editor, "cbfives");
    QCOMPARE(labelOf(editor, lineEdit_2), QStringLiteral("标识文字一："));
    QCOMPARE(labelOf(editor, lineEdit_4), QStringLiteral("标识文字二："));
    QCOMPARE(labelOf(editor, sbzoom_2), QStringLiteral("缩放："));
    QCOMPARE(labelOf(editor, dsbwidth_2), QStringLiteral("宽度："));
    QCOMPARE(labelOf(editor, sbsize_3), QStringLiteral("字号："));
    QCOMPARE(labelOf(editor, comboBox), QStringLiteral("印发单位："));
    QCOMPARE(labelOf(editor, cblinesize), QStringLiteral("红线粗细："));
    QCOMPARE(sbzoom_2->minimum(), 1);
    QCOMPARE(sbzoom_2->maximum(), 100);
    QCOMPARE(cblinesize->count(), 18);
    QCOMPARE(cblinesize->itemText(17), QStringLiteral("5.00"));
    QCOMPARE(cbfives->text(), QStringLiteral("五角星"));
    QVERIFY(!comboBox->isEditable());

    // The signature group holds only the unit.
    auto *group = qobject_cast<QGroupBox *>(comboBox->parentWidget());
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("落款及印发单位"));
    QCOMPARE(group->findChildren<QLineEdit *>().size(), 0);
    QVERIFY(!editor.findChild<QWidget *>(QStringLiteral("lineEdit")));
}

void TestLianheWindow::newTemplate()
{
    writeUnitSettings();
    const auto editor = openEditor(QString());
    QVERIFY(editor);

    QVX_FIND(QTextEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QLineEdit, lineEdit_4, *editor, "lineEdit_4");
    QVX_FIND(QSpinBox, sbzoom, *editor, "sbzoom");
    QCOMPARE(editor->windowTitle(), formTitle);
    QCOMPARE(lineEdit_2->toPlainText(), QStringLiteral("发文机关一\n发文机关二"));
    QCOMPARE(lineEdit_4->text(), QStringLiteral("文件"));
    QCOMPARE(editor->findChild<QComboBox *>(QStringLiteral("comboBox"))->currentText(), unit);
    QCOMPARE(editor->findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))->currentText(),
             QStringLiteral("华文中宋"));
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbwidth"))->value(), 11.6);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbwidth_2"))->value(), 3.0);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbheight"))->value(), 2.0);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbtop"))->value(), 7.15);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsblinetop"))->value(), 13.9);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbctlline"))->value(), 26.0);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbfstline"))->value(), 28.0);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), 50);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), 54);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize_3"))->value(), 57);
    QCOMPARE(sbzoom->value(), 65);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbzoom_2"))->value(), 65);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbinsertline"))->value(), 5);
    QCOMPARE(editor->findChild<QComboBox *>(QStringLiteral("cblinesize"))->currentText(),
             QStringLiteral("1.25"));
    QVERIFY(!editor->findChild<QCheckBox *>(QStringLiteral("cbbold"))->isChecked());
    QVERIFY(!editor->findChild<QCheckBox *>(QStringLiteral("cbfives"))->isChecked());

    // The joint mark has no scaling by length.
    replaceText(lineEdit_2, QStringLiteral("中共某某县委员会\n某某县人民政府"));
    QCOMPARE(sbzoom->value(), 65);
}

void TestLianheWindow::saveJointTemplate()
{
    writeUnitSettings();
    const auto editor = openEditor(QString());
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &lianhe_window::sendmb);
    BoxRecorder boxes;

    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QTextEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QLineEdit, lineEdit_4, *editor, "lineEdit_4");
    QVX_FIND(QSpinBox, sbsize, *editor, "sbsize");
    QVX_FIND(QSpinBox, sbsize_2, *editor, "sbsize_2");
    QVX_FIND(QSpinBox, sbsize_3, *editor, "sbsize_3");
    QVX_FIND(QSpinBox, sbzoom_2, *editor, "sbzoom_2");
    QVX_FIND(QDoubleSpinBox, dsbwidth_2, *editor, "dsbwidth_2");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");

    replaceText(lineEdit_3, QStringLiteral(" 两办联合发文 "));
    replaceText(lineEdit_2, QStringLiteral("\n中共某某县委办公室\n某某县人民政府办公室\n "));
    replaceText(lineEdit_4, QStringLiteral("文件"));
    replaceText(sbsize, QStringLiteral("45"));
    QCOMPARE(sbsize_2->value(), 49);
    replaceText(sbsize, QStringLiteral("50"));
    QCOMPARE(sbsize_2->value(), 54);
    replaceText(sbsize_3, QStringLiteral("57"));
    replaceText(sbzoom_2, QStringLiteral("70"));
    replaceText(dsbwidth_2, QStringLiteral("3.4"));
    click(buttonBox->button(QDialogButtonBox::Ok));

    QVERIFY2(boxes.boxes().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char(' '))));
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().first().toString(), QStringLiteral("两办联合发文"));
    QVERIFY(!editor->isVisible());
    QCOMPARE(lineEdit_2->toPlainText(), QStringLiteral("中共某某县委办公室\n某某县人民政府办公室"));

    QSettings plain(m_home->templateFile(lianhe), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("两办联合发文"));
    plain.beginGroup(QStringLiteral("两办联合发文"));
    QStringList keys = plain.allKeys();
    keys.sort();
    QCOMPARE(keys, QStringList({"BTBS",    "FW",      "FW_2",       "YF",      "ctlSize",
                                "fBold",   "fPoint",  "fSize",      "fSize_2", "fZoom",
                                "fZoom_2", "fstSize", "insertLine", "lFives",  "lSize",
                                "lTop",    "tHeight", "tTop",       "tWidth",  "tWidth_2"}));
    QCOMPARE(plain.value(QStringLiteral("FW")).toString(),
             QStringLiteral("中共某某县委办公室\n某某县人民政府办公室"));
    QCOMPARE(plain.value(QStringLiteral("FW_2")).toString(), QStringLiteral("文件"));
    QCOMPARE(plain.value(QStringLiteral("YF")).toString(), unit);
    QCOMPARE(plain.value(QStringLiteral("fSize")).toInt(), 50);
    QCOMPARE(plain.value(QStringLiteral("fPoint")).toInt(), 54);
    QCOMPARE(plain.value(QStringLiteral("fSize_2")).toInt(), 57);
    QCOMPARE(plain.value(QStringLiteral("fZoom")).toInt(), 65);
    QCOMPARE(plain.value(QStringLiteral("fZoom_2")).toInt(), 70);
    QCOMPARE(plain.value(QStringLiteral("tWidth")).toDouble(), 11.6);
    QCOMPARE(plain.value(QStringLiteral("tWidth_2")).toDouble(), 3.4);
    QCOMPARE(plain.value(QStringLiteral("lSize")).toString(), QStringLiteral("1.25"));
    QCOMPARE(plain.value(QStringLiteral("insertLine")).toString(), QStringLiteral("5"));
}

void TestLianheWindow::loadTemplate()
{
    writeUnitSettings();
    m_home->setValues(lianhe,
                      {{QStringLiteral("两办/YF"), otherUnit},
                       {QStringLiteral("两办/FW"), QStringLiteral("中共某某县委\n某某县人民政府")},
                       {QStringLiteral("两办/FW_2"), QStringLiteral("通知")},
                       {QStringLiteral("两办/tWidth"), 10.5},
                       {QStringLiteral("两办/tWidth_2"), 2.5},
                       {QStringLiteral("两办/fSize"), 48},
                       {QStringLiteral("两办/fPoint"), 55},
                       {QStringLiteral("两办/fSize_2"), 60},
                       {QStringLiteral("两办/fZoom"), 70},
                       {QStringLiteral("两办/fZoom_2"), 90},
                       {QStringLiteral("两办/fBold"), 1},
                       {QStringLiteral("两办/lSize"), QStringLiteral("2.25")},
                       {QStringLiteral("两办/lFives"), 2}});
    const auto editor = openEditor(QStringLiteral("两办"));
    QVERIFY(editor);

    QCOMPARE(editor->windowTitle(), formTitle);
    QCOMPARE(editor->findChild<QTextEdit *>(QStringLiteral("lineEdit_2"))->toPlainText(),
             QStringLiteral("中共某某县委\n某某县人民政府"));
    QCOMPARE(editor->findChild<QLineEdit *>(QStringLiteral("lineEdit_4"))->text(),
             QStringLiteral("通知"));
    QCOMPARE(editor->findChild<QComboBox *>(QStringLiteral("comboBox"))->currentText(), otherUnit);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbwidth"))->value(), 10.5);
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbwidth_2"))->value(), 2.5);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), 48);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), 55);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbsize_3"))->value(), 60);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbzoom"))->value(), 70);
    QCOMPARE(editor->findChild<QSpinBox *>(QStringLiteral("sbzoom_2"))->value(), 90);
    QVERIFY(editor->findChild<QCheckBox *>(QStringLiteral("cbbold"))->isChecked());
    QVERIFY(editor->findChild<QCheckBox *>(QStringLiteral("cbfives"))->isChecked());
    QCOMPARE(editor->findChild<QComboBox *>(QStringLiteral("cblinesize"))->currentText(),
             QStringLiteral("2.25"));
    // Keys the template does not have read as 0.
    QCOMPARE(editor->findChild<QDoubleSpinBox *>(QStringLiteral("dsbtop"))->value(), 0.0);
}

void TestLianheWindow::markTextOfBlanksIsRefused()
{
    const auto editor = openEditor(QString());
    QVERIFY(editor);
    QSignalSpy sent(editor.get(), &lianhe_window::sendmb);
    BoxRecorder boxes;
    QVX_FIND(QLineEdit, lineEdit_3, *editor, "lineEdit_3");
    QVX_FIND(QTextEdit, lineEdit_2, *editor, "lineEdit_2");
    QVX_FIND(QDialogButtonBox, buttonBox, *editor, "buttonBox");
    replaceText(lineEdit_3, QStringLiteral("两办"));
    replaceText(lineEdit_2, QStringLiteral("  \n  "));
    click(buttonBox->button(QDialogButtonBox::Ok));

    QCOMPARE(boxes.texts(), QStringList(QStringLiteral("发文单位标识文字不能为空!")));
    QCOMPARE(lineEdit_2->toPlainText(), QString());
    QVERIFY(editor->isVisible());
    QCOMPARE(sent.size(), 0);
    QVERIFY(!m_home->settingsDirectoryExists());
}

QVX_SETTINGS_TEST_MAIN(TestLianheWindow)
#include "tst_lianhewindow.moc"
