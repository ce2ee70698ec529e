#include "lowritebatch.h"

#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/Sequence.hxx>

#include <exception>
#include <vector>

using namespace css;
using css::uno::Reference;

namespace libreoffice {

bool WriteBatch::holds(const Reference<beans::XMultiPropertySet> &target) const
{
    return target.is() && m_held.target.get() == target.get();
}

void WriteBatch::hold(const Reference<beans::XMultiPropertySet> &target, const Values &values,
                      Prepare prepare, std::shared_ptr<void> state)
{
    if (!target.is())
        return;
    if (!holds(target))
        send();
    Held &h = m_held;
    h.target = target;
    for (const auto &value : values)
        h.values[value.first] = value.second;
    if (prepare)
        h.prepare = std::move(prepare);
    if (state)
        h.state = std::move(state);
    m_nextTurn.schedule([this] { send(); });
}

std::shared_ptr<void> WriteBatch::heldState(const Reference<beans::XMultiPropertySet> &target) const
{
    return holds(target) ? m_held.state : nullptr;
}

long WriteBatch::heldEnd(const Reference<text::XText> &story) const
{
    return story.is() && m_held.story.get() == story.get() ? m_held.end : -1;
}

void WriteBatch::append(const Reference<text::XText> &story, const QString &text, long end,
                        Deliver deliver)
{
    if (!story.is())
        return;
    if (heldEnd(story) < 0)
        send();
    Held &h = m_held;
    if (!h.story.is()) {
        h.story = story;
        h.deliver = std::move(deliver);
    }
    h.appended += text;
    h.end = end;
    m_nextTurn.schedule([this] { send(); });
}

void WriteBatch::send()
{
    m_nextTurn.cancel();
    Held &h = m_held;
    if ((!h.target.is() && !h.story.is()) || m_sending)
        return;
    Held taken = std::move(h);
    h = Held();
    m_sending = true;
    if (taken.story.is()) {
        try {
            taken.deliver(taken.appended);
        } catch (const uno::Exception &) {
        } catch (const std::exception &) {
        }
        m_sending = false;
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
    m_sending = false;
}

} // namespace libreoffice
