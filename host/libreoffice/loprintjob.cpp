#include "loprintjob.h"

#include <com/sun/star/view/PrintableState.hpp>

#include <chrono>

using namespace css;

namespace libreoffice {

void LoPrintJob::printJobEvent(const view::PrintJobEvent &event)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        switch (event.State) {
        case view::PrintableState_JOB_SPOOLED:
            m_spooled = true;
            break;
        case view::PrintableState_JOB_COMPLETED:
            m_completed = true;
            break;
        case view::PrintableState_JOB_ABORTED:
        case view::PrintableState_JOB_FAILED:
        case view::PrintableState_JOB_SPOOLING_FAILED:
            m_failed = true;
            break;
        default:
            return;
        }
    }
    m_changed.notify_all();
}

void LoPrintJob::disposing(const lang::EventObject &)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_failed = m_failed || (!m_spooled && !m_completed);
    }
    m_changed.notify_all();
}

LoPrintJob::End LoPrintJob::waitForEnd(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                       [&] { return m_failed || m_completed || m_spooled; });
    // The office tells "spooled" before "completed"; a failure of the
    // hand-over comes in place of either.
    if (m_spooled && !m_completed && !m_failed)
        m_changed.wait_for(lock, std::chrono::milliseconds(500),
                           [&] { return m_failed || m_completed; });
    if (m_failed)
        return End::Failed;
    return m_spooled || m_completed ? End::Printed : End::Running;
}

} // namespace libreoffice
