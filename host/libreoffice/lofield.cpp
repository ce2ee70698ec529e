#include "lofield.h"

#include "lotext.h"
#include "office.h"

namespace libreoffice {

LoField::LoField(std::shared_ptr<Office> office, int type,
                 css::uno::Reference<css::frame::XModel> model,
                 css::uno::Reference<css::text::XText> story, long start)
    : m_office(std::move(office))
    , m_type(type)
    , m_model(std::move(model))
    , m_story(std::move(story))
    , m_start(start)
{
}

int LoField::type() const
{
    return m_type;
}

automation::RangePtr LoField::result()
{
    if (!m_office->isAlive())
        return nullptr;
    return makeTextRange(m_office, m_model, m_story, m_start, m_start + 1);
}

} // namespace libreoffice
