#include "layoutconformancetest.h"

#include <QtTest>

using namespace automation;

namespace {

// The official page: A4, mirrored margins, a grid of 22 lines of 28 characters.
void setOfficialPage(const PageSetupPtr &setup)
{
    setup->setTopMargin(95.24409f);
    setup->setBottomMargin(90.70866f);
    setup->setLeftMargin(79.37008f);
    setup->setRightMargin(73.70079f);
    setup->setMirrorMargins(1);
    setup->setFooterDistance(76.53543f);
    setup->setLayoutMode(wdLayoutModeGrid);
    setup->setPageWidth(595.2756f);
    setup->setPageHeight(841.8898f);
    setup->setLinesPage(22.0f);
    setup->setCharsLine(28.0f);
    setup->setOddAndEvenPagesHeaderFooter(1);
}

long pageOf(const RangePtr &range)
{
    const Variant page = range->information(wdActiveEndPageNumber);
    return page.isInt() ? page.toInt() : -1;
}

// Sets the page setup's property to the value (unless it is NaN) and reads it
// back; some rows change another property first or after, to show it stays.
using SetAndRead = double (*)(const SectionPtr &, double);

double cm(double centimeters)
{
    return centimetersToPoints(float(centimeters));
}

const QHash<QString, SetAndRead> &pageProperties()
{
    static const QHash<QString, SetAndRead> properties = {
        {"top",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setTopMargin(v);
             return double(s->pageSetup()->topMargin());
         }},
        {"bottom",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setBottomMargin(v);
             return double(s->pageSetup()->bottomMargin());
         }},
        {"left",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setLeftMargin(v);
             return double(s->pageSetup()->leftMargin());
         }},
        {"right",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setRightMargin(v);
             return double(s->pageSetup()->rightMargin());
         }},
        {"footer",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setFooterDistance(v);
             return double(s->pageSetup()->footerDistance());
         }},
        {"width",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setPageWidth(v);
             return double(s->pageSetup()->pageWidth());
         }},
        {"height",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setPageHeight(v);
             return double(s->pageSetup()->pageHeight());
         }},
        {"bottom, footer moved",
         [](const SectionPtr &s, double v) {
             const PageSetupPtr p = s->pageSetup();
             p->setBottomMargin(v);
             p->setFooterDistance(cm(2.8));
             p->setOddAndEvenPagesHeaderFooter(msoTrue);
             p->setDifferentFirstPageHeaderFooter(msoTrue);
             return double(p->bottomMargin());
         }},
        {"footer, bottom moved",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setBottomMargin(cm(3.5));
             s->pageSetup()->setFooterDistance(v);
             s->pageSetup()->setBottomMargin(cm(3.2));
             return double(s->pageSetup()->footerDistance());
         }},
        {"top with a header",
         [](const SectionPtr &s, double v) {
             s->headers()->item(wdHeaderFooterPrimary)->range()->setText(QStringLiteral("眉"));
             s->pageSetup()->setTopMargin(v);
             return double(s->pageSetup()->topMargin());
         }},
        {"mirror",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setMirrorMargins(int(v));
             return double(s->pageSetup()->mirrorMargins());
         }},
        {"odd and even",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setOddAndEvenPagesHeaderFooter(int(v));
             return double(s->pageSetup()->oddAndEvenPagesHeaderFooter());
         }},
        {"first page",
         [](const SectionPtr &s, double v) {
             s->pageSetup()->setDifferentFirstPageHeaderFooter(int(v));
             return double(s->pageSetup()->differentFirstPageHeaderFooter());
         }},
        {"layout mode",
         [](const SectionPtr &s, double v) {
             if (!qIsNaN(v))
                 s->pageSetup()->setLayoutMode(int(v));
             return double(s->pageSetup()->layoutMode());
         }},
        {"lines, page turned",
         [](const SectionPtr &s, double v) {
             const PageSetupPtr p = s->pageSetup();
             p->setLayoutMode(wdLayoutModeGrid);
             p->setLinesPage(v);
             p->setTopMargin(cm(3.0));
             p->setOrientation(wdOrientLandscape);
             return double(p->linesPage());
         }},
        {"characters, margins moved",
         [](const SectionPtr &s, double v) {
             const PageSetupPtr p = s->pageSetup();
             p->setLayoutMode(wdLayoutModeGrid);
             p->setCharsLine(v);
             p->setLeftMargin(cm(3.0));
             return double(p->charsLine());
         }},
        {"starting number",
         [](const SectionPtr &s, double v) {
             const PageNumbersPtr numbers
                 = s->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
             numbers->setStartingNumber(long(v));
             return double(numbers->startingNumber());
         }},
        {"restart",
         [](const SectionPtr &s, double v) {
             const PageNumbersPtr numbers
                 = s->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
             if (!qIsNaN(v))
                 numbers->setRestartNumberingAtSection(int(v));
             return double(numbers->restartNumberingAtSection());
         }},
        {"first page without a number",
         [](const SectionPtr &s, double) {
             s->footers()
                 ->item(wdHeaderFooterPrimary)
                 ->pageNumbers()
                 ->add(wdAlignPageNumberCenter, false);
             return double(s->footers()->item(wdHeaderFooterFirstPage)->pageNumbers()->count());
         }},
        {"width, landscape",
         [](const SectionPtr &s, double v) {
             const PageSetupPtr p = s->pageSetup();
             p->setPageWidth(cm(21.0));
             p->setPageHeight(cm(29.7));
             p->setOrientation(int(v));
             return double(p->orientation() == int(v) ? p->pageWidth() : -1);
         }},
        {"height, landscape twice",
         [](const SectionPtr &s, double v) {
             const PageSetupPtr p = s->pageSetup();
             p->setPageWidth(cm(21.0));
             p->setPageHeight(cm(29.7));
             p->setOrientation(int(v));
             p->setOrientation(int(v));
             return double(p->pageHeight());
         }},
        {"width, back to portrait",
         [](const SectionPtr &s, double v) {
             const PageSetupPtr p = s->pageSetup();
             p->setPageWidth(cm(21.0));
             p->setPageHeight(cm(29.7));
             p->setOrientation(wdOrientLandscape);
             p->setOrientation(int(v));
             return double(p->orientation() == int(v) ? p->pageWidth() : -1);
         }},
    };
    return properties;
}

} // namespace

