#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <functional>
#include <memory>

namespace libreoffice {

class Office;

// Character formatting of what the source gives: a text cursor made afresh
// for every call, so that the font follows its range, or a style. Mixed
// values are detected with the object's property states.
class LoFont : public automation::Font
{
public:
    using Source = std::function<css::uno::Reference<css::beans::XPropertySet>()>;

    LoFont(std::shared_ptr<Office> office, Source source);
    // Called after the size was set (a style whose size the grid follows).
    void onSizeChanged(std::function<void()> sizeChanged);
    // Writes go to the whole of this object (a paragraph) rather than to a
    // cursor from the source; reads still use the source.
    void writeTo(const css::uno::Reference<css::beans::XMultiPropertySet> &target);

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
    // The property's value; empty when the characters differ (then *mixed
    // is set) or when the office cannot be asked.
    css::uno::Any read(const char *property, bool *mixed = nullptr) const;
    // What a numeric getter answers when read() gave nothing: wdUndefined for
    // characters that differ, 0 when there was no answer at all.
    static int noValue(bool mixed);
    QString readName(const char *property) const;
    void write(const char *property, const css::uno::Any &value,
               const char *asianProperty = nullptr);

    std::shared_ptr<Office> m_office;
    Source m_source;
    std::function<void()> m_sizeChanged;
    // The cursor (or target) the held writes go to.
    css::uno::Reference<css::beans::XMultiPropertySet> m_held;
    css::uno::Reference<css::beans::XMultiPropertySet> m_target;
};

} // namespace libreoffice
