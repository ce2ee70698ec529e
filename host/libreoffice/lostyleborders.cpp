#include "lostyleborders.h"

#include "automation/constants.h"
#include "lostyleborder.h"
#include "office.h"

namespace libreoffice {

LoStyleBorders::LoStyleBorders(std::shared_ptr<Office> office,
                               css::uno::Reference<css::beans::XPropertySet> style)
    : m_office(std::move(office))
    , m_style(std::move(style))
{
}

automation::BorderPtr LoStyleBorders::item(int index)
{
    if (!m_office->isAlive())
        return nullptr;
    const char *property = nullptr;
    switch (index) {
    case automation::wdBorderTop:
        property = "TopBorder";
        break;
    case automation::wdBorderLeft:
        property = "LeftBorder";
        break;
    case automation::wdBorderBottom:
        property = "BottomBorder";
        break;
    case automation::wdBorderRight:
        property = "RightBorder";
        break;
    default:
        return nullptr;
    }
    return std::make_shared<LoStyleBorder>(m_office, m_style, property);
}

} // namespace libreoffice
