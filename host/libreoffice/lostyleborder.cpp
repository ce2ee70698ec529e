#include "lostyleborder.h"

#include "automation/constants.h"
#include "loborderline.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

namespace {

// A line of a paragraph style is drawn as one line of its width.
void drawSingle(table::BorderLine2 &line)
{
    line.OuterLineWidth = sal_Int16(line.LineWidth);
    line.InnerLineWidth = 0;
    line.LineDistance = 0;
}

} // namespace

LoStyleBorder::LoStyleBorder(std::shared_ptr<Office> office, Reference<beans::XPropertySet> style,
                             const char *property)
    : m_office(std::move(office))
    , m_style(std::move(style))
    , m_property(property)
{
}

table::BorderLine2 LoStyleBorder::line() const
{
    table::BorderLine2 line;
    m_style->getPropertyValue(unoName(m_property)) >>= line;
    return line;
}

int LoStyleBorder::lineStyle() const
{
    return officeCall(*m_office, int(automation::wdLineStyleNone),
                      [&] { return borderline::lineStyleOf(line()); });
}

void LoStyleBorder::setLineStyle(int style)
{
    officeCall(*m_office, [&] {
        table::BorderLine2 changed;
        if (style != automation::wdLineStyleNone) {
            changed = line();
            borderline::makeSolid(changed);
            drawSingle(changed);
        } else {
            changed.LineStyle = table::BorderLineStyle::NONE;
        }
        m_style->setPropertyValue(unoName(m_property), Any(changed));
    });
}

// Width codes are eighths of a point.
int LoStyleBorder::lineWidth() const
{
    return officeCall(*m_office, 0, [&] { return borderline::widthCodeOf(line()); });
}

void LoStyleBorder::setLineWidth(int code)
{
    officeCall(*m_office, [&] {
        table::BorderLine2 changed = line();
        borderline::setWidthCode(changed, code);
        drawSingle(changed);
        m_style->setPropertyValue(unoName(m_property), Any(changed));
    });
}

} // namespace libreoffice
