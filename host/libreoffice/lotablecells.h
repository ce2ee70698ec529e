#pragma once

#include "automation/tables.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The cells of one row, left to right.
class LoTableCells : public automation::Cells
{
public:
    LoTableCells(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                 css::uno::Reference<css::text::XTextTable> table, long row);

    long count() const override;
    automation::CellPtr item(long index) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XTextTable> m_table;
    long m_row;
};

} // namespace libreoffice
