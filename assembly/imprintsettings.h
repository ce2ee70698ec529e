#pragma once

#include <QString>

namespace assembly {

// The settings the imprint is drawn with, already resolved: spacings in
// points, the row height in centimetres, rule widths as line-width codes.
struct ImprintSettings
{
    float disclosureSpacing = 29.65f;
    float spacerSpacing = 8;
    double rowHeight = 1;
    QString disclosureFont = QStringLiteral("方正黑体_GBK");
    QString bodyFont = QStringLiteral("方正仿宋_GBK");
    QString westernFont = QStringLiteral("宋体");
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
