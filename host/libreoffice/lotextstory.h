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
// TextStories::cursorAt).
//
// Where LibreOffice differs: a field is one cursor step but shows its whole
// result in the text, so offsets after a field whose result is longer than
// one character are off by the difference.
namespace libreoffice::textstory {

// The offsets of a live range, moved by the edits made through this client
// (see TextStories::track).
struct Span
{
    long start = 0;
    long end = 0;
};
using SpanPtr = std::shared_ptr<Span>;

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
// paragraphAt to find when needed. `edits` is the text's edit count now
// (TextStories::edits).
std::vector<ParagraphEntry> paragraphOffsetsOf(const css::uno::Reference<css::text::XText> &text,
                                               long edits);
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
// The tables standing in the text, in order, read from the office (see
// TextStories::tablesIn for the kept ones).
TableSpans enumerateTables(const css::uno::Reference<css::text::XText> &text);
// A text's cursors and its string start after a table that opens the text:
// the characters of such leading tables.
long leadingLength(const TableSpans &tables);
// The cell holding the offset, or null when it is outside every table.
const CellSpan *cellAt(const TableSpans &tables, long offset);
// Narrows [start, end) to one text a cursor can span: the text itself or a
// single cell. A span reaching into a table from outside stops before it; a
// span leaving a cell ends at the cell's last mark.
void keepInOneText(const TableSpans &tables, long *start, long *end);
// The cursor steps from the start of the text to an offset outside its
// tables: a table and the mark before it are one step.
long stepsTo(const TableSpans &tables, long offset);
// goRight by any count (the office's takes a 16-bit one).
void goRight(const css::uno::Reference<css::text::XTextCursor> &cursor, long count, bool expand);
// The object a text answers as XInterface: the same for every reference to
// one text while it is held. A dead bridge throws even for this; the
// reference's own address then serves.
const void *keyOf(const css::uno::Reference<css::uno::XInterface> &object);

// The paragraph properties that make up a paragraph's format, in the
// alphabetical order XMultiPropertySet expects.
css::uno::Sequence<rtl::OUString> paragraphFormatNames();

} // namespace libreoffice::textstory
