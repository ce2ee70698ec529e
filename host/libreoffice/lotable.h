#pragma once

#include "automation/tables.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>
#include <vector>

namespace libreoffice {

class Office;

// A text table of the body, a text frame or a cell. Its range is collapsed
// at the start of the paragraph that follows it: the office's tables are no
// characters of the text around them.
class LoTable : public automation::Table
{
public:
    LoTable(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
            css::uno::Reference<css::text::XTextTable> table);

    automation::RowsPtr rows() override;
    automation::CellPtr cell(long row, long column) override;
    automation::RangePtr range() override;
    automation::BordersPtr borders() override;
    float topPadding() const override;
    void setTopPadding(float points) override;
    float bottomPadding() const override;
    void setBottomPadding(float points) override;
    float leftPadding() const override;
    void setLeftPadding(float points) override;
    float rightPadding() const override;
    void setRightPadding(float points) override;

    // The cells of one row (from 0), left to right.
    static std::vector<css::uno::Reference<css::table::XCell>>
    rowCells(const css::uno::Reference<css::text::XTextTable> &table, long row);
    // Takes the table out of its text.
    static void removeTable(const css::uno::Reference<css::text::XTextTable> &table);

private:
    float padding(const char *property) const;
    void setPadding(const char *property, float points);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XTextTable> m_table;
};

} // namespace libreoffice
