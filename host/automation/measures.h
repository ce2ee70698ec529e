#pragma once

namespace automation {

// Centimetres to points: cm / 2.54 * 72, computed in double precision and
// handed to the writer in single precision. The one place of this rule.
float centimetersToPoints(double cm);

} // namespace automation