void LayoutConformanceTest::pageSetupReadsBack_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const auto row = [](const char *property, double value, double expected) {
        QTest::newRow(property) << QString::fromUtf8(property) << value << expected;
    };
    const auto length = [&](const char *property, double centimeters) {
        row(property, cm(centimeters), cm(centimeters));
    };
    length("top", 3.7);
    length("bottom", 3.5);
    length("left", 2.8);
    length("right", 2.6);
    length("footer", 1.5);
    length("width", 18.4);
    length("height", 26.0);
    // A writer whose bottom margin ends at the footer must not move the
    // body's bottom when the footer is turned on or moved, as Word does not.
    length("bottom, footer moved", 3.5);
    length("footer, bottom moved", 2.8);
    length("top with a header", 4.0);
    row("mirror", msoTrue, msoTrue);
    row("odd and even", msoTrue, msoTrue);
    row("first page", msoTrue, msoTrue);
    QTest::newRow("no grid in a new document")
        << QStringLiteral("layout mode") << qQNaN() << double(wdLayoutModeDefault);
    row("layout mode", wdLayoutModeLineGrid, wdLayoutModeLineGrid);
    row("lines, page turned", 22, 22);
    row("characters, margins moved", 28, 28);
    row("starting number", 5, 5);
    QTest::newRow("numbering runs on in a new document")
        << QStringLiteral("restart") << qQNaN() << double(msoFalse);
    row("restart", msoTrue, msoTrue);
    // The number left off the first page: the first page's footer has none.
    row("first page without a number", qQNaN(), 0);
    row("width, landscape", wdOrientLandscape, cm(29.7));
    row("height, landscape twice", wdOrientLandscape, cm(21.0));
    row("width, back to portrait", wdOrientPortrait, cm(21.0));
}

// What is set on a section's page setup reads back to within 0.05 pt (a
// writer may keep 1/100 mm).
void LayoutConformanceTest::pageSetupReadsBack()
{
    QFETCH(QString, property);
    QFETCH(double, value);
    QFETCH(double, expected);
    const SectionPtr section = m_doc->sections()->item(1);
    QVERIFY(section);
    const SetAndRead setAndRead = pageProperties().value(property);
    QVERIFY(setAndRead);
    const double read = setAndRead(section, value);
    QVERIFY2(qAbs(read - expected) < 0.05,
             qPrintable(QStringLiteral("%1 read back as %2").arg(property).arg(read)));
}

