#include "linespacing.h"

#include "automation/automation.h"

#include <algorithm>

using namespace automation;

namespace format {

Outcome setExactSpacing(const ApplicationPtr &app, float points)
{
    if (!app)
        return Outcome::NoApplication;
    SelectionPtr selection = app->selection();
    if (!selection)
        return Outcome::NoDocument;
    if (ParagraphFormatPtr pf = selection->paragraphFormat()) {
        pf->setLineSpacingRule(wdLineSpaceExactly);
        pf->setLineSpacing(points);
    }
    return Outcome::Done;
}

namespace {

float stepped(float current, float step)
{
    if (step >= 0)
        return current + step;
    return current > 1.0f ? std::max(1.0f, current + step) : current;
}

} // namespace

// The step applies to the spacing the writer reports after switching to
// exact spacing; a decrease stops at 1 pt. When the selected paragraphs have
// different spacings, each is stepped from its own value rather than all
// being set from the "mixed" answer.
Outcome stepExactSpacing(const ApplicationPtr &app, float step)
{
    if (!app)
        return Outcome::NoApplication;
    SelectionPtr selection = app->selection();
    if (!selection)
        return Outcome::NoDocument;
    ParagraphFormatPtr pf = selection->paragraphFormat();
    if (!pf)
        return Outcome::Done;
    pf->setLineSpacingRule(wdLineSpaceExactly);
    const float current = pf->lineSpacing();
    if (current != float(wdUndefined)) {
        pf->setLineSpacing(stepped(current, step));
        return Outcome::Done;
    }
    RangePtr range = selection->range();
    ParagraphsPtr paragraphs = range ? range->paragraphs() : nullptr;
    const long n = paragraphs ? paragraphs->count() : 0;
    for (long i = 1; i <= n; ++i) {
        if (ParagraphPtr p = paragraphs->item(i))
            p->setLineSpacing(stepped(p->lineSpacing(), step));
    }
    return Outcome::Done;
}

} // namespace format
