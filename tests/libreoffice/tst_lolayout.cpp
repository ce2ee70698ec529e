#include "automation/automation.h"
#include "sharedoffice.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace automation;

// The layout side of the object model on a headless LibreOffice Writer:
// sections, page setup, footers with page numbers, fields, styles and
// printing. Page numbers are checked in the exported PDF as well.
class TestLoLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sectionsAddSplitsAndCopiesLayout();
    void sectionsAddWithoutRangeAppends();
    void orientationSwapsSize_data();
    void orientationSwapsSize();
    void marginsRoundTrip_data();
    void marginsRoundTrip();
    void footerDistanceKeepsBodyBottom();
    void headerKeepsBodyTop();
    void mirrorMargins();
    void gridRoundTrip();
    void oddEvenPageNumbersInFooters();
    void pageNumberNotOnFirstPage();
    void restartNumberingAtSection();
    void linkToPreviousUnlinkKeepsCopy();
    void fieldsAddPageNumber();
    void styles_data();
    void styles();
    void headerStyleBottomBorder();
    void printOutToFile();
    void pdfPageNumbersOnOuterSide();
    void pdfRestartedNumbering();
    void gridCharactersPerLine_data();
    void gridCharactersPerLine();

private:
    // The footer of the given index laid out as "— n —" the way the layout
    // code does it.
    void writePageNumberFooter(const SectionPtr &section, int item);
    // The PDF of the document and its pages' text (with word boxes).
    QString exportPdf(const QString &name);
    QString pageText(const QString &pdf, int page, bool boxes = false);

    SharedOffice m_office;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
    QTemporaryDir m_dir;
};

namespace {

bool near(float a, float b)
{
    // Writer stores lengths in 1/100 mm (0.028 pt).
    return qAbs(a - b) < 0.05f;
}

// The official page: A4, mirrored margins 3.7/3.5/2.8/2.6 cm, the footer
// 2.8 cm above the page's edge, a grid of 22 lines of 28 characters, odd and
// even footers.
void setOfficialPage(const PageSetupPtr &ps)
{
    ps->setTopMargin(centimetersToPoints(3.7));
    ps->setBottomMargin(centimetersToPoints(3.5));
    ps->setLeftMargin(centimetersToPoints(2.8));
    ps->setRightMargin(centimetersToPoints(2.6));
    ps->setMirrorMargins(msoTrue);
    ps->setFooterDistance(centimetersToPoints(2.8));
    ps->setLayoutMode(wdLayoutModeGrid);
    ps->setPageWidth(centimetersToPoints(21.0));
    ps->setPageHeight(centimetersToPoints(29.7));
    ps->setLinesPage(22);
    ps->setCharsLine(28);
    ps->setOddAndEvenPagesHeaderFooter(msoTrue);
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
    m_app = m_office.application();
    QVERIFY2(m_app, "no headless office");
    QVERIFY(m_dir.isValid());
    m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("LOLAYOUT_KEEP"));
}

void TestLoLayout::init()
{
    m_doc = m_app->documents()->add();
    QVERIFY(m_doc);
}

void TestLoLayout::cleanup()
{
    if (m_doc)
        m_doc->close(Variant(false));
    m_doc.reset();
}

