#include "loshapefill.h"

#include "automation/constants.h"
#include "lodrawing.h"
#include "loshapecolor.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/drawing/FillStyle.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

LoShapeFill::LoShapeFill(std::shared_ptr<Office> office, Reference<beans::XPropertySet> shape)
    : m_office(std::move(office))
    , m_shape(std::move(shape))
{
}

int LoShapeFill::visible() const
{
    return officeCall(*m_office, int(automation::msoFalse), [&] {
        css::drawing::FillStyle style = css::drawing::FillStyle_NONE;
        m_shape->getPropertyValue(unoName("FillStyle")) >>= style;
        return style == css::drawing::FillStyle_NONE ? automation::msoFalse : automation::msoTrue;
    });
}

void LoShapeFill::setVisible(int triState)
{
    officeCall(*m_office, [&] {
        m_shape->setPropertyValue(
            unoName("FillStyle"),
            Any(triState ? css::drawing::FillStyle_SOLID : css::drawing::FillStyle_NONE));
        // Without fill a text frame still paints the page's background over
        // whatever lies behind it (a rule under a box of text); a fully
        // transparent fill lets it show, as in Word.
        m_shape->setPropertyValue(unoName("FillTransparence"), Any(sal_Int16(triState ? 0 : 100)));
    });
}

automation::ColorFormatPtr LoShapeFill::foreColor()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<beans::XPropertySet> shape = m_shape;
    return std::make_shared<LoShapeColor>(
        m_office,
        [shape] {
            sal_Int32 color = 0;
            shape->getPropertyValue(unoName("FillColor")) >>= color;
            return int(swapRedBlue(color));
        },
        [shape](int bgr) { shape->setPropertyValue(unoName("FillColor"), Any(swapRedBlue(bgr))); });
}

} // namespace libreoffice
