#pragma once

#include "automation/forward.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

// The text side of the object model on LibreOffice: ranges in Word offsets
// over any text (the body, a header or footer, a text frame, a table cell),
// paragraphs, fonts and paragraph formats.
namespace libreoffice {

class Office;

// A range of the given text of the document in Word offsets (each paragraph
// mark counts one); end -1 means the end of the text. Its edits leave the
// views as they are (LoTextLock), as for a footer or a frame.
automation::RangePtr makeTextRange(const std::shared_ptr<Office> &office,
                                   const css::uno::Reference<css::frame::XModel> &model,
                                   const css::uno::Reference<css::text::XText> &text, long start,
                                   long end);
// A range of the document's body.
automation::RangePtr makeBodyRange(const std::shared_ptr<Office> &office,
                                   const css::uno::Reference<css::frame::XModel> &model, long start,
                                   long end);
// The body's paragraphs, table cells' paragraphs included, in order.
automation::ParagraphsPtr makeBodyParagraphs(const std::shared_ptr<Office> &office,
                                             const css::uno::Reference<css::frame::XModel> &model);

} // namespace libreoffice
