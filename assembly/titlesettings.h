#pragma once

#include "titleblock.h"

#include <QString>

namespace assembly {

// The title block's values from the settings file and the template `name`
// of the kind's template file, each unset value replaced by its default:
// the template's title font by the settings' one, its spacing of the first
// lines by the body spacing and its control spacing by what the kind's
// template editor proposes (an exact spacing of 0 would fold the lines onto
// each other), its minutes' number font by the body font and its compiling
// unit by its mark text. An unset count of inserted lines is 0.
TitleSettings readTitleSettings(const QString &kind, const QString &name);

} // namespace assembly
