#pragma once

#include "automation/forward.h"
#include "imprintsettings.h"
#include "outcome.h"

#include <QString>

namespace assembly {

// The imprint's one shape, by the name a later run replaces it by.
constexpr char ImprintShapeName[] = "bj_gw";

// What a conversion hands the imprint.
struct ImprintInput
{
    QString kind; // template file name: the document kind
    QString unit; // printing-issuing unit; empty: the settings' unit
    QString date; // printing date as shown, without "印发"
    QString copyTo;
    QString disclosure; // empty: no disclosure line
    QString distribution; // minutes: the distribution line
};

// The texts of the imprint's table rows, as the kind and the input decide.
struct ImprintRows
{
    QString first; // copy-to (or distribution) row; empty: no such row
    QString second; // unit, blanks and date with "印发"
    int scaling = 0; // of the second row in percent; 0: unset
};
ImprintRows imprintRows(const ImprintInput &input, const QString &unit);

// Draws the imprint of the active document: a box named "bj_gw" at the foot
// of the type area of the last page, holding the optional disclosure line
// and a one-column table whose row borders are the rules (the copy-to row,
// then the unit and date row; letters keep only an unruled copy-to line).
// The previous imprint is replaced. When the last page has no room for the
// box below its last line, the box goes to the foot of a new page rather
// than over the text.
Outcome drawImprint(const automation::ApplicationPtr &app, const ImprintInput &input,
                    const ImprintSettings &settings);

} // namespace assembly
