#include "assembly/elementrecord.h"
#include "automation/automation.h"
#include "boxrecorder.h"
#include "fakewriterclient.h"
#include "inprocess/inprocessapplication.h"
#include "input_window.h"
#include "jiyao_window.h"
#include "testhome.h"
#include "wpsmainwindow.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace automation;

// The conversion commands through the page on the in-process writer: their
// checks, the dialog's prefill, and what confirming leaves in the document.
class TestConversionCommands : public QObject
{
    Q_OBJECT

private slots:
    void preconditions_data();
    void preconditions();
    void prefillAndConfirm();
};

namespace {

// A page on the in-process writer (or none), with one document or none.
struct Page
{
    explicit Page(bool writer = true, bool document = true)
    {
        fake->application = writer ? inprocess::InProcessApplication::create() : nullptr;
        fake->status = writer ? 0 : 1;
        page = std::make_unique<WPSMainWindow>(nullptr, fakeWriterFactory(fake));
        page->initApp();
        if (writer && document)
            fake->application->documents()->add();
    }
    std::shared_ptr<FakeWriter> fake = std::make_shared<FakeWriter>();
    std::unique_ptr<WPSMainWindow> page;
};

void setUnit(const TestHome &home, const QString &unit)
{
    home.setValues(QStringLiteral("option.ini"),
                   {{QStringLiteral("General/YF"), unit},
                    {QStringLiteral("General/FW"), QStringLiteral("某某市人民政府")}});
}

} // namespace

void TestConversionCommands::preconditions_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("writer");
    QTest::addColumn<bool>("document");
    QTest::addColumn<QString>("message"); // empty: no box, and a writer opens the dialogs

    const QString unit = QStringLiteral("某某市人民政府办公室");
    QTest::newRow("no unit, no document") << "" << true << false << "未设置印发单位名称!";
    QTest::newRow("four-character unit") << "某某单位" << true << true << "未设置印发单位名称!";
    QTest::newRow("no writer: silent") << unit << false << false << "";
    QTest::newRow("no document") << unit << true << false << "请确认是否已打开文档!";
    QTest::newRow("ready") << unit << true << true << "";
}

void TestConversionCommands::preconditions()
{
    QFETCH(QString, unit);
    QFETCH(bool, writer);
    QFETCH(bool, document);
    QFETCH(QString, message);
    TestHome home;
    setUnit(home, unit);
    Page page(writer, document);
    for (const QString &label : {QStringLiteral("套下行文"), QStringLiteral("纪要简报")}) {
        BoxRecorder boxes;
        page.page->slotButtonClick(label);
        QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList {message});
    }
    const bool dialog = writer && message.isEmpty();
    QCOMPARE(page.page->elementInputDialog()->isVisible(), dialog);
    QCOMPARE(page.page->minutesInputDialog()->isVisible(), dialog);
    page.page->elementInputDialog()->close();
    page.page->minutesInputDialog()->close();
}

// Stored elements are offered again (the signer to "套上行文" only) and
// stored as entered on confirming.
void TestConversionCommands::prefillAndConfirm()
{
    TestHome home;
    setUnit(home, QStringLiteral("某某市人民政府办公室"));
    // A template without a signature (LK): the settings' organ signs.
    home.setValues(QStringLiteral("shangxing.ini"),
                   {{QStringLiteral("请示/FW"), QStringLiteral("某某市人民政府文件")},
                    {QStringLiteral("请示/tWidth"), 14.6}});
    Page page;
    const ApplicationPtr app = page.fake->application;
    app->activeDocument()->content()->insertBefore(QStringLiteral("现将有关情况报告如下。"));
    const QList<QPair<DocumentElement, QString>> stored {{Element::MiJi, "机密"},
                                                         {Element::WenHao, "某政〔2023〕12号"},
                                                         {Element::BiaoTi, "关于资金的请示"},
                                                         {Element::ChenWenDate, "2024年3月5日"},
                                                         {Element::QianFa, "张三"}};
    for (const auto &[element, value] : stored)
        assembly::writeElement(app, element.id, element.key(), value);

    input_window *dialog = page.page->elementInputDialog();
    const auto field = [dialog](const char *name) {
        return dialog->findChild<QLineEdit *>(QLatin1String(name))->text();
    };
    page.page->slotButtonClick(QStringLiteral("套下行文"));
    QCOMPARE(field("edqf"), QString());
    dialog->close();
    page.page->slotButtonClick(QStringLiteral("套上行文"));
    QVERIFY(dialog->isVisible() && !page.page->minutesInputDialog()->isVisible());
    QCOMPARE(field("edqf") + field("edtbt") + field("edwh"),
             QStringLiteral("张三关于资金的请示某政"));

    BoxRecorder boxes;
    QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(boxes.boxes().isEmpty());
    // Stored as entered, not as the head prints them.
    for (const auto &[element, value] : stored)
        QCOMPARE(assembly::readElement(app, element.id, element.key()), value);
    const QString text = app->activeDocument()->content()->text();
    for (const char *printed : {"机  密", "签发人：张三", "某某市人民政府\r"})
        QVERIFY2(text.contains(QString::fromUtf8(printed)), qPrintable(text));
    QCOMPARE(app->activeDocument()->shapes()->item(1)->name(), QStringLiteral("WJBT"));
}

QVX_SETTINGS_TEST_MAIN(TestConversionCommands)
#include "tst_conversioncommands.moc"
