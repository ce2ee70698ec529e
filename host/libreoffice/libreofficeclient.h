#pragma once

#include "automation/forward.h"
#include "writerclient.h"

#include <QString>

#include <memory>

// The LibreOffice Writer client: how the host gets it and the few things the
// host may ask of it beyond WriterClient.
namespace libreoffice {

struct ClientOptions
{
    // Runs the office without any window (soffice --headless) and embeds
    // nothing: for tests and batch use. The window id, width and height of
    // the start arguments are then ignored.
    bool headless = false;
    // The office's user profile directory; empty means the program's own
    // (OfficeProfile::defaultDirectory(), under the user's data location).
    QString profileDirectory;
    // How often the embedded office's changed documents get recovery copies
    // (OfficeRecovery); 0 keeps none. Headless offices keep none.
    int recoveryIntervalMs = 30000;
};

// The client of the installed LibreOffice Writer, embedding it into the
// host's window; null when LibreOffice is not installed. Fits
// WriterClientFactory.
std::unique_ptr<WriterClient> makeClient();
std::unique_ptr<WriterClient> makeClient(const ClientOptions &options);

// Gives the keyboard focus to the embedded writer, e.g. after a command has
// done its work: the host widget takes Qt's focus and the X input focus moves
// into the writer's window shortly after. False (and nothing happens) when
// the application is not one of ours or its office has ended.
bool focusWriter(const automation::ApplicationPtr &application);

// The process id of the office behind the application while it runs, else 0.
qint64 officeProcessId(const automation::ApplicationPtr &application);

} // namespace libreoffice
