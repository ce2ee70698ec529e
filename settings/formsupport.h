#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;

// Small steps the settings and layout dialogs share.

// Relabels a box's OK and Cancel buttons "确定" and "取消".
void labelOkCancel(QDialogButtonBox *box);

// A value of the settings or template dialogs cannot be saved: a message box
// without icon, titled "设置出错".
void showSettingsError(const QString &text);

// What to tell the user when a settings or template file could not be written.
QString unwritableFileMessage(const QString &filePath);

// Fills a combo box with the names, in their order, with `current` selected
// when it is one of them (else the first entry).
void fillList(QComboBox *box, const QStringList &names, const QString &current);

// Fills a combo box with the unit profiles of the settings file, in the
// file's order, with `current` selected when it is one of them (else the
// first entry).
void listUnitProfiles(QComboBox *box, const QString &current);
