#pragma once

#include "automation/tables.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>
#include <vector>

namespace libreoffice {

class Office;

// The tables of the body in document order. Add puts a table into whatever
// text the range lies in (the body, a text frame, a cell).
class LoTables : public automation::Tables
{
public:
    LoTables(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

    long count() const override;
    automation::TablePtr item(long index) override;
    automation::TablePtr add(const automation::RangePtr &range, long rows, long columns,
                             const automation::Variant &defaultTableBehavior,
                             const automation::Variant &autoFitBehavior) override;

private:
    std::vector<css::uno::Reference<css::text::XTextTable>> bodyTables() const;

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
