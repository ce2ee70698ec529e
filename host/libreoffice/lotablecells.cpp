#include "lotablecells.h"

#include "lotable.h"
#include "lotablecell.h"
#include "office.h"
#include "unoutil.h"

#include <vector>

using namespace css;
using css::uno::Reference;

namespace libreoffice {

LoTableCells::LoTableCells(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                           Reference<text::XTextTable> table, long row)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_table(std::move(table))
    , m_row(row)
{
}

long LoTableCells::count() const
{
    return officeCall(*m_office, 0L,
                      [&] { return long(LoTable::rowCells(m_table, m_row).size()); });
}

automation::CellPtr LoTableCells::item(long index)
{
    if (!m_office->isAlive() || index < 1)
        return nullptr;
    const std::vector<Reference<table::XCell>> cells
        = officeCall(*m_office, std::vector<Reference<table::XCell>>(),
                     [&] { return LoTable::rowCells(m_table, m_row); });
    if (index > long(cells.size()))
        return nullptr;
    return std::make_shared<LoTableCell>(m_office, m_model, m_table, m_row,
                                         cells[size_t(index - 1)]);
}

} // namespace libreoffice
