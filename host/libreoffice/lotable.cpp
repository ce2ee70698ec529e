#include "lotable.h"

#include "lodrawing.h"
#include "lotableborders.h"
#include "lotablecell.h"
#include "lotablerows.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextFramesSupplier.hpp>
#include <com/sun/star/text/XTextRange.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// The row number of a simple cell name ("B3" is row 3); 0 for the names of
// split cells ("A1.1.2").
long rowOfCellName(const QString &name)
{
    int i = 0;
    while (i < name.size() && name.at(i).isLetter())
        ++i;
    bool ok = false;
    const long row = name.mid(i).toLong(&ok);
    return ok ? row : 0;
}

} // namespace

LoTable::LoTable(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                 Reference<text::XTextTable> table)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_table(std::move(table))
{
}

std::vector<Reference<table::XCell>> LoTable::rowCells(const Reference<text::XTextTable> &table,
                                                       long row)
{
    std::vector<Reference<table::XCell>> cells;
    const uno::Sequence<rtl::OUString> names = table->getCellNames();
    for (sal_Int32 i = 0; i < names.getLength(); ++i) {
        if (rowOfCellName(toQString(names[i])) == row + 1)
            cells.push_back(table->getCellByName(names[i]));
    }
    return cells;
}

void LoTable::removeTable(const Reference<text::XTextTable> &table)
{
    Reference<lang::XComponent>(table, UNO_QUERY_THROW)->dispose();
}

automation::RowsPtr LoTable::rows()
{
    return officeObject<LoTableRows>(m_office, m_model, m_table);
}

automation::CellPtr LoTable::cell(long row, long column)
{
    if (!m_office->isAlive() || row < 1 || column < 1)
        return nullptr;
    const std::vector<Reference<table::XCell>> cells
        = officeCall(*m_office, std::vector<Reference<table::XCell>>(),
                     [&] { return rowCells(m_table, row - 1); });
    if (column > long(cells.size()))
        return nullptr;
    return std::make_shared<LoTableCell>(m_office, m_model, m_table, row - 1,
                                         cells[size_t(column - 1)]);
}

// The span of the table in the text holding it: the body or a text frame.
automation::RangePtr LoTable::range()
{
    if (!m_office->isAlive())
        return nullptr;
    Reference<text::XText> holder;
    textstory::TableSpan span;
    textstory::TextStories &stories = m_office->document(m_model).stories;
    if (!officeCall(*m_office, false,
                    [&] { return stories.placeOfTable(m_table, &holder, &span); }))
        return nullptr;
    return drawing::rangeOf(m_office, m_model, holder, span.start, span.end);
}

automation::BordersPtr LoTable::borders()
{
    return officeObject<LoTableBorders>(m_office,
                                        Reference<beans::XPropertySet>(m_table, UNO_QUERY));
}

// Paddings are the cells' border distances, read from the first cell and
// set on every cell.
float LoTable::padding(const char *property) const
{
    return officeCall(*m_office, 0.0f, [&] {
        const uno::Sequence<rtl::OUString> names = m_table->getCellNames();
        if (names.getLength() == 0)
            return 0.0f;
        sal_Int32 distance = 0;
        Reference<beans::XPropertySet>(m_table->getCellByName(names[0]), UNO_QUERY_THROW)
            ->getPropertyValue(unoName(property))
            >>= distance;
        return toPoints(distance);
    });
}

void LoTable::setPadding(const char *property, float points)
{
    officeCall(*m_office, [&] {
        const uno::Sequence<rtl::OUString> names = m_table->getCellNames();
        for (sal_Int32 i = 0; i < names.getLength(); ++i) {
            Reference<beans::XPropertySet>(m_table->getCellByName(names[i]), UNO_QUERY_THROW)
                ->setPropertyValue(unoName(property), Any(toHundredthMm(points)));
        }
    });
}

float LoTable::topPadding() const
{
    return padding("TopBorderDistance");
}

void LoTable::setTopPadding(float points)
{
    setPadding("TopBorderDistance", points);
}

float LoTable::bottomPadding() const
{
    return padding("BottomBorderDistance");
}

void LoTable::setBottomPadding(float points)
{
    setPadding("BottomBorderDistance", points);
}

float LoTable::leftPadding() const
{
    return padding("LeftBorderDistance");
}

void LoTable::setLeftPadding(float points)
{
    setPadding("LeftBorderDistance", points);
}

float LoTable::rightPadding() const
{
    return padding("RightBorderDistance");
}

void LoTable::setRightPadding(float points)
{
    setPadding("RightBorderDistance", points);
}

} // namespace libreoffice