void TestLoLayout::sectionsAddSplitsAndCopiesLayout()
{
    m_doc->content()->setText(QStringLiteral("一\n二\n三"));
    SectionsPtr sections = m_doc->sections();
    QVERIFY(sections);
    QCOMPARE(sections->count(), 1L);
    SectionPtr first = sections->item(1);
    QVERIFY(first);
    QVERIFY(!sections->item(2));
    PageSetupPtr ps = first->pageSetup();
    ps->setTopMargin(centimetersToPoints(3.7));
    ps->setLeftMargin(centimetersToPoints(2.8));
    ps->setRightMargin(centimetersToPoints(2.6));
    ps->setBottomMargin(centimetersToPoints(3.5));
    ps->setMirrorMargins(msoTrue);

    SectionPtr added = sections->add(m_doc->range(2, 2), wdSectionNewPage);
    QVERIFY(added);
    QCOMPARE(sections->count(), 2L);
    QCOMPARE(added->index(), 2L);
    QCOMPARE(first->index(), 1L);
    // The break is a paragraph mark of its own before "二", as in Word.
    QCOMPARE(first->range()->text(), QStringLiteral("一\r\r"));
    QCOMPARE(added->range()->text(), QStringLiteral("二\r三\r"));
    QCOMPARE(added->range()->start(), 3L);

    PageSetupPtr copy = added->pageSetup();
    QVERIFY(near(copy->topMargin(), centimetersToPoints(3.7)));
    QVERIFY(near(copy->leftMargin(), centimetersToPoints(2.8)));
    QVERIFY(near(copy->rightMargin(), centimetersToPoints(2.6)));
    QVERIFY(near(copy->bottomMargin(), centimetersToPoints(3.5)));
    QCOMPARE(copy->mirrorMargins(), msoTrue);
    QVERIFY(near(copy->pageWidth(), ps->pageWidth()));

    // The sections' layouts are independent afterwards.
    copy->setOrientation(wdOrientLandscape);
    QCOMPARE(ps->orientation(), wdOrientPortrait);
    QVERIFY(ps->pageHeight() > ps->pageWidth());
    QVERIFY(copy->pageWidth() > copy->pageHeight());

    for (int item : {wdHeaderFooterPrimary, wdHeaderFooterFirstPage, wdHeaderFooterEvenPages}) {
        QCOMPARE(added->footers()->item(item)->linkToPrevious(), msoTrue);
        QCOMPARE(first->footers()->item(item)->linkToPrevious(), msoFalse);
    }
}

void TestLoLayout::sectionsAddWithoutRangeAppends()
{
    m_doc->content()->setText(QStringLiteral("正文"));
    SectionsPtr sections = m_doc->sections();
    SectionPtr added = sections->add(Variant(), wdSectionNewPage);
    QVERIFY(added);
    QCOMPARE(sections->count(), 2L);
    QCOMPARE(sections->item(1)->range()->text(), QStringLiteral("正文\r"));
    QCOMPARE(added->range()->text(), QStringLiteral("\r"));
    // A break belongs to the body: a footer's range is refused.
    RangePtr footer = added->footers()->item(wdHeaderFooterPrimary)->range();
    QVERIFY(footer);
    QVERIFY(!sections->add(footer, wdSectionNewPage));
    QCOMPARE(sections->count(), 2L);
}

void TestLoLayout::orientationSwapsSize_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("portrait to landscape") << int(wdOrientPortrait) << int(wdOrientLandscape);
    QTest::newRow("landscape to portrait") << int(wdOrientLandscape) << int(wdOrientPortrait);
    QTest::newRow("landscape twice") << int(wdOrientLandscape) << int(wdOrientLandscape);
}

void TestLoLayout::orientationSwapsSize()
{
    QFETCH(int, first);
    QFETCH(int, second);
    PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
    const float shortSide = centimetersToPoints(21.0);
    const float longSide = centimetersToPoints(29.7);
    ps->setPageWidth(shortSide);
    ps->setPageHeight(longSide);
    ps->setOrientation(first);
    ps->setOrientation(second);
    QCOMPARE(ps->orientation(), second);
    const bool landscape = second == wdOrientLandscape;
    QVERIFY(near(ps->pageWidth(), landscape ? longSide : shortSide));
    QVERIFY(near(ps->pageHeight(), landscape ? shortSide : longSide));
}

