#include "application.h"

#include "constants.h"
#include "document.h"
#include "measures.h"

namespace automation {

float Application::centimetersToPoints(double cm) const
{
    return automation::centimetersToPoints(cm);
}

bool Application::settleUnsavedChanges(const Variant &saveChanges)
{
    int rule = wdPromptToSaveChanges;
    if (saveChanges.isBool())
        rule = saveChanges.toBool() ? wdSaveChanges : wdDoNotSaveChanges;
    else if (!saveChanges.isMissing())
        rule = int(saveChanges.toInt());
    if (rule == wdPromptToSaveChanges && !m_prompt.askToSave)
        rule = wdDoNotSaveChanges;
    if (rule == wdDoNotSaveChanges)
        return true;

    DocumentsPtr open = documents();
    const long count = open ? open->count() : 0;
    for (long i = 1; i <= count; ++i) {
        DocumentPtr document = open->item(i);
        if (!document || document->saved())
            continue;
        if (rule == wdPromptToSaveChanges) {
            // The user sees the document asked about.
            document->activate();
            const SaveChangesPrompt::Answer answer = m_prompt.askToSave(document->name());
            if (answer == SaveChangesPrompt::Cancel)
                return false;
            if (answer == SaveChangesPrompt::Discard)
                continue;
        }
        if (!document->fullName().isEmpty()) {
            if (!document->save())
                return false;
            continue;
        }
        const QString path
            = m_prompt.askWhereToSave ? m_prompt.askWhereToSave(document->name()) : QString();
        if (path.isEmpty() || !document->saveAs(path))
            return false;
    }
    return true;
}

} // namespace automation
