#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// The exact spacings of "设为一行" and "设为二行", in points.
constexpr float kOneLineSpacing = 15.6f;
constexpr float kTwoLineSpacing = 45.0f;

// Exact line spacing of the selected paragraphs: set to a value, or stepped
// by one point (never below one point).
Outcome setExactSpacing(const automation::ApplicationPtr &app, float points);
Outcome stepExactSpacing(const automation::ApplicationPtr &app, float step);

} // namespace format
