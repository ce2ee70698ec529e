#pragma once

#include <QString>

class QFontComboBox;

// Shows a font family in a font combo box, which then saves it by its current
// text. An empty family leaves the box as it is.
void showFontFamily(QFontComboBox *box, const QString &family);
