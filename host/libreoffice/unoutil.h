#pragma once

#include "automation/variant.h"

#include <QString>

#include <com/sun/star/uno/Any.hxx>
#include <com/sun/star/uno/Exception.hpp>
#include <rtl/ustring.hxx>

#include <exception>
#include <utility>

namespace libreoffice {

class Office;

// Qt and UNO strings are both UTF-16: conversions copy without recoding.
rtl::OUString toOUString(const QString &text);
QString toQString(const rtl::OUString &text);

// Values of the object model to and from UNO values. A value UNO cannot
// carry (a range, a missing value) becomes an empty Any.
css::uno::Any toAny(const automation::Variant &value);
automation::Variant toVariant(const css::uno::Any &value);

namespace writebatch {
void send();
}

// Runs one step that talks to the office. Whatever goes wrong on the way (the
// office died, the bridge dropped, an object was closed under us) ends in the
// fallback value instead of an exception: callers answer null objects,
// empty values or do nothing.
template<typename Result, typename Fn> Result unoGuard(Result fallback, Fn &&fn)
{
    writebatch::send(); // held property writes go first (lowritebatch.h)
    try {
        return fn();
    } catch (const css::uno::Exception &) {
    } catch (const std::exception &) {
    }
    return fallback;
}

template<typename Fn> void unoGuardVoid(Fn &&fn)
{
    writebatch::send();
    try {
        fn();
    } catch (const css::uno::Exception &) {
    } catch (const std::exception &) {
    }
}

// A step that adds to the held property writes, or reads what they cannot
// change (a paragraph's text), without sending them first (see
// lowritebatch.h); otherwise as unoGuard.
template<typename Result, typename Fn> Result unoGuardHolding(Result fallback, Fn &&fn)
{
    try {
        return fn();
    } catch (const css::uno::Exception &) {
    } catch (const std::exception &) {
    }
    return fallback;
}

template<typename Fn> void unoGuardHolding(Fn &&fn)
{
    try {
        fn();
    } catch (const css::uno::Exception &) {
    } catch (const std::exception &) {
    }
}

// Whether the office still runs (Office::isAlive), for the calls below:
// the header keeps Office a declaration only.
bool officeRuns(const Office &office);

// One call of the object model into the office: the fallback without a
// call once the office has ended (quit, crash, lost bridge), otherwise as
// unoGuard and unoGuardHolding.
template<typename Result, typename Fn>
Result officeCall(const Office &office, Result fallback, Fn &&fn)
{
    if (!officeRuns(office))
        return fallback;
    return unoGuard(std::move(fallback), std::forward<Fn>(fn));
}

template<typename Fn> void officeCall(const Office &office, Fn &&fn)
{
    if (officeRuns(office))
        unoGuardVoid(std::forward<Fn>(fn));
}

template<typename Result, typename Fn>
Result officeCallHolding(const Office &office, Result fallback, Fn &&fn)
{
    if (!officeRuns(office))
        return fallback;
    return unoGuardHolding(std::move(fallback), std::forward<Fn>(fn));
}

template<typename Fn> void officeCallHolding(const Office &office, Fn &&fn)
{
    if (officeRuns(office))
        unoGuardHolding(std::forward<Fn>(fn));
}

} // namespace libreoffice
