#include "officeprocess.h"

#include <csignal>

#include <sys/prctl.h>
#include <unistd.h>

namespace libreoffice {

OfficeProcess::OfficeProcess(QObject *parent)
    : QProcess(parent)
    , m_parentPid(::getpid())
{
}

void OfficeProcess::setupChildProcess()
{
    // Runs in the child between fork and exec: only async-signal-safe calls.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The parent may already have died before the request took effect.
    if (::getppid() != m_parentPid)
        ::_exit(1);
}

} // namespace libreoffice
