#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The borders of a whole table: outer edges and inner lines.
class LoTableBorders : public automation::Borders
{
public:
    LoTableBorders(std::shared_ptr<Office> office,
                   css::uno::Reference<css::beans::XPropertySet> table);

    automation::BorderPtr item(int index) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_table;
};

} // namespace libreoffice
