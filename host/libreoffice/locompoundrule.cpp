#include "locompoundrule.h"

#include "automation/constants.h"
#include "lodrawing.h"
#include "lotextlock.h"
#include "unoutil.h"

#include <com/sun/star/awt/Point.hpp>
#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/drawing/FillStyle.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/drawing/PointSequenceSequence.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <com/sun/star/text/XTextContent.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::compoundrule {

namespace {

const char polygonShape[] = "com.sun.star.drawing.PolyPolygonShape";
const char lineShape[] = "com.sun.star.drawing.LineShape";

// The bars of a style, each from and to a fraction of the weight, from the
// top: a thick stroke three times as wide as the thin one and the gap
// between them.
struct Bar
{
    double from, to;
};

std::vector<Bar> barsOf(int style)
{
    switch (style) {
    case automation::msoLineThickThin:
        return {{0, 0.6}, {0.8, 1}};
    case automation::msoLineThinThick:
        return {{0, 0.2}, {0.4, 1}};
    default:
        return {{0, 1.0 / 3}, {2.0 / 3, 1}};
    }
}

bool isCompoundStyle(int style)
{
    return style == automation::msoLineThickThin || style == automation::msoLineThinThick
        || style == automation::msoLineThinThin;
}

Reference<beans::XPropertySet> propertiesOf(const Reference<css::drawing::XShape> &shape)
{
    return Reference<beans::XPropertySet>(shape, UNO_QUERY_THROW);
}

// The bounds of the polygon's points, in the coordinates the points use.
struct Bounds
{
    sal_Int32 left = 0, top = 0, right = 0, bottom = 0;
};

css::drawing::PointSequenceSequence polygonOf(const Reference<css::drawing::XShape> &shape)
{
    css::drawing::PointSequenceSequence polygon;
    propertiesOf(shape)->getPropertyValue(unoName("PolyPolygon")) >>= polygon;
    return polygon;
}

Bounds boundsOf(const css::drawing::PointSequenceSequence &polygon)
{
    Bounds b {SAL_MAX_INT32, SAL_MAX_INT32, SAL_MIN_INT32, SAL_MIN_INT32};
    for (const auto &points : polygon) {
        for (const awt::Point &p : points) {
            b.left = std::min(b.left, p.X);
            b.top = std::min(b.top, p.Y);
            b.right = std::max(b.right, p.X);
            b.bottom = std::max(b.bottom, p.Y);
        }
    }
    return b.left > b.right ? Bounds() : b;
}

sal_Int32 heightOf(const uno::Sequence<awt::Point> &points)
{
    sal_Int32 top = SAL_MAX_INT32;
    sal_Int32 bottom = SAL_MIN_INT32;
    for (const awt::Point &p : points) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    return bottom >= top ? bottom - top : 0;
}

css::drawing::PointSequenceSequence bars(int style, sal_Int32 left, sal_Int32 top, sal_Int32 width,
                                         sal_Int32 weight)
{
    const std::vector<Bar> all = barsOf(style);
    css::drawing::PointSequenceSequence polygon(sal_Int32(all.size()));
    for (size_t i = 0; i < all.size(); ++i) {
        const sal_Int32 y0 = top + sal_Int32(std::lround(weight * all[i].from));
        const sal_Int32 y1
            = top + std::max(sal_Int32(std::lround(weight * all[i].to)), y0 - top + 1);
        const awt::Point corners[]
            = {{left, y0}, {left + width, y0}, {left + width, y1}, {left, y1}, {left, y0}};
        polygon[sal_Int32(i)] = uno::Sequence<awt::Point>(corners, 5);
    }
    return polygon;
}

// Sets the vertical offset of a rule whose line stays where it was, its bars
// now `before` and then `after` tall, and has the layout take it.
void keepCentred(const Reference<css::drawing::XShape> &shape, sal_Int32 before, sal_Int32 after)
{
    const Reference<beans::XPropertySet> properties = propertiesOf(shape);
    sal_Int16 orient = text::VertOrientation::NONE;
    properties->getPropertyValue(unoName("VertOrient")) >>= orient;
    if (orient == text::VertOrientation::NONE) {
        sal_Int32 position = 0;
        properties->getPropertyValue(unoName("VertOrientPosition")) >>= position;
        properties->setPropertyValue(unoName("VertOrientPosition"),
                                     Any(sal_Int32(position + before / 2 - after / 2)));
    }
    shape->setPosition(shape->getPosition());
}

// What a rule carries over when another object takes its place.
struct RuleState
{
    Reference<text::XTextRange> anchor;
    Any anchorType, surround, opaque, zOrder, visible;
    Any horiOrient, horiRelation, horiPosition, vertOrient, vertRelation;
    sal_Int32 line = 0; // vertical offset of the line the rule stands for
    sal_Int32 width = 0, weight = 0, color = 0;
    bool stroked = true;
    rtl::OUString name;
};

RuleState stateOf(const Reference<css::drawing::XShape> &shape)
{
    const Reference<beans::XPropertySet> p = propertiesOf(shape);
    RuleState s;
    s.anchor = Reference<text::XTextContent>(shape, UNO_QUERY_THROW)->getAnchor();
    s.anchorType = p->getPropertyValue(unoName("AnchorType"));
    s.surround = p->getPropertyValue(unoName("Surround"));
    s.opaque = p->getPropertyValue(unoName("Opaque"));
    s.zOrder = p->getPropertyValue(unoName("ZOrder"));
    s.visible = p->getPropertyValue(unoName("Visible"));
    s.horiOrient = p->getPropertyValue(unoName("HoriOrient"));
    s.horiRelation = p->getPropertyValue(unoName("HoriOrientRelation"));
    s.horiPosition = p->getPropertyValue(unoName("HoriOrientPosition"));
    s.vertOrient = p->getPropertyValue(unoName("VertOrient"));
    s.vertRelation = p->getPropertyValue(unoName("VertOrientRelation"));
    p->getPropertyValue(unoName("VertOrientPosition")) >>= s.line;
    s.width = shape->getSize().Width;
    s.name = Reference<container::XNamed>(shape, UNO_QUERY_THROW)->getName();
    if (isCompound(shape)) {
        s.weight = weightOf(shape);
        s.line += s.weight / 2;
        p->getPropertyValue(unoName("FillColor")) >>= s.color;
        css::drawing::FillStyle fill = css::drawing::FillStyle_NONE;
        p->getPropertyValue(unoName("FillStyle")) >>= fill;
        s.stroked = fill != css::drawing::FillStyle_NONE;
    } else {
        p->getPropertyValue(unoName("LineWidth")) >>= s.weight;
        p->getPropertyValue(unoName("LineColor")) >>= s.color;
        css::drawing::LineStyle line = css::drawing::LineStyle_NONE;
        p->getPropertyValue(unoName("LineStyle")) >>= line;
        s.stroked = line != css::drawing::LineStyle_NONE;
    }
    return s;
}

Reference<css::drawing::XShape> replace(const Office &office, const Reference<frame::XModel> &model,
                                        const Reference<css::drawing::XShape> &old, int style)
{
    const RuleState s = stateOf(old);
    const bool compound = isCompoundStyle(style);
    const LoTextLock lock(office, model);
    drawing::drawPageOf(model)->remove(old);

    const Reference<lang::XMultiServiceFactory> factory(model, UNO_QUERY_THROW);
    const Reference<css::drawing::XShape> shape(
        factory->createInstance(unoName(compound ? polygonShape : lineShape)), UNO_QUERY_THROW);
    const Reference<beans::XPropertySet> p = propertiesOf(shape);
    p->setPropertyValue(unoName("AnchorType"), s.anchorType);
    s.anchor->getText()->insertTextContent(
        s.anchor, Reference<text::XTextContent>(shape, UNO_QUERY_THROW), false);
    if (compound) {
        // The bars' points are only taken once the shape is in the text.
        p->setPropertyValue(unoName("PolyPolygon"), Any(bars(style, 0, 0, s.width, s.weight)));
        p->setPropertyValue(unoName("LineStyle"), Any(css::drawing::LineStyle_NONE));
        p->setPropertyValue(
            unoName("FillStyle"),
            Any(s.stroked ? css::drawing::FillStyle_SOLID : css::drawing::FillStyle_NONE));
        p->setPropertyValue(unoName("FillColor"), Any(s.color));
    } else {
        shape->setSize(awt::Size(s.width, 0));
        p->setPropertyValue(
            unoName("LineStyle"),
            Any(s.stroked ? css::drawing::LineStyle_SOLID : css::drawing::LineStyle_NONE));
        p->setPropertyValue(unoName("LineWidth"), Any(s.weight));
        p->setPropertyValue(unoName("LineColor"), Any(s.color));
    }
    p->setPropertyValue(unoName("Surround"), s.surround);
    p->setPropertyValue(unoName("Opaque"), s.opaque);
    p->setPropertyValue(unoName("HoriOrient"), s.horiOrient);
    p->setPropertyValue(unoName("HoriOrientRelation"), s.horiRelation);
    p->setPropertyValue(unoName("HoriOrientPosition"), s.horiPosition);
    p->setPropertyValue(unoName("VertOrient"), s.vertOrient);
    p->setPropertyValue(unoName("VertOrientRelation"), s.vertRelation);
    p->setPropertyValue(unoName("VertOrientPosition"),
                        Any(sal_Int32(s.line - (compound ? s.weight / 2 : 0))));
    p->setPropertyValue(unoName("Visible"), s.visible);
    p->setPropertyValue(unoName("ZOrder"), s.zOrder);
    Reference<container::XNamed>(shape, UNO_QUERY_THROW)->setName(s.name);
    shape->setPosition(shape->getPosition());
    return shape;
}

} // namespace

