#pragma once

#include "forward.h"
#include "variant.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace automation {

// The writer's extension interface: what the host needs to place the writer's
// window.
class ApplicationEx : public Object
{
public:
    // Native id of the writer's main window, 0 when it has none.
    virtual std::uint64_t mainWindowId() = 0;
};

// How the writer asks the user about unsaved changes when Quit is not told
// what to do with them: the host gives the questions (the object model has
// no windows of its own).
struct SaveChangesPrompt
{
    enum Answer { Save, Discard, Cancel };
    // Asked once for each document with unsaved changes, by its name.
    std::function<Answer(const QString &documentName)> askToSave;
    // Asked for a document to be saved that has no file yet: the path to
    // save it as, or empty to cancel.
    std::function<QString(const QString &documentName)> askWhereToSave;
};

// The root of the object model. Commands get everything else from here, afresh
// for every operation.
class Application : public Object
{
public:
    virtual DocumentsPtr documents() = 0;
    // Null when no document is open.
    virtual DocumentPtr activeDocument() = 0;
    // Null when no document is open.
    virtual SelectionPtr selection() = 0;
    // Null when the writer has no extension interface.
    virtual ApplicationExPtr applicationEx() = 0;
    // Closes the documents and ends the writer. Unsaved changes: discarded
    // for wdDoNotSaveChanges (or false), saved for wdSaveChanges (or true);
    // for wdPromptToSaveChanges or a missing argument the user is asked
    // through the prompt when one is set, otherwise they are discarded. A
    // cancelled question, or a save that fails, leaves the writer running
    // with every document open.
    virtual void quit(const Variant &saveChanges = Variant(),
                      const Variant &originalFormat = Variant(),
                      const Variant &routeDocument = Variant())
        = 0;
    // The conversion rule of the whole system (see measures.h).
    float centimetersToPoints(double cm) const;

    void setSaveChangesPrompt(SaveChangesPrompt prompt) { m_prompt = std::move(prompt); }

protected:
    // Settles the unsaved changes of every open document as Quit is told
    // (see quit). False when the user cancelled or a save failed: the
    // writer must then keep running.
    bool settleUnsavedChanges(const Variant &saveChanges);

private:
    SaveChangesPrompt m_prompt;
};

} // namespace automation
