#include "lotableborder.h"

#include "automation/constants.h"
#include "loborderline.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>
#include <com/sun/star/table/TableBorder2.hpp>

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

// The line's value in the table's borders.
table::BorderLine2 lineAt(const Reference<beans::XPropertySet> &table, int index)
{
    table::TableBorder2 border;
    table->getPropertyValue(unoName(tableBorder)) >>= border;
    sal_Bool *valid = nullptr;
    return lineOf(border, index, &valid);
}

// Changes the line and writes the table's borders back with it.
template<typename Change>
void changeLineAt(const Reference<beans::XPropertySet> &table, int index, Change &&change)
{
    table::TableBorder2 border;
    table->getPropertyValue(unoName(tableBorder)) >>= border;
    sal_Bool *valid = nullptr;
    change(lineOf(border, index, &valid));
    *valid = true;
    table->setPropertyValue(unoName(tableBorder), Any(border));
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
    return officeCall(*m_office, int(automation::wdLineStyleNone),
                      [&] { return borderline::lineStyleOf(lineAt(m_table, m_index)); });
}

void LoTableBorder::setLineStyle(int style)
{
    officeCall(*m_office, [&] {
        changeLineAt(m_table, m_index, [&](table::BorderLine2 &line) {
            if (style != automation::wdLineStyleNone) {
                borderline::makeSolid(line);
            } else {
                line = table::BorderLine2();
                line.LineStyle = table::BorderLineStyle::NONE;
            }
        });
    });
}

// Width codes are eighths of a point.
int LoTableBorder::lineWidth() const
{
    return officeCall(*m_office, 0,
                      [&] { return borderline::widthCodeOf(lineAt(m_table, m_index)); });
}

void LoTableBorder::setLineWidth(int code)
{
    officeCall(*m_office, [&] {
        changeLineAt(m_table, m_index,
                     [&](table::BorderLine2 &line) { borderline::setWidthCode(line, code); });
    });
}

} // namespace libreoffice
