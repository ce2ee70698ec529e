#pragma once

#include "format/officialpage.h"
#include "optionsettings.h"

// The official A4 page as the blocks place their shapes on it, in
// centimetres: the type area runs between the default side margins (2.8 to
// 18.4 across the sheet, 15.6 wide).
namespace assembly::page {

constexpr double height = format::officialPage::heightCm;
constexpr double typeAreaLeft = OptionDefault::LeftMargin;
constexpr double typeAreaRight = format::officialPage::widthCm - OptionDefault::RightMargin;
constexpr double typeAreaWidth = typeAreaRight - typeAreaLeft;
// The red header's mark box, before its text sets its height.
constexpr double markBoxHeight = 2;

} // namespace assembly::page
