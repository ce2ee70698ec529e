#pragma once

#include <QString>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>
#include <vector>

// Word offsets over a LibreOffice text (the body, a footer, a frame, a cell).
// A Word offset counts every character and every paragraph mark once; the
// text cursor's goRight steps agree with that, except that the story's last
// mark is no cursor step: the offset just past it is the text's length.
//
// Tables count as the object model counts them: a table standing in a text
// takes its cells' characters and marks, cell by cell, row by row, and the
// text's string (getString) agrees, so offsets read from strings need no
// correction. A text cursor does not: it steps over a table and the mark
// before it in one step, and cannot reach into a cell. Positions inside a
// table are therefore resolved into the cell's own text (see TableSpan and
// the cursorAt taking the document).
//
// Where LibreOffice differs: a field is one cursor step but shows its whole
// result in the text, so offsets after a field whose result is longer than
// one character are off by the difference.
namespace libreoffice::textstory {

// The offsets of a live range. Spans registered with their text move when an
// edit made through this client changes the text before or inside them.
// Edits made elsewhere (the writer's own window, other clients) do not move
// them: LibreOffice's own cursors do not count paragraph marks the way the
// object model does, so offsets are kept here instead.
struct Span
{
    long start = 0;
    long end = 0;
};
using SpanPtr = std::shared_ptr<Span>;

void track(const css::uno::Reference<css::text::XText> &text, const SpanPtr &span);
// A count of the edits made through this client (text changed, breaks or
// page styles of paragraphs changed), for what is worked out from the whole
// text and kept: it holds while the count stays the same.
long edits(const css::uno::Reference<css::text::XText> &text);
void noteEdit(const css::uno::Reference<css::text::XText> &text);
// After the characters [from, to) of the text were replaced by `inserted`
// characters: moves every live span of the text except `self`.
void shiftSpans(const css::uno::Reference<css::text::XText> &text, long from, long to,
                long inserted, const Span *self);

// Characters plus paragraph marks, the last mark included.
long storyLength(const css::uno::Reference<css::text::XText> &text);
// A cursor over [start, end), clamped to the selectable part (the last mark
// is not); end < 0 means the end of the text.
css::uno::Reference<css::text::XTextCursor>
cursorAt(const css::uno::Reference<css::text::XText> &text, long start, long end);
// The same, but a span ending just after a paragraph mark stops before the
// next paragraph: the office would count that paragraph's start as touched
// (its paragraph format, the character attributes at its start).
css::uno::Reference<css::text::XTextCursor>
touchedCursorAt(const css::uno::Reference<css::text::XText> &text, long start, long end);
// The Word offset of a position in the text.
long offsetOf(const css::uno::Reference<css::text::XText> &text,
              const css::uno::Reference<css::text::XTextRange> &position);
// Inserts the text at the cursor, a paragraph break for each "\r", "\n" or
// "\r\n"; answers the inserted length in Word offsets.
long insertParagraphs(const css::uno::Reference<css::text::XText> &text,
                      const css::uno::Reference<css::text::XTextCursor> &cursor,
                      const QString &inserted);
// The office's paragraph separator as the object model's mark.
QString asWordText(QString text);

// One paragraph of a text in document order, with its Word offsets in the
// text it belongs to (a table cell's paragraphs belong to the cell's text).
struct ParagraphEntry
{
    css::uno::Reference<css::beans::XPropertySet> paragraph;
    css::uno::Reference<css::text::XText> text;
    long start = 0;
    long end = 0;
    // The text the paragraph itself stands in: `text`, or a cell of it.
    css::uno::Reference<css::text::XText> home;
    bool inTable = false;
    // The paragraph's place among the text's paragraphs, for entries made
    // from the string alone (-1 otherwise).
    long index = -1;
    // Entries made from the string alone: the paragraph's text as it was
    // then, and the text's edit count then (see edits).
    QString string;
    long edits = -1;
};
// Every paragraph of the text; tables are walked cell by cell, row by row,
// and their paragraphs get the text's offsets and the text as theirs.
std::vector<ParagraphEntry> paragraphsOf(const css::uno::Reference<css::text::XText> &text);

// The same from the text's string alone (one call to the office), for a text
// without tables; the entries' paragraph objects are left null, for
// paragraphAt to find when needed.
std::vector<ParagraphEntry> paragraphOffsetsOf(const css::uno::Reference<css::text::XText> &text);
// The paragraph that starts at the offset.
css::uno::Reference<css::beans::XPropertySet>
paragraphAt(const css::uno::Reference<css::text::XText> &text, long start);
// Whether the document has tables anywhere (its body's offsets then need
// the paragraph enumeration).
bool hasTables(const css::uno::Reference<css::frame::XModel> &model);

// A cell of a table standing in a text, with the Word offsets of the cell
// in that text (end is just past the cell's last mark).
struct CellSpan
{
    css::uno::Reference<css::text::XText> text;
    long start = 0;
    long end = 0;
};
// A table standing in a text (not one in a cell or a frame of it).
struct TableSpan
{
    css::uno::Reference<css::text::XTextTable> table;
    long start = 0;
    long end = 0;
    std::vector<CellSpan> cells;
    // The paragraph right after the table, where cursors past it start
    // from; null when another table or nothing follows.
    css::uno::Reference<css::text::XTextRange> after;
};
using TableSpans = std::vector<TableSpan>;
// The tables of the text in order; empty at once when the document has none.
// Kept while the text's string stays the same, so a run of calls on a text
// with tables enumerates it once.
TableSpans tablesIn(const css::uno::Reference<css::frame::XModel> &model,
                    const css::uno::Reference<css::text::XText> &text);
// A text's cursors and its string start after a table that opens the text:
// the characters of such leading tables.
long leadingLength(const TableSpans &tables);
// storyLength and the text's whole string as Word offsets count them, for a
// text that may hold tables.
long storyLength(const css::uno::Reference<css::frame::XModel> &model,
                 const css::uno::Reference<css::text::XText> &text);
QString wordText(const css::uno::Reference<css::frame::XModel> &model,
                 const css::uno::Reference<css::text::XText> &text);
// The cell holding the offset, or null when it is outside every table.
const CellSpan *cellAt(const TableSpans &tables, long offset);
// Narrows [start, end) to one text a cursor can span: the text itself or a
// single cell. A span reaching into a table from outside stops before it; a
// span leaving a cell ends at the cell's last mark.
void keepInOneText(const TableSpans &tables, long *start, long *end);

// cursorAt, touchedCursorAt and offsetOf for a text that may hold tables:
// offsets in a cell give a cursor in the cell's text. Spans are narrowed as
// keepInOneText does.
css::uno::Reference<css::text::XTextCursor>
cursorAt(const css::uno::Reference<css::frame::XModel> &model,
         const css::uno::Reference<css::text::XText> &text, long start, long end);
css::uno::Reference<css::text::XTextCursor>
touchedCursorAt(const css::uno::Reference<css::frame::XModel> &model,
                const css::uno::Reference<css::text::XText> &text, long start, long end);
long offsetOf(const css::uno::Reference<css::frame::XModel> &model,
              const css::uno::Reference<css::text::XText> &text,
              const css::uno::Reference<css::text::XTextRange> &position);
// The text standing in the document (the body or a text frame's text) that
// holds the table, and the table's span there; false when none does.
bool placeOfTable(const css::uno::Reference<css::frame::XModel> &model,
                  const css::uno::Reference<css::text::XTextTable> &table,
                  css::uno::Reference<css::text::XText> *holder, TableSpan *span);

// The paragraph properties that make up a paragraph's format, in the
// alphabetical order XMultiPropertySet expects.
css::uno::Sequence<rtl::OUString> paragraphFormatNames();

} // namespace libreoffice::textstory

