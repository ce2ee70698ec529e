#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

class QSettings;

// Key paths of the settings file. "General/..." are the global settings;
// a unit profile is the group named by the unit, holding OptionKey::ProfileOrgan.
namespace OptionKey {
constexpr char UnitName[] = "General/YF";
constexpr char OrganName[] = "General/FW";
constexpr char TopMargin[] = "General/TopMargin";
constexpr char BottomMargin[] = "General/BottomMargin";
constexpr char LeftMargin[] = "General/LeftMargin";
constexpr char RightMargin[] = "General/RightMargin";
constexpr char TitleSpacing[] = "General/BTP";
constexpr char BodySpacing[] = "General/ZWP";
constexpr char TitleFont[] = "General/BTBS";
constexpr char HeadingFont[] = "General/HT";
constexpr char SubheadingFont[] = "General/KT";
constexpr char BodyFont[] = "General/FS";
constexpr char WesternFont[] = "General/ST";
constexpr char PageNumberFont[] = "General/PNF";
constexpr char LandscapeTopMargin[] = "General/TopMargin_2";
constexpr char LandscapeBottomMargin[] = "General/BottomMargin_2";
constexpr char LandscapeLeftMargin[] = "General/LeftMargin_2";
constexpr char LandscapeRightMargin[] = "General/RightMargin_2";
constexpr char ImprintSpacerSpacing[] = "General/bjBottomSpac";
constexpr char ImprintRowHeight[] = "General/bjHeight";
constexpr char ImprintOuterRule[] = "General/bjTopLine";
constexpr char ImprintInnerRule[] = "General/bjMidLine";
constexpr char CopyNumberSpacing[] = "General/fstP";
constexpr char ProfileOrgan[] = "FW";
} // namespace OptionKey

// The value an unset setting reads as: margins in centimetres, spacings in
// points. The layout, conversion and printing settings start from these too.
namespace OptionDefault {
constexpr double TopMargin = 3.35; // as the settings dialog shows it
constexpr double AdaptationTopMargin = 3.36; // what page adaptation applies
constexpr double BottomMargin = 3.2;
constexpr double LeftMargin = 2.8;
constexpr double RightMargin = 2.6;
constexpr double TitleSpacing = 36;
constexpr double BodySpacing = 29.65;
constexpr char TitleFont[] = "方正小标宋_GBK";
constexpr char HeadingFont[] = "方正黑体_GBK";
constexpr char SubheadingFont[] = "方正楷体_GBK";
constexpr char BodyFont[] = "方正仿宋_GBK";
constexpr char WesternFont[] = "宋体"; // and the page numbers' font
constexpr double LandscapeTopMargin = 2.45;
constexpr double LandscapeBottomMargin = 2.45;
constexpr double LandscapeLeftMargin = 3.5;
constexpr double LandscapeRightMargin = 3.7;
constexpr double ImprintSpacerSpacing = 8;
constexpr double ImprintRowHeight = 1;
constexpr double CopyNumberSpacing = 16;
} // namespace OptionDefault

// The user's settings file, ~/Quorvex/option.ini. Every call opens the file
// afresh and closes it before returning; nothing here creates the file (only
// the settings dialog writes it).
//
// A number that is missing, empty, not a number or not finite reads as 0 and a
// missing text reads as empty; both count as unset. The raw readers return
// what is stored that way; the other readers replace an unset value by a
// default. Margins are in centimetres, spacings in points.
class OptionSettings
{
public:
    // ~/Quorvex, the directory of the settings file and the template files.
    static QString directoryPath();
    // Points the whole process at another directory: the command-line
    // converter's --settings-dir. An empty path returns to ~/Quorvex. The
    // program itself never calls it.
    static void setDirectoryPath(const QString &path);
    static QString settingsFilePath();

    static double rawNumber(const QString &key);
    static QString rawText(const QString &key);
    static double readNumber(const QString &key, double defaultValue);
    static QString readText(const QString &key, const QString &defaultValue);

    // How a stored value converts: the rules above, for any QSettings value.
    static double numberOf(const QVariant &value);
    static QString textOf(const QVariant &value);
    // A number truncated toward zero and kept within int, for the values that
    // are whole numbers.
    static int integerOf(const QVariant &value);

    // Writes what was set through `settings` to its file now. False when the
    // file could not be written (read-only folder, full disk).
    static bool writeOut(QSettings &settings);

    // Unit profiles: every group except "General", in the file's own order.
    static QStringList unitProfiles();
    // The issuing organ name remembered in the profile of a unit.
    static QString profileOrganName(const QString &unit);

    // Unit and template names become INI groups; the INI layer would split a
    // name holding "/" or "\" into nested groups.
    static bool isUsableGroupName(const QString &name);

    // The global settings; an unset one reads as its OptionDefault.
    static QString unitName(); // empty
    // The shortest unit name the settings dialog saves; the conversion
    // commands refuse to run with a shorter one.
    static constexpr int minimumUnitLength = 5;
    static QString organName(); // empty
    static double topMargin();
    static double adaptationTopMargin();
    static double bottomMargin();
    static double leftMargin();
    static double rightMargin();
    static double titleSpacing();
    static double bodySpacing();
    static QString titleFont();
    static QString headingFont();
    static QString subheadingFont();
    static QString bodyFont();
    static QString westernFont();
    static QString pageNumberFont(); // westernFont()
    static double landscapeTopMargin();
    static double landscapeBottomMargin();
    static double landscapeLeftMargin();
    static double landscapeRightMargin();
    static double imprintSpacerSpacing();
    static double imprintRowHeight();
    // Rule weight selectors of the imprint: 1, 2 or 3 as stored, 0 for any
    // other value (the standard weight).
    static int imprintOuterRule();
    static int imprintInnerRule();
    static double copyNumberSpacing();
};
