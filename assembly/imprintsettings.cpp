#include "imprintsettings.h"

#include "automation/constants.h"
#include "optionsettings.h"

#include <QtGlobal>

namespace assembly {

namespace {

// Beyond these the imprint would not fit on a page.
const double largestSpacing = 200;
const double tallestRow = 5;

float spacing(double value, double defaultValue)
{
    return float(value > 0 ? qMin(value, largestSpacing) : defaultValue);
}

} // namespace

ImprintSettings ImprintSettings::read()
{
    ImprintSettings s;
    s.disclosureSpacing = spacing(OptionSettings::bodySpacing(), OptionDefault::BodySpacing);
    s.spacerSpacing
        = spacing(OptionSettings::imprintSpacerSpacing(), OptionDefault::ImprintSpacerSpacing);
    const double row = OptionSettings::imprintRowHeight();
    s.rowHeight = row > 0 ? qMin(row, tallestRow) : OptionDefault::ImprintRowHeight;
    s.disclosureFont = OptionSettings::headingFont();
    s.bodyFont = OptionSettings::bodyFont();
    s.westernFont = OptionSettings::westernFont();
    s.outerRule = outerRuleWidth(OptionSettings::imprintOuterRule());
    s.innerRule = innerRuleWidth(OptionSettings::imprintInnerRule());
    s.unit = OptionSettings::unitName();
    return s;
}

int ImprintSettings::outerRuleWidth(int selector)
{
    switch (selector) {
    case 1:
        return automation::wdLineWidth075pt;
    case 2:
        return automation::wdLineWidth150pt;
    case 3:
        return automation::wdLineWidth225pt;
    default:
        return automation::wdLineWidth100pt;
    }
}

int ImprintSettings::innerRuleWidth(int selector)
{
    switch (selector) {
    case 1:
        return automation::wdLineWidth050pt;
    case 2:
        return automation::wdLineWidth100pt;
    case 3:
        return automation::wdLineWidth150pt;
    default:
        return automation::wdLineWidth075pt;
    }
}

} // namespace assembly
