#pragma once

#include <QString>

class QComboBox;
class QDialogButtonBox;

// Small steps the settings and layout dialogs share.

// Relabels a box's OK and Cancel buttons "确定" and "取消".
void labelOkCancel(QDialogButtonBox *box);

// Fills a combo box with the unit profiles of the settings file, in the
// file's order, with `current` selected when it is one of them (else the
// first entry).
void listUnitProfiles(QComboBox *box, const QString &current);
