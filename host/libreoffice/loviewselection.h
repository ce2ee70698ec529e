#pragma once

#include "lotextstories.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice::textstory {

// The selection in one document's view as the object model sees it, in Word
// offsets of the text it is in. One per open document (DocumentState).
//
// The view cannot select a story's last mark, and a command selecting
// paragraph after paragraph only needs the last one shown: the requested
// offsets are remembered, answered by offsets() while the view still shows
// what was selected, and given to the view when the event loop next runs or
// when the view is asked something.
class ViewSelection
{
public:
    explicit ViewSelection(TextStories &stories);

    // Selects the characters [start, end) of the text.
    void select(const css::uno::Reference<css::text::XText> &text, long start, long end);
    // The same for a paragraph's span, selecting the paragraph object itself.
    void selectParagraph(const css::uno::Reference<css::text::XText> &text,
                         const css::uno::Reference<css::text::XTextRange> &paragraph, long start,
                         long end);
    // Gives the view what was last selected through the object model.
    void show();
    // The text the view's selection is in and its offsets there.
    bool offsets(css::uno::Reference<css::text::XText> *text, long *start, long *end);
    // The page the position is laid out on, asked through the view cursor
    // (put back afterwards); 0 when the document has no view.
    long pageOf(const css::uno::Reference<css::text::XTextRange> &position);

private:
    void remember(const css::uno::Reference<css::text::XText> &text,
                  const css::uno::Reference<css::text::XTextRange> &shown, long start, long end);
    // Whether the view still shows the remembered range.
    bool stillShown() const;

    TextStories &m_stories;
    // What was last selected through the object model: the offsets asked
    // for (moved by later edits like any range), the text they are offsets
    // of, and the range the view was given.
    SpanPtr m_span;
    css::uno::Reference<css::text::XText> m_text;
    css::uno::Reference<css::text::XTextRange> m_shown;
    // Whether the view was given the range yet.
    bool m_inView = true;
    // Set while showing is scheduled for the event loop; the scheduled call
    // does nothing once this selection is gone.
    std::shared_ptr<bool> m_scheduled;
};

} // namespace libreoffice::textstory