bool isCompound(const Reference<css::drawing::XShape> &shape)
{
    const Reference<lang::XServiceInfo> info(shape, UNO_QUERY);
    return info.is() && info->supportsService(unoName(polygonShape));
}

int styleOf(const Reference<css::drawing::XShape> &shape)
{
    if (!isCompound(shape))
        return automation::msoLineSingle;
    const css::drawing::PointSequenceSequence polygon = polygonOf(shape);
    if (polygon.getLength() != 2)
        return automation::msoLineSingle;
    const sal_Int32 first = heightOf(polygon[0]);
    const sal_Int32 second = heightOf(polygon[1]);
    if (std::abs(first - second) <= 1)
        return automation::msoLineThinThin;
    return first > second ? automation::msoLineThickThin : automation::msoLineThinThick;
}

Reference<css::drawing::XShape> restyle(const Office &office, const Reference<frame::XModel> &model,
                                        const Reference<css::drawing::XShape> &shape, int style)
{
    const bool compound = isCompound(shape);
    if (!compound && !isCompoundStyle(style))
        return shape;
    if (compound != isCompoundStyle(style))
        return replace(office, model, shape, style);
    const Bounds b = boundsOf(polygonOf(shape));
    propertiesOf(shape)->setPropertyValue(
        unoName("PolyPolygon"),
        Any(bars(style, b.left, b.top, b.right - b.left, b.bottom - b.top)));
    shape->setPosition(shape->getPosition());
    return shape;
}

sal_Int32 weightOf(const Reference<css::drawing::XShape> &shape)
{
    const Bounds b = boundsOf(polygonOf(shape));
    return b.bottom - b.top;
}

void setWeight(const Reference<css::drawing::XShape> &shape, sal_Int32 weight)
{
    const int style = styleOf(shape);
    const Bounds b = boundsOf(polygonOf(shape));
    propertiesOf(shape)->setPropertyValue(
        unoName("PolyPolygon"), Any(bars(style, b.left, b.top, b.right - b.left, weight)));
    keepCentred(shape, b.bottom - b.top, weight);
}

sal_Int32 lineOffset(const Reference<css::drawing::XShape> &shape)
{
    return isCompound(shape) ? weightOf(shape) / 2 : 0;
}

} // namespace libreoffice::compoundrule
