#include "headermarks.h"

#include "positioninglines.h"

#include "automation/automation.h"

#include <QString>

#include <algorithm>

using namespace automation;

namespace format {

namespace {

const QString kCover = QStringLiteral("gwpagenumber");
const QString kTestLine = QStringLiteral("testline");

// The red header's shapes: the five the red header draws and four a
// document made elsewhere may carry.
bool isHeaderName(const QString &name)
{
    for (const char *header :
         {"WJBT", "WJBT2", "WJBT3", "BTBX", "BTBX3", "secBTBX", "DANG1", "DANG2", "jyBX"}) {
        if (name == QLatin1String(header))
            return true;
    }
    return false;
}

DocumentPtr activeDocument(const ApplicationPtr &app)
{
    return app ? app->activeDocument() : nullptr;
}

// Walks the shapes from the last down to the first.
template<class Visit> void eachShapeDown(const ShapesPtr &shapes, Visit visit)
{
    if (!shapes)
        return;
    for (long i = shapes->count(); i >= 1; --i) {
        if (const ShapePtr shape = shapes->item(i))
            visit(shape);
    }
}

// The page-number area of a portrait page: 15.5 cm wide, centred and
// aligned with the foot of the page, 3.0 cm high or as high as the bottom
// margin where that is more: the footer starts where the type area ends,
// and with a bottom margin of 3.2 cm the top of its page number would show
// above a cover of 3.0 cm. Of a landscape page: 3.0 x 16.1 cm along the
// outer edge, aligned with the top margin.
ShapePtr addCover(const ShapesPtr &shapes, const PageSetupPtr &setup)
{
    const Variant here(0);
    if (!setup || setup->orientation() != wdOrientLandscape) {
        const float height = std::max(85.03937f, setup ? setup->bottomMargin() : 0.0f);
        const ShapePtr cover
            = shapes->addShape(msoShapeRectangle, 82.20473f, 744.05f, 439.37009f, height, here);
        if (!cover)
            return nullptr;
        cover->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
        cover->setRelativeHorizontalPosition(wdRelativeHorizontalPositionColumn);
        cover->setTop(wdShapeBottom);
        cover->setLeft(wdShapeCenter);
        return cover;
    }
    const ShapePtr cover
        = shapes->addShape(msoShapeRectangle, 0.0f, 82.20473f, 85.03937f, 456.37796f, here);
    if (!cover)
        return nullptr;
    cover->setRelativeVerticalPosition(wdRelativeVerticalPositionMargin);
    cover->setRelativeHorizontalPosition(wdRelativeHorizontalPositionPage);
    cover->setTop(wdShapeTop);
    return cover;
}

} // namespace

Outcome toggleRedHeader(const ApplicationPtr &app)
{
    if (!app)
        return Outcome::NoApplication;
    const DocumentPtr document = activeDocument(app);
    if (!document)
        return Outcome::NoDocument;
    const SectionsPtr sections = document->sections();
    const SectionPtr first = sections ? sections->item(1) : nullptr;
    if (!first)
        return Outcome::Done;
    if (const RangePtr start = first->range()) {
        start->setRange(0, 0);
        start->select();
    }
    eachShapeDown(document->shapes(), [](const ShapePtr &shape) {
        if (isHeaderName(shape->name()))
            shape->setVisible(shape->visible() == msoTrue ? msoFalse : msoTrue);
    });
    return Outcome::Done;
}

Outcome togglePageNumberCover(const ApplicationPtr &app)
{
    if (!app)
        return Outcome::NoApplication;
    const DocumentPtr document = activeDocument(app);
    const SelectionPtr selection = app->selection();
    if (!document || !selection)
        return Outcome::NoDocument;
    const Variant page = selection->information(wdActiveEndPageNumber);
    const ShapesPtr shapes = document->shapes();
    if (!shapes)
        return Outcome::Done;
    bool removed = false;
    eachShapeDown(shapes, [&](const ShapePtr &shape) {
        if (shape->name() != kCover)
            return;
        const RangePtr anchor = shape->anchor();
        if (anchor && anchor->information(wdActiveEndPageNumber) == page) {
            shape->remove();
            removed = true;
        }
    });
    if (removed)
        return Outcome::Done;
    if (const ShapePtr cover = addCover(shapes, selection->pageSetup())) {
        cover->setName(kCover);
        if (const FillFormatPtr fill = cover->fill()) {
            if (const ColorFormatPtr colour = fill->foreColor())
                colour->setRgb(0xFFFFFF);
        }
        if (const LineFormatPtr line = cover->line())
            line->setVisible(msoFalse);
    }
    return Outcome::Done;
}

Outcome togglePositioningLines(const ApplicationPtr &app)
{
    if (!app)
        return Outcome::NoApplication;
    const DocumentPtr document = activeDocument(app);
    if (!document)
        return Outcome::NoDocument;
    const ShapesPtr shapes = document->shapes();
    if (!shapes)
        return Outcome::Done;
    bool removed = false;
    RulePositions rules;
    // The lowest index wins where a name occurs twice: it is visited last.
    eachShapeDown(shapes, [&](const ShapePtr &shape) {
        const QString name = shape->name();
        const LineFormatPtr line = name == kTestLine ? nullptr : shape->line();
        if (name == kTestLine) {
            shape->remove();
            removed = true;
        } else if (name == QLatin1String("BTBX")) {
            rules.rule = shape->top();
            rules.ruleWeight = line ? line->weight() : 0.0f;
        } else if (name == QLatin1String("secBTBX")) {
            rules.footRule = shape->top();
            rules.footRuleWeight = line ? line->weight() : 0.0f;
        } else if (name == QLatin1String("jyBX")) {
            rules.minutesRule = shape->top();
        }
    });
    if (removed)
        return Outcome::Done;
    const float left = 56.69291f, longEnd = 566.92914f, shortEnd = 481.88977f;
    for (const PositioningLine &l : positioningLines(rules, app->centimetersToPoints(3.7))) {
        const ShapePtr shape
            = shapes->addLine(left, l.y, l.longLine ? longEnd : shortEnd, l.y, Variant(0));
        if (!shape)
            continue;
        shape->setName(kTestLine);
        shape->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
        shape->setTop(l.y);
        shape->setLeft(wdShapeCenter);
        if (const LineFormatPtr line = shape->line()) {
            line->setStyle(msoLineSingle);
            line->setDashStyle(l.dotted ? msoLineSquareDot : msoLineSolid);
            line->setWeight(0.01f);
        }
    }
    return Outcome::Done;
}

} // namespace format
