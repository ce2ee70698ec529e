#include "outputfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The temporary file being written, where a signal handler can reach it.
char pendingPath[PATH_MAX];
volatile sig_atomic_t pendingSet = 0;

void removePendingAndEnd(int signal)
{
    if (pendingSet)
        unlink(pendingPath);
    std::signal(signal, SIG_DFL);
    raise(signal);
}

void setPending(const QString &path)
{
    pendingSet = 0;
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || name.size() >= int(sizeof pendingPath))
        return;
    std::memcpy(pendingPath, name.constData(), size_t(name.size()) + 1);
    pendingSet = 1;
}

// What the process's umask leaves of rw-rw-rw-: the mode a new file gets.
mode_t newFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

OutputFile::OutputFile(const QString &path, bool replace)
    : m_path(QFileInfo(path).absoluteFilePath())
    , m_replace(replace)
{
}

OutputFile::~OutputFile()
{
    pendingSet = 0;
    if (!m_temporary.isEmpty())
        QFile::remove(m_temporary);
}

void OutputFile::removeOnSignals()
{
    struct sigaction action
    {
    };
    action.sa_handler = removePendingAndEnd;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
        sigaction(signal, &action, nullptr);
}

bool OutputFile::open()
{
    const QFileInfo info(m_path);
    QTemporaryFile file(info.absolutePath() + QStringLiteral("/.") + info.completeBaseName()
                        + QStringLiteral(".XXXXXX.") + info.suffix());
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    m_temporary = file.fileName();
    setPending(m_temporary);
    return true;
}

OutputFile::Commit OutputFile::commit()
{
    if (m_temporary.isEmpty())
        return Commit::Failed;
    const QByteArray from = QFile::encodeName(m_temporary);
    const QByteArray to = QFile::encodeName(m_path);
    // The temporary file was made private; the output is as any new file.
    chmod(from.constData(), newFileMode());
    if (m_replace) {
        if (std::rename(from.constData(), to.constData()) != 0)
            return Commit::Failed;
    } else {
        // A hard link takes the name only if nobody has it, also against
        // another run writing the same output at the same moment.
        if (link(from.constData(), to.constData()) != 0) {
            if (errno == EEXIST)
                return Commit::Exists;
            // A file system without hard links: a check, then the rename.
            if (QFileInfo::exists(m_path))
                return Commit::Exists;
            if (std::rename(from.constData(), to.constData()) != 0)
                return Commit::Failed;
            pendingSet = 0;
            m_temporary.clear();
            return Commit::Done;
        }
        QFile::remove(m_temporary);
    }
    pendingSet = 0;
    m_temporary.clear();
    return Commit::Done;
}
