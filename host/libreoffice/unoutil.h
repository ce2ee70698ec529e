#pragma once

#include "automation/variant.h"

#include <QString>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Any.hxx>
#include <com/sun/star/uno/Exception.hpp>
#include <rtl/ustring.hxx>

#include <exception>
#include <memory>
#include <utility>
#include <vector>

namespace libreoffice {

class Office;

// Qt and UNO strings are both UTF-16: conversions copy without recoding.
rtl::OUString toOUString(const QString &text);
QString toQString(const rtl::OUString &text);

// A property, service or filter name written in ASCII.
rtl::OUString unoName(const char *ascii);
// One named argument of a call (a load, store or print argument).
css::beans::PropertyValue propertyValue(const char *name, const css::uno::Any &value);
// The filter of a file's extension (.docx, .doc, .odt, .rtf, .txt) as load
// or store arguments; a text file is UTF-8 with LF line ends. Empty for any
// other extension.
std::vector<css::beans::PropertyValue> filterArguments(const QString &path);
// A boolean property; false when it is void or no boolean.
bool boolOf(const css::uno::Reference<css::beans::XPropertySet> &properties, const char *name);
bool boolOf(const css::uno::Reference<css::beans::XPropertySet> &properties, const QString &name);

// Lengths: the object model speaks points, Writer 1/100 mm.
float toPoints(sal_Int32 hundredthMm);
sal_Int32 toHundredthMm(double points);

// Colours of the object model are 0xBBGGRR, the office's 0xRRGGBB; the
// swap is its own inverse.
sal_Int32 swapRedBlue(sal_Int32 color);

// The body text of a document; null when the model is no text document.
css::uno::Reference<css::text::XText> bodyOf(const css::uno::Reference<css::frame::XModel> &model);

// Values of the object model to and from UNO values. A value UNO cannot
// carry (a range, a missing value) becomes an empty Any.
css::uno::Any toAny(const automation::Variant &value);
automation::Variant toVariant(const css::uno::Any &value);

// Runs one step that talks to the office. Whatever goes wrong on the way (the
// office died, the bridge dropped, an object was closed under us) ends in the
// fallback value instead of an exception: callers answer null objects,
// empty values or do nothing. It does not send the office's held writes: a
// step into a document is an officeCall (below).
template<typename Result, typename Fn> Result unoGuard(Result fallback, Fn &&fn)
{
    try {
        return fn();
    } catch (const css::uno::Exception &) {
    } catch (const std::exception &) {
    }
    return fallback;
}

template<typename Fn> void unoGuardVoid(Fn &&fn)
{
    try {
        fn();
    } catch (const css::uno::Exception &) {
    } catch (const std::exception &) {
    }
}

// Whether the office still runs (Office::isAlive), and sending its held
// writes (Office::writeBatch), for the calls below: the header keeps Office
// a declaration only.
bool officeRuns(const Office &office);
void sendHeldWrites(const Office &office);

// One call of the object model into the office: the fallback without a
// call once the office has ended (quit, crash, lost bridge); otherwise the
// office's held property writes go first (lowritebatch.h), then the step,
// guarded as unoGuard.
template<typename Result, typename Fn>
Result officeCall(const Office &office, Result fallback, Fn &&fn)
{
    if (!officeRuns(office))
        return fallback;
    sendHeldWrites(office);
    return unoGuard(std::move(fallback), std::forward<Fn>(fn));
}

template<typename Fn> void officeCall(const Office &office, Fn &&fn)
{
    if (!officeRuns(office))
        return;
    sendHeldWrites(office);
    unoGuardVoid(std::forward<Fn>(fn));
}

// A step that adds to the held property writes, or reads what they cannot
// change (a paragraph's text), without sending them first; otherwise as
// officeCall.
template<typename Result, typename Fn>
Result officeCallHolding(const Office &office, Result fallback, Fn &&fn)
{
    return officeRuns(office) ? unoGuard(std::move(fallback), std::forward<Fn>(fn)) : fallback;
}

template<typename Fn> void officeCallHolding(const Office &office, Fn &&fn)
{
    if (officeRuns(office))
        unoGuardVoid(std::forward<Fn>(fn));
}

// A new object of the object model over the office, made of the office and
// args; null once the office has ended.
template<typename T, typename... Args>
std::shared_ptr<T> officeObject(const std::shared_ptr<Office> &office, Args &&...args)
{
    if (!officeRuns(*office))
        return nullptr;
    return std::make_shared<T>(office, std::forward<Args>(args)...);
}

} // namespace libreoffice
