#pragma once

// The official page: A4 with the document grid of 22 lines of 28 characters,
// and the sizes of its text.
namespace format::officialPage {

// Width and height of the sheet (21 x 29.7 cm), in points and centimetres;
// a landscape section gets the same two and the landscape orientation.
constexpr float width = 595.2756f;
constexpr float height = 841.8898f;
constexpr double widthCm = 21.0;
constexpr double heightCm = 29.7;
constexpr float linesPerPage = 22.0f;
constexpr float charsPerLine = 28.0f;
// The portrait footer's distance from the bottom edge (2.7 cm), points.
constexpr float footerDistance = 76.53543f;
// Body text and the document title, points.
constexpr float bodySize = 16.0f;
constexpr float titleSize = 22.0f;

} // namespace format::officialPage
