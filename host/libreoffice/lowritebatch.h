#pragma once

#include "nextturn.h"

#include <QString>

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Any.hxx>
#include <com/sun/star/uno/Reference.hxx>
#include <rtl/ustring.hxx>

#include <functional>
#include <map>
#include <memory>

// Property writes held back and sent together. Formatting a paragraph is a
// run of single-property calls of the object model (alignment, spacing,
// indents, then the font's name, size, weight ...); each would be a round
// trip to the office and a reformat there. Consecutive writes to one target
// are kept here and sent as one setPropertyValues when anything else talks
// to the office: every officeCall sends them first (unoutil.h), so whatever
// is read or done next sees them. A write to another target sends the held
// ones first, so writes reach the office in the order they were made.
//
// Text added at the end of a story is held the same way: typing a document
// paragraph by paragraph is a run of additions at its end, sent as one
// insertion.
//
// Each office has its batch (Office::writeBatch), used on the GUI thread. It
// holds the one target written last until the office's next call, or until
// the event loop next runs (a command's last writes reach the document
// without waiting for another command), and goes with the office.
namespace libreoffice {

class WriteBatch
{
public:
    using Values = std::map<rtl::OUString, css::uno::Any>;
    // Runs just before the held values are sent, to add values that need a
    // call of their own to be made (e.g. a container filled on the office's
    // side); it may change the values.
    using Prepare = std::function<void(Values &)>;
    // Inserts text at the end of a story, when sent.
    using Deliver = std::function<void(const QString &)>;

    // Whether writes to the target are being held (the last write went to
    // it and nothing has talked to the office since).
    bool holds(const css::uno::Reference<css::beans::XMultiPropertySet> &target) const;
    // Holds the values for the target (sending what is held for another one
    // first); a later value of the same property replaces the earlier one. A
    // given prepare step replaces the one held, and so does a given state:
    // what the writer keeps with the held values (a paragraph's format as the
    // held writes leave it), answered by heldState while they are held and
    // gone with them.
    void hold(const css::uno::Reference<css::beans::XMultiPropertySet> &target,
              const Values &values, Prepare prepare = Prepare(),
              std::shared_ptr<void> state = nullptr);
    std::shared_ptr<void>
    heldState(const css::uno::Reference<css::beans::XMultiPropertySet> &target) const;
    // Sends what is held. Errors end like unoGuard's: the writes are dropped.
    void send();

    // Where the story ends with the text held for it (Word offsets), or -1
    // when nothing is held for its end.
    long heldEnd(const css::uno::Reference<css::text::XText> &story) const;
    // Holds text for the end of the story (sending anything else held
    // first); `end` is where the story ends with it. Text held for the same
    // story is added to; the deliver step given first does the insertion.
    void append(const css::uno::Reference<css::text::XText> &story, const QString &text, long end,
                Deliver deliver);

private:
    struct Held
    {
        css::uno::Reference<css::beans::XMultiPropertySet> target;
        Values values;
        Prepare prepare;
        std::shared_ptr<void> state;
        // Or text for the end of a story.
        css::uno::Reference<css::text::XText> story;
        QString appended;
        long end = -1;
        Deliver deliver;
    };

    Held m_held;
    bool m_sending = false;
    NextTurn m_nextTurn;
};

} // namespace libreoffice
