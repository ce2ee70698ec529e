#include "layoutsettings.h"

#include "optionsettings.h"

namespace format {

LayoutSettings LayoutSettings::read()
{
    LayoutSettings s;
    s.topMargin = OptionSettings::adaptationTopMargin();
    s.bottomMargin = OptionSettings::bottomMargin();
    s.leftMargin = OptionSettings::leftMargin();
    s.rightMargin = OptionSettings::rightMargin();
    s.landscapeTop = OptionSettings::landscapeTopMargin();
    s.landscapeBottom = OptionSettings::landscapeBottomMargin();
    s.landscapeLeft = OptionSettings::landscapeLeftMargin();
    s.landscapeRight = OptionSettings::landscapeRightMargin();
    s.titleSpacing = float(OptionSettings::titleSpacing());
    s.bodySpacing = float(OptionSettings::bodySpacing());
    s.titleFont = OptionSettings::titleFont();
    s.headingFont = OptionSettings::headingFont();
    s.subheadingFont = OptionSettings::subheadingFont();
    s.bodyFont = OptionSettings::bodyFont();
    s.westernFont = OptionSettings::westernFont();
    s.pageNumberFont = OptionSettings::pageNumberFont();
    return s;
}

} // namespace format
