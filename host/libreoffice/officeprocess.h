#pragma once

#include <QProcess>

#include <sys/types.h>

namespace libreoffice {

// soffice.bin as a child process that never outlives us: the child asks the
// kernel for SIGTERM when its parent goes away. The signal follows the thread
// that started the process, so start it from the Qt thread.
class OfficeProcess : public QProcess
{
    Q_OBJECT
public:
    explicit OfficeProcess(QObject *parent = nullptr);

protected:
    void setupChildProcess() override;

private:
    pid_t m_parentPid;
};

} // namespace libreoffice
