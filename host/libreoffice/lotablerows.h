#pragma once

#include "automation/tables.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The rows of a table; their alignment is the table's HoriOrient.
class LoTableRows : public automation::Rows
{
public:
    LoTableRows(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                css::uno::Reference<css::text::XTextTable> table);

    long count() const override;
    automation::RowPtr item(long index) override;
    int alignment() const override;
    void setAlignment(int alignment) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XTextTable> m_table;
};

} // namespace libreoffice
