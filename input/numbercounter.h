#pragma once

#include "documentnumber.h"

#include <QString>
#include <QVariantMap>

// The document-number counter each template keeps: the parts of the last
// number issued under it (keys fwzh, year and wh; for minutes fwzh, fwzh_r
// and wh). The input dialogs propose the number after it and record the one
// confirmed; the command-line converter takes its numbers the same way.
//
// Recording reads and writes the template file under its lock, the one
// QSettings takes for its own writes (the file name and ".lock"), and through
// a private copy that replaces the file: QSettings trusts a file it has read
// while size and time stamp look unchanged, which a counter another program
// advanced within the same clock tick does. So two programs side by side
// never issue the same number, and none loses the other's keys.
namespace numbering {

// A template's counter as stored; unset values read as 0 or empty.
struct Counter
{
    QString prefix; // fwzh
    int year = 0; // not for minutes
    int last = 0; // wh
    QString suffix; // fwzh_r, minutes only
};
Counter readCounter(const QString &kind, const QString &templateName);

// The number the template proposes next, as the dialog's fields show it:
// the last number plus 1, the year 0 read as the current year; for minutes
// the texts around the number "（<current year>）第" and "期" when unset.
BracketNumber nextBracketNumber(const Counter &counter);
IssueNumber nextIssueNumber(const Counter &counter);

enum class Status {
    Recorded,
    NoTemplate, // no template chosen: nothing stored
    CounterAtEnd, // the counter is at 9999 and would issue its last number again
    InvalidNumber, // a given number the kind's fields cannot hold
    Busy, // another program held the template file for too long
    Unwritable, // the template file could not be written
};

// What a confirmation stores: the keys of `counter` when the composed number
// differs from the one the document carried, the keys of `always` in any
// case, both under the chosen template, which becomes the last used.
struct Confirmation
{
    QString kind;
    QString templateName;
    QString number; // composed from the fields
    QString storedNumber; // the number the document carried
    QVariantMap counter;
    QVariantMap always;
};

// Checks and stores a confirmation; nothing is stored unless it answers
// Recorded.
Status record(const Confirmation &confirmation);

// A number for one document, taken as confirming the dialog would take it
// without touching its fields (or after typing `givenNumber` into them): the
// document's own number when it carries one of the kind's form, otherwise
// the template's next.
struct Request
{
    QString kind;
    QString templateName;
    QString storedNumber; // the number the document carries, or empty
    QString givenNumber; // empty: the number the dialog proposes
};

struct Taken
{
    Status status = Status::NoTemplate;
    QString number;
    QString kind;
    QString templateName;
    // The counter's keys before and after, for giveBack; both empty when the
    // counter did not move (the document kept its own number).
    QVariantMap before;
    QVariantMap after;
};

Taken take(const Request &request);

// Puts the counter back where it was before the number was taken, unless
// another number has been taken since: a number whose document was never
// written out is issued again. True when the counter was put back.
bool giveBack(const Taken &taken);

} // namespace numbering
