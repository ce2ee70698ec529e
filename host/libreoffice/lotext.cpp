#include "lotext.h"

#include "lorange.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/text/XTextDocument.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

// For now a range always spans its whole text.
automation::RangePtr makeTextRange(const std::shared_ptr<Office> &office,
                                   const Reference<text::XText> &text, long, long)
{
    if (!office->isAlive() || !text.is())
        return nullptr;
    return std::make_shared<LoRange>(office, text);
}

automation::RangePtr makeBodyRange(const std::shared_ptr<Office> &office,
                                   const Reference<frame::XModel> &model, long start, long end)
{
    if (!office->isAlive())
        return nullptr;
    Reference<text::XText> body = unoGuard(Reference<text::XText>(), [&] {
        return Reference<text::XTextDocument>(model, UNO_QUERY_THROW)->getText();
    });
    return makeTextRange(office, body, start, end);
}

automation::ParagraphsPtr makeBodyParagraphs(const std::shared_ptr<Office> &,
                                             const Reference<frame::XModel> &)
{
    return nullptr;
}

} // namespace libreoffice
