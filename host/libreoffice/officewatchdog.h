#pragma once

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace libreoffice {

class QtThreadQueue;

// Whether the office answers, found out without ever making the GUI thread
// wait on it for long.
//
// Every call into the office is a synchronous call on the GUI thread: while
// the office does not answer (busy, deadlocked, stopped), our window does not
// repaint. Moving every call to another thread would need the whole object
// model to run there, and an event loop run while a call waits would let the
// user start a second command in the middle of the first. So the calls stay
// where they are and two threads of their own watch them:
// - a ping thread asks the office something cheap that needs its main
//   thread, twice a second and whenever the GUI thread wants to know (before
//   a command, see waitForAnswer);
// - a watch thread compares the ping's age with the GUI thread's heartbeat (a
//   timer that stops while the GUI thread waits in a call). A ping unanswered
//   for notRespondingMs is reported (queued to the GUI thread); when the GUI
//   thread has also stood still for cutAfterMs, the watch thread runs the cut
//   handler, which drops the bridge: the stuck call then fails at once, the
//   command ends, and the office counts as ended (it is restarted with its
//   documents' recovery copies).
// The handlers run on the GUI thread, except cut.
class OfficeWatchdog
{
public:
    struct Handlers
    {
        std::function<void()> notResponding;
        std::function<void()> respondingAgain;
        std::function<void()> cut;
    };

    static const int notRespondingMs = 2000;
    static const int cutAfterMs = 5000;

    OfficeWatchdog(const css::uno::Reference<css::frame::XDesktop2> &desktop,
                   std::shared_ptr<QtThreadQueue> queue, Handlers handlers);
    ~OfficeWatchdog();

    // Ends both threads; a ping waiting for the office ends once the office
    // answers or its bridge is gone, so stop the office first when it hangs.
    void stop();

    // GUI thread: asks the office now and waits up to timeoutMs for the
    // answer. False when none came in time.
    bool waitForAnswer(int timeoutMs);
    // Whether the last ping was answered, or is not yet overdue.
    bool isResponding() const;

private:
    void pingLoop();
    void watchLoop();
    static qint64 now();

    css::uno::Reference<css::frame::XDesktop2> m_desktop;
    std::shared_ptr<QtThreadQueue> m_queue;
    Handlers m_handlers;
    QTimer m_heartbeat;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_answered;
    bool m_stopping = false;
    bool m_pingWanted = false;
    qint64 m_answers = 0;
    // Monotonic milliseconds; 0 while no ping waits.
    std::atomic<qint64> m_pingSince {0};
    std::atomic<qint64> m_lastHeartbeat {0};
    bool m_reportedNotResponding = false;
    bool m_cut = false;

    std::thread m_pingThread;
    std::thread m_watchThread;
};

} // namespace libreoffice
