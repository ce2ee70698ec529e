#include "blocktarget.h"

#include "automation/automation.h"

using namespace automation;

namespace assembly {

BlockTarget blockTarget(const ApplicationPtr &app, long index)
{
    BlockTarget target;
    if (!app) {
        target.outcome = Outcome::NoApplication;
        return target;
    }
    target.document = app->activeDocument();
    const ParagraphsPtr paragraphs = target.document ? target.document->paragraphs() : nullptr;
    target.shapes = target.document ? target.document->shapes() : nullptr;
    if (paragraphs)
        target.paragraph = paragraphs->item(index > 0 ? index : paragraphs->count());
    if (target.paragraph)
        target.anchor = target.paragraph->range();
    if (!target.shapes || !target.anchor)
        target.outcome = Outcome::NoDocument;
    return target;
}

} // namespace assembly
