#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

#include <QString>
#include <QVector>

namespace format {

// The paragraph pass of page adaptation over one portrait section: every
// paragraph outside tables gets the body format; with recognition on,
// attachment heads with their titles and first- and second-level headings
// get their fonts. Paragraphs are visited from the last to the first.
//
// The head of a converted document (number line, title, recipient) is left as
// the conversion wrote it. Where the document carries the marks of its
// converted head, exactly the marked paragraphs are left alone, format and
// all; without marks, an unindented paragraph near the top of the first
// section is taken for a head line and gets the body format only.
class ParagraphPass
{
public:
    ParagraphPass(const LayoutSettings &settings, bool recogniseHeadings);

    // The marked paragraphs of a converted head (live ranges).
    void protectParagraphs(const QVector<automation::RangePtr> &paragraphs);
    void run(const automation::SectionPtr &section, bool firstSection);

    // The lead sentence of a paragraph's text (the mark left out): the text
    // up to its first "。". hasStop tells whether there is one.
    static QString leadSentence(const QString &text, bool *hasStop);
    // Matches of the heading rules on a lead sentence.
    static bool isFirstLevelHeading(const QString &lead);
    static bool isSecondLevelHeading(const QString &lead);
    static bool isAttachmentHead(const QString &lead);
    // How many full-width or ASCII spaces a typed line starts with: such a
    // line is indented by hand, and is recognised as if it were not.
    static int indentSpaces(const QString &text);

private:
    bool isProtected(const automation::RangePtr &r) const;
    // Body format and, with recognition, the heading rules of one paragraph
    // outside tables.
    void formatParagraph(const automation::ParagraphsPtr &paragraphs,
                         const automation::ParagraphPtr &p, const automation::RangePtr &r, long i,
                         bool firstSection);
    void formatBody(const automation::ParagraphPtr &p, const automation::RangePtr &r);
    void formatAttachment(const automation::ParagraphsPtr &paragraphs, long index, long count);
    void narrowFont(const automation::RangePtr &r, const QString &lead, bool hasStop,
                    const QString &font);

    const LayoutSettings &m_settings;
    bool m_recognise;
    QVector<automation::RangePtr> m_protected;
};

// The text of a paragraph range without its closing mark.
QString textWithoutMark(const automation::RangePtr &range);

} // namespace format
