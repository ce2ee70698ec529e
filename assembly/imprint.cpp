#include "imprint.h"

#include "automation/automation.h"
#include "blocktarget.h"
#include "boxformat.h"
#include "pagegeometry.h"
#include "templatestore.h"

using namespace automation;

namespace assembly {

namespace {

const float typeAreaWidth = centimetersToPoints(page::typeAreaWidth);
const float tableFontSize = 14;
const float disclosureSize = 16;
const int wideScaling = 85;

void deleteImprints(const ShapesPtr &shapes)
{
    for (long i = shapes->count(); i >= 1; --i) {
        const ShapePtr shape = shapes->item(i);
        if (shape && shape->name() == QLatin1String(ImprintShapeName))
            shape->remove();
    }
}

void setBorder(const BordersPtr &borders, int side, int style, int width = 0)
{
    const BorderPtr border = borders ? borders->item(side) : nullptr;
    if (!border)
        return;
    border->setLineStyle(style);
    if (width > 0)
        border->setLineWidth(width);
}

// A row's one cell: the type area's width, at least the configured height,
// ruled above and below as asked, never at the sides.
void setRow(const CellPtr &cell, float height, int topWidth, int bottomWidth)
{
    if (!cell)
        return;
    cell->setWidth(typeAreaWidth);
    cell->setHeight(height);
    const BordersPtr borders = cell->borders();
    setBorder(borders, wdBorderLeft, wdLineStyleNone);
    setBorder(borders, wdBorderRight, wdLineStyleNone);
    setBorder(borders, wdBorderTop, wdLineStyleSingle, topWidth);
    setBorder(borders, wdBorderBottom, wdLineStyleSingle, bottomWidth);
}

// Draws the whole box anchored at the end of `anchor`; null when the writer
// gives no box.
ShapePtr drawBox(const DocumentPtr &document, const ShapesPtr &shapes, const RangePtr &anchor,
                 const ImprintInput &input, const ImprintRows &rows, const ImprintSettings &s)
{
    anchor->setRange(anchor->end(), anchor->end());
    anchor->select();
    const ShapePtr box
        = shapes->addShape(msoShapeRectangle, 0, 0, typeAreaWidth, 10, Variant(anchor));
    if (!box)
        return nullptr;
    box->setName(QLatin1String(ImprintShapeName));
    box->fill()->setVisible(msoFalse);
    box->setRelativeVerticalPosition(wdRelativeVerticalPositionMargin);
    box->setRelativeHorizontalPosition(wdRelativeHorizontalPositionMargin);
    box->setTop(wdShapeBottom);
    box->setLeft(wdShapeLeft);
    setPlainBox(box, 0);
    const TextFramePtr frame = box->textFrame();
    if (!frame)
        return box;

    if (!input.disclosure.isEmpty()) {
        TextLook look;
        look.font = s.disclosureFont;
        look.size = disclosureSize;
        writeBoxText(box, QStringLiteral("公开方式：") + input.disclosure + QStringLiteral("\n\n"),
                     look, s.disclosureSpacing, wdAlignParagraphLeft);
    }
    const RangePtr spacer = frame->textRange();
    if (!spacer)
        return box;
    spacer->setRange(spacer->end(), spacer->end());
    TextLook tiny;
    tiny.size = 1;
    if (const FontPtr font = spacer->font()) {
        font->setSize(tiny.size);
        font->setColor(tiny.color);
    }
    setExactLines(spacer, s.spacerSpacing, wdAlignParagraphLeft);

    const TablePtr table = document->tables()->add(spacer, 2, 1, Variant(wdWord8TableBehavior),
                                                   Variant(wdAutoFitFixed));
    if (!table)
        return box;
    table->setLeftPadding(0);
    table->setRightPadding(0);
    table->setTopPadding(0);
    table->setBottomPadding(0);
    setBorder(table->borders(), wdBorderLeft, wdLineStyleNone);
    setBorder(table->borders(), wdBorderRight, wdLineStyleNone);

    // Cell by cell, as the whole table's range would do: the embedded
    // office formats a range across cells in its first cell only.
    const bool letter = input.kind == QLatin1String(TemplateKind::Letter);
    const float rowHeight = centimetersToPoints(s.rowHeight);
    for (long row = 1; row <= (letter ? 1 : 2); ++row) {
        const CellPtr cell = table->cell(row, 1);
        const RangePtr text = cell ? cell->range() : nullptr;
        if (!text)
            continue;
        text->setText(row == 1 ? rows.first : rows.second);
        TextLook look;
        look.size = tableFontSize;
        look.font = s.bodyFont;
        look.westernFont = s.westernFont;
        look.scaling = row == 2 ? rows.scaling : 0;
        setLook(text, look);
        if (const ParagraphFormatPtr format = text->paragraphFormat()) {
            format->setLineSpacingRule(wdLineSpaceSingle);
            // Mended: one character in from either end of the rules, lines
            // after the first under the text after "抄送：". A left indent of
            // 1 with the hanging 3 would start the first line two
            // characters left of the rules.
            format->setCharacterUnitLeftIndent(4);
            format->setCharacterUnitRightIndent(1);
            format->setCharacterUnitFirstLineIndent(-3);
            if (row == 2)
                format->setAlignment(wdAlignParagraphDistribute);
        }
        setRow(cell, rowHeight, row == 1 ? s.outerRule : s.innerRule,
               row == 1 ? s.innerRule : s.outerRule);
    }

    const RowsPtr tableRows = table->rows();
    if (letter) {
        // Row 2 goes first: the row that stays last is then unruled for good.
        if (const RowPtr second = tableRows ? tableRows->item(2) : nullptr)
            second->remove();
        if (const CellPtr first = table->cell(1, 1)) {
            setBorder(first->borders(), wdBorderTop, wdLineStyleNone);
            setBorder(first->borders(), wdBorderBottom, wdLineStyleNone);
        }
        if (input.copyTo.isEmpty()) {
            if (const RowPtr only = tableRows ? tableRows->item(1) : nullptr)
                only->remove();
        }
        return box;
    }
    if (rows.first.isEmpty()) {
        if (const RowPtr row = tableRows ? tableRows->item(1) : nullptr)
            row->remove();
        if (const CellPtr remaining = table->cell(1, 1))
            setBorder(remaining->borders(), wdBorderTop, wdLineStyleSingle, wdLineWidth100pt);
    }
    return box;
}

// The page of a range's end.
long pageOf(const RangePtr &range)
{
    return range->information(wdActiveEndPageNumber).toInt();
}

} // namespace

ImprintRows imprintRows(const ImprintInput &input, const QString &unit)
{
    ImprintRows rows;
    const QString copyTo
        = input.copyTo.isEmpty() ? QString() : QStringLiteral("抄送：") + input.copyTo;
    if (input.kind == QLatin1String(TemplateKind::Minutes) && !input.distribution.isEmpty()) {
        rows.first = QStringLiteral("分送：") + input.distribution;
        if (!copyTo.isEmpty())
            rows.first += QStringLiteral("\n") + copyTo;
    } else {
        rows.first = copyTo;
    }
    const QString issued = input.date + QStringLiteral("印发");
    const int length = unit.length();
    int base = 54;
    if (length >= 19) {
        base = 50;
        rows.scaling = wideScaling;
    } else if (length >= 16) {
        base = 56;
        rows.scaling = wideScaling;
    } else if (length >= 10) {
        base = 49;
    }
    const int blanks = base - length - 2 * issued.length() - 1;
    rows.second = unit + QString(qMax(blanks, 0), QLatin1Char(' ')) + issued;
    return rows;
}

Outcome drawImprint(const ApplicationPtr &app, const ImprintInput &input, const ImprintSettings &s)
{
    const BlockTarget target = blockTarget(app, 0);
    if (target.outcome != Outcome::Done)
        return target.outcome;
    const ImprintRows rows = imprintRows(input, input.unit.isEmpty() ? s.unit : input.unit);

    deleteImprints(target.shapes);
    const long textEnd = target.anchor->end();
    const ShapePtr box = drawBox(target.document, target.shapes, target.anchor, input, rows, s);
    if (!box)
        return Outcome::Done;

    // Mended: the box is pinned to the foot of the type area whatever stands
    // there. A probe paragraph as tall as the box, put after the text, tells
    // whether the box fits below the last line: when the probe falls onto a
    // new page, it stays there, holding the box at the foot of that page;
    // otherwise it is taken out again.
    const float height = box->height();
    const RangePtr lastLine = target.document->range(textEnd - 1, textEnd - 1);
    const long textPage = lastLine ? pageOf(lastLine) : 0;
    const RangePtr content = target.document->content();
    if (height <= 0 || textPage <= 0 || !content)
        return Outcome::Done;
    const int rule = target.paragraph->lineSpacingRule();
    const float spacing = target.paragraph->lineSpacing();
    content->insertAfter(QStringLiteral("\n"));
    const RangePtr probe = target.document->range(textEnd, textEnd);
    const ParagraphFormatPtr format = probe ? probe->paragraphFormat() : nullptr;
    if (!format)
        return Outcome::Done;
    format->setLineSpacingRule(wdLineSpaceExactly);
    format->setLineSpacing(height);
    if (pageOf(probe) > textPage) {
        box->remove();
        drawBox(target.document, target.shapes, probe, input, rows, s);
        return Outcome::Done;
    }
    // Spacing first: set under a single rule it would make the rule multiple.
    format->setLineSpacing(spacing);
    format->setLineSpacingRule(rule);
    target.document->range(textEnd - 1, textEnd)->setText(QString());
    return Outcome::Done;
}

} // namespace assembly
