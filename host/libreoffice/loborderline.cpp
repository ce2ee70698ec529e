#include "loborderline.h"

#include "automation/constants.h"
#include "unoutil.h"

#include <com/sun/star/table/BorderLineStyle.hpp>

#include <cmath>

using namespace css;

namespace libreoffice::borderline {

sal_Int32 widthOf(const table::BorderLine2 &line)
{
    const sal_Int32 parts = line.OuterLineWidth + line.InnerLineWidth + line.LineDistance;
    return line.LineWidth > 0 ? line.LineWidth : parts;
}

int lineStyleOf(const table::BorderLine2 &line)
{
    return widthOf(line) > 0 && line.LineStyle != table::BorderLineStyle::NONE
        ? automation::wdLineStyleSingle
        : automation::wdLineStyleNone;
}

int widthCodeOf(const table::BorderLine2 &line)
{
    return int(std::lround(toPoints(widthOf(line)) * 8));
}

void makeSolid(table::BorderLine2 &line)
{
    line.LineStyle = table::BorderLineStyle::SOLID;
    if (widthOf(line) <= 0)
        line.LineWidth = toHundredthMm(0.5f);
}

void setWidthCode(table::BorderLine2 &line, int code)
{
    line.LineWidth = toHundredthMm(code / 8.0f);
    if (line.LineStyle == table::BorderLineStyle::NONE)
        line.LineStyle = table::BorderLineStyle::SOLID;
}

} // namespace libreoffice::borderline
