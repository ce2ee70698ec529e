#include "paragraphpass.h"

#include "automation/automation.h"

using namespace automation;

namespace format {

namespace {

const QString kNumerals = QStringLiteral("一二三四五六七八九十百○零");
const QChar kStop(u'。');

} // namespace

QString textWithoutMark(const RangePtr &range)
{
    QString text = range ? range->text() : QString();
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

ParagraphPass::ParagraphPass(const LayoutSettings &settings, bool recogniseHeadings)
    : m_settings(settings)
    , m_recognise(recogniseHeadings)
{
}

QString ParagraphPass::leadSentence(const QString &text, bool *hasStop)
{
    const int stop = text.indexOf(kStop);
    if (hasStop)
        *hasStop = stop >= 0;
    return stop >= 0 ? text.left(stop) : text;
}

// Heading numerals then "、"; the last character is not scanned, so a lead
// sentence of numerals alone is no heading.
bool ParagraphPass::isFirstLevelHeading(const QString &lead)
{
    for (int i = 0; i < lead.size() - 1; ++i) {
        const QChar c = lead.at(i);
        if (c == QChar(u'、'))
            return true;
        if (!kNumerals.contains(c))
            return false;
    }
    return false;
}

// "（", heading numerals, then "）"; reaching the bound after at least one
// numeral counts as well.
bool ParagraphPass::isSecondLevelHeading(const QString &lead)
{
    if (!lead.startsWith(QChar(u'（')))
        return false;
    int i = 1;
    for (; i < lead.size() - 1; ++i) {
        const QChar c = lead.at(i);
        if (c == QChar(u'）'))
            return true;
        if (!kNumerals.contains(c))
            return false;
    }
    return i > 1;
}

bool ParagraphPass::isAttachmentHead(const QString &lead)
{
    return lead.size() < 5 && lead.startsWith(QStringLiteral("附件"))
        && (lead.size() < 3 || lead.at(2) != QChar(u'：'));
}

void ParagraphPass::formatBody(const ParagraphPtr &p, const RangePtr &r)
{
    p->setLineSpacingRule(wdLineSpaceExactly);
    p->setLineSpacing(m_settings.bodySpacing);
    p->setAlignment(wdAlignParagraphLeft);
    p->setFirstLineIndent(0);
    if (!m_recognise)
        p->setCharacterUnitFirstLineIndent(2.0f);
    p->setCharacterUnitLeftIndent(0);
    p->setCharacterUnitRightIndent(0);
    p->setLeftIndent(0);
    p->setRightIndent(0);
    if (FontPtr font = r->font()) {
        font->setNameFarEast(m_settings.bodyFont);
        font->setNameAscii(m_settings.westernFont);
        font->setBold(0);
        font->setItalic(0);
        font->setSize(16.0f);
    }
}

// The head itself loses its indent and takes the heading font; the non-empty
// paragraphs after it are the attachment's title lines, and the first empty
// paragraph after a title closes the walk as a 15.6 pt spacer. The section's
// last paragraph is not examined.
void ParagraphPass::formatAttachment(const ParagraphsPtr &paragraphs, long index, long count)
{
    bool titleDone = false;
    for (long j = index + 1; j < count; ++j) {
        ParagraphPtr q = paragraphs->item(j);
        RangePtr qr = q ? q->range() : nullptr;
        if (!qr)
            continue;
        if (textWithoutMark(qr).isEmpty()) {
            if (titleDone) {
                q->setLineSpacingRule(wdLineSpaceExactly);
                q->setLineSpacing(15.6f);
                break;
            }
            continue;
        }
        if (FontPtr font = qr->font()) {
            font->setName(m_settings.titleFont);
            font->setSize(22.0f);
        }
        q->reset();
        q->setLineSpacingRule(wdLineSpaceExactly);
        q->setLineSpacing(m_settings.titleSpacing);
        q->setAlignment(wdAlignParagraphCenter);
        q->setCharacterUnitFirstLineIndent(0);
        titleDone = true;
    }
}

void ParagraphPass::narrowFont(const RangePtr &r, const QString &lead, bool hasStop,
                               const QString &font)
{
    const long start = r->start();
    r->setRange(start, start + lead.size() + (hasStop ? 1 : 0));
    if (FontPtr f = r->font())
        f->setNameFarEast(font);
}

void ParagraphPass::run(const SectionPtr &section, bool firstSection)
{
    RangePtr sectionRange = section->range();
    ParagraphsPtr paragraphs = sectionRange ? sectionRange->paragraphs() : nullptr;
    if (!paragraphs)
        return;
    const long count = paragraphs->count();
    for (long i = count; i >= 1; --i) {
        ParagraphPtr p = paragraphs->item(i);
        RangePtr r = p ? p->range() : nullptr;
        if (!r)
            continue;
        const Variant inTable = r->information(wdWithInTable);
        r->select();
        const bool outsideTables = inTable.isBool() && !inTable.toBool();
        if (outsideTables) {
            formatBody(p, r);
            if (m_recognise) {
                bool hasStop = false;
                const QString lead = leadSentence(textWithoutMark(r), &hasStop);
                // Near the top of the document, a paragraph without a
                // first-line indent is a title or head line, not a heading.
                const bool topWithoutIndent
                    = firstSection && i < 20 && p->characterUnitFirstLineIndent() == 0.0f;
                if (!lead.isEmpty() && !topWithoutIndent) {
                    p->setCharacterUnitFirstLineIndent(2.0f);
                    if (isAttachmentHead(lead)) {
                        p->setCharacterUnitFirstLineIndent(0);
                        p->setFirstLineIndent(0);
                        if (FontPtr font = r->font())
                            font->setNameFarEast(m_settings.headingFont);
                        formatAttachment(paragraphs, i, count);
                    }
                    if (isFirstLevelHeading(lead))
                        narrowFont(r, lead, hasStop, m_settings.headingFont);
                    else if (isSecondLevelHeading(lead))
                        narrowFont(r, lead, hasStop, m_settings.subheadingFont);
                }
            }
        }
        if (firstSection && i < 4) {
            r->setRange(0, 0);
            r->select();
        }
    }
}

} // namespace format
