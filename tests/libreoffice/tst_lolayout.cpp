#include "automation/automation.h"
#include "pdfmeasure.h"
#include "sharedoffice.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace automation;

// Page numbers and the character grid as LibreOffice lays them out, in the
// exported pages: what the object model's answers cannot show. Page setup,
// sections, footers and fields are conformance cases.
class TestLoLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exportedPages_data();
    void exportedPages();

private:
    SharedOffice m_office;
    QTemporaryDir m_dir;
};

namespace {

const QString gridLine
    = QStringLiteral("永字八法之一二三四五六七八九十甲乙丙丁戊己庚辛壬癸子丑寅");

// The official page: A4, mirrored margins 3.7/3.5/2.8/2.6 cm, a grid of 22
// lines of 28 characters, odd and even footers.
void setOfficialPage(const PageSetupPtr &ps)
{
    ps->setTopMargin(centimetersToPoints(3.7));
    ps->setBottomMargin(centimetersToPoints(3.5));
    ps->setLeftMargin(centimetersToPoints(2.8));
    ps->setRightMargin(centimetersToPoints(2.6));
    ps->setMirrorMargins(msoTrue);
    ps->setLayoutMode(wdLayoutModeGrid);
    ps->setLinesPage(22);
    ps->setCharsLine(28);
    ps->setOddAndEvenPagesHeaderFooter(msoTrue);
}

// "— n —" in the footer, the way the layout commands write it.
void writePageNumberFooter(const SectionPtr &section)
{
    const HeaderFooterPtr footer = section->footers()->item(wdHeaderFooterPrimary);
    footer->range()->setText(QString());
    footer->pageNumbers()->add(wdAlignPageNumberOutside, true);
    const RangePtr range = footer->range();
    range->insertBefore(QStringLiteral("— "));
    range->setRange(range->start(), range->end() - 2);
    range->insertAfter(QStringLiteral(" —"));
}

QString numberedParagraphs(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("第%1段").arg(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void TestLoLayout::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_office.application());
    QVERIFY(m_dir.isValid());
}

void TestLoLayout::exportedPages_data()
{
    QTest::addColumn<QString>("setup");
    // "page:text" that the page's text (without white space) holds;
    // "!page:text" that it does not.
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("no number on the first page")
        << "first page" << QStringList {"2:第60段2", "!1:第48段1"};
    QTest::newRow("numbers run on into a new section")
        << "two sections" << QStringList {"1:—1—", "2:—2—", "2:二"};
    QTest::newRow("numbers restart in a new section")
        << "restarted" << QStringList {"1:—1—", "2:—1—", "2:二"};
    QTest::newRow("grid, then the body's size") << "grid" << QStringList {"1:" + gridLine};
    QTest::newRow("the body's size, then the grid")
        << "size, grid" << QStringList {"1:" + gridLine};
}

void TestLoLayout::exportedPages()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, texts);
    const ApplicationPtr app = m_office.application();
    const DocumentPtr doc = app->documents()->add();
    QVERIFY(doc);
    const SectionPtr first = doc->sections()->item(1);
    if (setup == QLatin1String("first page")) {
        doc->content()->setText(numberedParagraphs(60));
        const HeaderFooterPtr footer = first->footers()->item(wdHeaderFooterPrimary);
        QVERIFY(footer->pageNumbers()->add(wdAlignPageNumberCenter, false));
        QCOMPARE(first->pageSetup()->differentFirstPageHeaderFooter(), msoTrue);
    } else if (setup.startsWith(QLatin1String("grid")) || setup.endsWith(QLatin1String("grid"))) {
        const FontPtr normal = doc->styles()->item(wdStyleNormal)->font();
        normal->setName(QStringLiteral("Noto Serif CJK SC"));
        if (setup.startsWith(QLatin1String("size")))
            normal->setSize(16);
        setOfficialPage(first->pageSetup());
        normal->setSize(16);
        doc->content()->setText(gridLine.repeated(30));
    } else {
        doc->content()->setText(QStringLiteral("一\n二"));
        const SectionPtr second = doc->sections()->add(doc->range(2, 2), wdSectionNewPage);
        QVERIFY(second);
        // Written after the split: the linked footer of the new section follows.
        writePageNumberFooter(first);
        if (setup == QLatin1String("restarted")) {
            const PageNumbersPtr numbers
                = second->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
            numbers->setStartingNumber(1);
            numbers->setRestartNumberingAtSection(msoTrue);
            QCOMPARE(numbers->restartNumberingAtSection(), msoTrue);
        }
    }

    PrintOutOptions options;
    options.outputFileName = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
    QVERIFY(doc->printOut(options));
    doc->close(Variant(false));
    const pdfmeasure::PdfFile pdf(options.outputFileName.toString());
    QVERIFY2(pdf.isValid(), qPrintable(pdf.error()));
    for (const QString &expected : texts) {
        const bool absent = expected.startsWith(QLatin1Char('!'));
        const int page = expected.mid(absent ? 1 : 0).section(QLatin1Char(':'), 0, 0).toInt();
        const QString text = expected.section(QLatin1Char(':'), 1);
        QVERIFY2(pdf.compactText(page).contains(text) != absent,
                 qPrintable(expected + QStringLiteral(" in ") + pdf.compactText(page)));
    }
    if (setup.contains(QLatin1String("grid"))) {
        // 28 characters on each of the page's 22 lines.
        const QList<pdfmeasure::Line> lines = pdf.lines(1);
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines.first().text(), gridLine);
    }
}

QTEST_MAIN(TestLoLayout)
#include "tst_lolayout.moc"
