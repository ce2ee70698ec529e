#include "boxformat.h"

#include "automation/automation.h"

using namespace automation;

namespace assembly {

void setPlainBox(const ShapePtr &box, float sideMargin, float topBottomMargin)
{
    box->fill()->setVisible(msoFalse);
    box->line()->setVisible(msoFalse);
    const TextFramePtr frame = box->textFrame();
    if (!frame)
        return;
    frame->setAutoSize(1);
    frame->setMarginTop(topBottomMargin);
    frame->setMarginBottom(topBottomMargin);
    frame->setMarginLeft(sideMargin);
    frame->setMarginRight(sideMargin);
}

void setLook(const RangePtr &range, const TextLook &look)
{
    const FontPtr font = range ? range->font() : nullptr;
    if (!font)
        return;
    font->setColor(look.color);
    font->setSize(look.size);
    if (look.font.isEmpty()) {
        // the writer's own font
    } else if (look.westernFont.isEmpty()) {
        font->setName(look.font);
    } else {
        font->setNameFarEast(look.font);
        font->setNameAscii(look.westernFont);
    }
    if (look.scaling > 0)
        font->setScaling(look.scaling);
    if (look.bold >= 0)
        font->setBold(look.bold ? msoTrue : msoFalse);
}

void setExactLines(const RangePtr &range, float spacing, int alignment)
{
    const ParagraphFormatPtr format = range ? range->paragraphFormat() : nullptr;
    if (!format)
        return;
    format->setLineSpacingRule(wdLineSpaceExactly);
    format->setLineSpacing(spacing);
    format->setAlignment(alignment);
}

RangePtr writeBoxText(const ShapePtr &box, const QString &text, const TextLook &look, float spacing,
                      int alignment)
{
    const TextFramePtr frame = box ? box->textFrame() : nullptr;
    if (!frame)
        return nullptr;
    const RangePtr range = frame->textRange();
    if (!range)
        return nullptr;
    if (!text.isEmpty())
        range->setText(text);
    setLook(range, look);
    setExactLines(range, spacing, alignment);
    return range;
}

} // namespace assembly
