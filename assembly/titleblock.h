#pragma once

#include "automation/forward.h"
#include "optionsettings.h"
#include "writtenblock.h"

#include <QString>

namespace assembly {

// The settings and template values the title block works with, already read
// and with the defaults of unset values applied (titlesettings.h).
struct TitleSettings
{
    float titleSpacing = float(OptionDefault::TitleSpacing); // the title line, pt
    float bodySpacing = float(OptionDefault::BodySpacing); // body text, pt
    // The template's, else the settings'.
    QString titleFont = QString::fromUtf8(OptionDefault::TitleFont);
    QString headingFont = QString::fromUtf8(OptionDefault::HeadingFont); // security level, urgency
    // The signer's name, the minutes' unit.
    QString subheadingFont = QString::fromUtf8(OptionDefault::SubheadingFont);
    QString bodyFont = QString::fromUtf8(OptionDefault::BodyFont);
    QString westernFont = QString::fromUtf8(OptionDefault::WesternFont);
    // The lines of security level and urgency, pt.
    float firstLinesSpacing = float(OptionDefault::BodySpacing);
    float controlSpacing = 37.0f; // the blank line below them, pt
    double insertedLines = 3; // blank lines added above the number line
    QString numberFont
        = QString::fromUtf8(OptionDefault::BodyFont); // minutes: the issue-number line
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
