#pragma once

#include "automation/forward.h"

#include <QString>

namespace format {

// Odd and even footers of a portrait section: the page number between "— "
// and " —" on the outer side of the page, indented one character.
void writePortraitFooters(const automation::SectionPtr &section, const QString &font);

// Odd and even footers of a landscape section: the page number in a text box
// on the side of the page, its text running downward. With the box first
// placed at the page-based position the landscape page insertion uses.
void writeLandscapeFooters(const automation::DocumentPtr &document,
                           const automation::SectionPtr &section, const QString &font,
                           bool placeOnPageFirst = false);

} // namespace format
