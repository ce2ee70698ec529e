#include "loheaderfooters.h"

#include "automation/constants.h"
#include "loheaderfooter.h"
#include "office.h"

using css::uno::Reference;

namespace libreoffice {

LoHeaderFooters::LoHeaderFooters(std::shared_ptr<Office> office,
                                 Reference<css::frame::XModel> model, QString pageStyle,
                                 bool header)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_pageStyle(std::move(pageStyle))
    , m_header(header)
{
}

long LoHeaderFooters::count() const
{
    return 3;
}

automation::HeaderFooterPtr LoHeaderFooters::item(int index)
{
    if (!m_office->isAlive() || index < automation::wdHeaderFooterPrimary
        || index > automation::wdHeaderFooterEvenPages)
        return nullptr;
    return std::make_shared<LoHeaderFooter>(m_office, m_model, m_pageStyle, m_header, index);
}

} // namespace libreoffice
