#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// Makes a new, empty document the body of an official document before the
// user types into it: the official portrait page, and the normal style in the
// settings' body font (East Asian) and Western font, 16 pt, with the body's
// exact line spacing. The document still counts as saved, as an untouched
// new document does: closing it asks nothing, and a file opened next takes
// its place.
void startAsOfficialBody(const automation::DocumentPtr &document, const LayoutSettings &settings);

} // namespace format
