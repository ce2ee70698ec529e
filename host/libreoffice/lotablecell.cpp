#include "lotablecell.h"

#include "automation/constants.h"
#include "lodrawing.h"
#include "lostyleborders.h"
#include "lotable.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/SizeType.hpp>
#include <com/sun/star/text/TableColumnSeparator.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <com/sun/star/text/XText.hpp>

#include <algorithm>
#include <vector>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

Reference<beans::XPropertySet> rowOf(const Reference<text::XTextTable> &table, long row)
{
    return Reference<beans::XPropertySet>(table->getRows()->getByIndex(sal_Int32(row)),
                                          UNO_QUERY_THROW);
}

} // namespace

LoTableCell::LoTableCell(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                         Reference<text::XTextTable> table, long row, Reference<table::XCell> cell)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_table(std::move(table))
    , m_row(row)
    , m_cell(std::move(cell))
{
}

automation::RangePtr LoTableCell::range()
{
    if (!m_office->isAlive())
        return nullptr;
    // The cell's span in the text holding its table; a table elsewhere (a
    // footer, a cell) answers the cell's own text.
    const Reference<text::XText> cellText(m_cell, UNO_QUERY);
    Reference<text::XText> holder;
    long start = 0;
    long end = -1;
    officeCall(*m_office, [&] {
        textstory::TableSpan span;
        if (!m_office->document(m_model).stories.placeOfTable(m_table, &holder, &span))
            return;
        for (const textstory::CellSpan &cell : span.cells) {
            if (cell.text == cellText) {
                start = cell.start;
                end = cell.end;
                return;
            }
        }
        holder.clear();
    });
    if (!holder.is())
        return drawing::rangeOf(m_office, m_model, cellText, 0, -1);
    return drawing::rangeOf(m_office, m_model, holder, start, end);
}

long LoTableCell::column() const
{
    const std::vector<Reference<table::XCell>> cells = LoTable::rowCells(m_table, m_row);
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i] == m_cell)
            return long(i);
    }
    return -1;
}

// A cell spans from the separator on its left to the one on its right, in
// parts of the table's relative sum.
float LoTableCell::width() const
{
    return officeCall(*m_office, 0.0f, [&] {
        const Reference<beans::XPropertySet> tableProperties(m_table, UNO_QUERY_THROW);
        sal_Int32 tableWidth = 0;
        sal_Int16 sum = 0;
        tableProperties->getPropertyValue(unoName("Width")) >>= tableWidth;
        tableProperties->getPropertyValue(unoName("TableColumnRelativeSum")) >>= sum;
        uno::Sequence<text::TableColumnSeparator> separators;
        rowOf(m_table, m_row)->getPropertyValue(unoName("TableColumnSeparators")) >>= separators;
        const long index = column();
        if (index < 0 || sum <= 0)
            return 0.0f;
        const long left = index == 0 ? 0 : separators[sal_Int32(index - 1)].Position;
        const long right
            = index >= separators.getLength() ? sum : separators[sal_Int32(index)].Position;
        return toPoints(sal_Int32(double(right - left) * tableWidth / sum));
    });
}

// Moves the cell's right separator; the last cell of a row has none and
// keeps its width.
void LoTableCell::setWidth(float points)
{
    officeCall(*m_office, [&] {
        const Reference<beans::XPropertySet> tableProperties(m_table, UNO_QUERY_THROW);
        sal_Int32 tableWidth = 0;
        sal_Int16 sum = 0;
        tableProperties->getPropertyValue(unoName("Width")) >>= tableWidth;
        tableProperties->getPropertyValue(unoName("TableColumnRelativeSum")) >>= sum;
        const Reference<beans::XPropertySet> row = rowOf(m_table, m_row);
        uno::Sequence<text::TableColumnSeparator> separators;
        row->getPropertyValue(unoName("TableColumnSeparators")) >>= separators;
        const long index = column();
        if (index < 0 || index >= separators.getLength() || tableWidth <= 0)
            return;
        const long left = index == 0 ? 0 : separators[sal_Int32(index - 1)].Position;
        const long limit
            = index + 1 < separators.getLength() ? separators[sal_Int32(index + 1)].Position : sum;
        const long wanted = left + long(double(toHundredthMm(points)) * sum / tableWidth);
        separators[sal_Int32(index)].Position
            = sal_Int16(std::max(left + 1, std::min(wanted, limit - 1)));
        row->setPropertyValue(unoName("TableColumnSeparators"), Any(separators));
    });
}

float LoTableCell::height() const
{
    return officeCall(*m_office, 0.0f, [&] {
        sal_Int32 value = 0;
        rowOf(m_table, m_row)->getPropertyValue(unoName("Height")) >>= value;
        return toPoints(value);
    });
}

// The object model's height is a least height: a row whose text needs more
// grows. Writer's rows take it as a minimum size (a fixed height would clip
// the text; an automatic one would ignore the height).
void LoTableCell::setHeight(float points)
{
    officeCall(*m_office, [&] {
        const Reference<beans::XPropertySet> row = rowOf(m_table, m_row);
        row->setPropertyValue(unoName("SizeType"), Any(text::SizeType::MIN));
        row->setPropertyValue(unoName("Height"), Any(toHundredthMm(points)));
    });
}

int LoTableCell::verticalAlignment() const
{
    return officeCall(*m_office, int(automation::wdCellAlignVerticalTop), [&] {
        sal_Int16 orient = text::VertOrientation::NONE;
        Reference<beans::XPropertySet>(m_cell, UNO_QUERY_THROW)
            ->getPropertyValue(unoName("VertOrient"))
            >>= orient;
        if (orient == text::VertOrientation::CENTER)
            return automation::wdCellAlignVerticalCenter;
        if (orient == text::VertOrientation::BOTTOM)
            return automation::wdCellAlignVerticalBottom;
        return automation::wdCellAlignVerticalTop;
    });
}

void LoTableCell::setVerticalAlignment(int alignment)
{
    if (!m_office->isAlive())
        return;
    const sal_Int16 orient = alignment == automation::wdCellAlignVerticalCenter
        ? text::VertOrientation::CENTER
        : alignment == automation::wdCellAlignVerticalBottom ? text::VertOrientation::BOTTOM
                                                             : text::VertOrientation::TOP;
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet>(m_cell, UNO_QUERY_THROW)
            ->setPropertyValue(unoName("VertOrient"), Any(orient));
    });
}

// A cell has the same four border properties as a paragraph style.
automation::BordersPtr LoTableCell::borders()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<beans::XPropertySet> cell(m_cell, UNO_QUERY);
    if (!cell.is())
        return nullptr;
    return std::make_shared<LoStyleBorders>(m_office, cell);
}

} // namespace libreoffice