void TestLoLayout::marginsRoundTrip_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<double>("cm");
    QTest::newRow("top") << QStringLiteral("top") << 3.7;
    QTest::newRow("bottom") << QStringLiteral("bottom") << 3.5;
    QTest::newRow("left") << QStringLiteral("left") << 2.8;
    QTest::newRow("right") << QStringLiteral("right") << 2.6;
    QTest::newRow("footer distance") << QStringLiteral("footer") << 1.5;
    QTest::newRow("page width") << QStringLiteral("width") << 18.4;
    QTest::newRow("page height") << QStringLiteral("height") << 26.0;
}

void TestLoLayout::marginsRoundTrip()
{
    QFETCH(QString, which);
    QFETCH(double, cm);
    PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
    const float points = centimetersToPoints(cm);
    if (which == QLatin1String("top")) {
        ps->setTopMargin(points);
        QVERIFY(near(ps->topMargin(), points));
    } else if (which == QLatin1String("bottom")) {
        ps->setBottomMargin(points);
        QVERIFY(near(ps->bottomMargin(), points));
    } else if (which == QLatin1String("left")) {
        ps->setLeftMargin(points);
        QVERIFY(near(ps->leftMargin(), points));
    } else if (which == QLatin1String("right")) {
        ps->setRightMargin(points);
        QVERIFY(near(ps->rightMargin(), points));
    } else if (which == QLatin1String("footer")) {
        ps->setFooterDistance(points);
        QVERIFY(near(ps->footerDistance(), points));
    } else if (which == QLatin1String("width")) {
        ps->setPageWidth(points);
        QVERIFY(near(ps->pageWidth(), points));
    } else {
        ps->setPageHeight(points);
        QVERIFY(near(ps->pageHeight(), points));
    }
}

// Writer's bottom margin ends at the footer: turning the footer on or moving
// it must not move the body's bottom, as it does not in Word.
void TestLoLayout::footerDistanceKeepsBodyBottom()
{
    PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
    ps->setBottomMargin(centimetersToPoints(3.5));
    ps->setFooterDistance(centimetersToPoints(2.8));
    QVERIFY(near(ps->bottomMargin(), centimetersToPoints(3.5)));
    QVERIFY(near(ps->footerDistance(), centimetersToPoints(2.8)));
    ps->setBottomMargin(centimetersToPoints(3.2));
    QVERIFY(near(ps->bottomMargin(), centimetersToPoints(3.2)));
    QVERIFY(near(ps->footerDistance(), centimetersToPoints(2.8)));
    ps->setOddAndEvenPagesHeaderFooter(msoTrue);
    QCOMPARE(ps->oddAndEvenPagesHeaderFooter(), msoTrue);
    QVERIFY(near(ps->bottomMargin(), centimetersToPoints(3.2)));
    ps->setOddAndEvenPagesHeaderFooter(msoFalse);
    QCOMPARE(ps->oddAndEvenPagesHeaderFooter(), msoFalse);
    ps->setDifferentFirstPageHeaderFooter(msoTrue);
    QCOMPARE(ps->differentFirstPageHeaderFooter(), msoTrue);
    ps->setDifferentFirstPageHeaderFooter(msoFalse);
    QCOMPARE(ps->differentFirstPageHeaderFooter(), msoFalse);
}

void TestLoLayout::headerKeepsBodyTop()
{
    SectionPtr section = m_doc->sections()->item(1);
    PageSetupPtr ps = section->pageSetup();
    ps->setTopMargin(centimetersToPoints(3.7));
    HeaderFooterPtr header = section->headers()->item(wdHeaderFooterPrimary);
    QVERIFY(header);
    header->range()->setText(QStringLiteral("眉"));
    QCOMPARE(header->range()->text(), QStringLiteral("眉\r"));
    QVERIFY(near(ps->topMargin(), centimetersToPoints(3.7)));
    ps->setTopMargin(centimetersToPoints(4.0));
    QVERIFY(near(ps->topMargin(), centimetersToPoints(4.0)));
    // Headers and footers are apart.
    QCOMPARE(section->footers()->item(wdHeaderFooterPrimary)->range()->text(),
             QStringLiteral("\r"));
}

