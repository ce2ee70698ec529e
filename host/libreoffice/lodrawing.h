#pragma once

#include "automation/forward.h"
#include "automation/variant.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <QString>

#include <memory>

// What the shapes and tables bindings share: the document's draw page, unit
// conversions and how a range of the object model finds its text.
namespace libreoffice {

class Office;

namespace drawing {

css::uno::Reference<css::text::XText> bodyOf(const css::uno::Reference<css::frame::XModel> &model);
css::uno::Reference<css::drawing::XDrawPage>
drawPageOf(const css::uno::Reference<css::frame::XModel> &model);

// The text a range runs over: the one it was handed out for (a text frame,
// a cell, a footer), else the body.
css::uno::Reference<css::text::XText> storyOf(const css::uno::Reference<css::frame::XModel> &model,
                                              const automation::Range *range);
// A range of the text that later calls can trace back to the text.
automation::RangePtr rangeOf(const std::shared_ptr<Office> &office,
                             const css::uno::Reference<css::frame::XModel> &model,
                             const css::uno::Reference<css::text::XText> &text, long start,
                             long end);
// The start of the paragraph holding the Word offset.
css::uno::Reference<css::text::XTextRange>
paragraphStartAt(const css::uno::Reference<css::frame::XModel> &model,
                 const css::uno::Reference<css::text::XText> &text, long offset);

// What the office cannot keep on its objects, remembered per document and
// office name (which the office keeps unique) for as long as the office
// runs: text frames made by AddTextbox, as opposed to rectangles (both are
// text frames in the office), and names the office refused because another
// object has them already (the object model allows duplicates): the office
// name is then made unique and the object model's name answered for it.
void markTextBox(const css::uno::Reference<css::frame::XModel> &model, const QString &officeName);
bool isMarkedTextBox(const css::uno::Reference<css::frame::XModel> &model,
                     const QString &officeName);
// Names the object; answers the name it has in the office.
QString rename(const css::uno::Reference<css::frame::XModel> &model,
               const css::uno::Reference<css::uno::XInterface> &object, const QString &name);
QString nameOf(const css::uno::Reference<css::frame::XModel> &model,
               const css::uno::Reference<css::uno::XInterface> &object);

// Object model colours are 0xBBGGRR, the office's 0xRRGGBB.
sal_Int32 swapRedBlue(sal_Int32 color);

} // namespace drawing
} // namespace libreoffice
