#include "loshapeline.h"

#include "automation/constants.h"
#include "locompoundrule.h"
#include "lodrawing.h"
#include "loshape.h"
#include "loshapecolor.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/drawing/DashStyle.hpp>
#include <com/sun/star/drawing/FillStyle.hpp>
#include <com/sun/star/drawing/LineDash.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

namespace {

const char *const frameBorders[] = {"TopBorder", "BottomBorder", "LeftBorder", "RightBorder"};
const float defaultWeight = 0.75f;

table::BorderLine2 frameBorder(const Reference<beans::XPropertySet> &frame)
{
    table::BorderLine2 line;
    frame->getPropertyValue(unoName("TopBorder")) >>= line;
    return line;
}

void setFrameBorders(const Reference<beans::XPropertySet> &frame, const table::BorderLine2 &line)
{
    for (const char *border : frameBorders)
        frame->setPropertyValue(unoName(border), Any(line));
}

bool frameBorderVisible(const table::BorderLine2 &line)
{
    return line.LineWidth > 0 && line.LineStyle != table::BorderLineStyle::NONE;
}

} // namespace

LoShapeLine::LoShapeLine(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                         std::shared_ptr<DrawnObject> object, bool frame)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_object(std::move(object))
    , m_frame(frame)
{
}

bool LoShapeLine::compound() const
{
    return !m_frame && compoundrule::isCompound(m_object->shape);
}

int LoShapeLine::visible() const
{
    return officeCall(*m_office, int(automation::msoFalse), [&] {
        bool shown = false;
        if (m_frame) {
            shown = frameBorderVisible(frameBorder(m_object->properties));
        } else if (compound()) {
            css::drawing::FillStyle fill = css::drawing::FillStyle_NONE;
            m_object->properties->getPropertyValue(unoName("FillStyle")) >>= fill;
            shown = fill != css::drawing::FillStyle_NONE;
        } else {
            css::drawing::LineStyle style = css::drawing::LineStyle_NONE;
            m_object->properties->getPropertyValue(unoName("LineStyle")) >>= style;
            shown = style != css::drawing::LineStyle_NONE;
        }
        return shown ? automation::msoTrue : automation::msoFalse;
    });
}

void LoShapeLine::setVisible(int triState)
{
    officeCall(*m_office, [&] {
        if (compound()) {
            m_object->properties->setPropertyValue(
                unoName("FillStyle"),
                Any(triState ? css::drawing::FillStyle_SOLID : css::drawing::FillStyle_NONE));
            return;
        }
        if (!m_frame) {
            m_object->properties->setPropertyValue(
                unoName("LineStyle"),
                Any(triState ? css::drawing::LineStyle_SOLID : css::drawing::LineStyle_NONE));
            return;
        }
        table::BorderLine2 line = frameBorder(m_object->properties);
        if (triState) {
            if (line.LineWidth <= 0)
                line.LineWidth = toHundredthMm(defaultWeight);
            if (line.LineStyle == table::BorderLineStyle::NONE)
                line.LineStyle = table::BorderLineStyle::SOLID;
        } else {
            line = table::BorderLine2();
            line.LineStyle = table::BorderLineStyle::NONE;
        }
        setFrameBorders(m_object->properties, line);
    });
}

float LoShapeLine::weight() const
{
    return officeCall(*m_office, 0.0f, [&] {
        sal_Int32 width = 0;
        if (m_frame)
            width = frameBorder(m_object->properties).LineWidth;
        else if (compound())
            width = compoundrule::weightOf(m_object->shape);
        else
            m_object->properties->getPropertyValue(unoName("LineWidth")) >>= width;
        return toPoints(width);
    });
}

void LoShapeLine::setWeight(float points)
{
    officeCall(*m_office, [&] {
        const sal_Int32 width = toHundredthMm(points);
        if (compound()) {
            compoundrule::setWeight(m_object->shape, width);
            return;
        }
        if (!m_frame) {
            m_object->properties->setPropertyValue(unoName("LineWidth"), Any(width));
            return;
        }
        table::BorderLine2 line = frameBorder(m_object->properties);
        line.LineWidth = width;
        if (line.LineStyle == table::BorderLineStyle::NONE)
            line.LineStyle = table::BorderLineStyle::SOLID;
        setFrameBorders(m_object->properties, line);
    });
}