void LayoutConformanceTest::newSectionCopiesPageSetup()
{
    QVERIFY(setBody({"第一节", "第二节"}));
    const SectionsPtr sections = m_doc->sections();
    QVERIFY(sections);
    QCOMPARE(sections->count(), 1L);
    const PageSetupPtr setup = sections->item(1)->pageSetup();
    QVERIFY(setup);
    // Values unlike a new document's, so that a copy shows.
    setOfficialPage(setup);
    setup->setOrientation(wdOrientLandscape);
    setup->setPageWidth(841.8898f);
    setup->setPageHeight(595.2756f);
    setup->setLinesPage(15.0f);
    setup->setCharsLine(40.0f);

    const SectionPtr second = sections->add(paragraphRange(2), wdSectionNewPage);
    QVERIFY(second);
    QCOMPARE(sections->count(), 2L);
    QCOMPARE(second->index(), 2L);
    QVERIFY(sections->item(1)->range()->text().startsWith(QStringLiteral("第一节")));
    QVERIFY(second->range()->text().startsWith(QStringLiteral("第二节")));

    const PageSetupPtr copy = second->pageSetup();
    QVERIFY(copy);
    for (auto get : {&PageSetup::topMargin, &PageSetup::bottomMargin, &PageSetup::leftMargin,
                     &PageSetup::rightMargin, &PageSetup::pageWidth, &PageSetup::pageHeight,
                     &PageSetup::footerDistance, &PageSetup::linesPage, &PageSetup::charsLine})
        QCOMPARE(((*copy).*get)(), ((*setup).*get)());
    for (auto get : {&PageSetup::mirrorMargins, &PageSetup::layoutMode,
                     &PageSetup::oddAndEvenPagesHeaderFooter, &PageSetup::orientation})
        QCOMPARE(((*copy).*get)(), ((*setup).*get)());
    QCOMPARE(copy->orientation(), wdOrientLandscape);
    QCOMPARE(copy->linesPage(), 15.0f);

    for (int index : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
        const HeaderFooterPtr footer = second->footers()->item(index);
        QVERIFY(footer);
        QCOMPARE(footer->index(), index);
        QVERIFY(footer->linkToPrevious() != 0);
    }
    QCOMPARE(pageOf(m_doc->range(0, 0)), 1L);
    const RangePtr opening = second->range()->paragraphs()->item(1)->range();
    QCOMPARE(opening->text(), QStringLiteral("第二节\r"));
    QCOMPARE(pageOf(opening), 2L);
}

void LayoutConformanceTest::footerLinking()
{
    QVERIFY(setBody({"甲", "乙"}));
    const SectionPtr second = m_doc->sections()->add(paragraphRange(2), wdSectionNewPage);
    QVERIFY(second);
    const HeaderFooterPtr first = m_doc->sections()->item(1)->footers()->item(1);
    const HeaderFooterPtr linked = second->footers()->item(1);
    QVERIFY(first && linked);

    first->range()->setText(QStringLiteral("第一节页脚"));
    QCOMPARE(first->range()->text(), QStringLiteral("第一节页脚\r"));
    QCOMPARE(linked->range()->text(), QStringLiteral("第一节页脚\r"));

    linked->setLinkToPrevious(0);
    QCOMPARE(linked->linkToPrevious(), 0);
    QCOMPARE(linked->range()->text(), QStringLiteral("第一节页脚\r"));
    linked->range()->setText(QStringLiteral("第二节页脚"));
    QCOMPARE(linked->range()->text(), QStringLiteral("第二节页脚\r"));
    QCOMPARE(first->range()->text(), QStringLiteral("第一节页脚\r"));
    QVERIFY(second->footers()->item(3)->linkToPrevious() != 0);
}

void LayoutConformanceTest::pageNumberFooter()
{
    const HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(1);
    QVERIFY(footer);
    footer->setLinkToPrevious(0);
    footer->pageNumbers()->setRestartNumberingAtSection(0);
    footer->range()->setText(QString());
    QCOMPARE(footer->range()->text(), QStringLiteral("\r"));

    const PageNumberPtr number = footer->pageNumbers()->add(wdAlignPageNumberOutside, true);
    QVERIFY(number);
    QCOMPARE(number->alignment(), wdAlignPageNumberOutside);

    // The page number ends up between the dashes.
    const RangePtr range = footer->range();
    range->insertBefore(QStringLiteral("— "));
    const long start = range->start();
    const long end = range->end();
    range->setRange(start, end - 2);
    range->insertAfter(QStringLiteral(" —"));
    QCOMPARE(range->start(), start);

    const ParagraphsPtr paragraphs = footer->range()->paragraphs();
    const RangePtr line = paragraphs->item(1)->range();
    // "— ", the field, " —" and the mark.
    QCOMPARE(line->end() - line->start(), 6L);
    const QString text = line->text();
    QVERIFY2(text.startsWith(QStringLiteral("— ")) && text.endsWith(QStringLiteral(" —\r")),
             qPrintable(text));
    const RangePtr field = footer->range();
    field->setRange(line->start() + 2, line->start() + 3);
    QVERIFY2(!field->text().isEmpty() && !field->text().contains(QChar(0x2014)),
             qPrintable(field->text()));
    for (long i = 2; i <= paragraphs->count(); ++i)
        QCOMPARE(paragraphs->item(i)->range()->text(), QStringLiteral("\r"));
}

