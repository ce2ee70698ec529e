#pragma once

#include "lotextstory.h"

#include <com/sun/star/frame/XModel.hpp>

#include <map>

namespace libreoffice::textstory {

// What the bindings remember about the texts of one open document (its body,
// headers, footers, frames, cells) between calls: the live ranges' offsets,
// a count of the edits made through this client, and the tables standing in
// each text; and the Word offsets that need the tables. One per open
// document (DocumentState); it goes with the document, so a later document
// never sees another's ranges or tables.
//
// Spans registered with their text move when an edit made through this
// client changes the text before or inside them. Edits made elsewhere (the
// writer's own window, other clients) do not move them: LibreOffice's own
// cursors do not count paragraph marks the way the object model does, so
// offsets are kept here instead.
class TextStories
{
public:
    explicit TextStories(css::uno::Reference<css::frame::XModel> model);

    const css::uno::Reference<css::frame::XModel> &model() const { return m_model; }

    void track(const css::uno::Reference<css::text::XText> &text, const SpanPtr &span);
    // A count of the edits made through this client (text changed, breaks or
    // page styles of paragraphs changed), for what is worked out from the
    // whole text and kept: it holds while the count stays the same.
    long edits(const css::uno::Reference<css::text::XText> &text) const;
    void noteEdit(const css::uno::Reference<css::text::XText> &text);
    // After the characters [from, to) of the text were replaced by
    // `inserted` characters: moves every live span of the text except
    // `self`, and notes the edit.
    void shiftSpans(const css::uno::Reference<css::text::XText> &text, long from, long to,
                    long inserted, const Span *self);

    // The tables of the text in order; empty at once when the document has
    // none. Kept while the text's string stays the same, so a run of calls
    // on a text with tables enumerates it once.
    TableSpans tablesIn(const css::uno::Reference<css::text::XText> &text);
    // storyLength and the text's whole string as Word offsets count them,
    // for a text that may hold tables.
    long storyLength(const css::uno::Reference<css::text::XText> &text);
    QString wordText(const css::uno::Reference<css::text::XText> &text);
    // cursorAt, touchedCursorAt and offsetOf for a text that may hold
    // tables: offsets in a cell give a cursor in the cell's text. Spans are
    // narrowed as keepInOneText does.
    css::uno::Reference<css::text::XTextCursor>
    cursorAt(const css::uno::Reference<css::text::XText> &text, long start, long end);
    css::uno::Reference<css::text::XTextCursor>
    touchedCursorAt(const css::uno::Reference<css::text::XText> &text, long start, long end);
    long offsetOf(const css::uno::Reference<css::text::XText> &text,
                  const css::uno::Reference<css::text::XTextRange> &position);
    // The text standing in the document (the body or a text frame's text)
    // that holds the table, and the table's span there; false when none
    // does.
    bool placeOfTable(const css::uno::Reference<css::text::XTextTable> &table,
                      css::uno::Reference<css::text::XText> *holder, TableSpan *span);

private:
    // Each entry holds its text: the key's bridge object stays the same one
    // only while a reference to it is held.
    struct Edited
    {
        css::uno::Reference<css::text::XText> text;
        std::vector<std::weak_ptr<Span>> spans;
        long edits = 0;
    };
    struct KnownTables
    {
        css::uno::Reference<css::text::XText> text;
        // The text's string, with those of the cells of tables opening it.
        rtl::OUString string;
        TableSpans tables;
    };

    css::uno::Reference<css::frame::XModel> m_model;
    std::map<const void *, Edited> m_edited;
    std::map<const void *, KnownTables> m_tables;
};

} // namespace libreoffice::textstory
