#include "lostylefont.h"

#include "automation/constants.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/awt/FontWeight.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

LoStyleFont::LoStyleFont(std::shared_ptr<Office> office, Reference<beans::XPropertySet> style,
                         std::function<void()> sizeChanged)
    : m_office(std::move(office))
    , m_style(std::move(style))
    , m_sizeChanged(std::move(sizeChanged))
{
}

Any LoStyleFont::get(const char *name) const
{
    if (!m_office->isAlive())
        return Any();
    return unoGuard(
        Any(), [&] { return m_style->getPropertyValue(rtl::OUString::createFromAscii(name)); });
}

void LoStyleFont::set(std::initializer_list<const char *> names, const Any &value)
{
    if (!m_office->isAlive())
        return;
    for (const char *name : names) {
        unoGuardVoid(
            [&] { m_style->setPropertyValue(rtl::OUString::createFromAscii(name), value); });
    }
}

QString LoStyleFont::name() const
{
    rtl::OUString value;
    get("CharFontName") >>= value;
    return toQString(value);
}

void LoStyleFont::setName(const QString &name)
{
    set({"CharFontName", "CharFontNameAsian"}, Any(toOUString(name)));
}

QString LoStyleFont::nameFarEast() const
{
    rtl::OUString value;
    get("CharFontNameAsian") >>= value;
    return toQString(value);
}

void LoStyleFont::setNameFarEast(const QString &name)
{
    set({"CharFontNameAsian"}, Any(toOUString(name)));
}

QString LoStyleFont::nameAscii() const
{
    return name();
}

void LoStyleFont::setNameAscii(const QString &name)
{
    set({"CharFontName"}, Any(toOUString(name)));
}

float LoStyleFont::size() const
{
    float value = 0;
    get("CharHeight") >>= value;
    return value;
}

void LoStyleFont::setSize(float points)
{
    set({"CharHeight", "CharHeightAsian"}, Any(points));
    if (m_sizeChanged && m_office->isAlive())
        unoGuardVoid(m_sizeChanged);
}

int LoStyleFont::bold() const
{
    float weight = awt::FontWeight::NORMAL;
    get("CharWeight") >>= weight;
    return weight >= awt::FontWeight::BOLD ? automation::msoTrue : automation::msoFalse;
}

void LoStyleFont::setBold(int value)
{
    set({"CharWeight", "CharWeightAsian"},
        Any(value ? awt::FontWeight::BOLD : awt::FontWeight::NORMAL));
}

int LoStyleFont::italic() const
{
    awt::FontSlant posture = awt::FontSlant_NONE;
    get("CharPosture") >>= posture;
    return posture == awt::FontSlant_NONE ? automation::msoFalse : automation::msoTrue;
}

void LoStyleFont::setItalic(int value)
{
    set({"CharPosture", "CharPostureAsian"},
        Any(value ? awt::FontSlant_ITALIC : awt::FontSlant_NONE));
}

// Writer's colours are 0xRRGGBB, the object model's 0xBBGGRR.
int LoStyleFont::color() const
{
    sal_Int32 rgb = 0;
    get("CharColor") >>= rgb;
    if (rgb < 0)
        return automation::wdColorBlack; // automatic
    return ((rgb & 0xff) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 0xff);
}

void LoStyleFont::setColor(int bgr)
{
    const sal_Int32 rgb = ((bgr & 0xff) << 16) | (bgr & 0xff00) | ((bgr >> 16) & 0xff);
    set({"CharColor"}, Any(rgb));
}

int LoStyleFont::scaling() const
{
    // Nothing read (the office has gone) answers 0, as the other getters do.
    sal_Int16 percent = 0;
    get("CharScaleWidth") >>= percent;
    return percent;
}

void LoStyleFont::setScaling(int percent)
{
    set({"CharScaleWidth"}, Any(sal_Int16(percent)));
}

} // namespace libreoffice
