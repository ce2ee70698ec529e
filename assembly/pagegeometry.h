#pragma once

// The official A4 page as the blocks place their shapes on it, in
// centimetres: the type area runs from 2.8 to 18.4 across a page 29.7 high.
namespace assembly::page {

constexpr double height = 29.7;
constexpr double typeAreaLeft = 2.8;
constexpr double typeAreaWidth = 15.6;
constexpr double typeAreaRight = 18.4;
// The red header's mark box, before its text sets its height.
constexpr double markBoxHeight = 2;

} // namespace assembly::page