void LayoutConformanceTest::pageFieldInFooterTextBox()
{
    const HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(1);
    QVERIFY(footer);
    footer->setLinkToPrevious(0);
    footer->range()->setText(QString());
    const ShapesPtr shapes = footer->shapes();
    QVERIFY(shapes);
    const ShapePtr box = shapes->addTextbox(msoTextOrientationDownward, 0, 0, 34.01575f, 56.69291f,
                                            footer->range());
    QVERIFY(box && box->textFrame());
    QCOMPARE(shapes->count(), 1L);
    QCOMPARE(m_doc->shapes()->count(), 0L);
    // Named, it is found by its name again.
    box->setName(QStringLiteral("页码"));
    QCOMPARE(shapes->item(1)->name(), QStringLiteral("页码"));

    const RangePtr text = box->textFrame()->textRange();
    const FieldPtr field = m_doc->fields()->add(text, wdFieldPage, QString(), 1);
    QVERIFY(field);
    QCOMPARE(field->type(), 33);
    text->insertBefore(QStringLiteral("— "));
    text->insertAfter(QStringLiteral(" —"));

    const RangePtr whole = box->textFrame()->textRange();
    QCOMPARE(whole->start(), 0L);
    QCOMPARE(whole->end(), 6L);
    QVERIFY2(whole->text().startsWith(QStringLiteral("— "))
                 && whole->text().endsWith(QStringLiteral(" —\r")),
             qPrintable(whole->text()));
}

void LayoutConformanceTest::pageFieldCountsAsOneCharacter()
{
    QVERIFY(setBody({"第页", "后"}));
    const FieldsPtr fields = m_doc->fields();
    QVERIFY(fields);
    QCOMPARE(fields->count(), 0L);
    const FieldPtr field = fields->add(m_doc->range(1, 1), wdFieldPage, QString(), 1);
    QVERIFY(field);
    QCOMPARE(field->type(), wdFieldPage);
    QCOMPARE(fields->count(), 1L);
    QCOMPARE(paragraphRange(1)->end(), 4L);
    QCOMPARE(paragraphRange(2)->start(), 4L);
    QCOMPARE(m_doc->range(2, 4)->text(), QStringLiteral("页\r"));
    QCOMPARE(m_doc->range(0, 1)->text(), QStringLiteral("第"));
}

void LayoutConformanceTest::pagination_data()
{
    QTest::addColumn<QString>("filler");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("wrapped");
    QTest::addColumn<int>("probe");
    QTest::addColumn<int>("page");
    // Short paragraphs take one line each; paragraph "wrapped" (if not 0) has
    // 40 characters and takes two.
    QTest::newRow("first paragraph") << "正文" << 23 << 0 << 1 << 1;
    QTest::newRow("line 22 on page 1") << "正文" << 22 << 0 << 22 << 1;
    QTest::newRow("line 23 on page 2") << "正文" << 23 << 0 << 23 << 2;
    QTest::newRow("empty paragraphs take a line") << "" << 23 << 0 << 23 << 2;
    QTest::newRow("wrapped paragraph takes two lines") << "正文" << 22 << 21 << 22 << 2;
    QTest::newRow("line 45 on page 3") << "正文" << 45 << 0 << 45 << 3;
}

void LayoutConformanceTest::pagination()
{
    QFETCH(QString, filler);
    QFETCH(int, count);
    QFETCH(int, wrapped);
    QFETCH(int, probe);
    QFETCH(int, page);
    setOfficialPage(m_doc->sections()->item(1)->pageSetup());
    QStringList body;
    for (int i = 1; i <= count; ++i)
        body.append(i == wrapped ? QString(40, QChar(0x5B57)) : filler);
    QVERIFY(setBody(body));
    const RangePtr content = m_doc->content();
    content->font()->setSize(16.0f);
    content->paragraphFormat()->setLineSpacingRule(wdLineSpaceExactly);
    content->paragraphFormat()->setLineSpacing(29.65f);
    const RangePtr range = paragraphRange(probe);
    QVERIFY(range);
    QCOMPARE(pageOf(range), long(page));
}

