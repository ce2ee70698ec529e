#include "automation/automation.h"
#include "boxrecorder.h"
#include "fakewriterclient.h"
#include "inprocessapplication.h"
#include "printing/print_window.h"
#include "testhome.h"
#include "wpsmainwindow.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace automation;

// "编码打印" through the page and its dialog on the in-process writer, which
// records the copy-number box's text at every print.
class TestCopyNumbering : public QObject
{
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void boxFormat();

private:
    // A page on a document with a copy-number box named `box` holding "旧号"
    // (no document for an empty name); the dialog filled in and confirmed.
    void run(const QString &box, const QString &start, int copies, bool print, int failAt = 0);
    QString boxText() const { return m_box->textFrame()->textRange()->text().chopped(1); }

    TestHome m_home;
    std::shared_ptr<inprocess::InProcessApplication> m_writer;
    std::unique_ptr<WPSMainWindow> m_page;
    ShapePtr m_box;
};

void TestCopyNumbering::run(const QString &box, const QString &start, int copies, bool print,
                            int failAt)
{
    m_writer = inprocess::InProcessApplication::create();
    const DocumentPtr doc = m_writer->documents()->add();
    m_box = doc->shapes()->addTextbox(msoTextOrientationHorizontal, 80, 100, 120, 30);
    m_box->setName(box);
    m_box->textFrame()->textRange()->setText(QStringLiteral("旧号"));
    if (box.isEmpty())
        doc->close(Variant(false));
    m_writer->failPrintOutAt(failAt);
    auto fake = std::make_shared<FakeWriter>();
    fake->application = m_writer;
    m_page = std::make_unique<WPSMainWindow>(nullptr, fakeWriterFactory(fake));
    m_page->initApp();
    m_page->slotButtonClick(QStringLiteral("编码打印"));
    print_window *dialog = m_page->printDialog();
    dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(start);
    dialog->findChild<QSpinBox *>(QStringLiteral("spinBox"))->setValue(copies);
    QTest::mouseClick(print ? dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)
                            : dialog->findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

void TestCopyNumbering::runs_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("failAt"); // -1: numbered only, not printed
    QTest::addColumn<QString>("printed"); // the box at each print, then after the run
    QTest::addColumn<QString>("message"); // icon, then text; empty: none
    const QString failed = QStringLiteral("1 打印出错，请检查！"), none;
    const QString g = QStringLiteral("GWXH");
    QTest::newRow("000001 x3") << g << "000001" << 3 << 0 << "000001 000002 000003 000003" << none;
    QTest::newRow("0098 grows into 0100") << g << "0098" << 3 << 0 << "0098 0099 0100 0100" << none;
    QTest::newRow("9 grows a digit") << g << "9" << 2 << 0 << "9 10 10" << none;
    QTest::newRow("no copies") << g << "000001" << 0 << 0 << "旧号" << none;
    QTest::newRow("only the number, as typed") << g << "A-17" << 5 << -1 << "A-17" << none;
    QTest::newRow("the second copy fails")
        << g << "000001" << 3 << 2 << "000001 000002 000002" << failed;
    QTest::newRow("not a number") << g << "abc" << 3 << 0 << "旧号"
                                  << QStringLiteral("0 起始编码只能是数字，请重新输入!");
    QTest::newRow("no number box") << QStringLiteral("GWXH2") << "000001" << 3 << 0 << "旧号"
                                   << QStringLiteral("0 找不到输入框，请确认此文档已加套红头格式!");
    QTest::newRow("no document") << QString() << "000001" << 3 << 0 << "" << failed;
}

void TestCopyNumbering::runs()
{
    QFETCH(QString, box);
    QFETCH(QString, start);
    QFETCH(int, copies);
    QFETCH(int, failAt);
    QFETCH(QString, printed);
    QFETCH(QString, message);
    BoxRecorder boxes;
    run(box, start, copies, failAt >= 0, qMax(failAt, 0));
    QStringList seen;
    for (const inprocess::PrintJob &job : m_writer->printJobs())
        seen << job.shapeTexts.value(QStringLiteral("GWXH"));
    if (!box.isEmpty())
        seen << boxText();
    QCOMPARE(seen, printed.split(' ', Qt::SkipEmptyParts));
    QStringList said;
    for (const RecordedBox &b : boxes.boxes())
        said << QStringLiteral("%1 %2").arg(int(b.icon)).arg(b.text);
    QCOMPARE(said, message.isEmpty() ? QStringList() : QStringList {message});
    // The dialog keeps what was typed.
    QCOMPARE(m_page->printDialog()->findChild<QLineEdit *>()->text(), start);
}

void TestCopyNumbering::boxFormat()
{
    m_home.setValues(
        QStringLiteral("option.ini"),
        {{QStringLiteral("General/fstP"), 18.5}, {QStringLiteral("General/HT"), "黑体"}});
    run(QStringLiteral("GWXH"), QStringLiteral("12"), 0, false);
    const TextFramePtr frame = m_box->textFrame();
    const RangePtr text = frame->textRange();
    QCOMPARE(QList<float>({float(frame->autoSize()), frame->marginLeft(), frame->marginTop(),
                           frame->marginRight(), frame->marginBottom(), text->font()->size(),
                           text->paragraphFormat()->lineSpacing()}),
             QList<float>({1, 0, 0, 0, 0, 16, 18.5f}));
    QCOMPARE(text->font()->nameFarEast() + text->font()->nameAscii(), QStringLiteral("黑体黑体"));
    QCOMPARE(text->paragraphFormat()->lineSpacingRule(), wdLineSpaceExactly);
}

QTEST_MAIN(TestCopyNumbering)
#include "tst_copynumbering.moc"
