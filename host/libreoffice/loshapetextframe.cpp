#include "loshapetextframe.h"

#include "automation/constants.h"
#include "lodrawing.h"
#include "office.h"
#include "unoutil.h"

#include <QTimer>

#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/text/WritingMode2.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

LoShapeTextFrame::LoShapeTextFrame(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                                   Reference<text::XTextFrame> frame,
                                   Reference<css::drawing::XShape> box)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_frame(std::move(frame))
    , m_box(std::move(box))
{
}

automation::RangePtr LoShapeTextFrame::textRange()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XText> text
        = officeCall(*m_office, Reference<text::XText>(), [&] { return m_frame->getText(); });
    return drawing::rangeOf(m_office, m_model, text, 0, -1);
}

int LoShapeTextFrame::autoSize() const
{
    return officeCall(*m_office, int(automation::msoFalse), [&] {
        bool automatic = false;
        Reference<beans::XPropertySet>(m_frame, UNO_QUERY_THROW)
            ->getPropertyValue(unoName("FrameIsAutomaticHeight"))
            >>= automatic;
        return automatic ? automation::msoTrue : automation::msoFalse;
    });
}

void LoShapeTextFrame::setAutoSize(int value)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet>(m_frame, UNO_QUERY_THROW)
            ->setPropertyValue(unoName("FrameIsAutomaticHeight"), Any(value != 0));
        if (!m_box.is() || value == 0)
            return;
        // The frame is never shorter than its shape: the shape starts from
        // nothing, so that the box shrinks to a short text too, and is made
        // as tall as the text once the command has ended (or when its
        // height, the pages or the file are asked for before).
        awt::Size size = m_box->getSize();
        size.Height = 1;
        m_box->setSize(size);
        const std::weak_ptr<Office> office = m_office;
        const Reference<frame::XModel> model = m_model;
        QTimer::singleShot(0, [office, model] {
            if (const std::shared_ptr<Office> alive = office.lock())
                officeCall(*alive, [&] { drawing::fitBoxesToText(alive->shapeWrappers(), model); });
        });
    });
}

float LoShapeTextFrame::margin(const char *property) const
{
    return officeCall(*m_office, 0.0f, [&] {
        sal_Int32 distance = 0;
        Reference<beans::XPropertySet>(m_frame, UNO_QUERY_THROW)
            ->getPropertyValue(unoName(property))
            >>= distance;
        return toPoints(distance);
    });
}

void LoShapeTextFrame::setMargin(const char *property, float points)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet>(m_frame, UNO_QUERY_THROW)
            ->setPropertyValue(unoName(property), Any(toHundredthMm(points)));
    });
}

float LoShapeTextFrame::marginTop() const
{
    return margin("TopBorderDistance");
}

void LoShapeTextFrame::setMarginTop(float points)
{
    setMargin("TopBorderDistance", points);
}

float LoShapeTextFrame::marginBottom() const
{
    return margin("BottomBorderDistance");
}

void LoShapeTextFrame::setMarginBottom(float points)
{
    setMargin("BottomBorderDistance", points);
}

float LoShapeTextFrame::marginLeft() const
{
    return margin("LeftBorderDistance");
}

void LoShapeTextFrame::setMarginLeft(float points)
{
    setMargin("LeftBorderDistance", points);
}

float LoShapeTextFrame::marginRight() const
{
    return margin("RightBorderDistance");
}

void LoShapeTextFrame::setMarginRight(float points)
{
    setMargin("RightBorderDistance", points);
}

// Text running downward is the writing mode top to bottom, right to left;
// upward is bottom to top, left to right.
int LoShapeTextFrame::orientation() const
{
    // No orientation at all when the office cannot be asked.
    return officeCall(*m_office, 0, [&] {
        sal_Int16 mode = text::WritingMode2::LR_TB;
        Reference<beans::XPropertySet>(m_frame, UNO_QUERY_THROW)
            ->getPropertyValue(unoName("WritingMode"))
            >>= mode;
        if (mode == text::WritingMode2::TB_RL)
            return automation::msoTextOrientationDownward;
        if (mode == text::WritingMode2::BT_LR)
            return automation::msoTextOrientationUpward;
        return automation::msoTextOrientationHorizontal;
    });
}

} // namespace libreoffice
