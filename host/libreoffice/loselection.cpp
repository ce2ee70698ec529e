#include "loselection.h"

#include "office.h"

namespace libreoffice {

LoSelection::LoSelection(std::shared_ptr<Office> office,
                         css::uno::Reference<css::frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

automation::RangePtr LoSelection::range()
{
    return nullptr;
}

long LoSelection::start() const
{
    return 0;
}

long LoSelection::end() const
{
    return 0;
}

automation::FontPtr LoSelection::font()
{
    return nullptr;
}

automation::ParagraphFormatPtr LoSelection::paragraphFormat()
{
    return nullptr;
}

automation::PageSetupPtr LoSelection::pageSetup()
{
    return nullptr;
}

automation::Variant LoSelection::information(int)
{
    return automation::Variant();
}

} // namespace libreoffice
