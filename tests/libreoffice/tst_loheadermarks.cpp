#include "assembly/redheader.h"
#include "automation/automation.h"
#include "format/headermarks.h"
#include "format/pageadaptation.h"
#include "pdfmeasure.h"
#include "printing/copynumbering.h"
#include "sharedoffice.h"
#include "templatestore.h"

#include <QProcess>
#include <QtTest>

using namespace automation;
using namespace pdfmeasure;

// The toggles and numbered printing on LibreOffice, seen in the pages of a
// notice with a red header, exported, and printed through a print queue of
// the test's own (tools/pdfqueue.sh) whose device writes PDF files.
class TestLoHeaderMarks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void hideAndShowHeader();
    void pageNumberCoverOnItsPage();
    void positioningLines();
    void numberedCopiesOnTheQueue();

private:
    QImage render(int page, const QString &name);
    QStringList printedFiles() const;
    bool queue(const QString &command);

    QTemporaryDir m_queue;
    std::unique_ptr<SharedOffice> m_office;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
};

namespace {

const int dpi = 150;
const QString kQueueScript = QStringLiteral(QVX_SOURCE_DIR "/tools/pdfqueue.sh");

double pt(double cm)
{
    return cm * pointsPerCm;
}

// Ink in `after` that `before` does not have, in a band 1 mm high around y
// (points) from 5 to 15 cm across.
int gainedInk(const QImage &before, const QImage &after, double y)
{
    const PageImage page(after, dpi);
    int gained = 0;
    for (int row = page.toPixels(y - 1.5); row <= page.toPixels(y + 1.5); ++row)
        for (int x = page.toPixels(pt(5)); x < page.toPixels(pt(15)); ++x)
            gained += isInk(after.pixel(x, row)) && !isInk(before.pixel(x, row));
    return gained;
}

} // namespace

bool TestLoHeaderMarks::queue(const QString &command)
{
    QProcess script;
    script.start(QStringLiteral("bash"), {kQueueScript, command, m_queue.path()});
    return script.waitForFinished(30000) && script.exitCode() == 0;
}

void TestLoHeaderMarks::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    // The office prints to the default queue of the print system it is shown
    // at its start: ours, named (a default in ~/.cups/lpoptions does not count).
    QVERIFY2(queue(QStringLiteral("start")), "no private print queue: see tools/pdfqueue.sh");
    qputenv("CUPS_SERVER", QDir(m_queue.path()).filePath(QStringLiteral("cups.sock")).toUtf8());
    qputenv("LPDEST", "quorvex-pdf");
    m_office = std::make_unique<SharedOffice>();
    QVERIFY(m_office->application());
}

void TestLoHeaderMarks::cleanupTestCase()
{
    m_office.reset();
    queue(QStringLiteral("stop"));
}

void TestLoHeaderMarks::init()
{
    m_app = m_office->application();
    m_app->quit(); // the documents of the case before
    m_doc = m_app->documents()->add();
    QString text = QString(9, '\n') + QStringLiteral("关于加强工作的通知\n\n各区县人民政府：");
    for (int i = 1; i <= 30; ++i)
        text += QStringLiteral("\n%1、为进一步加强和改进本市各项工作，切实提高工作质量和效率。")
                    .arg(i);
    m_doc->content()->setText(text);
    format::adaptPages(m_app, format::LayoutSettings(), true, false);
    assembly::HeaderTemplate header;
    header.markText = QStringLiteral("某某市人民政府文件");
    header.markZoom = TemplateStore::zoomForMarkText(header.markText);
    header.star = true;
    QCOMPARE(assembly::drawRedHeader(m_app, {"shangxing.ini", "", "某府〔2024〕8号"}, header),
             assembly::Outcome::Done);
    m_doc->paragraphs()->item(1)->range()->select();
}

QImage TestLoHeaderMarks::render(int page, const QString &name)
{
    const QDir dir(QStringLiteral(QVX_ARTIFACTS_DIR "/loheadermarks"));
    dir.mkpath(QStringLiteral("."));
    PrintOutOptions options;
    options.outputFileName = Variant(dir.filePath(name + QStringLiteral(".pdf")));
    m_doc->printOut(options);
    return PdfFile(options.outputFileName.toString())
        .render(page, dpi, dir.filePath(name + QStringLiteral(".png")));
}

