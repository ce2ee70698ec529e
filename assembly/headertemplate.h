#pragma once

#include <QString>

namespace assembly {

// What the red header is drawn from: one template of a template file and the
// fonts of the settings, every value already resolved to what is drawn.
// Lengths are centimetres, sizes and spacings points, scalings percent.
struct HeaderTemplate
{
    QString markText;
    QString secondMarkText; // joint issue
    QString markFont = QStringLiteral("方正小标宋_GBK");
    double boxWidth = 14.6;
    double secondBoxWidth = 0; // above 0: the joint, two-cell layout
    double boxTop = 7.15;
    bool bold = false;
    float markSize = 57, markSpacing = 61;
    int markZoom = 64;
    float secondMarkSize = 57;
    int secondMarkZoom = 64;
    float ruleWeight = 1.25f;
    double ruleTop = 12.2;
    double footRuleBottom = 2; // letters
    bool star = false;
    int insertLine = 1; // letters: the number line is paragraph insertLine + 2
    // Settings: the document number's East Asian and Western fonts, the
    // copy number's font.
    QString numberFont = QStringLiteral("方正仿宋_GBK");
    QString westernFont = QStringLiteral("宋体");
    QString copyNumberFont = QStringLiteral("方正黑体_GBK");

    // Reads template `name` of the template file `kind` and the settings.
    // Unset values take their defaults; values no page can hold (negative or
    // huge sizes, boxes wider than the page, positions below it) are brought
    // back onto the A4 page, so that whatever the file says, every shape of
    // the header can be seen and found. False when the file has no such
    // template.
    static bool read(const QString &kind, const QString &name, HeaderTemplate *result);
};

} // namespace assembly
