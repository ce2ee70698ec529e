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
// left out.
//
// Every other kind gets the signature unit and, below it, the date, pushed
// right with blanks (half a character wide each) so that the date ends four
// characters from the right edge for a 9-character date; joint issues get
// two organ placeholders instead of the unit; a note of two characters or
// more follows in full-width parentheses. It goes into the first empty
// paragraph after the attachment note ("附件：...", whose preceding blank
// line becomes 15.6 pt), or else after the last paragraph, three lines down.
// The signature's own lines have no first-line indent; the paragraph it is
// typed into keeps the two-character indent of body text.
//
// The written range is the text the block added: taking it out again gives
// back the body's text as it was.
WrittenBlock writeSignatureBlock(const automation::ApplicationPtr &app, const SignatureTexts &texts,
                                 const QString &labelFont);

} // namespace assembly
