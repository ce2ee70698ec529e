#include "signatureblock.h"

#include "automation/automation.h"
#include "blocktext.h"
#include "templatestore.h"

using namespace automation;

namespace assembly {

namespace {

using blocktext::paragraph;

constexpr float kSpacerSpacing = 15.6f;
const QString kAttachmentNote = QStringLiteral("附件：");

QString blanks(int count)
{
    return count < 1 ? QString() : QString(count, QLatin1Char(' '));
}

// Lengths are counted in characters whatever their width; a blank is half a
// full-width character wide.
QString signatureText(const SignatureTexts &texts)
{
    const int dateBlanks = 39 - int(texts.date.size());
    QString text = QStringLiteral("\n\n\n");
    if (texts.kind == QLatin1String(TemplateKind::JointIssue))
        text += QStringLiteral("          发文机关一        发文机关二");
    else
        text += blanks(46 - int(texts.unit.size() + texts.date.size())) + texts.unit;
    text += QLatin1Char('\n') + blanks(dateBlanks) + texts.date;
    if (texts.note.size() >= 2)
        text += QStringLiteral("\n（") + texts.note + QStringLiteral("）");
    return text;
}

// The receiving paragraph, and with it every line of the signature, starts
// at the left margin with the body's two-character first-line indent.
void setBodyIndents(const ParagraphPtr &p)
{
    if (!p)
        return;
    blocktext::clearIndents(p);
    p->setCharacterUnitFirstLineIndent(2);
}

// The last paragraph whose text (mark included) is not empty.
long lastNonEmpty(const DocumentPtr &document)
{
    for (long i = blocktext::paragraphCount(document); i >= 1; --i) {
        const ParagraphPtr p = paragraph(document, i);
        const RangePtr range = p ? p->range() : nullptr;
        if (range && !range->text().isEmpty())
            return i;
    }
    return 0;
}

bool isAttachmentNote(const QString &trimmed)
{
    return trimmed.size() > 2 && trimmed.startsWith(kAttachmentNote);
}

// Walks the body for the attachment note; from there on, a blank line
// before a line becomes 15.6 pt, and the first blank line is the one the
// signature goes into. 0 when there is none.
long blankAfterAttachments(const DocumentPtr &document)
{
    const ParagraphsPtr all = document->paragraphs();
    const long count = all ? all->count() : 0;
    bool inAttachments = false;
    bool previousBlank = false;
    for (long i = 1; i <= count; ++i) {
        const QString text = blocktext::text(all->item(i)).trimmed();
        inAttachments = inAttachments || isAttachmentNote(text);
        if (inAttachments) {
            if (i > 1 && previousBlank)
                blocktext::setExactSpacing(all->item(i - 1), kSpacerSpacing);
            if (text.isEmpty())
                return i;
        }
        previousBlank = text.isEmpty();
    }
    return 0;
}

WrittenBlock writeSignature(const DocumentPtr &document, const SignatureTexts &texts)
{
    WrittenBlock block;
    long target = blankAfterAttachments(document);
    if (target == 0)
        target = lastNonEmpty(document);
    const ParagraphPtr p = paragraph(document, target);
    const RangePtr range = p ? p->range() : nullptr;
    if (!range) {
        block.status = WrittenBlock::Status::NoParagraphs;
        return block;
    }
    setBodyIndents(p);
    const QString text = signatureText(texts);
    const long mark = range->end() - 1;
    range->setRange(mark, mark + 1);
    range->insertBefore(text);
    // The view goes to the signature with the cursor after it: a selection
    // over it would be replaced by the next key the user types.
    const long end = mark + long(text.size());
    if (const RangePtr cursor = document->range(end, end))
        cursor->select();

    block.status = WrittenBlock::Status::Written;
    block.range = document->range(mark, end);
    block.firstParagraph = target + 1;
    block.lastParagraph = target + long(text.count(QLatin1Char('\n')));
    return block;
}

// Replaces a blank paragraph by a labelled list line, or removes it when
// the list is empty.
void writeAttendance(const DocumentPtr &document, long index, const QString &label,
                     const QString &list, const QString &labelFont)
{
    const ParagraphPtr p = paragraph(document, index);
    const RangePtr range = p ? p->range() : nullptr;
    if (!range)
        return;
    if (list.isEmpty()) {
        range->setText(QString());
        return;
    }
    range->setText(QLatin1Char('\n') + label + list);
    // The line is formatted once written: the text replaced a paragraph
    // mark, and the line takes the format of the mark that survived. The
    // label starts two characters in, as body text does, and the names
    // that run on align after it.
    const long start = range->start();
    if (const ParagraphPtr line = paragraph(document, index + 1)) {
        line->setCharacterUnitLeftIndent(5);
        line->setCharacterUnitRightIndent(0);
        line->setCharacterUnitFirstLineIndent(-3);
        line->setAlignment(wdAlignParagraphLeft);
    }
    const RangePtr labelRange = document->range(start + 1, start + 1 + label.size());
    if (const FontPtr font = labelRange ? labelRange->font() : nullptr)
        font->setName(labelFont);
}

WrittenBlock writeAttendanceLines(const DocumentPtr &document, const SignatureTexts &texts,
                                  const QString &labelFont)
{
    WrittenBlock block;
    const long k = lastNonEmpty(document);
    const ParagraphPtr last = paragraph(document, k);
    const RangePtr range = last ? last->range() : nullptr;
    if (!range) {
        block.status = WrittenBlock::Status::NoParagraphs;
        return block;
    }
    setBodyIndents(last);
    // After the last mark: a blank line, the placeholder "0" and two blank
    // lines, the first of which goes again.
    const long end = range->end();
    range->setRange(end - 1, end);
    range->insertAfter(QStringLiteral("\n0\n\n\n"));
    const ParagraphPtr blank = paragraph(document, k + 1);
    if (const RangePtr blankRange = blank ? blank->range() : nullptr)
        blankRange->setText(QString());

    writeAttendance(document, k + 3, QStringLiteral("列席："), texts.nonVoting, labelFont);
    writeAttendance(document, k + 2, QStringLiteral("请假："), texts.onLeave, labelFont);
    writeAttendance(document, k + 1, QStringLiteral("出席："), texts.attendees, labelFont);
    blocktext::setExactSpacing(paragraph(document, k + 1), kSpacerSpacing);

    block.status = WrittenBlock::Status::Written;
    const long count = blocktext::paragraphCount(document);
    const ParagraphPtr own = paragraph(document, k);
    const ParagraphPtr final = paragraph(document, count);
    const RangePtr ownRange = own ? own->range() : nullptr;
    const RangePtr finalRange = final ? final->range() : nullptr;
    if (ownRange && finalRange && count > k) {
        // From the mark of the paragraph the lines were added after to the
        // last line's text: the story's last mark is not the block's.
        block.range = document->range(ownRange->end() - 1, finalRange->end() - 1);
        block.firstParagraph = k + 1;
        block.lastParagraph = count;
    }
    return block;
}

} // namespace

WrittenBlock writeSignatureBlock(const ApplicationPtr &app, const SignatureTexts &texts,
                                 const QString &labelFont)
{
    WrittenBlock block;
    DocumentPtr document;
    block.status = blocktext::activeDocument(app, &document);
    if (block.status != WrittenBlock::Status::Written)
        return block;
    if (texts.kind == QLatin1String(TemplateKind::Minutes))
        return writeAttendanceLines(document, texts, labelFont);
    return writeSignature(document, texts);
}

} // namespace assembly
