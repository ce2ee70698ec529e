#include "redheader.h"

#include "automation/automation.h"
#include "blocktarget.h"
#include "boxformat.h"
#include "pagegeometry.h"
#include "templatestore.h"

using namespace automation;

namespace assembly {

QStringList HeaderShape::names()
{
    return {QLatin1String(MarkBox),    QLatin1String(Rule),           QLatin1String(FootRule),
            QLatin1String(CopyNumber), QLatin1String(DocumentNumber), QLatin1String(MinutesRule),
            QLatin1String(Star)};
}

namespace {

// Letters' rules are 17 cm wide; boxes of numbers sit 3.7 cm from the top
// of the page or 0.35 cm below the top of their line.
const double letterRuleRight = 19.8;
const double letterRuleWidth = 17;
const double numberBoxTop = 3.7;
const double lineBoxOffset = 0.35;
const QString copyNumberText = QStringLiteral("000001");

float pt(double cm)
{
    return centimetersToPoints(cm);
}

void deleteHeaderShapes(const ShapesPtr &shapes)
{
    const QStringList names = HeaderShape::names();
    for (long i = shapes->count(); i >= 1; --i) {
        const ShapePtr shape = shapes->item(i);
        if (shape && names.contains(shape->name()))
            shape->remove();
    }
}

void placeOnPage(const ShapePtr &shape, double topCm, int horizontal, float left)
{
    shape->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    shape->setTop(pt(topCm));
    shape->setRelativeHorizontalPosition(horizontal);
    shape->setLeft(left);
}

TextLook markLook(const HeaderTemplate &t, float size, int zoom)
{
    TextLook look;
    look.color = wdColorRed;
    look.size = size;
    look.font = t.markFont;
    look.scaling = zoom;
    look.bold = t.bold ? 1 : -1;
    return look;
}

void clearBorders(const BordersPtr &borders)
{
    if (!borders)
        return;
    for (int side : {wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight}) {
        if (const BorderPtr border = borders->item(side))
            border->setLineStyle(wdLineStyleNone);
    }
}

void writeCell(const CellPtr &cell, double widthCm, const QString &text, const TextLook &look,
               float spacing, int alignment)
{
    if (!cell)
        return;
    cell->setWidth(pt(widthCm));
    clearBorders(cell->borders());
    const RangePtr range = cell->range();
    if (!range)
        return;
    range->setText(text);
    setLook(range, look);
    setExactLines(range, spacing, alignment);
}

// The mark box: one box with the mark, or for a joint issue a box holding a
// one-row table whose first cell stacks the organs and whose second cell
// holds the mark they share, centred beside them.
ShapePtr addMarkBox(const DocumentPtr &document, const ShapesPtr &shapes, const RangePtr &anchor,
                    const HeaderTemplate &t)
{
    const bool joint = t.secondBoxWidth > 0;
    const double width = t.boxWidth + (joint ? t.secondBoxWidth : 0);
    const ShapePtr box = shapes->addShape(
        msoShapeRectangle, pt((page::typeAreaWidth - width) * 0.5 + page::typeAreaLeft),
        pt(t.boxTop), pt(width), pt(page::markBoxHeight), Variant(anchor));
    if (!box)
        return nullptr;
    box->setName(QLatin1String(HeaderShape::MarkBox));
    placeOnPage(box, t.boxTop, wdRelativeHorizontalPositionColumn, wdShapeCenter);
    if (!joint) {
        setPlainBox(box, 2.835f);
        writeBoxText(box, t.markText, markLook(t, t.markSize, t.markZoom), t.markSpacing,
                     wdAlignParagraphDistribute);
        return box;
    }
    setPlainBox(box, 0);
    TextLook tiny;
    tiny.color = wdColorRed;
    tiny.size = 1;
    const RangePtr text = writeBoxText(box, QString(), tiny, 1, wdAlignParagraphCenter);
    const TablePtr table = text ? document->tables()->add(text, 1, 2, Variant(wdWord8TableBehavior),
                                                          Variant(wdAutoFitFixed))
                                : nullptr;
    if (!table)
        return box;
    table->setLeftPadding(2.835f);
    table->setRightPadding(2.835f);
    table->setTopPadding(0);
    table->setBottomPadding(0);
    if (const RowsPtr rows = table->rows())
        rows->setAlignment(wdAlignRowCenter);
    clearBorders(table->borders());
    writeCell(table->cell(1, 1), t.boxWidth, t.markText, markLook(t, t.markSize, t.markZoom),
              t.markSpacing, wdAlignParagraphDistribute);
    const CellPtr second = table->cell(1, 2);
    writeCell(second, t.secondBoxWidth, t.secondMarkText,
              markLook(t, t.secondMarkSize, t.secondMarkZoom), t.secondMarkSize + 8,
              wdAlignParagraphCenter);
    if (second)
        second->setVerticalAlignment(wdCellAlignVerticalCenter);
    return box;
}

ShapePtr addRule(const ShapesPtr &shapes, const RangePtr &anchor, const QString &name,
                 double rightCm, float top, int style, float weight)
{
    const ShapePtr rule
        = shapes->addLine(pt(page::typeAreaLeft), top, pt(rightCm), top, Variant(anchor));
    if (!rule)
        return nullptr;
    rule->setName(name);
    rule->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    rule->setTop(top);
    rule->setRelativeHorizontalPosition(wdRelativeHorizontalPositionColumn);
    rule->setLeft(wdShapeCenter);
    const LineFormatPtr line = rule->line();
    line->setStyle(style);
    line->setDashStyle(msoLineSolid);
    line->setWeight(weight);
    line->foreColor()->setRgb(wdColorRed);
    return rule;
}

void addStar(const ShapesPtr &shapes, const RangePtr &anchor, const HeaderTemplate &t)
{
    const ShapePtr star
        = shapes->addShape(msoShapeRectangle, 0, 0, pt(1.3), pt(0.92), Variant(anchor));
    if (!star)
        return;
    star->setName(QLatin1String(HeaderShape::Star));
    placeOnPage(star, t.ruleTop - 0.38, wdRelativeHorizontalPositionColumn, wdShapeCenter);
    star->fill()->setVisible(msoTrue);
    star->fill()->foreColor()->setRgb(rgbWhite);
    star->line()->setVisible(msoFalse);
    if (const TextFramePtr frame = star->textFrame()) {
        frame->setAutoSize(1);
        for (auto set : {&TextFrame::setMarginLeft, &TextFrame::setMarginRight,
                         &TextFrame::setMarginTop, &TextFrame::setMarginBottom})
            ((*frame).*set)(0);
    }
    TextLook look;
    look.color = wdColorRed;
    look.size = 24;
    writeBoxText(star, QStringLiteral("★"), look, 24, wdAlignParagraphCenter);
}

// A box that rides on the line of its anchor, 0.35 cm below the line's top.
void placeOnLine(const ShapePtr &box, float left)
{
    box->setRelativeVerticalPosition(wdRelativeVerticalPositionLine);
    box->setRelativeHorizontalPosition(wdRelativeHorizontalPositionColumn);
    box->setLeft(left);
    box->setTop(pt(lineBoxOffset));
}

// The letters' number line: paragraph insertLine + 2, or the last paragraph
// of a document that has not that many.
RangePtr numberLine(const DocumentPtr &document, int insertLine)
{
    const ParagraphsPtr paragraphs = document->paragraphs();
    if (!paragraphs)
        return nullptr;
    const long count = paragraphs->count();
    const long index = qMin(long(insertLine) + 2, count);
    const ParagraphPtr paragraph = paragraphs->item(index);
    return paragraph ? paragraph->range() : nullptr;
}

} // namespace

Outcome drawRedHeader(const ApplicationPtr &app, const HeaderInput &input, const HeaderTemplate &t)
{
    const BlockTarget target = blockTarget(app, 1);
    if (target.outcome != Outcome::Done)
        return target.outcome;
    const bool letter = input.kind == QLatin1String(TemplateKind::Letter);
    const bool minutes = input.kind == QLatin1String(TemplateKind::Minutes);

    deleteHeaderShapes(target.shapes);
    target.anchor->setRange(0, 0);
    target.anchor->select();

    addMarkBox(target.document, target.shapes, target.anchor, t);

    const ShapePtr rule
        = addRule(target.shapes, target.anchor,
                  QLatin1String(minutes ? HeaderShape::MinutesRule : HeaderShape::Rule),
                  page::typeAreaRight, pt(t.ruleTop), msoLineSingle, t.ruleWeight);
    if (letter) {
        if (rule) {
            rule->setWidth(pt(letterRuleWidth));
            rule->line()->setStyle(msoLineThickThin);
        }
        const SectionsPtr sections = target.document->sections();
        const SectionPtr section = sections ? sections->item(1) : nullptr;
        if (const PageSetupPtr setup = section ? section->pageSetup() : nullptr) {
            setup->setBottomMargin(pt(t.footRuleBottom + 0.5));
            setup->setDifferentFirstPageHeaderFooter(msoTrue);
        }
        addRule(target.shapes, target.anchor, QLatin1String(HeaderShape::FootRule), letterRuleRight,
                pt(page::height - t.footRuleBottom) - t.ruleWeight, msoLineThinThick, t.ruleWeight);
    }
    if (t.star)
        addStar(target.shapes, target.anchor, t);

    RangePtr lineAnchor;
    if (letter) {
        lineAnchor = numberLine(target.document, t.insertLine);
        const ShapePtr number = lineAnchor
            ? target.shapes->addShape(msoShapeRectangle, pt(page::typeAreaLeft), pt(numberBoxTop),
                                      pt(10), pt(0.8), Variant(lineAnchor))
            : nullptr;
        if (number) {
            number->setName(QLatin1String(HeaderShape::DocumentNumber));
            placeOnLine(number, wdShapeRight);
            setPlainBox(number, 0);
            TextLook look;
            look.font = t.numberFont;
            look.westernFont = t.westernFont;
            writeBoxText(number, input.documentNumber, look, 16, wdAlignParagraphRight);
        }
    }

    const ShapePtr copyNumber = target.shapes->addShape(
        msoShapeRectangle, pt(page::typeAreaLeft), pt(numberBoxTop), pt(4.8), pt(0.8),
        Variant(lineAnchor ? lineAnchor : target.anchor));
    if (!copyNumber)
        return Outcome::Done;
    copyNumber->setName(QLatin1String(HeaderShape::CopyNumber));
    if (lineAnchor)
        placeOnLine(copyNumber, 0);
    else
        placeOnPage(copyNumber, numberBoxTop, wdRelativeHorizontalPositionPage,
                    pt(page::typeAreaLeft));
    copyNumber->fill()->setVisible(msoFalse);
    copyNumber->line()->setVisible(msoFalse);
    if (input.securityLevel.isEmpty())
        return Outcome::Done;
    setPlainBox(copyNumber, 0);
    TextLook look;
    look.font = t.copyNumberFont;
    look.westernFont = t.copyNumberFont;
    writeBoxText(copyNumber, copyNumberText, look, 16, wdAlignParagraphLeft);
    return Outcome::Done;
}

} // namespace assembly
