#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// Inserts a landscape section at the insertion point: two section breaks,
// the new section turned to A4 landscape with the landscape margins and
// side page numbers, then page adaptation without paragraph formatting.
Outcome insertLandscapePage(const automation::ApplicationPtr &app, const LayoutSettings &settings);

} // namespace format
