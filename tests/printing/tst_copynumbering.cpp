#include "automation/automation.h"
#include "fakewriterclient.h"
#include "inprocessapplication.h"
#include "modalcloser.h"
#include "page/wpsmainwindow.h"
#include "printing/copynumbering.h"
#include "printing/print_window.h"
#include "testhome.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace automation;

// "编码打印" through the page and its dialog on the in-process writer, which
// records the copy-number box's text at every print: the numbers, the box's
// format, and the failures with their messages.
class TestCopyNumbering : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void numbering_data();
    void numbering();
    void boxFormat();
    void failures_data();
    void failures();

private:
    // Fills the dialog in and clicks OK (print) or "仅输入序号".
    void request(const QString &start, int copies, bool print);
    QStringList printedNumbers() const;

    TestHome m_home;
    std::shared_ptr<inprocess::InProcessApplication> m_writer;
    std::unique_ptr<WPSMainWindow> m_page;
    DocumentPtr m_doc;
    ShapePtr m_box;
};

void TestCopyNumbering::init()
{
    m_writer = inprocess::InProcessApplication::create();
    m_doc = m_writer->documents()->add();
    m_doc->content()->setText(QStringLiteral("正文"));
    m_box = m_doc->shapes()->addTextbox(msoTextOrientationHorizontal, 80, 100, 120, 30);
    m_box->setName(QStringLiteral("GWXH"));
    m_box->textFrame()->textRange()->setText(QStringLiteral("旧号"));
    auto fake = std::make_shared<FakeWriter>();
    fake->application = m_writer;
    m_page = std::make_unique<WPSMainWindow>(nullptr, fakeWriterFactory(fake));
    m_page->initApp();
}

void TestCopyNumbering::cleanup()
{
    m_page.reset();
}

void TestCopyNumbering::request(const QString &start, int copies, bool print)
{
    m_page->slotButtonClick(QStringLiteral("编码打印"));
    print_window *dialog = m_page->printDialog();
    QVERIFY(dialog->isVisible());
    dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(start);
    dialog->findChild<QSpinBox *>(QStringLiteral("spinBox"))->setValue(copies);
    QAbstractButton *button = print
        ? dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)
        : dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

QStringList TestCopyNumbering::printedNumbers() const
{
    QStringList numbers;
    for (const inprocess::PrintJob &job : m_writer->printJobs())
        numbers << job.shapeTexts.value(QStringLiteral("GWXH"));
    return numbers;
}

void TestCopyNumbering::numbering_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("print");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QString>("boxAfter");
    QTest::newRow("000001 x3") << "000001" << 3 << true
                               << QStringList {"000001", "000002", "000003"} << "000003";
    QTest::newRow("0098 grows into 0100")
        << "0098" << 3 << true << QStringList {"0098", "0099", "0100"} << "0100";
    QTest::newRow("9 grows a digit") << "9" << 2 << true << QStringList {"9", "10"} << "10";
    QTest::newRow("no copies") << "000001" << 0 << true << QStringList {} << "旧号";
    QTest::newRow("only the number, as typed") << "A-17" << 5 << false << QStringList {} << "A-17";
}

void TestCopyNumbering::numbering()
{
    QFETCH(QString, start);
    QFETCH(int, copies);
    QFETCH(bool, print);
    QFETCH(QStringList, printed);
    QFETCH(QString, boxAfter);
    ModalCloser closer;
    request(start, copies, print);
    QVERIFY(closer.seen().empty());
    QCOMPARE(printedNumbers(), printed);
    QCOMPARE(m_box->textFrame()->textRange()->text(), boxAfter + QStringLiteral("\r"));

    // The dialog keeps what was typed.
    m_page->slotButtonClick(QStringLiteral("编码打印"));
    QCOMPARE(m_page->printDialog()->findChild<QLineEdit *>()->text(), start);
    m_page->printDialog()->close();
}

