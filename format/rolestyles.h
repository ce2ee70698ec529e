#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// The typographic roles a selection can be given.
enum class Role { BigTitle, FirstHeading, SecondHeading, Body, BoldBody };

// Gives the selected paragraphs the font and paragraph format of a role, with
// the fonts and spacings of the settings. NoDocument when the selection
// cannot be had.
Outcome applyRole(const automation::ApplicationPtr &app, Role role, const LayoutSettings &settings);

} // namespace format
