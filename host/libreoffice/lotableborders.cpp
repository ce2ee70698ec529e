#include "lotableborders.h"

#include "automation/constants.h"
#include "lotableborder.h"
#include "office.h"

using namespace css;
using css::uno::Reference;

namespace libreoffice {

LoTableBorders::LoTableBorders(std::shared_ptr<Office> office, Reference<beans::XPropertySet> table)
    : m_office(std::move(office))
    , m_table(std::move(table))
{
}

automation::BorderPtr LoTableBorders::item(int index)
{
    if (!m_office->isAlive() || !m_table.is())
        return nullptr;
    if (index < automation::wdBorderVertical || index > automation::wdBorderTop)
        return nullptr;
    return std::make_shared<LoTableBorder>(m_office, m_table, index);
}

} // namespace libreoffice