void TestLoLayout::mirrorMargins()
{
    PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
    QCOMPARE(ps->mirrorMargins(), msoFalse);
    ps->setMirrorMargins(msoTrue);
    QCOMPARE(ps->mirrorMargins(), msoTrue);
    ps->setMirrorMargins(msoFalse);
    QCOMPARE(ps->mirrorMargins(), msoFalse);
}

void TestLoLayout::gridRoundTrip()
{
    PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
    QCOMPARE(ps->layoutMode(), wdLayoutModeDefault);
    ps->setLayoutMode(wdLayoutModeGrid);
    ps->setLinesPage(22);
    ps->setCharsLine(28);
    QCOMPARE(ps->layoutMode(), wdLayoutModeGrid);
    QCOMPARE(ps->linesPage(), 22.0f);
    QCOMPARE(ps->charsLine(), 28.0f);
    // Other margins or a turned page keep the grid's counts.
    ps->setLeftMargin(centimetersToPoints(3.0));
    ps->setTopMargin(centimetersToPoints(3.0));
    ps->setOrientation(wdOrientLandscape);
    QCOMPARE(ps->charsLine(), 28.0f);
    QCOMPARE(ps->linesPage(), 22.0f);
    ps->setLayoutMode(wdLayoutModeLineGrid);
    QCOMPARE(ps->layoutMode(), wdLayoutModeLineGrid);
    ps->setLayoutMode(wdLayoutModeDefault);
    QCOMPARE(ps->layoutMode(), wdLayoutModeDefault);
}

void TestLoLayout::writePageNumberFooter(const SectionPtr &section, int item)
{
    HeaderFooterPtr footer = section->footers()->item(item);
    QVERIFY(footer);
    footer->range()->setText(QString());
    QVERIFY(footer->pageNumbers()->add(wdAlignPageNumberOutside, true));
    RangePtr range = footer->range();
    range->insertBefore(QStringLiteral("— "));
    range->setRange(range->start(), range->end() - 2);
    range->insertAfter(QStringLiteral(" —"));
}

void TestLoLayout::oddEvenPageNumbersInFooters()
{
    SectionPtr section = m_doc->sections()->item(1);
    section->pageSetup()->setOddAndEvenPagesHeaderFooter(msoTrue);
    for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
        HeaderFooterPtr footer = section->footers()->item(item);
        QCOMPARE(footer->index(), item);
        QCOMPARE(footer->pageNumbers()->count(), 0L);
        writePageNumberFooter(section, item);
        QCOMPARE(footer->pageNumbers()->count(), 1L);
        // "— n —" in the number's own paragraph, then the footer's empty
        // paragraph; the field is one character.
        const QString text = footer->range()->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^— \\S+ —\r\r$")).match(text).hasMatch(),
                 qPrintable(text));
        ParagraphsPtr paragraphs = footer->range()->paragraphs();
        QVERIFY(paragraphs);
        QCOMPARE(paragraphs->count(), 2L);
        QCOMPARE(paragraphs->item(1)->alignment(),
                 item == wdHeaderFooterEvenPages ? wdAlignParagraphLeft : wdAlignParagraphRight);
        QCOMPARE(footer->range()->end(), 7L);
    }
    // A different first page gets a footer of its own.
    section->pageSetup()->setDifferentFirstPageHeaderFooter(msoTrue);
    HeaderFooterPtr firstPage = section->footers()->item(wdHeaderFooterFirstPage);
    firstPage->range()->setText(QStringLiteral("首页"));
    QCOMPARE(firstPage->range()->text(), QStringLiteral("首页\r"));
    QCOMPARE(firstPage->pageNumbers()->count(), 0L);
    QCOMPARE(section->footers()->item(wdHeaderFooterPrimary)->pageNumbers()->count(), 1L);
    QVERIFY(!section->footers()->item(0));
    QVERIFY(!section->footers()->item(4));
}

