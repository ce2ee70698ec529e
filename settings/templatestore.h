#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The template files, one per document kind, in the settings directory.
namespace TemplateKind {
constexpr char DownGoing[] = "xiaxing.ini"; // down-going and parallel documents
constexpr char UpGoing[] = "shangxing.ini";
constexpr char Letter[] = "xinhan.ini";
constexpr char JointIssue[] = "lianhe.ini";
constexpr char Minutes[] = "jiyao.ini"; // minutes and briefings
} // namespace TemplateKind

// Keys of a template, stored in the group named by the template.
// Lengths are in centimetres, sizes and spacings in points, scalings in percent.
namespace TemplateKey {
constexpr char Unit[] = "YF"; // printing-issuing unit to propose
constexpr char MarkText[] = "FW"; // the organ's mark; joint issue: one organ a line
constexpr char SecondMarkText[] = "FW_2"; // joint issue
constexpr char Signature[] = "LK";
constexpr char MarkFont[] = "BTBS"; // empty: the settings' title font
constexpr char BoxWidth[] = "tWidth";
constexpr char SecondBoxWidth[] = "tWidth_2"; // joint issue
constexpr char BoxHeight[] = "tHeight";
constexpr char BoxTop[] = "tTop";
constexpr char MarkBold[] = "fBold"; // check state; any non-zero is bold
constexpr char MarkSize[] = "fSize";
constexpr char MarkSpacing[] = "fPoint";
constexpr char SecondMarkSize[] = "fSize_2"; // joint issue
constexpr char MarkZoom[] = "fZoom";
constexpr char SecondMarkZoom[] = "fZoom_2"; // joint issue
constexpr char RuleWeight[] = "lSize"; // text of the weight list, such as "1.25"
constexpr char RuleTop[] = "lTop";
constexpr char FootRuleBottom[] = "lBottom"; // letters
constexpr char RuleStar[] = "lFives"; // check state
constexpr char FirstLinesSpacing[] = "fstSize";
constexpr char ControlSpacing[] = "ctlSize";
constexpr char InsertedLines[] = "insertLine"; // stored as text, such as "3"
// Kept by the input dialogs: the last document number of the template.
constexpr char NumberPrefix[] = "fwzh";
constexpr char NumberYear[] = "year";
constexpr char Number[] = "wh";
constexpr char NumberSuffix[] = "fwzh_r"; // minutes
constexpr char NumberFont[] = "whfont"; // minutes
constexpr char CompilingUnit[] = "mkunit"; // minutes
// The template last saved or used, in the group "General".
constexpr char LastUsed[] = "General/mb";
} // namespace TemplateKey

// The red-header templates. A template is a group of its kind's file; every
// group except "General" is one. Each call opens the file afresh and closes it
// before returning; only save() creates a file.
//
// Values read as in OptionSettings: a missing or unreadable number is 0, a
// missing text is empty, and both count as unset for the readers that take a
// default. A template whose group is missing reads as all unset.
class TemplateStore
{
public:
    // ~/Quorvex/<kind>, kind being a file name of TemplateKind.
    static QString filePath(const QString &kind);

    // Every group except "General", in the file's own order.
    static QStringList templateNames(const QString &kind);
    static QString lastUsed(const QString &kind);

    static double rawNumber(const QString &kind, const QString &name, const QString &key);
    static QString rawText(const QString &kind, const QString &name, const QString &key);
    // A number truncated toward zero, for the fields that hold whole numbers.
    static int rawInteger(const QString &kind, const QString &name, const QString &key);
    // Check states and flags: a number is true when it is not 0, a text as
    // QVariant reads it ("true" and "false").
    static bool readFlag(const QString &kind, const QString &name, const QString &key);
    static double readNumber(const QString &kind, const QString &name, const QString &key,
                             double defaultValue);
    static QString readText(const QString &kind, const QString &name, const QString &key,
                            const QString &defaultValue);

    // Horizontal scaling of a mark text in percent by its length in
    // characters (line breaks count): up to 9 characters 64, then 60, 56,
    // 52, 49, 46, 43, 40, 37, 36, 35, 33 for 10 to 20, and 32 beyond.
    static int zoomForLength(int characters);
    static int zoomForMarkText(const QString &markText);

    // Saves a template from an editor: `values` are its keys, `oldName` the
    // template the editor was opened on (empty for a new one), `name` and
    // `markText` already trimmed. Checks them, telling the user what is wrong,
    // then writes the template and makes it the last used. False when nothing
    // was written, also when the file could not be written.
    static bool save(const QString &kind, const QString &oldName, const QString &name,
                     const QString &markText, const QVariantMap &values);

    // Removes a template. An empty name removes nothing.
    static bool removeTemplate(const QString &kind, const QString &name);
};
