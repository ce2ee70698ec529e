#pragma once

#include "automation/forward.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

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
};

// Makes the client of the installed writer; null when none can be made.
using WriterClientFactory = std::function<std::unique_ptr<WriterClient>()>;
