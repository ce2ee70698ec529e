#include "titleblock.h"

#include "automation/automation.h"
#include "blocktext.h"
#include "format/officialpage.h"
#include "templatestore.h"

#include <algorithm>
#include <cmath>

using namespace automation;

namespace assembly {

namespace {

using blocktext::setExactSpacing;

constexpr float kSpacerSpacing = 15.6f; // the thin blank line below the title
constexpr float kTitleGapSpacing = 26.0f; // the blank line above the title
constexpr float kLetterGapSpacing = 14.0f; // letters: the blank line above the title
constexpr float kTitleSize = 20.0f;
constexpr float kBodySize = format::officialPage::bodySize;
// More blank lines than a page holds only push the head off its page; a
// hand-edited template must not make the block type millions of them.
constexpr double kMaxInsertedLines = 22;

QString breaks(int count)
{
    return QString(count, QLatin1Char('\n'));
}

long breakCount(const QString &text)
{
    return long(text.count(QLatin1Char('\n')));
}

// One break, and one more for every started unit of the inserted lines.
QString blankRun(double insertedLines)
{
    const double lines = std::clamp(insertedLines, 0.0, kMaxInsertedLines);
    return breaks(1 + int(std::ceil(lines)));
}

bool isKind(const TitleTexts &texts, const char *kind)
{
    return texts.kind == QLatin1String(kind);
}

QString signerName(const TitleTexts &texts)
{
    return texts.signer.isEmpty() ? QStringLiteral("□□□") : texts.signer;
}

// Width in blanks: an ASCII character (a digit of the number) is as wide as
// one blank, any other character two.
int widthInBlanks(const QString &text)
{
    int width = 0;
    for (const QChar c : text)
        width += c.unicode() < 0x80 ? 1 : 2;
    return width;
}

// Up-going documents fill the number line with blanks so that the
// distributed line puts the number at its start and the signer at its end:
// 51 blanks' width in all, 25.5 characters, which the line between its
// one-character indents holds. (Counting every character as full-width
// would fill a number with fewer digits, such as 〔2024〕5号, past the line,
// and the signer's name would wrap.)
QString numberLine(const TitleTexts &texts)
{
    if (!isKind(texts, TemplateKind::UpGoing))
        return texts.number;
    const QString signer = QStringLiteral("签发人：") + signerName(texts);
    const int blanks = 51 - widthInBlanks(signer) - widthInBlanks(texts.number);
    return texts.number + QString(std::max(blanks, 0), QLatin1Char(' ')) + signer;
}

QString minutesUnitLine(const TitleSettings &settings, const QString &date)
{
    const int blanks = 2 * (28 - int(settings.compilingUnit.size() + date.size()));
    return settings.compilingUnit + QString(std::max(blanks, 0), QLatin1Char(' ')) + date;
}

// Every insertion of the block goes to the start of the body.
void insertAtStart(const DocumentPtr &document, const QString &text)
{
    if (const RangePtr start = document->range(0, 0))
        start->insertBefore(text);
}

class TitleWriter
{
public:
    TitleWriter(DocumentPtr document, const TitleTexts &texts, const TitleSettings &settings)
        : m_doc(std::move(document))
        , m_texts(texts)
        , m_settings(settings)
    {
    }

    void write();

private:
    void writeLetter();
    void writeOther();
    ParagraphPtr at(long index) const { return blocktext::paragraph(m_doc, index); }
    void formatAsBody(long index);
    void formatTitle(long index);
    void setHeadingLine(long index);
    void removeParagraph(long index);
    void writeMinutesUnit();
    void formatNumberLine(long index);

