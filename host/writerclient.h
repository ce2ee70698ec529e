#pragma once

#include "automation/forward.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// What a writer tells its host, on the GUI thread.
class WriterObserver
{
public:
    virtual ~WriterObserver() = default;
    // The writer ended without being asked: it crashed, was killed, or was
    // cut off after it stopped answering while the host waited on it.
    virtual void writerEnded() = 0;
    // The writer has not answered for a while / answers again.
    virtual void writerNotResponding() = 0;
    virtual void writerRespondingAgain() = 0;
    // Documents came, went, were shown, renamed or modified.
    virtual void writerDocumentsChanged() = 0;
    // The user chose File > Open or File > Exit inside the writer.
    virtual void writerWantsFile() = 0;
    virtual void writerWantsQuit() = 0;
    // The user made a new document inside the writer (File > New); it is
    // the active document. The one the writer starts with is not told here.
    virtual void writerMadeDocument() = 0;
};

// The client of an installed writer: it launches the writer process with the
// start arguments the host gives and binds the writer's Application object.
// The host only ever talks to this interface; which writer stands behind it
// is decided by the factory the host is given.
class WriterClient
{
public:
    virtual ~WriterClient() = default;

    // The writer's executable, as the host sets it before the start.
    virtual QString defaultProcessPath() const = 0;
    virtual void setProcessPath(const QString &path) = 0;
    // Start arguments: "-shield", "-multiply", "-x11embed", then the host
    // window's native id, width and height as decimal text.
    virtual void setProcessArgs(const QStringList &args) = 0;
    // Starts the writer (once) and gives back its Application object.
    // 0 on success; any other value is a failure and leaves *application null.
    virtual int getApplication(automation::ApplicationPtr *application) = 0;
    // Moves the keyboard focus into the writer's own window once the host
    // widget has Qt's focus; nothing for a writer without a window.
    virtual void focusWriter() { }

    // Set before getApplication; the client does not own the observer.
    virtual void setObserver(WriterObserver *observer) { Q_UNUSED(observer) }
    // Asks the writer and waits up to timeoutMs for its answer: false when
    // it did not answer (or has ended). A writer that cannot hang answers.
    virtual bool waitForAnswer(int timeoutMs)
    {
        Q_UNUSED(timeoutMs)
        return true;
    }
    // After writerEnded: whether the writer was cut off for not answering.
    virtual bool wasCutOff() const { return false; }
    // How many documents the writer's start brought back from the recovery
    // copies of a writer that ended without closing them.
    virtual int recoveredDocuments() const { return 0; }
};

// Makes the client of the installed writer; null when none can be made.
using WriterClientFactory = std::function<std::unique_ptr<WriterClient>()>;
