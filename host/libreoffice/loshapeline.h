#pragma once

#include "automation/shapes.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;
struct DrawnObject;

// The line of a line shape (LineStyle, LineWidth, LineColor, LineDash), of
// a compound rule (its bars' fill; locompoundrule.h), the outline of a
// drawn box (as a line's, one stroke only) or the outline of a text frame,
// which is its four borders kept alike.
class LoShapeLine : public automation::LineFormat
{
public:
    LoShapeLine(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                std::shared_ptr<DrawnObject> object, bool frame);

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
    bool compound() const;

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    std::shared_ptr<DrawnObject> m_object;
    bool m_frame;
};

} // namespace libreoffice
