#pragma once

#include <QString>
#include <QStringList>

// The values a batch takes for each document, by the names that both the
// command-line options (--title ...) and the manifest's columns use. A
// manifest column may also be headed by one of the field's Chinese labels,
// those of the input dialogs.
namespace batchfield {

constexpr char Input[] = "input";
constexpr char Output[] = "output";
constexpr char Kind[] = "kind";
constexpr char Template[] = "template";
constexpr char Number[] = "number";
constexpr char Title[] = "title";
constexpr char Recipient[] = "recipient";
constexpr char CopyTo[] = "copy-to";
constexpr char Note[] = "note";
constexpr char WrittenOn[] = "written";
constexpr char PrintedOn[] = "printed";
constexpr char Level[] = "level";
constexpr char Period[] = "period";
constexpr char Urgency[] = "urgency";
constexpr char Disclosure[] = "disclosure";
constexpr char Signer[] = "signer";
constexpr char Attendees[] = "attendees";
constexpr char NonVoting[] = "non-voting";
constexpr char Absent[] = "absent";

struct Field
{
    const char *name;
    const char *labels; // Chinese column headings, separated by "|"
    const char *help; // what the option's help says
};

// Every field, in the order of the help text.
const QList<Field> &all();
// The field a manifest column heading names (by name or label), or empty.
QString fieldOfHeading(const QString &heading);

// The element fields: everything but input, output, kind and template.
bool isElement(const QString &name);

// The form in which the elements carry dates, as in 2024年5月6日.
QString dateFormat();

// A date as the elements carry it, "yyyy年M月d日", from that form or from
// 2024-05-06, 2024/5/6 and 2024.5.6; empty when the text is no date.
QString normalisedDate(const QString &text);

// The template file of a kind, from its file name with or without ".ini",
// or a Chinese name (下行文, 平行文, 上行文, 信函, 联合发文, 纪要, 简报);
// empty for anything else.
QString kindFile(const QString &text);

} // namespace batchfield
