#include "fontfamily.h"

#include <QFontComboBox>

void showFontFamily(QFontComboBox *box, const QString &family)
{
    if (family.isEmpty())
        return;

    int index = box->findText(family, Qt::MatchFixedString);
    if (index < 0) {
        // Mended: a family that is not installed here (the documents' fonts
        // are often installed only for the writer) would be shown as the font
        // the system substitutes, and saving would store that font instead.
        // It is listed first so that it shows and is saved as it was.
        box->insertItem(0, family);
        index = 0;
    }
    box->setCurrentIndex(index);
}
