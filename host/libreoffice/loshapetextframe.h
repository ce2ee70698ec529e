#pragma once

#include "automation/shapes.h"

#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The text of a text frame: its own story, its automatic height, its inner
// margins (the border distances) and its writing mode. The frame may be
// attached to a drawing shape (a box, loshapes.h): a box whose height
// follows its text then has its shape follow the text too (lodrawing.h).
class LoShapeTextFrame : public automation::TextFrame
{
public:
    LoShapeTextFrame(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                     css::uno::Reference<css::text::XTextFrame> frame,
                     css::uno::Reference<css::drawing::XShape> box = nullptr);

    automation::RangePtr textRange() override;
    int autoSize() const override;
    void setAutoSize(int value) override;
    float marginTop() const override;
    void setMarginTop(float points) override;
    float marginBottom() const override;
    void setMarginBottom(float points) override;
    float marginLeft() const override;
    void setMarginLeft(float points) override;
    float marginRight() const override;
    void setMarginRight(float points) override;
    int orientation() const override;

private:
    float margin(const char *property) const;
    void setMargin(const char *property, float points);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XTextFrame> m_frame;
    css::uno::Reference<css::drawing::XShape> m_box;
};

} // namespace libreoffice
