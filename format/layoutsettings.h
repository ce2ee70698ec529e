#pragma once

#include "optionsettings.h"

#include <QString>

namespace format {

// The settings values the layout commands work with, already read from the
// settings file (with or without defaults, as each command reads them).
struct LayoutSettings
{
    // Portrait margins, centimetres.
    double topMargin = OptionDefault::AdaptationTopMargin;
    double bottomMargin = OptionDefault::BottomMargin;
    double leftMargin = OptionDefault::LeftMargin;
    double rightMargin = OptionDefault::RightMargin;
    // Landscape margins, centimetres.
    double landscapeTop = OptionDefault::LandscapeTopMargin;
    double landscapeBottom = OptionDefault::LandscapeBottomMargin;
    double landscapeLeft = OptionDefault::LandscapeLeftMargin;
    double landscapeRight = OptionDefault::LandscapeRightMargin;
    // Exact line spacings, points.
    float titleSpacing = float(OptionDefault::TitleSpacing);
    float bodySpacing = float(OptionDefault::BodySpacing);
    QString titleFont = QString::fromUtf8(OptionDefault::TitleFont);
    QString headingFont = QString::fromUtf8(OptionDefault::HeadingFont);
    QString subheadingFont = QString::fromUtf8(OptionDefault::SubheadingFont);
    QString bodyFont = QString::fromUtf8(OptionDefault::BodyFont);
    QString westernFont = QString::fromUtf8(OptionDefault::WesternFont);
    QString pageNumberFont = QString::fromUtf8(OptionDefault::WesternFont);

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
