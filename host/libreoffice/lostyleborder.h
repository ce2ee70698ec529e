#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// One border of a paragraph style (TopBorder, BottomBorder...). A border
// without width is no border (wdLineStyleNone).
class LoStyleBorder : public automation::Border
{
public:
    LoStyleBorder(std::shared_ptr<Office> office,
                  css::uno::Reference<css::beans::XPropertySet> style, const char *property);

    int lineStyle() const override;
    void setLineStyle(int style) override;
    int lineWidth() const override;
    void setLineWidth(int code) override;

private:
    css::table::BorderLine2 line() const;

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_style;
    const char *m_property;
};

} // namespace libreoffice
