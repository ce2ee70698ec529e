#include "paragraphpass.h"

#include "automation/automation.h"
#include "officialpage.h"

using namespace automation;

namespace format {

namespace {

const QString kNumerals = QStringLiteral("一二三四五六七八九十百○零");
const QChar kStop(u'。');

// Removes the spaces a line was indented with by hand, now that its format
// says how it is indented.
void dropIndentSpaces(const ParagraphPtr &p, const RangePtr &r, int spaces)
{
    if (spaces <= 0)
        return;
    RangePtr typed = p->range();
    if (!typed)
        return;
    const long start = r->start();
    typed->setRange(start, start + spaces);
    typed->setText(QString());
}

bool inTable(const RangePtr &r)
{
    const Variant answer = r->information(wdWithInTable);
    return !(answer.isBool() && !answer.toBool());
}

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

int ParagraphPass::indentSpaces(const QString &text)
{
    int n = 0;
    while (n < text.size() && (text.at(n) == QChar(u'\u3000') || text.at(n) == QLatin1Char(' ')))
        ++n;
    return n;
}

void ParagraphPass::protectParagraphs(const QVector<RangePtr> &paragraphs)
{
    m_protected = paragraphs;
}

bool ParagraphPass::isProtected(const RangePtr &r) const
{
    const long start = r->start();
    for (const RangePtr &marked : m_protected) {
        if (marked->start() == start)
            return true;
    }
    return false;
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
        font->setSize(officialPage::bodySize);
    }
}

// The head itself loses its indent and takes the heading font; the non-empty
// paragraphs after it are the attachment's title lines, and the first empty
// paragraph after a title closes the walk as a 15.6 pt spacer. The section's
// last paragraph is not examined. A table ends the walk: its cells keep their
// own format.
void ParagraphPass::formatAttachment(const ParagraphsPtr &paragraphs, long index, long count)
{
    bool titleDone = false;
    for (long j = index + 1; j < count; ++j) {
        ParagraphPtr q = paragraphs->item(j);
        RangePtr qr = q ? q->range() : nullptr;
        if (!qr)
            continue;
        if (inTable(qr))
            break;
        const QString text = textWithoutMark(qr);
        if (text.isEmpty()) {
            if (titleDone) {
                q->setLineSpacingRule(wdLineSpaceExactly);
                q->setLineSpacing(15.6f);
                break;
            }
            continue;
        }
        // A title line centred by hand loses its spaces to the centring.
        dropIndentSpaces(q, qr, indentSpaces(text));
        if (FontPtr font = qr->font()) {
            font->setName(m_settings.titleFont);
            font->setSize(officialPage::titleSize);
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
        const bool outsideTables = !inTable(r);
        r->select();
        if (outsideTables && !isProtected(r))
            formatParagraph(paragraphs, p, r, i, firstSection);
        if (firstSection && i < 4) {
            r->setRange(0, 0);
            r->select();
        }
    }
}

void ParagraphPass::formatParagraph(const ParagraphsPtr &paragraphs, const ParagraphPtr &p,
                                    const RangePtr &r, long i, bool firstSection)
{
    if (!m_recognise) {
        dropIndentSpaces(p, r, indentSpaces(textWithoutMark(r)));
        formatBody(p, r);
        return;
    }
    formatBody(p, r);
    const QString text = textWithoutMark(r);
    const int spaces = indentSpaces(text);
    bool hasStop = false;
    const QString lead = leadSentence(text.mid(spaces), &hasStop);
    // Near the top of a document without marks, a paragraph without a
    // first-line indent (in its format or typed) is a head line.
    const bool topWithoutIndent = m_protected.isEmpty() && firstSection && i < 20 && spaces == 0
        && p->characterUnitFirstLineIndent() == 0.0f;
    if (lead.isEmpty() || topWithoutIndent)
        return;
    dropIndentSpaces(p, r, spaces);
    p->setCharacterUnitFirstLineIndent(2.0f);
    if (isAttachmentHead(lead)) {
        p->setCharacterUnitFirstLineIndent(0);
        p->setFirstLineIndent(0);
        if (FontPtr font = r->font())
            font->setNameFarEast(m_settings.headingFont);
        formatAttachment(paragraphs, i, paragraphs->count());
    }
    if (isFirstLevelHeading(lead))
        narrowFont(r, lead, hasStop, m_settings.headingFont);
    else if (isSecondLevelHeading(lead))
        narrowFont(r, lead, hasStop, m_settings.subheadingFont);
}

} // namespace format