// Without the number on the first page, the first page gets a footer of its
// own without the number.
void TestLoLayout::pageNumberNotOnFirstPage()
{
    m_doc->content()->setText(numberedParagraphs(60));
    SectionPtr section = m_doc->sections()->item(1);
    HeaderFooterPtr footer = section->footers()->item(wdHeaderFooterPrimary);
    QVERIFY(footer->pageNumbers()->add(wdAlignPageNumberCenter, false));
    QCOMPARE(section->pageSetup()->differentFirstPageHeaderFooter(), msoTrue);
    QCOMPARE(footer->pageNumbers()->count(), 1L);
    QCOMPARE(section->footers()->item(wdHeaderFooterFirstPage)->pageNumbers()->count(), 0L);
    const QString pdf = exportPdf(QStringLiteral("first.pdf"));
    QVERIFY(!pdf.isEmpty());
    QVERIFY(pageText(pdf, 2).contains(QStringLiteral("第60段\n\n2")));
    QVERIFY(!pageText(pdf, 1).contains(QStringLiteral("第48段\n\n1")));
}

void TestLoLayout::restartNumberingAtSection()
{
    m_doc->content()->setText(QStringLiteral("一\n二"));
    SectionPtr second = m_doc->sections()->add(m_doc->range(2, 2), wdSectionNewPage);
    QVERIFY(second);
    SectionPtr first = m_doc->sections()->item(1);
    PageNumbersPtr numbers = second->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
    QCOMPARE(numbers->restartNumberingAtSection(), msoFalse);
    numbers->setStartingNumber(1);
    numbers->setRestartNumberingAtSection(msoTrue);
    QCOMPARE(numbers->restartNumberingAtSection(), msoTrue);
    QCOMPARE(numbers->startingNumber(), 1L);
    numbers->setStartingNumber(5);
    QCOMPARE(numbers->startingNumber(), 5L);
    // The first section keeps its own numbering, and its page break.
    PageNumbersPtr firstNumbers = first->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
    QCOMPARE(firstNumbers->restartNumberingAtSection(), msoFalse);
    firstNumbers->setRestartNumberingAtSection(msoTrue);
    QCOMPARE(firstNumbers->restartNumberingAtSection(), msoTrue);
    QCOMPARE(m_doc->sections()->count(), 2L);
    firstNumbers->setRestartNumberingAtSection(msoFalse);
    QCOMPARE(firstNumbers->restartNumberingAtSection(), msoFalse);

    numbers->setRestartNumberingAtSection(msoFalse);
    QCOMPARE(numbers->restartNumberingAtSection(), msoFalse);
    // Turning it off must not remove the section's page style.
    QCOMPARE(m_doc->sections()->count(), 2L);
    QCOMPARE(second->index(), 2L);
}

void TestLoLayout::linkToPreviousUnlinkKeepsCopy()
{
    m_doc->content()->setText(QStringLiteral("一\n二"));
    SectionPtr first = m_doc->sections()->item(1);
    first->footers()->item(wdHeaderFooterPrimary)->range()->setText(QStringLiteral("共同页脚"));
    SectionPtr second = m_doc->sections()->add(m_doc->range(2, 2), wdSectionNewPage);
    HeaderFooterPtr footer = second->footers()->item(wdHeaderFooterPrimary);
    QCOMPARE(footer->linkToPrevious(), msoTrue);
    QCOMPARE(footer->range()->text(), QStringLiteral("共同页脚\r"));
    footer->setLinkToPrevious(msoFalse);
    QCOMPARE(footer->linkToPrevious(), msoFalse);
    QCOMPARE(footer->range()->text(), QStringLiteral("共同页脚\r"));
    footer->range()->setText(QStringLiteral("第二节"));
    QCOMPARE(footer->range()->text(), QStringLiteral("第二节\r"));
    QCOMPARE(first->footers()->item(wdHeaderFooterPrimary)->range()->text(),
             QStringLiteral("共同页脚\r"));
    // The first section has nothing to link to.
    first->footers()->item(wdHeaderFooterPrimary)->setLinkToPrevious(msoTrue);
    QCOMPARE(first->footers()->item(wdHeaderFooterPrimary)->linkToPrevious(), msoFalse);
}