namespace libreoffice::textstory {

// The page the position is laid out on, asked through the document's view
// cursor (put back afterwards); 0 when the document has no view.
long pageOf(const css::uno::Reference<css::frame::XModel> &model,
            const css::uno::Reference<css::text::XTextRange> &position);
// Selects the characters [start, end) of the text in the document's view.
// The view cannot select a story's last mark: the requested offsets are
// remembered and answered by selectionOffsets while the view still shows
// what was selected.
void select(const css::uno::Reference<css::frame::XModel> &model,
            const css::uno::Reference<css::text::XText> &text, long start, long end);
// The same for a paragraph's span, selecting the paragraph object itself.
void selectParagraph(const css::uno::Reference<css::frame::XModel> &model,
                     const css::uno::Reference<css::text::XText> &text,
                     const css::uno::Reference<css::text::XTextRange> &paragraph, long start,
                     long end);
// Gives the view what was last selected through the object model: a
// selection is shown when the event loop next runs or when the view is
// asked something, not at once.
void showSelection(const css::uno::Reference<css::frame::XModel> &model);
void showSelections();
// The text the view's selection is in and its offsets there.
bool selectionOffsets(const css::uno::Reference<css::frame::XModel> &model,
                      css::uno::Reference<css::text::XText> *text, long *start, long *end);

} // namespace libreoffice::textstory
