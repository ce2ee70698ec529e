#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

#include <QString>

namespace format {

// The paragraph pass of page adaptation over one portrait section: every
// paragraph outside tables gets the body format; with recognition on,
// attachment heads with their titles and first- and second-level headings
// get their fonts. Paragraphs are visited from the last to the first.
class ParagraphPass
{
public:
    ParagraphPass(const LayoutSettings &settings, bool recogniseHeadings);

    void run(const automation::SectionPtr &section, bool firstSection);

    // The lead sentence of a paragraph's text (the mark left out): the text
    // up to its first "。". hasStop tells whether there is one.
    static QString leadSentence(const QString &text, bool *hasStop);
    // Matches of the heading rules on a lead sentence.
    static bool isFirstLevelHeading(const QString &lead);
    static bool isSecondLevelHeading(const QString &lead);
    static bool isAttachmentHead(const QString &lead);

private:
    void formatBody(const automation::ParagraphPtr &p, const automation::RangePtr &r);
    void formatAttachment(const automation::ParagraphsPtr &paragraphs, long index, long count);
    void narrowFont(const automation::RangePtr &r, const QString &lead, bool hasStop,
                    const QString &font);

    const LayoutSettings &m_settings;
    bool m_recognise;
};

// The text of a paragraph range without its closing mark.
QString textWithoutMark(const automation::RangePtr &range);

} // namespace format
