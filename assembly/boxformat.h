#pragma once

#include "automation/forward.h"

#include <QString>

// How the blocks dress their boxes and texts; shared by the red header and
// the imprint.
namespace assembly {

// A box without fill and outline whose height follows its text, with the
// inner margins given (points).
void setPlainBox(const automation::ShapePtr &box, float sideMargin, float topBottomMargin = 0);

// Character format of a run of text. A font name applies to every script
// unless a Western font is given, which then takes the Latin letters; an
// empty font name, a scaling of 0 and a bold of -1 leave those unset.
struct TextLook
{
    int color = 0;
    float size = 16;
    QString font;
    QString westernFont;
    int scaling = 0;
    int bold = -1;
};

void setLook(const automation::RangePtr &range, const TextLook &look);
// Paragraphs with exact line spacing (points) and an alignment.
void setExactLines(const automation::RangePtr &range, float spacing, int alignment);

// Writes `text` as the whole text of a box (none: keeps what is there) and
// formats it.
automation::RangePtr writeBoxText(const automation::ShapePtr &box, const QString &text,
                                  const TextLook &look, float spacing, int alignment);

} // namespace assembly
