#pragma once

#include "automation/tables.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// One row of a table, by its position (from 0).
class LoTableRow : public automation::Row
{
public:
    LoTableRow(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
               css::uno::Reference<css::text::XTextTable> table, long row);

    automation::CellsPtr cells() override;
    // The range of the row's first cell's text: a row has no text of its own.
    automation::RangePtr range() override;
    void remove() override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XTextTable> m_table;
    long m_row;
};

} // namespace libreoffice
