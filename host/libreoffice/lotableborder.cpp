#include "lotableborder.h"

#include "automation/constants.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>
#include <com/sun/star/table/TableBorder2.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

namespace {

const char *const tableBorder = "TableBorder2";

table::BorderLine2 &lineOf(table::TableBorder2 &border, int index, sal_Bool **valid)
{
    switch (index) {
    case automation::wdBorderLeft:
        *valid = &border.IsLeftLineValid;
        return border.LeftLine;
    case automation::wdBorderBottom:
        *valid = &border.IsBottomLineValid;
        return border.BottomLine;
    case automation::wdBorderRight:
        *valid = &border.IsRightLineValid;
        return border.RightLine;
    case automation::wdBorderHorizontal:
        *valid = &border.IsHorizontalLineValid;
        return border.HorizontalLine;
    case automation::wdBorderVertical:
        *valid = &border.IsVerticalLineValid;
        return border.VerticalLine;
    default:
        *valid = &border.IsTopLineValid;
        return border.TopLine;
    }
}

sal_Int32 widthOf(const table::BorderLine2 &line)
{
    const sal_Int32 parts = line.OuterLineWidth + line.InnerLineWidth + line.LineDistance;
    return line.LineWidth > 0 ? line.LineWidth : parts;
}

} // namespace

LoTableBorder::LoTableBorder(std::shared_ptr<Office> office, Reference<beans::XPropertySet> table,
                             int index)
    : m_office(std::move(office))
    , m_table(std::move(table))
    , m_index(index)
{
}

int LoTableBorder::lineStyle() const
{
    return officeCall(*m_office, int(automation::wdLineStyleNone), [&] {
        table::TableBorder2 border;
        m_table->getPropertyValue(unoName(tableBorder)) >>= border;
        sal_Bool *valid = nullptr;
        const table::BorderLine2 &line = lineOf(border, m_index, &valid);
        return widthOf(line) > 0 && line.LineStyle != table::BorderLineStyle::NONE
            ? automation::wdLineStyleSingle
            : automation::wdLineStyleNone;
    });
}

void LoTableBorder::setLineStyle(int style)
{
    officeCall(*m_office, [&] {
        table::TableBorder2 border;
        m_table->getPropertyValue(unoName(tableBorder)) >>= border;
        sal_Bool *valid = nullptr;
        table::BorderLine2 &line = lineOf(border, m_index, &valid);
        if (style != automation::wdLineStyleNone) {
            line.LineStyle = table::BorderLineStyle::SOLID;
            if (widthOf(line) <= 0)
                line.LineWidth = toHundredthMm(0.5f);
        } else {
            line = table::BorderLine2();
            line.LineStyle = table::BorderLineStyle::NONE;
        }
        *valid = true;
        m_table->setPropertyValue(unoName(tableBorder), Any(border));
    });
}

// Width codes are eighths of a point.
int LoTableBorder::lineWidth() const
{
    return officeCall(*m_office, 0, [&] {
        table::TableBorder2 border;
        m_table->getPropertyValue(unoName(tableBorder)) >>= border;
        sal_Bool *valid = nullptr;
        return int(std::lround(toPoints(widthOf(lineOf(border, m_index, &valid))) * 8));
    });
}

void LoTableBorder::setLineWidth(int code)
{
    officeCall(*m_office, [&] {
        table::TableBorder2 border;
        m_table->getPropertyValue(unoName(tableBorder)) >>= border;
        sal_Bool *valid = nullptr;
        table::BorderLine2 &line = lineOf(border, m_index, &valid);
        line.LineWidth = toHundredthMm(code / 8.0f);
        if (line.LineStyle == table::BorderLineStyle::NONE)
            line.LineStyle = table::BorderLineStyle::SOLID;
        *valid = true;
        m_table->setPropertyValue(unoName(tableBorder), Any(border));
    });
}

} // namespace libreoffice
