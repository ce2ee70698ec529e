#include "application.h"

#include "measures.h"

namespace automation {

float Application::centimetersToPoints(double cm) const
{
    return automation::centimetersToPoints(cm);
}

} // namespace automation
