#include "lotablerows.h"

#include "lotablerow.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/HoriOrientation.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// wdRowAlignmentLeft, Center, Right.
const int rowAlignLeft = 0;
const int rowAlignCenter = 1;
const int rowAlignRight = 2;

} // namespace

LoTableRows::LoTableRows(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                         Reference<text::XTextTable> table)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_table(std::move(table))
{
}

long LoTableRows::count() const
{
    return officeCall(*m_office, 0L, [&] { return long(m_table->getRows()->getCount()); });
}

automation::RowPtr LoTableRows::item(long index)
{
    if (index < 1 || index > count())
        return nullptr;
    return std::make_shared<LoTableRow>(m_office, m_model, m_table, index - 1);
}

int LoTableRows::alignment() const
{
    return officeCall(*m_office, rowAlignLeft, [&] {
        sal_Int16 orient = text::HoriOrientation::LEFT;
        Reference<beans::XPropertySet>(m_table, UNO_QUERY_THROW)
            ->getPropertyValue(unoName("HoriOrient"))
            >>= orient;
        if (orient == text::HoriOrientation::CENTER)
            return rowAlignCenter;
        if (orient == text::HoriOrientation::RIGHT)
            return rowAlignRight;
        return rowAlignLeft;
    });
}

void LoTableRows::setAlignment(int alignment)
{
    if (!m_office->isAlive())
        return;
    const sal_Int16 orient = alignment == rowAlignCenter ? text::HoriOrientation::CENTER
        : alignment == rowAlignRight                     ? text::HoriOrientation::RIGHT
                                                         : text::HoriOrientation::LEFT;
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet>(m_table, UNO_QUERY_THROW)
            ->setPropertyValue(unoName("HoriOrient"), Any(orient));
    });
}

} // namespace libreoffice