    DocumentPtr m_doc;
    const TitleTexts &m_texts;
    const TitleSettings &m_settings;
};

void TitleWriter::formatAsBody(long index)
{
    const ParagraphPtr p = at(index);
    if (!p)
        return;
    p->reset();
    setExactSpacing(p, m_settings.bodySpacing);
    p->setAlignment(wdAlignParagraphLeft);
    blocktext::clearIndents(p);
    const RangePtr range = p->range();
    if (const FontPtr font = range ? range->font() : nullptr) {
        font->setNameFarEast(m_settings.bodyFont);
        font->setNameAscii(m_settings.westernFont);
        font->setBold(msoFalse);
        font->setItalic(msoFalse);
        font->setSize(kBodySize);
    }
}

void TitleWriter::formatTitle(long index)
{
    const ParagraphPtr p = at(index);
    if (!p)
        return;
    setExactSpacing(p, m_settings.titleSpacing);
    p->setAlignment(wdAlignParagraphCenter);
    const RangePtr range = p->range();
    if (const FontPtr font = range ? range->font() : nullptr) {
        font->setName(m_settings.titleFont);
        font->setSize(kTitleSize);
    }
}

// The lines of security level and urgency and the blank lines between them.
void TitleWriter::setHeadingLine(long index)
{
    const ParagraphPtr p = at(index);
    setExactSpacing(p, m_settings.firstLinesSpacing);
    blocktext::setFontName(p, m_settings.headingFont);
}

// Setting a whole paragraph's text, mark included, to nothing removes it.
void TitleWriter::removeParagraph(long index)
{
    const ParagraphPtr p = at(index);
    if (const RangePtr range = p ? p->range() : nullptr)
        range->setText(QString());
}

// Letters: the title follows the security level and urgency lines right
// after the blank run; the document number is the header's.
void TitleWriter::writeLetter()
{
    QString levelLines;
    long k = 3; // the case value the layout of the lines follows
    if (m_texts.level.isEmpty()) {
        levelLines = m_texts.urgency + breaks(1);
    } else if (m_texts.urgency.isEmpty()) {
        k = 4;
        levelLines = breaks(1) + m_texts.level + breaks(1);
    } else {
        k = 5;
        levelLines = breaks(1) + m_texts.level + breaks(1) + m_texts.urgency + breaks(1);
    }
    const QString run = blankRun(m_settings.insertedLines);
    const long b = long(run.size());
    insertAtStart(m_doc, run + levelLines + breaks(2) + m_texts.title + breaks(2));

    formatTitle(k + 1 + b);
    setExactSpacing(at(k + 2 + b), kSpacerSpacing);
    setExactSpacing(at(k + b), kLetterGapSpacing);
    setHeadingLine(b + 1);
    setHeadingLine(b + 2);
    if (k != 3)
        setHeadingLine(b + 3);
    setExactSpacing(at(1), m_settings.controlSpacing);
}

// Minutes: the compiling unit and the date on one distributed line under the
// number line; the placeholder title is left out.
void TitleWriter::writeMinutesUnit()
{
    if (m_texts.title == QStringLiteral("[此处输入标题]")) {
        // Paragraphs 4 (the title), 3 and 2 go; the user's first paragraph
        // is then paragraph 4 and, after the third removal, paragraph 3.
        removeParagraph(4);
        removeParagraph(3);
        if (const ParagraphPtr first = at(4))
            first->setCharacterUnitFirstLineIndent(2);
        removeParagraph(2);
    } else {
        if (const ParagraphPtr first = at(6))
            first->setCharacterUnitFirstLineIndent(2);
        setExactSpacing(at(5), kSpacerSpacing);
        setExactSpacing(at(3), kTitleGapSpacing);
    }
    insertAtStart(m_doc, breaks(2) + minutesUnitLine(m_settings, m_texts.date));
    const ParagraphPtr unit = at(3);
    blocktext::distributeWithinOneCharacter(unit);
    blocktext::setFontName(unit, m_settings.subheadingFont);
    setExactSpacing(at(2), kSpacerSpacing);
}

void TitleWriter::formatNumberLine(long index)
{
    const ParagraphPtr p = at(index);
    if (!p)
        return;
    if (isKind(m_texts, TemplateKind::UpGoing)) {
        blocktext::distributeWithinOneCharacter(p);
        const long name = long(signerName(m_texts).size());
        blocktext::setFontName(p, m_settings.subheadingFont, long(blocktext::text(p).size()) - name,
                               name);
        return;
    }
    p->setAlignment(wdAlignParagraphCenter);
    if (isKind(m_texts, TemplateKind::Minutes) && m_settings.numberFont != m_settings.bodyFont)
        blocktext::setFontName(p, m_settings.numberFont);
}

// Every kind but minutes starts with the recipient line; the first
// paragraph then takes the body format.
void TitleWriter::write()
{
    if (!isKind(m_texts, TemplateKind::Minutes))
        insertAtStart(m_doc, m_texts.recipient + QStringLiteral("：") + breaks(1));
    formatAsBody(1);
    if (isKind(m_texts, TemplateKind::Letter))
        writeLetter();
    else
        writeOther();
}

void TitleWriter::writeOther()
{
    const bool minutes = isKind(m_texts, TemplateKind::Minutes);
    insertAtStart(m_doc, breaks(3) + m_texts.title + breaks(2));
    formatTitle(4);
    if (minutes) {
        writeMinutesUnit();
    } else {
        setExactSpacing(at(5), kSpacerSpacing);
        setExactSpacing(at(3), kTitleGapSpacing);
    }

    const QString levelLines = m_texts.level.isEmpty()
        ? m_texts.urgency + breaks(2)
        : m_texts.level + breaks(1) + m_texts.urgency + breaks(1);
    const QString lead = breaks(1) + levelLines + blankRun(m_settings.insertedLines);
    insertAtStart(m_doc, lead + numberLine(m_texts));
    formatNumberLine(breakCount(lead) + 1);

    setExactSpacing(at(4), m_settings.controlSpacing);
    for (long i = 3; i >= 1; --i)
        setHeadingLine(i);
}

} // namespace

WrittenBlock writeTitleBlock(const ApplicationPtr &app, const TitleTexts &texts,
                             const TitleSettings &settings)
{
    WrittenBlock block;
    DocumentPtr document;
    block.status = blocktext::activeDocument(app, &document);
    if (block.status != WrittenBlock::Status::Written)
        return block;
    const long before = blocktext::paragraphCount(document);
    const ParagraphPtr first = blocktext::paragraph(document, 1);
    const RangePtr firstRange = first ? first->range() : nullptr;
    if (!firstRange) {
        block.status = WrittenBlock::Status::NoParagraphs;
        return block;
    }
    if (firstRange->information(wdWithInTable).toBool()) {
        block.status = WrittenBlock::Status::TableAtStart;
        return block;
    }

    TitleWriter(document, texts, settings).write();

    const long written = blocktext::paragraphCount(document) - before;
    const ParagraphPtr last = written > 0 ? blocktext::paragraph(document, written) : nullptr;
    const RangePtr lastRange = last ? last->range() : nullptr;
    if (lastRange) {
        block.range = document->range(0, lastRange->end());
        block.firstParagraph = 1;
        block.lastParagraph = written;
    }
    return block;
}

} // namespace assembly
