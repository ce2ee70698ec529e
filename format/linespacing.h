#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// Exact line spacing of the selected paragraphs: set to a value, or stepped
// by one point (never below one point).
Outcome setExactSpacing(const automation::ApplicationPtr &app, float points);
Outcome stepExactSpacing(const automation::ApplicationPtr &app, float step);

} // namespace format
