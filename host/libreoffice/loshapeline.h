#pragma once

#include "automation/shapes.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The line of a line shape (LineStyle, LineWidth, LineColor, LineDash) or
// the outline of a text frame, which is its four borders kept alike.
class LoShapeLine : public automation::LineFormat
{
public:
    LoShapeLine(std::shared_ptr<Office> office, css::uno::Reference<css::beans::XPropertySet> shape,
                bool frame);

    int visible() const override;
    void setVisible(int triState) override;
    float weight() const override;
    void setWeight(float points) override;
    int style() const override;
    void setStyle(int style) override;
    int dashStyle() const override;
    void setDashStyle(int dash) override;
    automation::ColorFormatPtr foreColor() override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_shape;
    bool m_frame;
};

} // namespace libreoffice
