#pragma once

#include <com/sun/star/view/XPrintJobListener.hpp>
#include <cppuhelper/implbase1.hxx>

#include <condition_variable>
#include <mutex>

namespace libreoffice {

// How one print job of a document ended, as the office tells its print-job
// listeners. The office prints asynchronously unless asked to wait, and
// XPrintable::print reports nothing: a job that never reached the print
// system (a printer that is gone, a spooler that refused it) returns from
// print like any other. The listener is told from the office's threads;
// waitForEnd blocks the caller until the job has been handed to the print
// system (spooled or completed) or has failed.
class LoPrintJob : public cppu::WeakImplHelper1<css::view::XPrintJobListener>
{
public:
    enum class End { Running, Printed, Failed };

    void SAL_CALL printJobEvent(const css::view::PrintJobEvent &event) override;
    void SAL_CALL disposing(const css::lang::EventObject &) override;

    // Printed or Failed; Running when nothing was heard within the time
    // (milliseconds). Once spooled, a job counts as printed unless a
    // failure follows within a short grace.
    End waitForEnd(int timeoutMs);

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_spooled = false;
    bool m_completed = false;
    bool m_failed = false;
};

} // namespace libreoffice
