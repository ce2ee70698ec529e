#include "loshapeline.h"

#include "automation/constants.h"
#include "lodrawing.h"
#include "losectionmap.h"
#include "loshapecolor.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/drawing/DashStyle.hpp>
#include <com/sun/star/drawing/LineDash.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

namespace {

const char *const frameBorders[] = {"TopBorder", "BottomBorder", "LeftBorder", "RightBorder"};
const float defaultWeight = 0.75f;

rtl::OUString name(const char *ascii)
{
    return rtl::OUString::createFromAscii(ascii);
}

table::BorderLine2 frameBorder(const Reference<beans::XPropertySet> &frame)
{
    table::BorderLine2 line;
    frame->getPropertyValue(name("TopBorder")) >>= line;
    return line;
}

void setFrameBorders(const Reference<beans::XPropertySet> &frame, const table::BorderLine2 &line)
{
    for (const char *border : frameBorders)
        frame->setPropertyValue(name(border), Any(line));
}

bool frameBorderVisible(const table::BorderLine2 &line)
{
    return line.LineWidth > 0 && line.LineStyle != table::BorderLineStyle::NONE;
}

} // namespace

LoShapeLine::LoShapeLine(std::shared_ptr<Office> office, Reference<beans::XPropertySet> shape,
                         bool frame)
    : m_office(std::move(office))
    , m_shape(std::move(shape))
    , m_frame(frame)
{
}

int LoShapeLine::visible() const
{
    if (!m_office->isAlive())
        return automation::msoFalse;
    return unoGuard(int(automation::msoFalse), [&] {
        bool shown = false;
        if (m_frame) {
            shown = frameBorderVisible(frameBorder(m_shape));
        } else {
            css::drawing::LineStyle style = css::drawing::LineStyle_NONE;
            m_shape->getPropertyValue(name("LineStyle")) >>= style;
            shown = style != css::drawing::LineStyle_NONE;
        }
        return shown ? automation::msoTrue : automation::msoFalse;
    });
}

void LoShapeLine::setVisible(int triState)
{
    if (!m_office->isAlive())
        return;
    unoGuardVoid([&] {
        if (!m_frame) {
            m_shape->setPropertyValue(
                name("LineStyle"),
                Any(triState ? css::drawing::LineStyle_SOLID : css::drawing::LineStyle_NONE));
            return;
        }
        table::BorderLine2 line = frameBorder(m_shape);
        if (triState) {
            if (line.LineWidth <= 0)
                line.LineWidth = SectionMap::toHundredthMm(defaultWeight);
            if (line.LineStyle == table::BorderLineStyle::NONE)
                line.LineStyle = table::BorderLineStyle::SOLID;
        } else {
            line = table::BorderLine2();
            line.LineStyle = table::BorderLineStyle::NONE;
        }
        setFrameBorders(m_shape, line);
    });
}

float LoShapeLine::weight() const
{
    if (!m_office->isAlive())
        return 0;
    return unoGuard(0.0f, [&] {
        sal_Int32 width = 0;
        if (m_frame)
            width = frameBorder(m_shape).LineWidth;
        else
            m_shape->getPropertyValue(name("LineWidth")) >>= width;
        return SectionMap::toPoints(width);
    });
}

void LoShapeLine::setWeight(float points)
{
    if (!m_office->isAlive())
        return;
    unoGuardVoid([&] {
        const sal_Int32 width = SectionMap::toHundredthMm(points);
        if (!m_frame) {
            m_shape->setPropertyValue(name("LineWidth"), Any(width));
            return;
        }
        table::BorderLine2 line = frameBorder(m_shape);
        line.LineWidth = width;
        if (line.LineStyle == table::BorderLineStyle::NONE)
            line.LineStyle = table::BorderLineStyle::SOLID;
        setFrameBorders(m_shape, line);
    });
}

