#include "measures.h"

namespace automation {

float centimetersToPoints(double cm)
{
    return static_cast<float>(cm / 2.54 * 72.0);
}

} // namespace automation
