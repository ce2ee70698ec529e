#pragma once

#include "automation/forward.h"
#include "automation/variant.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <QString>

#include <memory>
#include <vector>

// What the shapes and tables bindings share: the document's draw page, unit
// conversions and how a range of the object model finds its text.
namespace libreoffice {

class Office;
class ShapeWrappers;
struct DocumentState;
namespace textstory {
class TextStories;
}

namespace drawing {

css::uno::Reference<css::drawing::XDrawPage>
drawPageOf(const css::uno::Reference<css::frame::XModel> &model);

// The text a range of the document runs over: the one it was handed out
// for (a text frame, a cell, a footer), else the body.
css::uno::Reference<css::text::XText> storyOf(DocumentState &document,
                                              const automation::Range *range);
// A range of the text that later calls can trace back to the text.
automation::RangePtr rangeOf(const std::shared_ptr<Office> &office,
                             const css::uno::Reference<css::frame::XModel> &model,
                             const css::uno::Reference<css::text::XText> &text, long start,
                             long end);
// The start of the paragraph holding the Word offset.
css::uno::Reference<css::text::XTextRange>
paragraphStartAt(textstory::TextStories &stories, const css::uno::Reference<css::text::XText> &text,
                 long offset);

// Boxes are drawing shapes with a text frame attached (loshapes.h). The
// office grows the frame of a box whose height follows its text, but not
// its shape, which draws the fill and outline and is what an alignment to
// the foot or the middle of the page places: the shape is made as tall as
// its text's frame is laid out. fitBoxToText does one shape (answering its
// height, 1/100 mm; -1 for a shape without such a frame), fitBoxesToText
// every box of the document; the office lays out what it must first.
// fitBoxesToText holds the shapes it asked with the document's (see
// shapewrappers.h): released under the office's feet, their stand-ins went
// while the embedded office stored (it lets other work run while it shows
// its progress) and now and then made its Word export fail.
sal_Int32 fitBoxToText(const css::uno::Reference<css::drawing::XShape> &shape);
void fitBoxesToText(ShapeWrappers &wrappers, const css::uno::Reference<css::frame::XModel> &model);

} // namespace drawing
} // namespace libreoffice