int LoShapeLine::style() const
{
    // Nothing when the office cannot be asked; a drawn line is single.
    if (!m_office->isAlive())
        return 0;
    if (!m_frame)
        return automation::msoLineSingle;
    return unoGuard(0, [&] {
        switch (frameBorder(m_shape).LineStyle) {
        case table::BorderLineStyle::DOUBLE:
            return automation::msoLineThinThin;
        case table::BorderLineStyle::THINTHICK_SMALLGAP:
            return automation::msoLineThinThick;
        case table::BorderLineStyle::THICKTHIN_SMALLGAP:
            return automation::msoLineThickThin;
        default:
            return automation::msoLineSingle;
        }
    });
}

// Drawn lines have no compound styles in the office: only outlines of text
// frames take them.
void LoShapeLine::setStyle(int style)
{
    if (!m_office->isAlive() || !m_frame)
        return;
    unoGuardVoid([&] {
        table::BorderLine2 line = frameBorder(m_shape);
        switch (style) {
        case automation::msoLineThinThin:
            line.LineStyle = table::BorderLineStyle::DOUBLE;
            break;
        case automation::msoLineThinThick:
            line.LineStyle = table::BorderLineStyle::THINTHICK_SMALLGAP;
            break;
        case automation::msoLineThickThin:
            line.LineStyle = table::BorderLineStyle::THICKTHIN_SMALLGAP;
            break;
        default:
            line.LineStyle = table::BorderLineStyle::SOLID;
            break;
        }
        setFrameBorders(m_shape, line);
    });
}

int LoShapeLine::dashStyle() const
{
    if (!m_office->isAlive())
        return 0;
    return unoGuard(0, [&] {
        if (m_frame) {
            const sal_Int16 style = frameBorder(m_shape).LineStyle;
            return style == table::BorderLineStyle::DOTTED ? automation::msoLineSquareDot
                                                           : automation::msoLineSolid;
        }
        css::drawing::LineStyle style = css::drawing::LineStyle_NONE;
        m_shape->getPropertyValue(name("LineStyle")) >>= style;
        return style == css::drawing::LineStyle_DASH ? automation::msoLineSquareDot
                                                     : automation::msoLineSolid;
    });
}

// Solid and square dots are the dash styles bound; others are kept solid.
void LoShapeLine::setDashStyle(int dash)
{
    if (!m_office->isAlive())
        return;
    const bool dotted = dash == automation::msoLineSquareDot;
    unoGuardVoid([&] {
        if (m_frame) {
            table::BorderLine2 line = frameBorder(m_shape);
            line.LineStyle
                = dotted ? table::BorderLineStyle::DOTTED : table::BorderLineStyle::SOLID;
            setFrameBorders(m_shape, line);
            return;
        }
        if (dotted) {
            css::drawing::LineDash pattern;
            pattern.Style = css::drawing::DashStyle_RECTRELATIVE;
            pattern.Dots = 1;
            pattern.DotLen = 100;
            pattern.Dashes = 0;
            pattern.DashLen = 0;
            pattern.Distance = 100;
            m_shape->setPropertyValue(name("LineDash"), Any(pattern));
        }
        m_shape->setPropertyValue(
            name("LineStyle"),
            Any(dotted ? css::drawing::LineStyle_DASH : css::drawing::LineStyle_SOLID));
    });
}

automation::ColorFormatPtr LoShapeLine::foreColor()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<beans::XPropertySet> shape = m_shape;
    if (m_frame) {
        return std::make_shared<LoShapeColor>(
            m_office, [shape] { return int(drawing::swapRedBlue(frameBorder(shape).Color)); },
            [shape](int bgr) {
                table::BorderLine2 line = frameBorder(shape);
                line.Color = drawing::swapRedBlue(bgr);
                setFrameBorders(shape, line);
            });
    }
    return std::make_shared<LoShapeColor>(
        m_office,
        [shape] {
            sal_Int32 color = 0;
            shape->getPropertyValue(name("LineColor")) >>= color;
            return int(drawing::swapRedBlue(color));
        },
        [shape](int bgr) {
            shape->setPropertyValue(name("LineColor"), Any(drawing::swapRedBlue(bgr)));
        });
}

} // namespace libreoffice
