#include "lotablerow.h"

#include "lodrawing.h"
#include "lotable.h"
#include "lotablecells.h"
#include "lotextlock.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/XText.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace libreoffice {

LoTableRow::LoTableRow(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                       Reference<text::XTextTable> table, long row)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_table(std::move(table))
    , m_row(row)
{
}

automation::CellsPtr LoTableRow::cells()
{
    return officeObject<LoTableCells>(m_office, m_model, m_table, m_row);
}

automation::RangePtr LoTableRow::range()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XText> first = officeCall(*m_office, Reference<text::XText>(), [&] {
        const auto cells = LoTable::rowCells(m_table, m_row);
        return cells.empty() ? Reference<text::XText>()
                             : Reference<text::XText>(cells.front(), UNO_QUERY);
    });
    return drawing::rangeOf(m_office, m_model, first, 0, -1);
}

void LoTableRow::remove()
{
    officeCall(*m_office, [&] {
        const LoTextLock lock(*m_office, m_model);
        const Reference<table::XTableRows> rows = m_table->getRows();
        if (m_row < 0 || m_row >= rows->getCount())
            return;
        if (rows->getCount() == 1)
            LoTable::removeTable(m_table);
        else
            rows->removeByIndex(sal_Int32(m_row), 1);
    });
}

} // namespace libreoffice
