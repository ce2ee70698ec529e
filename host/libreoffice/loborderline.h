#pragma once

#include <com/sun/star/table/BorderLine2.hpp>

// A border line of the office (BorderLine2) as the object model reads it,
// for the borders of paragraph styles and of tables alike. A line without
// width is no line (wdLineStyleNone), whatever its style says; widths are
// given in eighths of a point (the width codes).
namespace libreoffice::borderline {

// The width drawn: the line's own width, or its parts' (a line the office
// read from a file may give only those).
sal_Int32 widthOf(const css::table::BorderLine2 &line);
// wdLineStyleSingle or wdLineStyleNone.
int lineStyleOf(const css::table::BorderLine2 &line);
int widthCodeOf(const css::table::BorderLine2 &line);

// A line given a style of wdLineStyleSingle keeps its width, or gets the
// half point Word draws by default.
void makeSolid(css::table::BorderLine2 &line);
// A line given a width is drawn, solid unless it had a style.
void setWidthCode(css::table::BorderLine2 &line, int code);

} // namespace libreoffice::borderline