void LayoutConformanceTest::builtInStyles()
{
    QVERIFY(setBody({"正文"}));
    const StylesPtr styles = m_doc->styles();
    QVERIFY(styles);
    const StylePtr normal = styles->item(wdStyleNormal);
    QVERIFY(normal);
    QVERIFY(normal->borders());
    const FontPtr font = normal->font();
    QVERIFY(font);
    font->setNameFarEast(QStringLiteral("方正仿宋_GBK"));
    font->setNameAscii(QStringLiteral("宋体"));
    font->setSize(16.0f);
    font->setBold(0);
    QCOMPARE(font->nameFarEast(), QStringLiteral("方正仿宋_GBK"));
    QCOMPARE(font->nameAscii(), QStringLiteral("宋体"));
    QCOMPARE(font->size(), 16.0f);
    QCOMPARE(font->bold(), msoFalse);
    // Text without formatting of its own follows the style.
    QCOMPARE(m_doc->content()->font()->size(), 16.0f);
    QCOMPARE(m_doc->content()->font()->nameFarEast(), QStringLiteral("方正仿宋_GBK"));
    const ParagraphFormatPtr format = normal->paragraphFormat();
    QVERIFY(format);
    format->setLineSpacingRule(wdLineSpaceExactly);
    format->setLineSpacing(29.65f);
    QCOMPARE(format->lineSpacingRule(), wdLineSpaceExactly);
    QCOMPARE(qRound(format->lineSpacing() * 100), 2965);

    const StylePtr header = styles->item(wdStyleHeader);
    QVERIFY(header);
    QVERIFY(header->font());
    const BordersPtr borders = header->borders();
    QVERIFY(borders);
    const BorderPtr bottom = borders->item(wdBorderBottom);
    QVERIFY(bottom);
    bottom->setLineStyle(wdLineStyleNone);
    QCOMPARE(bottom->lineStyle(), wdLineStyleNone);
    bottom->setLineStyle(wdLineStyleSingle);
    bottom->setLineWidth(wdLineWidth075pt);
    QCOMPARE(bottom->lineStyle(), wdLineStyleSingle);
    QCOMPARE(bottom->lineWidth(), wdLineWidth075pt);
}

// Rewriting a footer from scratch must not stack a second page-number box on
// the first: emptying the whole footer takes the boxes anchored in it along,
// while an edit of part of its text keeps them.
void LayoutConformanceTest::emptyingFooterRemovesItsBoxes()
{
    const HeaderFooterPtr footer
        = m_doc->sections()->item(1)->footers()->item(wdHeaderFooterPrimary);
    QVERIFY(footer);
    footer->range()->setText(QStringLiteral("页脚"));
    QVERIFY(footer->shapes()->addTextbox(msoTextOrientationDownward, 0, 0, 34.01575f, 56.69291f,
                                         Variant(footer->range())));
    QVERIFY(
        m_doc->shapes()->addShape(msoShapeRectangle, 0, 0, 50, 20, Variant(m_doc->range(0, 0))));

    const RangePtr part = footer->range();
    part->setRange(0, 1);
    part->setText(QString());
    QCOMPARE(footer->shapes()->count(), 1L);

    footer->range()->setText(QString());
    QCOMPARE(footer->shapes()->count(), 0L);
    QCOMPARE(m_doc->shapes()->count(), 1L);
}

// Turning a page to landscape swaps its width and height when they do not
// fit; turning it back swaps them again. Lengths may come back rounded to the
// writer's own unit (LibreOffice keeps twentieths of a point).
void LayoutConformanceTest::orientationTurnsThePage()
{
    const PageSetupPtr setup = m_doc->sections()->item(1)->pageSetup();
    QVERIFY(setup);
    auto near = [](float a, float b) { return qAbs(a - b) <= 0.06f; };
    setup->setPageWidth(595.2756f);
    setup->setPageHeight(841.8898f);
    setup->setOrientation(wdOrientLandscape);
    QCOMPARE(setup->orientation(), wdOrientLandscape);
    QVERIFY2(near(setup->pageWidth(), 841.8898f), qPrintable(QString::number(setup->pageWidth())));
    QVERIFY2(near(setup->pageHeight(), 595.2756f),
             qPrintable(QString::number(setup->pageHeight())));
    setup->setOrientation(wdOrientPortrait);
    QVERIFY(near(setup->pageWidth(), 595.2756f));
    QVERIFY(near(setup->pageHeight(), 841.8898f));
}
