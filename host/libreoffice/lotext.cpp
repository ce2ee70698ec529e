#include "lotext.h"

#include "loparagraphs.h"
#include "lorange.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// The body text, asked as a step of its own (null when that fails).
Reference<text::XText> guardedBodyOf(const Reference<frame::XModel> &model)
{
    return unoGuard(Reference<text::XText>(), [&] { return bodyOf(model); });
}

} // namespace

namespace {

automation::RangePtr makeRange(const std::shared_ptr<Office> &office,
                               const Reference<frame::XModel> &model,
                               const Reference<text::XText> &text, long start, long end,
                               bool holdsViews)
{
    if (!office->isAlive() || !text.is())
        return nullptr;
    if (end < 0) {
        end = officeCall(*office, -1L,
                         [&] { return office->document(model).stories.storyLength(text); });
        if (end < 0)
            return nullptr;
    }
    return std::make_shared<LoRange>(office, text, model, start, end, holdsViews);
}

} // namespace

automation::RangePtr makeTextRange(const std::shared_ptr<Office> &office,
                                   const Reference<frame::XModel> &model,
                                   const Reference<text::XText> &text, long start, long end)
{
    return makeRange(office, model, text, start, end, false);
}

automation::RangePtr makeBodyRange(const std::shared_ptr<Office> &office,
                                   const Reference<frame::XModel> &model, long start, long end)
{
    if (!office->isAlive())
        return nullptr;
    return makeRange(office, model, guardedBodyOf(model), start, end, true);
}

automation::ParagraphsPtr makeBodyParagraphs(const std::shared_ptr<Office> &office,
                                             const Reference<frame::XModel> &model)
{
    if (!office->isAlive())
        return nullptr;
    const Reference<text::XText> body = guardedBodyOf(model);
    if (!body.is())
        return nullptr;
    return std::make_shared<LoParagraphs>(
        office,
        [office, body, model] {
            // Without tables the body's text gives every offset in one call.
            return textstory::hasTables(model)
                ? textstory::paragraphsOf(body)
                : textstory::paragraphOffsetsOf(body, office->document(model).stories.edits(body));
        },
        model);
}

} // namespace libreoffice
