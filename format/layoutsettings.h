#pragma once

#include <QString>

namespace format {

// The settings values the layout commands work with, already read from the
// settings file (with or without defaults, as each command reads them).
struct LayoutSettings
{
    // Portrait margins, centimetres.
    double topMargin = 3.36, bottomMargin = 3.2, leftMargin = 2.8, rightMargin = 2.6;
    // Landscape margins, centimetres.
    double landscapeTop = 2.45, landscapeBottom = 2.45, landscapeLeft = 3.5, landscapeRight = 3.7;
    // Exact line spacings, points.
    float titleSpacing = 36.0f, bodySpacing = 29.65f;
    QString titleFont = QStringLiteral("方正小标宋_GBK");
    QString headingFont = QStringLiteral("方正黑体_GBK");
    QString subheadingFont = QStringLiteral("方正楷体_GBK");
    QString bodyFont = QStringLiteral("方正仿宋_GBK");
    QString westernFont = QStringLiteral("宋体");
    QString pageNumberFont = QStringLiteral("宋体");

    // From the settings file, each unset value replaced by its default (the
    // members' initial values).
    static LayoutSettings read();
};

// How a command ended, for the caller to report.
enum class Outcome {
    Done,
    NoApplication, // no writer bound: nothing to report
    NoDocument, // no active document or no selection
};

} // namespace format
