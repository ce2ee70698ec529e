#pragma once

#include "automation/document.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <functional>
#include <memory>

namespace libreoffice {

class Office;

// A paragraph style: its font and its borders. Its paragraph format is not
// bound yet.
class LoStyle : public automation::Style
{
public:
    // sizeChanged runs after the style's font size was set.
    LoStyle(std::shared_ptr<Office> office, css::uno::Reference<css::beans::XPropertySet> style,
            std::function<void()> sizeChanged = {});

    QString nameLocal() const override;
    automation::FontPtr font() override;
    automation::ParagraphFormatPtr paragraphFormat() override;
    automation::BordersPtr borders() override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_style;
    std::function<void()> m_sizeChanged;
};

} // namespace libreoffice
