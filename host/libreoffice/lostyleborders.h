#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The four borders of a paragraph style.
class LoStyleBorders : public automation::Borders
{
public:
    LoStyleBorders(std::shared_ptr<Office> office,
                   css::uno::Reference<css::beans::XPropertySet> style);

    automation::BorderPtr item(int index) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_style;
};

} // namespace libreoffice
