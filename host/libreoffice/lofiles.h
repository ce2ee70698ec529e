#pragma once

#include "automation/forward.h"

#include <QString>

// Saving and opening files with LibreOffice Writer. The object model has
// neither: the host opens and saves through the writer's own user interface,
// so these exist for batch conversion and tests. They only work on
// applications made by libreoffice::makeClient.
namespace libreoffice {

// Stores the active document at path in the format its extension names:
// ".docx" (Word 2007), ".doc" (Word 97), ".odt" or ".pdf" (as printing into
// a PDF file exports it). The document keeps its own location (a copy is
// written). False for another extension, when there is no active document
// of ours or when the office reports a failure.
bool saveDocumentAs(const automation::ApplicationPtr &application, const QString &path);

// Why a file did or did not open.
enum class OpenStatus {
    Opened,
    Missing, // no such file
    Unreadable, // a folder, or no permission to read it
    NotADocument, // not a text document the writer can read as its extension says
    PasswordProtected,
    NoOffice, // the application is not one of ours, or its office has ended
};

// Opens the file at path as a new document, which becomes the active one.
// .docx, .doc, .odt and .txt files are read with the filter their extension
// names, so a file of another kind under such a name is refused rather than
// shown as something else; a .txt file is read as UTF-8 (with or without a
// byte order mark) or, when it is not valid UTF-8, as GB18030, and one that
// holds NUL bytes is no text. Other files are read as the office recognises
// them. The file itself is only read.
OpenStatus openDocumentFile(const automation::ApplicationPtr &application, const QString &path);

// openDocumentFile, true when the document opened.
bool openDocument(const automation::ApplicationPtr &application, const QString &path);

} // namespace libreoffice
