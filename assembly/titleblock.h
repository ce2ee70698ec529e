#pragma once

#include "automation/forward.h"
#include "writtenblock.h"

#include <QString>

namespace assembly {

// The settings and template values the title block works with, already read
// and with the defaults of unset values applied (titlesettings.h).
struct TitleSettings
{
    float titleSpacing = 36.0f; // exact spacing of the title line, pt
    float bodySpacing = 29.65f; // exact spacing of body text, pt
    QString titleFont = QStringLiteral("方正小标宋_GBK"); // the template's, else the settings'
    QString headingFont = QStringLiteral("方正黑体_GBK"); // security level and urgency
    QString subheadingFont = QStringLiteral("方正楷体_GBK"); // signer's name, minutes' unit
    QString bodyFont = QStringLiteral("方正仿宋_GBK");
    QString westernFont = QStringLiteral("宋体");
    float firstLinesSpacing = 29.65f; // the lines of security level and urgency, pt
    float controlSpacing = 37.0f; // the blank line below them, pt
    double insertedLines = 3; // blank lines added above the number line
    QString numberFont = QStringLiteral("方正仿宋_GBK"); // minutes: the issue-number line
    QString compilingUnit; // minutes: the unit printed before the date
};

// The head's texts as the conversion composes them.
struct TitleTexts
{
    QString kind; // the template file naming the document kind (TemplateKind)
    QString number; // document number
    QString level; // security level line, period included
    QString urgency;
    QString title;
    QString recipient; // main recipient, without the colon
    QString signer; // up-going documents
    QString date; // date of writing, "yyyy年M月d日"
};

// Writes the text part of a document's head as ordinary paragraphs before
// the first paragraph of the body: the security level and urgency lines,
// blank lines sized to fall under the red header's shapes, the document
// number line (with the signer for up-going documents), the title and the
// main recipient line; for minutes the compiling unit and date line instead
// of a recipient; letters put the title right after level and urgency and
// leave the number to the header. The first body paragraph (for minutes the
// user's own, otherwise the recipient line) is set to the body format.
//
// The written block is the run of paragraphs from the start of the body up
// to the user's first paragraph. A body that starts with a table gets
// nothing: text put before it would go into its first cell.
WrittenBlock writeTitleBlock(const automation::ApplicationPtr &app, const TitleTexts &texts,
                             const TitleSettings &settings);

} // namespace assembly