// The mark, the rule and the star are red on the first page; hidden they are
// gone and the body stays; shown again they are back where they were.
void TestLoHeaderMarks::hideAndShowHeader()
{
    const PageImage before(render(1, QStringLiteral("header-shown")), dpi);
    QVERIFY(before.inkCount(isRed) > 1000);
    format::toggleRedHeader(m_app);
    const PageImage hidden(render(1, QStringLiteral("header-hidden")), dpi);
    QCOMPARE(hidden.inkCount(isRed), 0);
    const QRectF body(0, pt(assembly::HeaderTemplate().ruleTop + 0.8), pt(21), pt(16));
    QCOMPARE(hidden.inkBox(isDark, body), before.inkBox(isDark, body));
    format::toggleRedHeader(m_app);
    const PageImage again(render(1, QStringLiteral("header-again")), dpi);
    QCOMPARE(again.inkBox(isRed), before.inkBox(isRed));
}

// The page number of the page holding the insertion point is covered; the
// next page keeps its own; a second run on the same page uncovers it.
void TestLoHeaderMarks::pageNumberCoverOnItsPage()
{
    const auto numberInk = [&](int page, const QString &name) { // below the type area
        const QRectF area(pt(2.9), pt(26.5), pt(15.5), pt(3.2));
        return PageImage(render(page, name), dpi).inkCount(isInk, area);
    };
    QVERIFY(numberInk(1, QStringLiteral("number-1")) > 0);
    format::togglePageNumberCover(m_app);
    QCOMPARE(numberInk(1, QStringLiteral("cover-1")), 0);
    QVERIFY(numberInk(2, QStringLiteral("cover-2")) > 0);
    format::togglePageNumberCover(m_app);
    QVERIFY(numberInk(1, QStringLiteral("uncovered-1")) > 0);
    QCOMPARE(m_doc->shapes()->count(), 4L); // the header's shapes only
}

// Lines 1, 2, 3, 4 and 6 (no rule at the foot) where the table puts them:
// 3.7 cm, 26.2 cm, 7.2 cm, 0.4 cm and 3.08 cm above the rule; removed by a
// second run.
void TestLoHeaderMarks::positioningLines()
{
    const QImage before = render(1, QStringLiteral("lines-before"));
    format::togglePositioningLines(m_app);
    const QImage drawn = render(1, QStringLiteral("lines-drawn"));
    const double rule = pt(assembly::HeaderTemplate().ruleTop);
    for (double y : {pt(3.7), pt(26.2), pt(7.2), rule - pt(0.4), rule - pt(3.08)}) {
        QVERIFY2(gainedInk(before, drawn, y) > PageImage(drawn, dpi).toPixels(pt(4)),
                 qPrintable(QStringLiteral("no line at %1 cm").arg(cm(y))));
    }
    QCOMPARE(gainedInk(before, drawn, pt(5.5)), 0); // nothing between them
    format::togglePositioningLines(m_app);
    QCOMPARE(gainedInk(before, render(1, QStringLiteral("lines-removed")), pt(3.7)), 0);
}

QStringList TestLoHeaderMarks::printedFiles() const
{
    QDir out(QDir(m_queue.path()).filePath(QStringLiteral("out")));
    out.setNameFilters({QStringLiteral("job-*.pdf")});
    QStringList files = out.entryList(QDir::Files, QDir::Name);
    for (QString &name : files)
        name = out.filePath(name);
    return files;
}

// Three copies, each printed file with its own number in the copy-number
// box (at the top left of the type area), in order. With the print system
// gone, the first copy fails and nothing more is sent.
void TestLoHeaderMarks::numberedCopiesOnTheQueue()
{
    const printing::CopyRequest request {QStringLiteral("000001"), 3, true};
    QCOMPARE(printing::numberCopies(m_app, request, {}), printing::CopyOutcome::Done);
    QTRY_COMPARE_WITH_TIMEOUT(printedFiles().size(), 3, 60000);
    for (int copy = 1; copy <= 3; ++copy) {
        const PdfFile pdf(printedFiles()[copy - 1]);
        for (int other = 1; other <= 3; ++other) {
            const QRectF found = pdf.find(1, QStringLiteral("00000%1").arg(other));
            QCOMPARE(found.isEmpty(), other != copy);
            QVERIFY(found.isEmpty() || (found.left() < pt(8) && found.top() < pt(7.15)));
        }
    }
    QVERIFY(queue(QStringLiteral("stop")));
    const printing::CopyOutcome outcome = printing::numberCopies(m_app, request, {});
    QVERIFY(queue(QStringLiteral("start")));
    QCOMPARE(outcome, printing::CopyOutcome::PrintFailed);
    QCOMPARE(printedFiles().size(), 3);
}

QTEST_MAIN(TestLoHeaderMarks)
#include "tst_loheadermarks.moc"
