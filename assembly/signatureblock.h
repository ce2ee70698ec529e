#pragma once

#include "automation/forward.h"
#include "writtenblock.h"

#include <QString>

namespace assembly {

// The signature block's texts as the conversion hands them over.
struct SignatureTexts
{
    QString kind; // the template file naming the document kind (TemplateKind)
    QString unit; // the signature (落款)
    QString date; // date of writing, "yyyy年M月d日"
    QString note; // 附注; fewer than two characters are not written
    // Minutes and briefings: the attendance lists.
    QString attendees; // 出席
    QString onLeave; // 请假
    QString nonVoting; // 列席
};

// Writes the closing part of the body as plain text.
//
// Minutes and briefings get, below the last paragraph, a 15.6 pt blank line
// and the lines "出席：", "请假：", "列席：" with their lists (labels in
// `labelFont`, names under a hanging indent); a line whose list is empty is
// left out. The labels start two characters in, like body text, and
// names running on to a second line align after the label.
//
// Every other kind gets the signature unit and, below it, the date, pushed
// right with blanks whose number follows from the texts' lengths in
// characters (46 less unit and date before the unit, 39 less the date
// before the date); joint issues get two organ placeholders instead of the
// unit; a note of two characters or more follows in full-width parentheses.
// It goes into the first empty paragraph after the attachment note
// ("附件：...", whose preceding blank line becomes 15.6 pt), or else after
// the last paragraph, three lines down. Its lines take the format of the
// paragraph they are typed into, set to the body's indents (two characters
// on the first line, none on the sides). The cursor is left after it.
//
// The written range is the text the block added: taking it out again gives
// back the body's text as it was.
WrittenBlock writeSignatureBlock(const automation::ApplicationPtr &app, const SignatureTexts &texts,
                                 const QString &labelFont);

} // namespace assembly
