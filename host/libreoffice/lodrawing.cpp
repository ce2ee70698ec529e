#include "lodrawing.h"

#include "shapewrappers.h"

#include "lotext.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>

#include <cstdlib>
#include <vector>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::drawing {

Reference<css::drawing::XDrawPage> drawPageOf(const Reference<frame::XModel> &model)
{
    const Reference<css::drawing::XDrawPageSupplier> supplier(model, UNO_QUERY);
    if (!supplier.is())
        return nullptr;
        // Writer offers its one draw page only through this interface, which the
        // API marks deprecated in favour of XDrawPagesSupplier (Draw, Impress).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return supplier->getDrawPage();
#pragma GCC diagnostic pop
}

Reference<text::XText> storyOf(DocumentState &document, const automation::Range *range)
{
    if (range) {
        const Reference<text::XText> remembered = document.sections.storyOf(range);
        if (remembered.is())
            return remembered;
    }
    return bodyOf(document.model);
}

automation::RangePtr rangeOf(const std::shared_ptr<Office> &office,
                             const Reference<frame::XModel> &model,
                             const Reference<text::XText> &text, long start, long end)
{
    if (!text.is())
        return nullptr;
    if (text == bodyOf(model))
        return makeBodyRange(office, model, start, end);
    automation::RangePtr range = makeTextRange(office, model, text, start, end);
    office->document(model).sections.rememberStory(range, text);
    return range;
}

Reference<text::XTextRange> paragraphStartAt(textstory::TextStories &stories,
                                             const Reference<text::XText> &text, long offset)
{
    const Reference<text::XTextCursor> cursor = stories.cursorAt(text, offset, offset);
    const Reference<text::XParagraphCursor> paragraph(cursor, UNO_QUERY_THROW);
    paragraph->gotoStartOfParagraph(false);
    return cursor->getStart();
}

sal_Int32 fitBoxToText(const Reference<css::drawing::XShape> &shape)
{
    // Objects without a text box (lines, frames) have no such property.
    return unoGuard(sal_Int32(-1), [&] {
        const Reference<beans::XPropertySet> properties(shape, UNO_QUERY_THROW);
        bool textBox = false;
        Reference<beans::XPropertySet> frame;
        bool automatic = false;
        awt::Size laid;
        if (!(properties->getPropertyValue("TextBox") >>= textBox) || !textBox
            || !(properties->getPropertyValue("TextBoxContent") >>= frame) || !frame.is()
            || !(frame->getPropertyValue("FrameIsAutomaticHeight") >>= automatic) || !automatic
            || !(frame->getPropertyValue("LayoutSize") >>= laid) || laid.Height <= 0)
            return sal_Int32(-1);
        awt::Size size = shape->getSize();
        // A hundredth of a millimetre either way is the rounding of the units.
        if (std::abs(size.Height - laid.Height) > 1) {
            size.Height = laid.Height;
            shape->setSize(size);
        }
        return laid.Height;
    });
}

void fitBoxesToText(ShapeWrappers &wrappers, const Reference<frame::XModel> &model)
{
    const Reference<css::drawing::XDrawPage> page = drawPageOf(model);
    if (!page.is())
        return;
    for (sal_Int32 i = 0, n = page->getCount(); i < n; ++i) {
        const Reference<css::drawing::XShape> shape(page->getByIndex(i), UNO_QUERY);
        wrappers.hold(model, shape);
        fitBoxToText(shape);
    }
}

} // namespace libreoffice::drawing
