#include "lotextstories.h"

#include "lodrawing.h"
#include "unoutil.h"

#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextFramesSupplier.hpp>

#include <algorithm>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::textstory {

namespace {

long movedStart(long p, long from, long to, long inserted)
{
    if (p < from)
        return p;
    if (from == to) // an insertion pushes what starts at its point
        return p + inserted;
    if (p == from)
        return p;
    if (p < to)
        return from;
    return p + inserted - (to - from);
}

long movedEnd(long p, long from, long to, long inserted)
{
    if (p <= from)
        return p;
    if (p < to)
        return from + inserted;
    return p + inserted - (to - from);
}

} // namespace

TextStories::TextStories(Reference<frame::XModel> model)
    : m_model(std::move(model))
{
}

void TextStories::track(const Reference<text::XText> &text, const SpanPtr &span)
{
    Edited &entry = m_edited[keyOf(text)];
    entry.text = text;
    auto &spans = entry.spans;
    spans.erase(std::remove_if(spans.begin(), spans.end(),
                               [](const std::weak_ptr<Span> &s) { return s.expired(); }),
                spans.end());
    spans.push_back(span);
}

long TextStories::edits(const Reference<text::XText> &text) const
{
    const auto found = m_edited.find(keyOf(text));
    return found == m_edited.end() ? 0 : found->second.edits;
}

void TextStories::noteEdit(const Reference<text::XText> &text)
{
    Edited &entry = m_edited[keyOf(text)];
    entry.text = text;
    ++entry.edits;
}

void TextStories::shiftSpans(const Reference<text::XText> &text, long from, long to, long inserted,
                             const Span *self)
{
    noteEdit(text);
    for (const std::weak_ptr<Span> &weak : m_edited[keyOf(text)].spans) {
        const SpanPtr span = weak.lock();
        if (!span || span.get() == self)
            continue;
        span->start = movedStart(span->start, from, to, inserted);
        span->end = std::max(span->start, movedEnd(span->end, from, to, inserted));
    }
}

TableSpans TextStories::tablesIn(const Reference<text::XText> &text)
{
    if (!m_model.is() || !text.is() || !hasTables(m_model))
        return TableSpans();
    // The text's string leaves out a table that opens the text: its cells'
    // strings are compared as well.
    const auto fingerprint = [&text](const TableSpans &tables) {
        rtl::OUString string = text->getString();
        const long leading = leadingLength(tables);
        for (const TableSpan &table : tables) {
            if (table.end > leading)
                break;
            for (const CellSpan &cell : table.cells)
                string += "\n" + cell.text->getString();
        }
        return string;
    };
    const auto found = m_tables.find(keyOf(text));
    if (found != m_tables.end() && found->second.string == fingerprint(found->second.tables))
        return found->second.tables;
    // A handful of texts are in use at a time; forget the others.
    if (m_tables.size() > 32)
        m_tables.clear();
    KnownTables &entry = m_tables[keyOf(text)];
    entry.text = text;
    entry.tables = enumerateTables(text);
    entry.string = fingerprint(entry.tables);
    return entry.tables;
}

long TextStories::storyLength(const Reference<text::XText> &text)
{
    return textstory::storyLength(text) + leadingLength(tablesIn(text));
}

QString TextStories::wordText(const Reference<text::XText> &text)
{
    QString leading;
    const TableSpans tables = tablesIn(text);
    const long length = leadingLength(tables);
    for (const TableSpan &table : tables) {
        if (table.end > length)
            break;
        for (const CellSpan &cell : table.cells)
            leading += toQString(cell.text->getString()) + QLatin1Char('\n');
    }
    return asWordText(leading + toQString(text->getString()));
}