void TestLoLayout::fieldsAddPageNumber()
{
    m_doc->content()->setText(QStringLiteral("第页"));
    FieldsPtr fields = m_doc->fields();
    QVERIFY(fields);
    QCOMPARE(fields->count(), 0L);
    QVERIFY(!fields->add(m_doc->range(1, 1), Variant(0)));
    FieldPtr field = fields->add(m_doc->range(1, 1), wdFieldPage);
    QVERIFY(field);
    QCOMPARE(field->type(), wdFieldPage);
    QCOMPARE(fields->count(), 1L);
    // The field is one character between the two others.
    QCOMPARE(m_doc->content()->end(), 4L);
    RangePtr result = field->result();
    QVERIFY(result);
    QCOMPARE(result->start(), 1L);
    QCOMPARE(result->end(), 2L);
    QCOMPARE(result->text(), QStringLiteral("1"));
}

void TestLoLayout::styles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("normal") << int(wdStyleNormal) << QStringLiteral("Standard");
    QTest::newRow("header") << int(wdStyleHeader) << QStringLiteral("Header");
}

void TestLoLayout::styles()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    StylesPtr styles = m_doc->styles();
    QVERIFY(styles);
    StylePtr style = styles->item(index);
    QVERIFY(style);
    QVERIFY(!style->nameLocal().isEmpty());
    QVERIFY(styles->item(name));
    FontPtr font = style->font();
    QVERIFY(font);
    font->setName(QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(font->name(), QStringLiteral("Noto Serif CJK SC"));
    QCOMPARE(font->nameFarEast(), QStringLiteral("Noto Serif CJK SC"));
    font->setNameAscii(QStringLiteral("Liberation Serif"));
    QCOMPARE(font->nameAscii(), QStringLiteral("Liberation Serif"));
    QCOMPARE(font->nameFarEast(), QStringLiteral("Noto Serif CJK SC"));
    font->setNameFarEast(QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(font->nameFarEast(), QStringLiteral("Noto Sans CJK SC"));
    QCOMPARE(font->name(), QStringLiteral("Liberation Serif"));
    font->setSize(16);
    QCOMPARE(font->size(), 16.0f);
    font->setBold(msoTrue);
    QCOMPARE(font->bold(), msoTrue);
    font->setBold(msoFalse);
    QCOMPARE(font->bold(), msoFalse);
    font->setItalic(1);
    QCOMPARE(font->italic(), msoTrue);
    font->setItalic(msoFalse);
    QCOMPARE(font->italic(), msoFalse);
    font->setColor(wdColorRed);
    QCOMPARE(font->color(), wdColorRed);
    font->setScaling(90);
    QCOMPARE(font->scaling(), 90);
}

void TestLoLayout::headerStyleBottomBorder()
{
    StylesPtr styles = m_doc->styles();
    QVERIFY(!styles->item(-99));
    QVERIFY(!styles->item(QStringLiteral("No Such Style")));
    BordersPtr borders = styles->item(wdStyleHeader)->borders();
    QVERIFY(borders);
    QVERIFY(!borders->item(-7));
    BorderPtr bottom = borders->item(wdBorderBottom);
    QVERIFY(bottom);
    bottom->setLineStyle(wdLineStyleSingle);
    bottom->setLineWidth(wdLineWidth075pt);
    QCOMPARE(bottom->lineStyle(), wdLineStyleSingle);
    QCOMPARE(bottom->lineWidth(), wdLineWidth075pt);
    bottom->setLineStyle(wdLineStyleNone);
    QCOMPARE(bottom->lineStyle(), wdLineStyleNone);
    QCOMPARE(borders->item(wdBorderTop)->lineStyle(), wdLineStyleNone);
}

void TestLoLayout::printOutToFile()
{
    m_doc->content()->setText(QStringLiteral("打印"));
    const QString file = m_dir.filePath(QStringLiteral("print.ps"));
    PrintOutOptions options;
    options.outputFileName = file;
    options.printToFile = true;
    QVERIFY(m_doc->printOut(options));
    QFile ps(file);
    QVERIFY(ps.open(QIODevice::ReadOnly));
    const QByteArray head = ps.read(8);
    QVERIFY2(head.startsWith("%!") || head.startsWith("%PDF"), head.constData());
}

QString TestLoLayout::exportPdf(const QString &name)
{
    const QString pdf = m_dir.filePath(name);
    PrintOutOptions options;
    options.outputFileName = pdf;
    options.printToFile = true;
    return m_doc->printOut(options) ? pdf : QString();
}

// pdftotext spaces out grid-aligned characters and may drop narrow spaces:
// the page's text is compared without any white space.
QString TestLoLayout::pageText(const QString &pdf, int page, bool boxes)
{
    QProcess tool;
    QStringList args {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                      QString::number(page)};
    if (boxes)
        args << QStringLiteral("-bbox");
    args << pdf << QStringLiteral("-");
    tool.start(QStringLiteral("pdftotext"), args);
    tool.waitForFinished(30000);
    QString text = QString::fromUtf8(tool.readAllStandardOutput());
    if (!boxes)
        text.remove(QRegularExpression(QStringLiteral("[ \\t\\f]")));
    return text;
}

// A two-page document with odd and even footers: the number is on the
// outer side of each page (right on page 1, left on page 2).
void TestLoLayout::pdfPageNumbersOnOuterSide()
{
    m_doc->content()->setText(numberedParagraphs(30));
    SectionPtr section = m_doc->sections()->item(1);
    setOfficialPage(section->pageSetup());
    m_doc->styles()->item(wdStyleNormal)->font()->setSize(16);
    writePageNumberFooter(section, wdHeaderFooterPrimary);
    writePageNumberFooter(section, wdHeaderFooterEvenPages);
    const QString pdf = exportPdf(QStringLiteral("pages.pdf"));
    QVERIFY(!pdf.isEmpty());
    QVERIFY2(pageText(pdf, 1).contains(QStringLiteral("—1—")), qPrintable(pageText(pdf, 1)));
    QVERIFY2(pageText(pdf, 2).contains(QStringLiteral("—2—")), qPrintable(pageText(pdf, 2)));
    QVERIFY(pageText(pdf, 3).trimmed().isEmpty());

    // Where the number is: the word box of the digit, against the page's
    // middle.
    static const QRegularExpression pageBox(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    static const QRegularExpression wordBox(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    for (int page : {1, 2}) {
        const QString boxes = pageText(pdf, page, true);
        const QRegularExpressionMatch size = pageBox.match(boxes);
        const double width = size.captured(1).toDouble();
        const double height = size.captured(2).toDouble();
        QVERIFY(width > 0);
        // The number is the lowest word naming the page (the body's "第n段"
        // are higher up).
        double numberX = -1;
        double numberY = -1;
        double numberBottom = -1;
        auto it = wordBox.globalMatch(boxes);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            if (m.captured(4) == QString::number(page) && m.captured(2).toDouble() > numberY) {
                numberX = m.captured(1).toDouble();
                numberY = m.captured(2).toDouble();
                numberBottom = m.captured(3).toDouble();
            }
        }
        QVERIFY2(numberX >= 0, qPrintable(QStringLiteral("no number on page %1").arg(page)));
        qInfo("page %d: number at x %.1f y %.1f-%.1f of %.1f x %.1f", page, numberX, numberY,
              numberBottom, width, height);
        QVERIFY(numberY > height * 0.85);
        // The number's line ends about the footer distance above the edge.
        QVERIFY(qAbs(height - numberBottom - centimetersToPoints(2.8)) < 6);
        if (page == 1)
            QVERIFY(numberX > width * 0.75);
        else
            QVERIFY(numberX < width * 0.25);
    }

    // Pictures of both pages, to look at.
    const QString prefix = QDir::temp().filePath(QStringLiteral("lolayout-page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                       QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                       QStringLiteral("2"), pdf, prefix});
}

void TestLoLayout::pdfRestartedNumbering()
{
    m_doc->content()->setText(QStringLiteral("一\n二"));
    SectionPtr first = m_doc->sections()->item(1);
    SectionPtr second = m_doc->sections()->add(m_doc->range(2, 2), wdSectionNewPage);
    QVERIFY(second);
    // Written after the split: the linked footer of the new section follows.
    writePageNumberFooter(first, wdHeaderFooterPrimary);
    const QString plain = exportPdf(QStringLiteral("plain.pdf"));
    QVERIFY2(pageText(plain, 1).contains(QStringLiteral("—1—")), qPrintable(pageText(plain, 1)));
    // The linked footer of the new section shows the number as well.
    QVERIFY(pageText(plain, 2).contains(QStringLiteral("—2—")));

    PageNumbersPtr numbers = second->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
    numbers->setStartingNumber(1);
    numbers->setRestartNumberingAtSection(msoTrue);
    const QString restarted = exportPdf(QStringLiteral("restarted.pdf"));
    QVERIFY(pageText(restarted, 1).contains(QStringLiteral("—1—")));
    QVERIFY(pageText(restarted, 2).contains(QStringLiteral("—1—")));
    QVERIFY(pageText(restarted, 2).contains(QStringLiteral("二")));
}

// The official grid: 22 lines of 28 characters of a 16 pt font on an A4 page
// with 3.7/3.5/2.8/2.6 cm margins.
void TestLoLayout::gridCharactersPerLine_data()
{
    QTest::addColumn<bool>("sizeFirst");
    QTest::newRow("grid, then the body's size") << false;
    QTest::newRow("the body's size, then the grid") << true;
}

void TestLoLayout::gridCharactersPerLine()
{
    QFETCH(bool, sizeFirst);
    FontPtr normal = m_doc->styles()->item(wdStyleNormal)->font();
    normal->setName(QStringLiteral("Noto Serif CJK SC"));
    if (sizeFirst)
        normal->setSize(16);
    setOfficialPage(m_doc->sections()->item(1)->pageSetup());
    if (!sizeFirst)
        normal->setSize(16);
    QString text;
    for (int i = 0; i < 30; ++i)
        text += QStringLiteral("永字八法之一二三四五六七八九十甲乙丙丁戊己庚辛壬癸子丑寅卯")
                    .left(28);
    m_doc->content()->setText(text);
    const QString pdf = exportPdf(QStringLiteral("grid.pdf"));
    QVERIFY(!pdf.isEmpty());
    // Characters per line: the words (single characters here) sharing the
    // first line's baseline, and the number of baselines on page 1.
    static const QRegularExpression wordBox(
        QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"[0-9.]+\" xMax=\"[0-9.]+\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QMap<int, QString> lines;
    auto it = wordBox.globalMatch(pageText(pdf, 1, true));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        lines[qRound(m.captured(1).toDouble())] += m.captured(2);
    }
    QVERIFY(lines.size() > 2);
    qInfo("characters on the first line: %d, lines on page 1: %d", int(lines.first().size()),
          int(lines.size()));
    QCOMPARE(lines.first(), text.left(28));
    QCOMPARE(lines.size(), 22);
}

QTEST_MAIN(TestLoLayout)
#include "tst_lolayout.moc"
