#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <functional>
#include <memory>

namespace libreoffice {

class Office;

// The character format of a style. Writer keeps the Western and the East
// Asian font, size, weight and posture apart: Name, Size, Bold and Italic
// set both, NameAscii the Western and NameFarEast the East Asian one.
class LoStyleFont : public automation::Font
{
public:
    // sizeChanged runs after the size was set.
    LoStyleFont(std::shared_ptr<Office> office, css::uno::Reference<css::beans::XPropertySet> style,
                std::function<void()> sizeChanged = {});

    QString name() const override;
    void setName(const QString &name) override;
    QString nameFarEast() const override;
    void setNameFarEast(const QString &name) override;
    QString nameAscii() const override;
    void setNameAscii(const QString &name) override;
    float size() const override;
    void setSize(float points) override;
    int bold() const override;
    void setBold(int value) override;
    int italic() const override;
    void setItalic(int value) override;
    int color() const override;
    void setColor(int bgr) override;
    int scaling() const override;
    void setScaling(int percent) override;

private:
    css::uno::Any get(const char *name) const;
    void set(std::initializer_list<const char *> names, const css::uno::Any &value);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::beans::XPropertySet> m_style;
    std::function<void()> m_sizeChanged;
};

} // namespace libreoffice