Reference<text::XTextCursor> TextStories::cursorAt(const Reference<text::XText> &text, long start,
                                                   long end)
{
    const TableSpans tables = tablesIn(text);
    if (tables.empty())
        return textstory::cursorAt(text, start, end);
    const long total = textstory::storyLength(text) + leadingLength(tables);
    if (end < 0 || end > total - 1)
        end = total - 1;
    start = std::clamp(start, 0L, end);
    keepInOneText(tables, &start, &end);
    if (const CellSpan *cell = cellAt(tables, start))
        return textstory::cursorAt(cell->text, start - cell->start, end - cell->start);
    // A cursor moved over a table in one goRight wanders into its cells:
    // past a table, cursors start from the paragraph after it.
    const auto positioned = [&](long offset) {
        const TableSpan *passed = nullptr;
        for (const TableSpan &table : tables) {
            if (table.end <= offset)
                passed = &table;
        }
        Reference<text::XTextCursor> cursor;
        if (passed && passed->after.is()) {
            cursor = text->createTextCursorByRange(passed->after->getStart());
            goRight(cursor, offset - passed->end, false);
        } else {
            cursor = text->createTextCursor();
            cursor->gotoStart(false);
            goRight(cursor, stepsTo(tables, offset), false);
        }
        return cursor;
    };
    const Reference<text::XTextCursor> cursor = positioned(start);
    if (end > start)
        cursor->gotoRange(positioned(end)->getStart(), true);
    return cursor;
}

Reference<text::XTextCursor> TextStories::touchedCursorAt(const Reference<text::XText> &text,
                                                          long start, long end)
{
    const Reference<text::XTextCursor> cursor = cursorAt(text, start, end);
    if (end > start && !cursor->isCollapsed()
        && Reference<text::XParagraphCursor>(cursor, UNO_QUERY_THROW)->isStartOfParagraph())
        cursor->goLeft(1, true);
    return cursor;
}

long TextStories::offsetOf(const Reference<text::XText> &text,
                           const Reference<text::XTextRange> &position)
{
    const TableSpans tables = tablesIn(text);
    if (tables.empty())
        return textstory::offsetOf(text, position);
    // A position in a cell is no position of the text's own cursors.
    const Reference<uno::XInterface> owner(position->getText(), UNO_QUERY);
    if (owner.get() != keyOf(text)) {
        for (const TableSpan &span : tables) {
            for (const CellSpan &cell : span.cells) {
                if (keyOf(cell.text) == owner.get())
                    return cell.start + textstory::offsetOf(cell.text, position);
            }
        }
    }
    return leadingLength(tables) + textstory::offsetOf(text, position);
}

bool TextStories::placeOfTable(const Reference<text::XTextTable> &table,
                               Reference<text::XText> *holder, TableSpan *span)
{
    std::vector<Reference<text::XText>> candidates;
    const Reference<text::XTextDocument> document(m_model, UNO_QUERY);
    if (document.is())
        candidates.push_back(document->getText());
    const Reference<text::XTextFramesSupplier> supplier(m_model, UNO_QUERY);
    if (supplier.is()) {
        const Reference<container::XIndexAccess> frames(supplier->getTextFrames(), UNO_QUERY_THROW);
        for (sal_Int32 i = 0, n = frames->getCount(); i < n; ++i) {
            const Reference<text::XTextFrame> frame(frames->getByIndex(i), UNO_QUERY);
            if (frame.is())
                candidates.push_back(frame->getText());
        }
    }
    // The frames attached to drawing shapes (boxes) are not among them.
    const Reference<css::drawing::XDrawPage> page = drawing::drawPageOf(m_model);
    if (page.is()) {
        for (sal_Int32 i = 0, n = page->getCount(); i < n; ++i) {
            const Reference<beans::XPropertySet> shape(page->getByIndex(i), UNO_QUERY);
            bool textBox = false;
            Reference<text::XTextFrame> frame;
            unoGuardVoid([&] { // lines and frames have no text box
                if ((shape->getPropertyValue("TextBox") >>= textBox) && textBox
                    && (shape->getPropertyValue("TextBoxContent") >>= frame) && frame.is())
                    candidates.push_back(frame->getText());
            });
        }
    }
    // The office may hand out different objects for one table: tables are
    // told apart by their names, which it keeps unique.
    const rtl::OUString wanted = Reference<container::XNamed>(table, UNO_QUERY_THROW)->getName();
    for (const Reference<text::XText> &text : candidates) {
        for (const TableSpan &found : tablesIn(text)) {
            if (Reference<container::XNamed>(found.table, UNO_QUERY_THROW)->getName() == wanted) {
                *holder = text;
                *span = found;
                return true;
            }
        }
    }
    return false;
}

} // namespace libreoffice::textstory
