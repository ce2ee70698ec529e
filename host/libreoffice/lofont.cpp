#include "lofont.h"

#include "automation/constants.h"
#include "lowritebatch.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/awt/FontWeight.hpp>
#include <com/sun/star/beans/PropertyState.hpp>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertyState.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// The object model's automatic colour; LibreOffice's is -1 (COL_AUTO).
const int wdColorAutomatic = -16777216;

} // namespace

void LoFont::writeTo(const Reference<beans::XMultiPropertySet> &target)
{
    m_target = target;
}

void LoFont::onSizeChanged(std::function<void()> sizeChanged)
{
    m_sizeChanged = std::move(sizeChanged);
}

LoFont::LoFont(std::shared_ptr<Office> office, Source source)
    : m_office(std::move(office))
    , m_source(std::move(source))
{
}

Any LoFont::read(const char *property, bool *mixed) const
{
    if (mixed)
        *mixed = false;
    return officeCall(*m_office, Any(), [&] {
        const Reference<beans::XPropertySet> cursor = m_source();
        const rtl::OUString name = unoName(property);
        const Reference<beans::XPropertyState> state(cursor, UNO_QUERY_THROW);
        if (state->getPropertyState(name) == beans::PropertyState_AMBIGUOUS_VALUE) {
            if (mixed)
                *mixed = true;
            return Any();
        }
        return cursor->getPropertyValue(name);
    });
}

int LoFont::noValue(bool mixed)
{
    return mixed ? automation::wdUndefined : 0;
}

QString LoFont::readName(const char *property) const
{
    rtl::OUString name;
    return (read(property) >>= name) ? toQString(name) : QString();
}

// Consecutive writes through one font are held and sent together (see
// lowritebatch.h), on the cursor taken for the first of them.
void LoFont::write(const char *property, const Any &value, const char *asianProperty)
{
    officeCallHolding(*m_office, [&] {
        if (!m_held.is() || !m_office->writeBatch().holds(m_held)) {
            // Writes to a paragraph join those held for it (its format's).
            if (!m_target.is() || !m_office->writeBatch().holds(m_target))
                m_office->writeBatch().send();
            if (m_target.is())
                m_held = m_target;
            else
                m_held.set(m_source(), UNO_QUERY_THROW);
        }
        WriteBatch::Values values;
        values[unoName(property)] = value;
        if (asianProperty)
            values[unoName(asianProperty)] = value;
        m_office->writeBatch().hold(m_held, values);
    });
}

QString LoFont::name() const
{
    return readName("CharFontName");
}

void LoFont::setName(const QString &name)
{
    write("CharFontName", Any(toOUString(name)), "CharFontNameAsian");
}

QString LoFont::nameFarEast() const
{
    return readName("CharFontNameAsian");
}

void LoFont::setNameFarEast(const QString &name)
{
    write("CharFontNameAsian", Any(toOUString(name)));
}

QString LoFont::nameAscii() const
{
    return readName("CharFontName");
}

void LoFont::setNameAscii(const QString &name)
{
    write("CharFontName", Any(toOUString(name)));
}

float LoFont::size() const
{
    float points = 0.0f;
    bool mixed = false;
    return (read("CharHeight", &mixed) >>= points) ? points : float(noValue(mixed));
}

void LoFont::setSize(float points)
{
    // What follows the size (a walk over the body) runs when it changes.
    const bool changed = m_sizeChanged && size() != points;
    write("CharHeight", Any(points), "CharHeightAsian");
    if (changed && m_office->isAlive())
        officeCall(*m_office, m_sizeChanged); // sends the size first
}

int LoFont::bold() const
{
    float weight = 0.0f;
    bool mixed = false;
    if (!(read("CharWeight", &mixed) >>= weight))
        return noValue(mixed);
    return weight > awt::FontWeight::NORMAL ? automation::msoTrue : automation::msoFalse;
}

void LoFont::setBold(int value)
{
    write("CharWeight", Any(value ? awt::FontWeight::BOLD : awt::FontWeight::NORMAL),
          "CharWeightAsian");
}

int LoFont::italic() const
{
    awt::FontSlant slant = awt::FontSlant_NONE;
    bool mixed = false;
    if (!(read("CharPosture", &mixed) >>= slant))
        return noValue(mixed);
    return slant == awt::FontSlant_NONE ? automation::msoFalse : automation::msoTrue;
}

void LoFont::setItalic(int value)
{
    write("CharPosture", Any(value ? awt::FontSlant_ITALIC : awt::FontSlant_NONE),
          "CharPostureAsian");
}

int LoFont::color() const
{
    sal_Int32 rgb = 0;
    bool mixed = false;
    if (!(read("CharColor", &mixed) >>= rgb))
        return noValue(mixed);
    return rgb == -1 ? wdColorAutomatic : swapRedBlue(rgb);
}

void LoFont::setColor(int bgr)
{
    write("CharColor", Any(sal_Int32(bgr == wdColorAutomatic ? -1 : swapRedBlue(bgr))));
}

int LoFont::scaling() const
{
    sal_Int16 percent = 0;
    bool mixed = false;
    return (read("CharScaleWidth", &mixed) >>= percent) ? int(percent) : noValue(mixed);
}

void LoFont::setScaling(int percent)
{
    write("CharScaleWidth", Any(sal_Int16(percent)));
}

} // namespace libreoffice
