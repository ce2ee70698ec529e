#include "pagefooters.h"

#include "automation/automation.h"

using namespace automation;

namespace format {

namespace {

const QString kBefore = QStringLiteral("— ");
const QString kAfter = QStringLiteral(" —");

// Unlinks the footer from the previous section, lets its numbering run on
// and empties it.
void clearFooter(const HeaderFooterPtr &footer)
{
    footer->setLinkToPrevious(0);
    if (PageNumbersPtr numbers = footer->pageNumbers())
        numbers->setRestartNumberingAtSection(0);
    if (RangePtr range = footer->range())
        range->setText(QString());
}

// Runs `write` on the section's odd- and even-page footers (its item kind
// given), each cleared first.
template<class Write> void rewriteFooters(const SectionPtr &section, Write write)
{
    HeadersFootersPtr footers = section->footers();
    if (!footers)
        return;
    for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
        if (HeaderFooterPtr footer = footers->item(item)) {
            clearFooter(footer);
            write(footer, item);
        }
    }
}

void setNumberFont(const RangePtr &range, const QString &font)
{
    if (FontPtr f = range->font()) {
        f->setName(font);
        f->setSize(14.0f);
    }
}

} // namespace

void writePortraitFooters(const SectionPtr &section, const QString &font)
{
    rewriteFooters(section, [&](const HeaderFooterPtr &footer, int) {
        if (PageNumbersPtr numbers = footer->pageNumbers())
            numbers->add(Variant(wdAlignPageNumberOutside), Variant(true));
        RangePtr range = footer->range();
        if (!range)
            return;
        range->insertBefore(kBefore);
        const long start = range->start();
        const long end = range->end();
        range->setRange(start, end - 2);
        range->insertAfter(kAfter);
        if (ParagraphsPtr paragraphs = range->paragraphs()) {
            if (ParagraphPtr first = paragraphs->item(1)) {
                first->setCharacterUnitLeftIndent(1.0f);
                first->setCharacterUnitRightIndent(1.0f);
            }
        }
        setNumberFont(range, font);
    });
}

void writeLandscapeFooters(const DocumentPtr &document, const SectionPtr &section,
                           const QString &font, bool placeOnPageFirst)
{
    rewriteFooters(section, [&](const HeaderFooterPtr &footer, int item) {
        ShapesPtr shapes = footer->shapes();
        if (!shapes)
            return;
        ShapePtr box = shapes->addTextbox(msoTextOrientationDownward, 0, 0, 34.01575f, 56.69291f,
                                          Variant(footer->range()));
        if (!box)
            return;
        if (FillFormatPtr fill = box->fill())
            fill->setVisible(msoFalse);
        if (LineFormatPtr line = box->line())
            line->setVisible(msoFalse);
        if (placeOnPageFirst && item == wdHeaderFooterPrimary) {
            box->setLeft(62.92913f);
            box->setTop(453.5433f);
        }
        box->setRelativeVerticalPosition(wdRelativeVerticalPositionLine);
        box->setRelativeHorizontalPosition(wdRelativeHorizontalPositionColumn);
        box->setLeft(-36.85040f);
        box->setTop(item == wdHeaderFooterPrimary ? -130.39371f : -497.48032f);

        TextFramePtr frame = box->textFrame();
        RangePtr text = frame ? frame->textRange() : nullptr;
        if (!text)
            return;
        if (FieldsPtr fields = document->fields())
            fields->add(text, Variant(wdFieldPage), Variant(QString()), Variant(1));
        text->insertBefore(kBefore);
        text->insertAfter(kAfter);
        setNumberFont(text, font);
    });
}

} // namespace format
