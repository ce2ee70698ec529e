#pragma once

#include "numbercounter.h"

#include <QString>
#include <QVariantMap>
#include <qnamespace.h>

class QComboBox;
class QDateEdit;

// Steps the two element input dialogs share: the template list, the template
// buttons, the dates and the confirmation.

// The selected template's values that a conversion passes on: its keys FW
// (mark text), YF (printing-issuing unit) and LK (signature).
struct TemplateValues
{
    QString markText;
    QString unit;
    QString signature;
};
TemplateValues readTemplateValues(const QString &kind, const QString &name);

// Lists the templates of the kind in the box, in the file's order, with
// `current` selected when it is one of them (else the first). The box's
// signals are left on, so that its owner follows each change.
void listTemplates(QComboBox *box, const QString &kind, const QString &current);

// Opens a template editor over the dialog: application-modal, filled for
// the template `name` of the kind (empty: a new template), shown without
// waiting.
template<class Editor>
void openTemplateEditor(Editor *editor, const QString &kind, const QString &name)
{
    editor->setWindowModality(Qt::ApplicationModal);
    editor->fromA(kind, name);
    editor->show();
}

// Asks before the template is deleted, then removes its group. True when it
// was removed; with no template chosen nothing is asked or removed.
bool deleteTemplate(const QString &kind, const QString &name);

// A date field takes a stored date of the form "yyyy年M月d日"; an empty text
// gives today, a text of another form leaves the field as it is.
void showStoredDate(QDateEdit *field, const QString &text);
// The date of a field as the conversion receives it: "yyyy年M月d日".
QString dateText(const QDateEdit *field);

// Checks and stores a confirmation before anything is sent. Tells the user and
// returns false, storing nothing, when no template is chosen, when a counter
// that has come to its end would issue its last number again, or when the
// file cannot be written.
bool recordConfirmation(const numbering::Confirmation &confirmation);
