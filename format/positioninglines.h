#pragma once

#include <vector>

namespace format {

// The positioning lines drawn from the header rules, in points from the top
// of the page. A value of 0 (or below) stands for a rule the document lacks.
struct RulePositions
{
    float rule = 0; // "BTBX" Top
    float ruleWeight = 0; // "BTBX" Line.Weight
    float footRule = 0; // "secBTBX" Top
    float footRuleWeight = 0; // "secBTBX" Line.Weight
    float minutesRule = 0; // "jyBX" Top
};

struct PositioningLine
{
    float y = 0; // points from the top of the page
    bool longLine = true; // 2 cm to 20 cm, or to 17 cm
    bool dotted = false;
};

// The lines, in drawing order:
//   1  always      long   3.7 cm                                   solid
//   2  always      long   0.49 cm above "secBTBX", else 26.2 cm    solid
//   3  BTBX        short  3.0 cm with "secBTBX", else 7.2 cm       solid
//   4  BTBX        short  0.4 cm above the rule                    dotted
//   5  BTBX, sec.  short  0.4 cm below the rule's lower edge       dotted
//   6  BTBX, none  short  3.08 cm above the rule                   dotted
//   7  jyBX        short  7.2 cm                                   solid
//   8  jyBX        short  0.4 cm above the rule                    dotted
// Line 5 marks the gap under the rule as line 4 marks the one above it, at
// the same 0.4 cm, and runs level like every other line.
std::vector<PositioningLine> positioningLines(const RulePositions &rules, float line1);

} // namespace format
