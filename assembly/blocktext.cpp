#include "blocktext.h"

#include "automation/automation.h"

using namespace automation;

namespace assembly::blocktext {

WrittenBlock::Status activeDocument(const ApplicationPtr &app, DocumentPtr *document)
{
    if (!app)
        return WrittenBlock::Status::NoApplication;
    *document = app->activeDocument();
    if (!*document)
        return WrittenBlock::Status::NoDocument;
    return paragraphCount(*document) < 1 ? WrittenBlock::Status::NoParagraphs
                                         : WrittenBlock::Status::Written;
}

ParagraphPtr paragraph(const DocumentPtr &document, long index)
{
    const ParagraphsPtr paragraphs = document ? document->paragraphs() : nullptr;
    return paragraphs ? paragraphs->item(index) : nullptr;
}

long paragraphCount(const DocumentPtr &document)
{
    const ParagraphsPtr paragraphs = document ? document->paragraphs() : nullptr;
    return paragraphs ? paragraphs->count() : 0;
}

QString text(const ParagraphPtr &paragraph)
{
    const RangePtr range = paragraph ? paragraph->range() : nullptr;
    QString text = range ? range->text() : QString();
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

void setExactSpacing(const ParagraphPtr &paragraph, float points)
{
    if (!paragraph)
        return;
    paragraph->setLineSpacingRule(wdLineSpaceExactly);
    paragraph->setLineSpacing(points);
}

void clearIndents(const ParagraphPtr &paragraph)
{
    if (!paragraph)
        return;
    paragraph->setFirstLineIndent(0);
    paragraph->setLeftIndent(0);
    paragraph->setRightIndent(0);
    paragraph->setCharacterUnitFirstLineIndent(0);
    paragraph->setCharacterUnitLeftIndent(0);
    paragraph->setCharacterUnitRightIndent(0);
}

void distributeWithinOneCharacter(const ParagraphPtr &paragraph)
{
    if (!paragraph)
        return;
    paragraph->setCharacterUnitLeftIndent(1);
    paragraph->setCharacterUnitRightIndent(1);
    paragraph->setAlignment(wdAlignParagraphDistribute);
}

void setFontName(const ParagraphPtr &paragraph, const QString &name, long offset, long length)
{
    const RangePtr range = paragraph ? paragraph->range() : nullptr;
    if (!range)
        return;
    if (length >= 0) {
        const long start = range->start() + offset;
        range->setRange(start, start + length);
    }
    if (const FontPtr font = range->font())
        font->setName(name);
}

} // namespace assembly::blocktext
