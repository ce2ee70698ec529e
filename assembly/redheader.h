#pragma once

#include "automation/forward.h"
#include "headertemplate.h"
#include "outcome.h"

#include <QString>
#include <QStringList>

namespace assembly {

// The red header's shapes, by the names later commands find them by.
namespace HeaderShape {
constexpr char MarkBox[] = "WJBT";
constexpr char Rule[] = "BTBX";
constexpr char MinutesRule[] = "jyBX";
constexpr char FootRule[] = "secBTBX"; // letters
constexpr char Star[] = "DANG1";
constexpr char DocumentNumber[] = "hanWenHao"; // letters
constexpr char CopyNumber[] = "GWXH";
// Every name of the header; a shape with one of them belongs to it.
QStringList names();
} // namespace HeaderShape

// What a conversion hands the red header.
struct HeaderInput
{
    QString kind; // template file name: the document kind
    QString securityLevel; // as composed for the title block; empty: none
    QString documentNumber;
};

// Draws the red header of the active document as floating shapes on its
// first page: the organ's mark in red (one box, or two cells side by side for
// a joint issue), the red rule with an optional star, the copy-number box,
// and for letters the document number on the right, the rule at the foot of
// the first page and that page's bottom margin. The header shapes of an
// earlier run, found by name, are deleted first; other shapes stay.
Outcome drawRedHeader(const automation::ApplicationPtr &app, const HeaderInput &input,
                      const HeaderTemplate &values);

} // namespace assembly
