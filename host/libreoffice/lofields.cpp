#include "lofields.h"

#include "automation/constants.h"
#include "automation/text.h"
#include "lodrawing.h"
#include "lofield.h"
#include "losectionmap.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextFieldsSupplier.hpp>

#include <algorithm>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

LoFields::LoFields(std::shared_ptr<Office> office, Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

long LoFields::count() const
{
    return officeCall(*m_office, 0L, [&] {
        const Reference<uno::XInterface> body(bodyOf(m_model), UNO_QUERY);
        Reference<text::XTextFieldsSupplier> supplier(m_model, UNO_QUERY_THROW);
        Reference<container::XEnumeration> fields = supplier->getTextFields()->createEnumeration();
        long count = 0;
        while (fields->hasMoreElements()) {
            Reference<text::XTextContent> field(fields->nextElement(), UNO_QUERY);
            if (!field.is())
                continue;
            Reference<uno::XInterface> text(field->getAnchor()->getText(), UNO_QUERY);
            if (text == body)
                ++count;
        }
        return count;
    });
}

automation::FieldPtr LoFields::add(const automation::RangePtr &range,
                                   const automation::Variant &type, const automation::Variant &,
                                   const automation::Variant &)
{
    if (!m_office->isAlive() || !range || type.isMissing()
        || type.toInt() != automation::wdFieldPage)
        return nullptr;
    const long start = range->start();
    const long end = std::max(start, range->end());
    DocumentState &document = m_office->document(m_model);
    const Reference<text::XText> story = officeCall(*m_office, Reference<text::XText>(), [&] {
        return drawing::storyOf(document, range.get());
    });
    if (!story.is())
        return nullptr;
    const bool ok = officeCall(*m_office, false, [&] {
        // The field replaces the range's text and stands as one character:
        // the ranges after it move, and the given range spans it.
        const Reference<text::XTextCursor> cursor = document.stories.cursorAt(story, start, end);
        cursor->getText()->insertTextContent(Reference<text::XTextRange>(cursor.get()),
                                             SectionMap::newPageNumberField(m_model), true);
        document.stories.shiftSpans(story, start, end, 1, nullptr);
        return true;
    });
    if (!ok)
        return nullptr;
    range->setRange(start, start + 1);
    return std::make_shared<LoField>(m_office, automation::wdFieldPage, m_model, story, start);
}

} // namespace libreoffice
