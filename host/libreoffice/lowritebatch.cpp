#include "lowritebatch.h"

#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/Sequence.hxx>

#include <exception>
#include <vector>

using namespace css;
using css::uno::Reference;

namespace libreoffice::writebatch {

namespace {

struct Held
{
    Reference<beans::XMultiPropertySet> target;
    Values values;
    Prepare prepare;
    std::shared_ptr<void> state;
    // Or text for the end of a story.
    Reference<text::XText> story;
    QString appended;
    long end = -1;
    Deliver deliver;
};

Held &held()
{
    static Held h;
    return h;
}

bool &sending()
{
    static bool s = false;
    return s;
}

} // namespace

bool holds(const Reference<beans::XMultiPropertySet> &target)
{
    return target.is() && held().target.get() == target.get();
}

void hold(const Reference<beans::XMultiPropertySet> &target, const Values &values, Prepare prepare,
          std::shared_ptr<void> state)
{
    if (!target.is())
        return;
    if (!holds(target))
        send();
    Held &h = held();
    h.target = target;
    for (const auto &value : values)
        h.values[value.first] = value.second;
    if (prepare)
        h.prepare = std::move(prepare);
    if (state)
        h.state = std::move(state);
}

std::shared_ptr<void> heldState(const Reference<beans::XMultiPropertySet> &target)
{
    return holds(target) ? held().state : nullptr;
}

long heldEnd(const Reference<text::XText> &story)
{
    const Held &h = held();
    return story.is() && h.story.get() == story.get() ? h.end : -1;
}

void append(const Reference<text::XText> &story, const QString &text, long end, Deliver deliver)
{
    if (!story.is())
        return;
    if (heldEnd(story) < 0)
        send();
    Held &h = held();
    if (!h.story.is()) {
        h.story = story;
        h.deliver = std::move(deliver);
    }
    h.appended += text;
    h.end = end;
}

void send()
{
    Held &h = held();
    if ((!h.target.is() && !h.story.is()) || sending())
        return;
    Held taken = std::move(h);
    h = Held();
    sending() = true;
    if (taken.story.is()) {
        try {
            taken.deliver(taken.appended);
        } catch (const uno::Exception &) {
        } catch (const std::exception &) {
        }
        sending() = false;
        return;
    }
    try {
        if (taken.prepare)
            taken.prepare(taken.values);
        // The office expects the names in alphabetical order, as the map
        // keeps them.
        std::vector<rtl::OUString> names;
        std::vector<uno::Any> values;
        for (const auto &value : taken.values) {
            names.push_back(value.first);
            values.push_back(value.second);
        }
        taken.target->setPropertyValues(
            uno::Sequence<rtl::OUString>(names.data(), sal_Int32(names.size())),
            uno::Sequence<uno::Any>(values.data(), sal_Int32(values.size())));
    } catch (const uno::Exception &) {
    } catch (const std::exception &) {
    }
    sending() = false;
}

} // namespace libreoffice::writebatch
