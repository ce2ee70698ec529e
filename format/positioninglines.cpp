#include "positioninglines.h"

namespace format {

namespace {

// Offsets in points, added in double precision to the values read from the
// shapes.
constexpr double cm049 = 13.88976;
constexpr double cm04 = 11.33858;
constexpr double cm308 = 87.30709;
constexpr float cm30 = 85.03937f;
constexpr float cm72 = 204.09448f;
constexpr float cm262 = 742.67712f;

} // namespace

std::vector<PositioningLine> positioningLines(const RulePositions &r, float line1)
{
    const bool footRule = r.footRuleWeight > 0;
    std::vector<PositioningLine> lines;
    lines.push_back({line1, true, false});
    lines.push_back({footRule ? float(double(r.footRule) - cm049) : cm262, true, false});
    if (r.rule > 0) {
        lines.push_back({footRule ? cm30 : cm72, false, false});
        lines.push_back({float(double(r.rule) - cm04), false, true});
        if (footRule)
            lines.push_back({float(double(r.rule) + double(r.ruleWeight) + cm04), false, true});
        else
            lines.push_back({float(double(r.rule) - cm308), false, true});
    }
    if (r.minutesRule > 0) {
        lines.push_back({cm72, false, false});
        lines.push_back({float(double(r.minutesRule) - cm04), false, true});
    }
    return lines;
}

} // namespace format
