#pragma once

#include "automation/tables.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// One cell: its text, its row's height, its share of the row's width (the
// row's column separators) and its own borders and vertical alignment.
class LoTableCell : public automation::Cell
{
public:
    LoTableCell(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                css::uno::Reference<css::text::XTextTable> table, long row,
                css::uno::Reference<css::table::XCell> cell);

    automation::RangePtr range() override;
    float width() const override;
    void setWidth(float points) override;
    float height() const override;
    void setHeight(float points) override;
    int verticalAlignment() const override;
    void setVerticalAlignment(int alignment) override;
    automation::BordersPtr borders() override;

private:
    long column() const;

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XTextTable> m_table;
    long m_row;
    css::uno::Reference<css::table::XCell> m_cell;
};

} // namespace libreoffice
