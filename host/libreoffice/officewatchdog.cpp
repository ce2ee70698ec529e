#include "officewatchdog.h"

#include "qtthreadqueue.h"

#include <QLoggingCategory>

#include <com/sun/star/frame/XFrame.hpp>

#include <chrono>

using namespace css;

namespace libreoffice {

Q_DECLARE_LOGGING_CATEGORY(lcOffice)

namespace {

const int pingIntervalMs = 500;
const int heartbeatMs = 200;
const int watchIntervalMs = 200;

} // namespace

OfficeWatchdog::OfficeWatchdog(const uno::Reference<frame::XDesktop2> &desktop,
                               std::shared_ptr<QtThreadQueue> queue, Handlers handlers)
    : m_desktop(desktop)
    , m_queue(std::move(queue))
    , m_handlers(std::move(handlers))
{
    m_lastHeartbeat = now();
    m_heartbeat.setInterval(heartbeatMs);
    QObject::connect(&m_heartbeat, &QTimer::timeout, [this] { m_lastHeartbeat = now(); });
    m_heartbeat.start();
    m_pingThread = std::thread([this] { pingLoop(); });
    m_watchThread = std::thread([this] { watchLoop(); });
}

OfficeWatchdog::~OfficeWatchdog()
{
    stop();
}

qint64 OfficeWatchdog::now()
{
    // Never 0, which means "no ping waits".
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
               .count()
        + 1;
}

void OfficeWatchdog::stop()
{
    m_heartbeat.stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_answered.notify_all();
    if (m_pingThread.joinable())
        m_pingThread.join();
    if (m_watchThread.joinable())
        m_watchThread.join();
}

void OfficeWatchdog::pingLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopping) {
        m_pingWanted = false;
        lock.unlock();
        m_pingSince = now();
        bool answered = true;
        try {
            // Answered on the office's main thread, like the calls of a
            // command.
            m_desktop->getActiveFrame();
        } catch (const uno::Exception &) {
            // The bridge is gone: the office ended or was cut off.
            answered = false;
        }
        m_pingSince = 0;
        lock.lock();
        if (!answered)
            break;
        ++m_answers;
        m_answered.notify_all();
        m_wake.wait_for(lock, std::chrono::milliseconds(pingIntervalMs),
                        [this] { return m_stopping || m_pingWanted; });
    }
}

void OfficeWatchdog::watchLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(watchIntervalMs),
                            [this] { return m_stopping; })) {
        const qint64 since = m_pingSince;
        const qint64 pingAge = since ? now() - since : 0;
        const qint64 guiStill = now() - m_lastHeartbeat;
        if (pingAge >= notRespondingMs && !m_reportedNotResponding) {
            m_reportedNotResponding = true;
            qCDebug(lcOffice) << "office not answering for" << pingAge << "ms";
            if (m_handlers.notResponding)
                m_queue->post(m_handlers.notResponding);
        } else if (pingAge == 0 && m_reportedNotResponding && !m_cut) {
            m_reportedNotResponding = false;
            if (m_handlers.respondingAgain)
                m_queue->post(m_handlers.respondingAgain);
        }
        if (!m_cut && pingAge >= cutAfterMs - watchIntervalMs && guiStill >= cutAfterMs) {
            m_cut = true;
            qCDebug(lcOffice) << "GUI thread waited" << guiStill << "ms on the office: cut off";
            lock.unlock();
            if (m_handlers.cut)
                m_handlers.cut();
            lock.lock();
        }
    }
}

bool OfficeWatchdog::waitForAnswer(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_stopping)
        return false;
    const qint64 wanted = m_answers + 1;
    m_pingWanted = true;
    m_wake.notify_all();
    return m_answered.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] {
        return m_stopping || m_answers >= wanted;
    }) && !m_stopping;
}

bool OfficeWatchdog::isResponding() const
{
    const qint64 since = m_pingSince;
    return since == 0 || now() - since < notRespondingMs;
}

} // namespace libreoffice
