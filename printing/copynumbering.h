#pragma once

#include "automation/forward.h"
#include "optionsettings.h"

#include <QString>

namespace printing {

// What the copy-number dialog asks for.
struct CopyRequest
{
    QString start; // the first number as typed, leading zeros included
    int copies = 0;
    bool print = true; // false: only write the start text into the box
};

// How the number box's text is set: exact line spacing in points and the
// font of the number.
struct CopyNumberFormat
{
    float lineSpacing = float(OptionDefault::CopyNumberSpacing);
    QString font = QString::fromUtf8(OptionDefault::HeadingFont);

    // From the settings file, unset values replaced by the defaults above.
    static CopyNumberFormat read();
};

enum class CopyOutcome {
    Done,
    NoApplication, // no writer bound: nothing to report
    NoDocument,
    NoNumberBox, // no shape named "GWXH": the document has no red header
    NotANumber, // printing asked with a start text that is not a number
    PrintFailed, // the writer did not print a copy; the box shows its number
};

// The k-th number (from 0) after the start text: its decimal value plus k,
// padded on the left with zeros to the start text's length (a longer
// number is written in full). Empty when the start text is not a decimal
// number: printing such copies would number them 000, 001, ...
QString copyNumber(const QString &start, int k);

// Formats the copy-number box "GWXH" of the active document (the last one
// when there are several), then writes the start text into it as entered,
// or prints the document once per copy with that copy's number in the box.
// Printing stops at the first copy the writer fails to print. Nothing is
// printed or written when the start text is not a number and printing was
// asked (the box is still formatted).
CopyOutcome numberCopies(const automation::ApplicationPtr &app, const CopyRequest &request,
                         const CopyNumberFormat &format);

} // namespace printing
