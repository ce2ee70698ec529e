#include "conformancesuite.h"

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

double cm(double centimeters)
{
    return centimetersToPoints(float(centimeters));
}

using SetAndRead = double (*)(const SectionPtr &, double);

} // namespace

Q_DECLARE_METATYPE(SetAndRead)

#define PAGE_SETUP(getter, setter) SET_AND_READ(SectionPtr, d->pageSetup(), getter, setter)
#define PAGE_NUMBERS(getter, setter)                                                               \
    SET_AND_READ(SectionPtr, d->footers()->item(wdHeaderFooterPrimary)->pageNumbers(), getter,     \
                 setter)

void LayoutConformanceTest::pageSetupReadsBack_data()
{
    QTest::addColumn<SetAndRead>("property");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    // Reads back the value set unless another is expected.
    const auto row
        = [](const char *name, SetAndRead property, double value, double expected = qQNaN()) {
              QTest::newRow(name) << property << value << (qIsNaN(expected) ? value : expected);
          };
    const SetAndRead bottomFooterMoved = [](const SectionPtr &d, double v) {
        const PageSetupPtr p = d->pageSetup();
        p->setBottomMargin(v);
        p->setFooterDistance(cm(2.8));
        p->setOddAndEvenPagesHeaderFooter(msoTrue);
        p->setDifferentFirstPageHeaderFooter(msoTrue);
        return double(p->bottomMargin());
    };
    const SetAndRead footerBottomMoved = [](const SectionPtr &d, double v) {
        d->pageSetup()->setBottomMargin(cm(3.5));
        d->pageSetup()->setFooterDistance(v);
        d->pageSetup()->setBottomMargin(cm(3.2));
        return double(d->pageSetup()->footerDistance());
    };
    const SetAndRead topWithHeader = [](const SectionPtr &d, double v) {
        d->headers()->item(wdHeaderFooterPrimary)->range()->setText(QStringLiteral("眉"));
        d->pageSetup()->setTopMargin(v);
        return double(d->pageSetup()->topMargin());
    };
    const SetAndRead linesPageTurned = [](const SectionPtr &d, double v) {
        const PageSetupPtr p = d->pageSetup();
        p->setLayoutMode(wdLayoutModeGrid);
        p->setLinesPage(v);
        p->setTopMargin(cm(3.0));
        p->setOrientation(wdOrientLandscape);
        return double(p->linesPage());
    };
    const SetAndRead charactersMarginsMoved = [](const SectionPtr &d, double v) {
        const PageSetupPtr p = d->pageSetup();
        p->setLayoutMode(wdLayoutModeGrid);
        p->setCharsLine(v);
        p->setLeftMargin(cm(3.0));
        return double(p->charsLine());
    };
    // Turned from portrait A4 (to landscape, and back when v is portrait): the
    // width swaps with the height only when it does not fit the orientation.
    const SetAndRead turnedWidth = [](const SectionPtr &d, double v) {
        const PageSetupPtr p = d->pageSetup();
        p->setPageWidth(595.2756f);
        p->setPageHeight(841.8898f);
        for (int orientation : {wdOrientLandscape, wdOrientLandscape, int(v)})
            p->setOrientation(orientation);
        return double(p->orientation() == int(v) ? p->pageWidth() + p->pageHeight() / 100 : -1);
    };
    // The number left off the first page: the first page's footer has none.
    const SetAndRead firstPageNumbers = [](const SectionPtr &d, double) {
        const HeadersFootersPtr footers = d->footers();
        footers->item(wdHeaderFooterPrimary)->pageNumbers()->add(wdAlignPageNumberCenter, false);
        return double(footers->item(wdHeaderFooterFirstPage)->pageNumbers()->count());
    };
    row("top", PAGE_SETUP(topMargin, setTopMargin), cm(3.7));
    row("bottom", PAGE_SETUP(bottomMargin, setBottomMargin), cm(3.5));
    row("left", PAGE_SETUP(leftMargin, setLeftMargin), cm(2.8));
    row("right", PAGE_SETUP(rightMargin, setRightMargin), cm(2.6));
    row("footer", PAGE_SETUP(footerDistance, setFooterDistance), cm(1.5));
    row("width", PAGE_SETUP(pageWidth, setPageWidth), cm(18.4));
    row("height", PAGE_SETUP(pageHeight, setPageHeight), cm(26.0));
    // A writer whose bottom margin ends at the footer must not move the
    // body's bottom when the footer is turned on or moved, as Word does not.
    row("bottom, footer moved", bottomFooterMoved, cm(3.5));
    row("footer, bottom moved", footerBottomMoved, cm(2.8));
    row("top with a header", topWithHeader, cm(4.0));
    row("mirror", PAGE_SETUP(mirrorMargins, setMirrorMargins), msoTrue);
    row("odd and even", PAGE_SETUP(oddAndEvenPagesHeaderFooter, setOddAndEvenPagesHeaderFooter),
        msoTrue);
    row("first page", PAGE_SETUP(differentFirstPageHeaderFooter, setDifferentFirstPageHeaderFooter),
        msoTrue);
    row("no grid in a new document", PAGE_SETUP(layoutMode, setLayoutMode), qQNaN(),
        wdLayoutModeDefault);
    row("line grid", PAGE_SETUP(layoutMode, setLayoutMode), wdLayoutModeLineGrid);
    row("lines, page turned", linesPageTurned, 22);
    row("characters, margins moved", charactersMarginsMoved, 28);
    row("starting number", PAGE_NUMBERS(startingNumber, setStartingNumber), 5);
    const SetAndRead restart
        = PAGE_NUMBERS(restartNumberingAtSection, setRestartNumberingAtSection);
    row("numbering runs on in a new document", restart, qQNaN(), msoFalse);
    row("restart", restart, msoTrue);
    row("first page without a number", firstPageNumbers, qQNaN(), 0);
    row("turned landscape twice", turnedWidth, wdOrientLandscape, 841.8898 + 5.952756);
    row("turned back", turnedWidth, wdOrientPortrait, 595.2756 + 8.418898);
}

