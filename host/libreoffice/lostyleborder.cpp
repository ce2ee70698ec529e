#include "lostyleborder.h"

#include "automation/constants.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

namespace {

sal_Int32 widthOf(const table::BorderLine2 &line)
{
    const sal_Int32 parts = line.OuterLineWidth + line.InnerLineWidth + line.LineDistance;
    return line.LineWidth > 0 ? line.LineWidth : parts;
}

} // namespace

LoStyleBorder::LoStyleBorder(std::shared_ptr<Office> office, Reference<beans::XPropertySet> style,
                             const char *property)
    : m_office(std::move(office))
    , m_style(std::move(style))
    , m_property(property)
{
}

int LoStyleBorder::lineStyle() const
{
    return officeCall(*m_office, int(automation::wdLineStyleNone), [&] {
        table::BorderLine2 line;
        m_style->getPropertyValue(unoName(m_property)) >>= line;
        return widthOf(line) > 0 && line.LineStyle != table::BorderLineStyle::NONE
            ? automation::wdLineStyleSingle
            : automation::wdLineStyleNone;
    });
}

void LoStyleBorder::setLineStyle(int style)
{
    officeCall(*m_office, [&] {
        table::BorderLine2 line;
        if (style != automation::wdLineStyleNone) {
            m_style->getPropertyValue(unoName(m_property)) >>= line;
            line.LineStyle = table::BorderLineStyle::SOLID;
            if (widthOf(line) <= 0)
                line.LineWidth = toHundredthMm(0.5f);
            line.OuterLineWidth = sal_Int16(line.LineWidth);
            line.InnerLineWidth = 0;
            line.LineDistance = 0;
        } else {
            line.LineStyle = table::BorderLineStyle::NONE;
        }
        m_style->setPropertyValue(unoName(m_property), Any(line));
    });
}

// Width codes are eighths of a point.
int LoStyleBorder::lineWidth() const
{
    return officeCall(*m_office, 0, [&] {
        table::BorderLine2 line;
        m_style->getPropertyValue(unoName(m_property)) >>= line;
        return int(std::lround(toPoints(widthOf(line)) * 8));
    });
}

void LoStyleBorder::setLineWidth(int code)
{
    officeCall(*m_office, [&] {
        table::BorderLine2 line;
        m_style->getPropertyValue(unoName(m_property)) >>= line;
        line.LineWidth = toHundredthMm(code / 8.0f);
        line.OuterLineWidth = sal_Int16(line.LineWidth);
        line.InnerLineWidth = 0;
        line.LineDistance = 0;
        if (line.LineStyle == table::BorderLineStyle::NONE)
            line.LineStyle = table::BorderLineStyle::SOLID;
        m_style->setPropertyValue(unoName(m_property), Any(line));
    });
}

} // namespace libreoffice
