#pragma once

#include "optionsettings.h"

#include <QString>

namespace assembly {

// The settings the imprint is drawn with, already resolved: spacings in
// points, the row height in centimetres, rule widths as line-width codes.
struct ImprintSettings
{
    float disclosureSpacing = float(OptionDefault::BodySpacing);
    float spacerSpacing = float(OptionDefault::ImprintSpacerSpacing);
    double rowHeight = OptionDefault::ImprintRowHeight;
    QString disclosureFont = QString::fromUtf8(OptionDefault::HeadingFont);
    QString bodyFont = QString::fromUtf8(OptionDefault::BodyFont);
    QString westernFont = QString::fromUtf8(OptionDefault::WesternFont);
    int outerRule = 8; // wdLineWidth100pt
    int innerRule = 6; // wdLineWidth075pt
    QString unit; // the settings' printing-issuing unit

    // Reads the settings file; unset or unusable values take their defaults.
    static ImprintSettings read();
    // Line-width codes of the stored rule selectors (1 to 3, anything else
    // the standard weight).
    static int outerRuleWidth(int selector);
    static int innerRuleWidth(int selector);
};

} // namespace assembly
