#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// One line of a table's TableBorder2: an outer edge or the inner horizontal
// or vertical lines. A line without width is no line (wdLineStyleNone).
class LoTableBorder : public automation::Border
{
public:
    LoTableBorder(std::shared_ptr<Office> office,
                  css::uno::Reference<css::beans::XPropertySet> table, int index);

    int lineStyle() const override;
    void setLineStyle(int style) override;
    int lineWidth() const override;
    void setLineWidth(int code) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_table;
    int m_index;
};

} // namespace libreoffice