// What is set on a section's page setup reads back to within 0.05 pt.
void LayoutConformanceTest::pageSetupReadsBack()
{
    QFETCH(SetAndRead, property);
    QFETCH(double, value);
    QFETCH(double, expected);
    const double read = property(m_doc->sections()->item(1), value);
    QVERIFY2(qAbs(read - expected) < 0.05, qPrintable(QString::number(read)));
}

void LayoutConformanceTest::newSectionCopiesPageSetup()
{
    QVERIFY(setBody({"第一节", "第二节"}));
    const SectionsPtr sections = m_doc->sections();
    const PageSetupPtr setup = sections->item(1)->pageSetup();
    // Values unlike a new document's, so that a copy shows.
    setOfficialPage(setup);
    setup->setOrientation(wdOrientLandscape);
    setup->setLinesPage(15.0f);
    setup->setCharsLine(40.0f);

    const SectionPtr second = sections->add(paragraphRange(2), wdSectionNewPage);
    QCOMPARE(sections->count(), 2L);
    QCOMPARE(second->index(), 2L);
    QVERIFY(sections->item(1)->range()->text().startsWith(QStringLiteral("第一节")));
    const PageSetupPtr copy = second->pageSetup();
    for (auto get : {&PageSetup::topMargin, &PageSetup::bottomMargin, &PageSetup::leftMargin,
                     &PageSetup::rightMargin, &PageSetup::pageWidth, &PageSetup::pageHeight,
                     &PageSetup::footerDistance, &PageSetup::linesPage, &PageSetup::charsLine})
        QCOMPARE(((*copy).*get)(), ((*setup).*get)());
    for (auto get : {&PageSetup::mirrorMargins, &PageSetup::layoutMode,
                     &PageSetup::oddAndEvenPagesHeaderFooter, &PageSetup::orientation})
        QCOMPARE(((*copy).*get)(), ((*setup).*get)());
    QCOMPARE(pageOf(m_doc->range(0, 0)), 1L);
    const RangePtr opening = second->range()->paragraphs()->item(1)->range();
    QCOMPARE(QStringLiteral("%1:%2").arg(pageOf(opening)).arg(opening->text()), "2:第二节\r");
}

void LayoutConformanceTest::footerLinking()
{
    QVERIFY(setBody({"甲", "乙"}));
    const SectionPtr second = m_doc->sections()->add(paragraphRange(2), wdSectionNewPage);
    const HeaderFooterPtr first = m_doc->sections()->item(1)->footers()->item(1);
    const HeaderFooterPtr linked = second->footers()->item(1);

    first->range()->setText(QStringLiteral("第一节页脚"));
    QCOMPARE(linked->range()->text(), QStringLiteral("第一节页脚\r"));

    linked->setLinkToPrevious(0);
    QCOMPARE(linked->linkToPrevious(), 0);
    QCOMPARE(linked->range()->text(), QStringLiteral("第一节页脚\r"));
    linked->range()->setText(QStringLiteral("第二节页脚"));
    QCOMPARE(linked->range()->text(), QStringLiteral("第二节页脚\r"));
    QCOMPARE(first->range()->text(), QStringLiteral("第一节页脚\r"));
    const HeaderFooterPtr even = second->footers()->item(wdHeaderFooterEvenPages);
    QVERIFY(even->index() == wdHeaderFooterEvenPages && even->linkToPrevious() != 0);
}