void TestCopyNumbering::boxFormat()
{
    m_home.setValues(QStringLiteral("option.ini"),
                     {{QStringLiteral("General/fstP"), 18.5},
                      {QStringLiteral("General/HT"), QStringLiteral("黑体")}});
    const TextFramePtr frame = m_box->textFrame();
    frame->setMarginLeft(7);
    m_box->textFrame()->textRange()->font()->setColor(wdColorRed);
    request(QStringLiteral("12"), 0, false);
    QCOMPARE(frame->autoSize(), 1);
    QCOMPARE(frame->marginLeft() + frame->marginTop() + frame->marginRight()
                 + frame->marginBottom(),
             0.0f);
    RangePtr text = frame->textRange();
    QCOMPARE(text->text(), QStringLiteral("12\r"));
    QCOMPARE(text->font()->color(), wdColorBlack);
    QCOMPARE(text->font()->size(), 16.0f);
    QCOMPARE(text->font()->nameFarEast(), QStringLiteral("黑体"));
    QCOMPARE(text->font()->nameAscii(), QStringLiteral("黑体"));
    QCOMPARE(text->paragraphFormat()->lineSpacingRule(), wdLineSpaceExactly);
    QCOMPARE(text->paragraphFormat()->lineSpacing(), 18.5f);
    QCOMPARE(text->paragraphFormat()->alignment(), wdAlignParagraphLeft);

    // Unset values take the defaults.
    m_home.setValues(QStringLiteral("option.ini"),
                     {{QStringLiteral("General/fstP"), 0}, {QStringLiteral("General/HT"), ""}});
    request(QStringLiteral("12"), 0, false);
    text = frame->textRange();
    QCOMPARE(text->paragraphFormat()->lineSpacing(), 16.0f);
    QCOMPARE(text->font()->nameFarEast(), QStringLiteral("方正黑体_GBK"));
}

void TestCopyNumbering::failures_data()
{
    QTest::addColumn<QString>("boxName"); // empty: no document
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("failAt"); // 0: printing works
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("boxAfter");
    const int information = QMessageBox::Information, none = QMessageBox::NoIcon;
    const QString printFailed = QStringLiteral("打印出错，请检查！");
    QTest::newRow("no document") << ""
                                 << "000001" << 0 << QStringList {} << printFailed << information
                                 << "";
    QTest::newRow("no number box") << "GWXH2"
                                   << "000001" << 0 << QStringList {}
                                   << "找不到输入框，请确认此文档已加套红头格式!" << none << "旧号";
    QTest::newRow("the third copy fails")
        << "GWXH"
        << "000001" << 3 << QStringList {"000001", "000002", "000003"} << printFailed << information
        << "000003";
    QTest::newRow("not a number: nothing printed")
        << "GWXH"
        << "abc" << 0 << QStringList {} << "起始编码只能是数字，请重新输入!" << none << "旧号";
}

void TestCopyNumbering::failures()
{
    QFETCH(QString, boxName);
    QFETCH(QString, start);
    QFETCH(int, failAt);
    QFETCH(QStringList, printed);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, boxAfter);
    if (boxName.isEmpty())
        m_doc->close(Variant(false));
    else
        m_box->setName(boxName);
    m_writer->failPrintOutAt(failAt);
    ModalCloser closer;
    request(start, 5, true);
    QCOMPARE(closer.seen().size(), size_t(1));
    QCOMPARE(closer.seen()[0].text, message);
    QCOMPARE(closer.seen()[0].title, QStringLiteral("错误"));
    QCOMPARE(int(closer.seen()[0].icon), icon);
    QCOMPARE(printedNumbers(), printed);
    if (!boxName.isEmpty())
        QCOMPARE(m_box->textFrame()->textRange()->text(), boxAfter + QStringLiteral("\r"));
}

QTEST_MAIN(TestCopyNumbering)
#include "tst_copynumbering.moc"
