#pragma once

#include "automation/shapes.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The fill of a shape or text frame: FillStyle NONE or SOLID with FillColor.
class LoShapeFill : public automation::FillFormat
{
public:
    LoShapeFill(std::shared_ptr<Office> office,
                css::uno::Reference<css::beans::XPropertySet> shape);

    int visible() const override;
    void setVisible(int triState) override;
    automation::ColorFormatPtr foreColor() override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_shape;
};

} // namespace libreoffice
