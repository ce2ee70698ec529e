#include "boxrecorder.h"
#include "templatestore.h"
#include "testhome.h"
#include "uidriver.h"
#include "xinhan_window.h"

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

const QString xinhan = QString::fromLatin1(TemplateKind::Letter);
const QString unit = QStringLiteral("某某县人民政府办公室");
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

} // namespace

class TestXinhanWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void form();
    void newTemplate();
    void zoomFollowsTypedMarkText();
    void lineSpacingOfANewTemplate_data();
    void lineSpacingOfANewTemplate();
    void saveLetterTemplate();
    void loadTemplate();

private:
    void writeUnitSettings();

    std::unique_ptr<TestHome> m_home;
};

void TestXinhanWindow::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestXinhanWindow::cleanup()
{
    m_home.reset();
}

void TestXinhanWindow::writeUnitSettings()
{
    m_home->setValues(QStringLiteral("option.ini"),
                      {{QStringLiteral("General/YF"), unit},
                       {QStringLiteral("General/BTBS"), QStringLiteral("华文中宋")},
                       {QStringLiteral("General/ZWP"), 28.0},
                       {unit + QStringLiteral("/FW"), organ}});
}

void TestXinhanWindow::form()
{
    xinhan_window editor;
    QCOMPARE(editor.windowTitle(), QStringLiteral("Dialog"));

    QVX_FIND(QComboBox, cblinesize, editor, "cblinesize");
    QVX_FIND(QDoubleSpinBox, dsblinetop, editor, "dsblinetop");
    QVX_FIND(QDoubleSpinBox, dsblinetop_2, editor, "dsblinetop_2");
    QVX_FIND(QLineEdit, lineEdit, editor, "lineEdit");
    QVX_FIND(QLineEdit, lineEdit_2, editor, "lineEdit_2");
    QVX_FIND(QSpinBox, sbsize, editor, "sbsize");
    QVX_FIND(QSpinBox, sbsize_2, editor, "sbsize_2");
    QCOMPARE(labelOf(editor, cblinesize), QStringLiteral("文武线粗细："));
    QCOMPARE(labelOf(editor, dsblinetop), QStringLiteral("距页顶："));
    QCOMPARE(labelOf(editor, dsblinetop_2), QStringLiteral("距页底："));
    QCOMPARE(labelOf(editor, lineEdit), QStringLiteral("落款："));
    QCOMPARE(labelOf(editor, lineEdit_2), QStringLiteral("标识文字："));
    QCOMPARE(dsblinetop_2->minimum(), -99.9);
    QCOMPARE(dsblinetop_2->maximum(), 99.99);

    QCOMPARE(cblinesize->count(), 38);
    for (int i = 0; i < cblinesize->count(); ++i)
        QCOMPARE(cblinesize->itemText(i), QString::number(0.75 + 0.25 * i, 'f', 2));
    QCOMPARE(cblinesize->itemText(37), QStringLiteral("10.00"));

    auto *group = qobject_cast<QGroupBox *>(lineEdit->parentWidget());
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("落款单位"));
    QVERIFY(!editor.findChild<QComboBox *>(QStringLiteral("comboBox")));
    QVERIFY(!editor.findChild<QCheckBox *>(QStringLiteral("cbfives")));

    // A newly built letter editor shows 57 pt type on 59 pt lines.
    QCOMPARE(sbsize->value(), 57);
    QCOMPARE(sbsize_2->value(), 59);
}

void TestXinhanWindow::newTemplate()
{
    writeUnitSettings();
    xinhan_window editor;
    editor.fromA(xinhan, QString());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    QCOMPARE(editor.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(editor.findChild<QLineEdit *>(QStringLiteral("lineEdit_2"))->text(), organ);
    QCOMPARE(editor.findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text(), organ);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbzoom"))->value(), 64);
    QCOMPARE(editor.findChild<QFontComboBox *>(QStringLiteral("fontComboBox"))->currentText(),
             QStringLiteral("华文中宋"));
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsbwidth"))->value(), 15.0);
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsbheight"))->value(), 2.0);
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsbtop"))->value(), 3.0);
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsblinetop"))->value(), 5.35);
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsblinetop_2"))->value(), 2.0);
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsbctlline"))->value(), 36.0);
    // Not the body spacing of the settings.
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsbfstline"))->value(), 29.65);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbinsertline"))->value(), 1);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), 57);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), 59);
    QCOMPARE(editor.findChild<QComboBox *>(QStringLiteral("cblinesize"))->currentText(),
             QStringLiteral("4.50"));
    QVERIFY(!editor.findChild<QCheckBox *>(QStringLiteral("cbbold"))->isChecked());
}

void TestXinhanWindow::zoomFollowsTypedMarkText()
{
    xinhan_window editor;
    editor.fromA(xinhan, QString());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QVX_FIND(QLineEdit, lineEdit_2, editor, "lineEdit_2");
    QVX_FIND(QSpinBox, sbzoom, editor, "sbzoom");
    replaceText(lineEdit_2, QStringLiteral("中共某某县委某某县人民"));
    QCOMPARE(sbzoom->value(), 56);
    typeText(lineEdit_2, QStringLiteral("政"));
    QCOMPARE(sbzoom->value(), 52);
}