void LayoutConformanceTest::pageNumberFooter()
{
    const HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(1);
    footer->setLinkToPrevious(0);
    footer->pageNumbers()->setRestartNumberingAtSection(0);
    footer->range()->setText(QString());
    QCOMPARE(footer->range()->text(), QStringLiteral("\r"));

    const PageNumberPtr number = footer->pageNumbers()->add(wdAlignPageNumberOutside, true);
    QCOMPARE(number->alignment(), wdAlignPageNumberOutside);

    // The page number ends up between the dashes.
    const RangePtr range = footer->range();
    range->insertBefore(QStringLiteral("— "));
    const long start = range->start();
    range->setRange(start, range->end() - 2);
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
    footer->setLinkToPrevious(0);
    footer->range()->setText(QString());
    const ShapesPtr shapes = footer->shapes();
    const ShapePtr box = shapes->addTextbox(msoTextOrientationDownward, 0, 0, 34.01575f, 56.69291f,
                                            footer->range());
    QVERIFY(box && box->textFrame());
    QCOMPARE(shapes->count(), 1L);
    QCOMPARE(m_doc->shapes()->count(), 0L);
    // Named, it is found by its name again.
    box->setName(QStringLiteral("页码"));
    QCOMPARE(shapes->item(1)->name(), QStringLiteral("页码"));

    const RangePtr text = box->textFrame()->textRange();
    QCOMPARE(m_doc->fields()->add(text, wdFieldPage, QString(), 1)->type(), wdFieldPage);
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
    QCOMPARE(fields->count(), 0L);
    const FieldPtr field = fields->add(m_doc->range(1, 1), wdFieldPage, QString(), 1);
    QCOMPARE(field->type(), wdFieldPage);
    QCOMPARE(fields->count(), 1L);
    QCOMPARE((QStringList {startAndText(m_doc->range(0, 1)), startAndText(m_doc->range(2, 4)),
                           startAndText(paragraphRange(2))}),
             (QStringList {"0:第", "2:页\r", "4:后\r"}));
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
    const RangePtr selected = m_doc->range(0, 1);
    selected->select();
    QCOMPARE(pageOf(paragraphRange(probe)), long(page));
    // Asking does not move the selection; an unknown question has no answer.
    QCOMPARE(startAndText(m_app->selection()->range()), startAndText(selected));
    QVERIFY(content->information(0).isMissing());
}

void LayoutConformanceTest::builtInStyles()
{
    QVERIFY(setBody({"正文"}));
    const StylesPtr styles = m_doc->styles();
    const StylePtr normal = styles->item(wdStyleNormal);
    QVERIFY(normal && normal->borders());
    const FontPtr font = normal->font();
    font->setNameFarEast(QStringLiteral("方正仿宋_GBK"));
    font->setNameAscii(QStringLiteral("宋体"));
    font->setSize(16.0f);
    font->setBold(0);
    const auto described = [](const FontPtr &f) {
        return QStringLiteral("%1/%2/%3/%4")
            .arg(f->nameFarEast(), f->nameAscii())
            .arg(f->size())
            .arg(f->bold());
    };
    QCOMPARE(described(font), QStringLiteral("方正仿宋_GBK/宋体/16/0"));
    // Text without formatting of its own follows the style.
    QCOMPARE(described(m_doc->content()->font()), described(font));
    const ParagraphFormatPtr format = normal->paragraphFormat();
    format->setLineSpacingRule(wdLineSpaceExactly);
    format->setLineSpacing(29.65f);
    QCOMPARE(format->lineSpacingRule() * 10000 + qRound(format->lineSpacing() * 100),
             wdLineSpaceExactly * 10000 + 2965);

    const BorderPtr bottom = styles->item(wdStyleHeader)->borders()->item(wdBorderBottom);
    bottom->setLineStyle(wdLineStyleNone);
    QCOMPARE(bottom->lineStyle(), wdLineStyleNone);
    bottom->setLineStyle(wdLineStyleSingle);
    bottom->setLineWidth(wdLineWidth075pt);
    QCOMPARE(bottom->lineStyle() * 100 + bottom->lineWidth(),
             wdLineStyleSingle * 100 + wdLineWidth075pt);
}

// Emptying a whole footer takes the boxes anchored in it along (no second
// page-number box when it is rewritten); an edit of part of its text keeps them.
void LayoutConformanceTest::emptyingFooterRemovesItsBoxes()
{
    const HeaderFooterPtr footer
        = m_doc->sections()->item(1)->footers()->item(wdHeaderFooterPrimary);
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