int LoShapeLine::style() const
{
    // Nothing when the office cannot be asked; a drawn line is single.
    if (!m_office->isAlive())
        return 0;
    if (!m_frame)
        return officeCall(*m_office, int(automation::msoLineSingle),
                          [&] { return compoundrule::styleOf(m_object->shape); });
    return officeCall(*m_office, 0, [&] {
        switch (frameBorder(m_object->properties).LineStyle) {
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

// A drawn line takes two strokes by becoming a compound rule, and one again
// by becoming a line. The outline of a drawn box has one stroke only.
void LoShapeLine::setStyle(int style)
{
    if (!m_office->isAlive())
        return;
    if (!m_frame) {
        officeCall(*m_office, [&] {
            if (!compound()
                && !Reference<lang::XServiceInfo>(m_object->shape, uno::UNO_QUERY_THROW)
                        ->supportsService(unoName("com.sun.star.drawing.LineShape")))
                return;
            const Reference<css::drawing::XShape> drawn
                = compoundrule::restyle(*m_office, m_model, m_object->shape, style);
            m_object->properties.set(drawn, uno::UNO_QUERY_THROW);
            m_object->shape = drawn;
        });
        return;
    }
    officeCall(*m_office, [&] {
        table::BorderLine2 line = frameBorder(m_object->properties);
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
        setFrameBorders(m_object->properties, line);
    });
}

int LoShapeLine::dashStyle() const
{
    return officeCall(*m_office, 0, [&] {
        if (compound())
            return automation::msoLineSolid;
        if (m_frame) {
            const sal_Int16 style = frameBorder(m_object->properties).LineStyle;
            return style == table::BorderLineStyle::DOTTED ? automation::msoLineSquareDot
                                                           : automation::msoLineSolid;
        }
        css::drawing::LineStyle style = css::drawing::LineStyle_NONE;
        m_object->properties->getPropertyValue(unoName("LineStyle")) >>= style;
        return style == css::drawing::LineStyle_DASH ? automation::msoLineSquareDot
                                                     : automation::msoLineSolid;
    });
}

// Solid and square dots are the dash styles bound; others are kept solid, as
// compound rules are.
void LoShapeLine::setDashStyle(int dash)
{
    if (!m_office->isAlive() || compound())
        return;
    const bool dotted = dash == automation::msoLineSquareDot;
    officeCall(*m_office, [&] {
        if (m_frame) {
            table::BorderLine2 line = frameBorder(m_object->properties);
            line.LineStyle
                = dotted ? table::BorderLineStyle::DOTTED : table::BorderLineStyle::SOLID;
            setFrameBorders(m_object->properties, line);
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
            m_object->properties->setPropertyValue(unoName("LineDash"), Any(pattern));
        }
        m_object->properties->setPropertyValue(
            unoName("LineStyle"),
            Any(dotted ? css::drawing::LineStyle_DASH : css::drawing::LineStyle_SOLID));
    });
}

automation::ColorFormatPtr LoShapeLine::foreColor()
{
    if (!m_office->isAlive())
        return nullptr;
    const std::shared_ptr<DrawnObject> object = m_object;
    if (m_frame) {
        return std::make_shared<LoShapeColor>(
            m_office, [object] { return int(swapRedBlue(frameBorder(object->properties).Color)); },
            [object](int bgr) {
                table::BorderLine2 line = frameBorder(object->properties);
                line.Color = swapRedBlue(bgr);
                setFrameBorders(object->properties, line);
            });
    }
    // A compound rule's strokes are its bars' fill.
    const auto property = [object] {
        return unoName(compoundrule::isCompound(object->shape) ? "FillColor" : "LineColor");
    };
    return std::make_shared<LoShapeColor>(
        m_office,
        [object, property] {
            sal_Int32 color = 0;
            object->properties->getPropertyValue(property()) >>= color;
            return int(swapRedBlue(color));
        },
        [object, property](int bgr) {
            object->properties->setPropertyValue(property(), Any(swapRedBlue(bgr)));
        });
}

} // namespace libreoffice