void TestXinhanWindow::lineSpacingOfANewTemplate_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("newSpacing");

    // The spacing of a new template follows only a change of the size.
    QTest::newRow("after size 50") << 50 << 54 << 61;
    QTest::newRow("after size 57") << 57 << 70 << 70;
}

void TestXinhanWindow::lineSpacingOfANewTemplate()
{
    QFETCH(int, size);
    QFETCH(int, spacing);
    QFETCH(int, newSpacing);

    m_home->setValues(xinhan,
                      {{QStringLiteral("函/FW"), QStringLiteral("某某县人民政府")},
                       {QStringLiteral("函/fSize"), size},
                       {QStringLiteral("函/fPoint"), spacing}});
    xinhan_window editor;
    editor.fromA(xinhan, QStringLiteral("函"));
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), size);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), spacing);
    editor.fromA(xinhan, QString());
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbsize"))->value(), 57);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbsize_2"))->value(), newSpacing);
}

void TestXinhanWindow::saveLetterTemplate()
{
    writeUnitSettings();
    xinhan_window editor;
    editor.fromA(xinhan, QString());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QSignalSpy sent(&editor, &xinhan_window::sendmb);
    BoxRecorder boxes;

    QVX_FIND(QLineEdit, lineEdit_3, editor, "lineEdit_3");
    QVX_FIND(QComboBox, cblinesize, editor, "cblinesize");
    QVX_FIND(QDoubleSpinBox, dsblinetop_2, editor, "dsblinetop_2");
    QVX_FIND(QDialogButtonBox, buttonBox, editor, "buttonBox");
    replaceText(lineEdit_3, QStringLiteral("县政府函"));
    QTest::keyClick(cblinesize, Qt::Key_End);
    replaceText(dsblinetop_2, QStringLiteral("1.8"));
    click(buttonBox->button(QDialogButtonBox::Ok));

    QVERIFY2(boxes.boxes().isEmpty(), qPrintable(boxes.texts().join(QLatin1Char(' '))));
    QCOMPARE(sent.size(), 1);
    QVERIFY(!editor.isVisible());
    QSettings plain(m_home->templateFile(xinhan), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("县政府函"));
    plain.beginGroup(QStringLiteral("县政府函"));
    QStringList keys = plain.allKeys();
    keys.sort();
    QCOMPARE(
        keys,
        QStringList({"BTBS", "FW", "LK", "ctlSize", "fBold", "fPoint", "fSize", "fZoom", "fstSize",
                     "insertLine", "lBottom", "lSize", "lTop", "tHeight", "tTop", "tWidth"}));
    QCOMPARE(plain.value(QStringLiteral("FW")).toString(), organ);
    QCOMPARE(plain.value(QStringLiteral("LK")).toString(), organ);
    QCOMPARE(plain.value(QStringLiteral("lSize")).toString(), QStringLiteral("10.00"));
    QCOMPARE(plain.value(QStringLiteral("lBottom")).toDouble(), 1.8);
    QCOMPARE(plain.value(QStringLiteral("lTop")).toDouble(), 5.35);
    QCOMPARE(plain.value(QStringLiteral("fPoint")).toInt(), 59);
    QCOMPARE(plain.value(QStringLiteral("fstSize")).toDouble(), 29.65);
    QCOMPARE(plain.value(QStringLiteral("insertLine")).toString(), QStringLiteral("1"));
}

void TestXinhanWindow::loadTemplate()
{
    m_home->setValues(xinhan,
                      {{QStringLiteral("函/FW"), QStringLiteral("某某县人民政府")},
                       {QStringLiteral("函/LK"), QStringLiteral("某某县人民政府办公室")},
                       {QStringLiteral("函/lSize"), QStringLiteral("9.75")},
                       {QStringLiteral("函/lBottom"), 2.4},
                       {QStringLiteral("函/fZoom"), 90},
                       {QStringLiteral("函/insertLine"), QStringLiteral("2")}});
    xinhan_window editor;
    editor.fromA(xinhan, QStringLiteral("函"));
    QCOMPARE(editor.windowTitle(), QStringLiteral("选择模板及输入公文要素  →信函格式"));
    QCOMPARE(editor.findChild<QLineEdit *>(QStringLiteral("lineEdit"))->text(),
             QStringLiteral("某某县人民政府办公室"));
    QCOMPARE(editor.findChild<QComboBox *>(QStringLiteral("cblinesize"))->currentText(),
             QStringLiteral("9.75"));
    QCOMPARE(editor.findChild<QDoubleSpinBox *>(QStringLiteral("dsblinetop_2"))->value(), 2.4);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbzoom"))->value(), 90);
    QCOMPARE(editor.findChild<QSpinBox *>(QStringLiteral("sbinsertline"))->value(), 2);
}

QVX_SETTINGS_TEST_MAIN(TestXinhanWindow)
#include "tst_xinhanwindow.moc"
