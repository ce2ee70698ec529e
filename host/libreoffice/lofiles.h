#pragma once

#include "automation/forward.h"

#include <QString>

// Saving and opening Word files with LibreOffice Writer. The object model has
// neither: the host opens and saves through the writer's own user interface,
// so these exist for tests and for the host's later use. They only work on
// applications made by libreoffice::makeClient.
namespace libreoffice {

// Stores the active document as a Word 2007 document (.docx) at path, or as
// an OpenDocument text when the path ends in ".odt"; the document keeps its
// own location (a copy is written). False when there is no
// active document of ours or the office reports a failure.
bool saveDocumentAs(const automation::ApplicationPtr &application, const QString &path);

// Opens the Word (or any Writer-readable) file at path as a new document,
// which becomes the active one. False when the file cannot be loaded as a
// text document.
bool openDocument(const automation::ApplicationPtr &application, const QString &path);

} // namespace libreoffice
