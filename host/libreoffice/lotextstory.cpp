#include "lotextstory.h"

#include "lodrawing.h"
#include "unoutil.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextFramesSupplier.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>

#include <algorithm>
#include <map>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::textstory {

namespace {

// goRight takes a 16-bit count.
const long cursorStep = 30000;

std::map<const void *, std::vector<std::weak_ptr<Span>>> &liveSpans()
{
    static std::map<const void *, std::vector<std::weak_ptr<Span>>> spans;
    return spans;
}

// A dead bridge throws even for this; the object's own address then serves.
const void *keyOf(const Reference<text::XText> &text)
{
    try {
        const Reference<uno::XInterface> normalized(text, UNO_QUERY);
        return normalized.get();
    } catch (const uno::RuntimeException &) {
        return text.get();
    }
}

void goRight(const Reference<text::XTextCursor> &cursor, long count, bool expand)
{
    while (count > 0) {
        const long step = std::min(count, cursorStep);
        cursor->goRight(static_cast<sal_Int16>(step), expand);
        count -= step;
    }
}

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

// Appends the paragraphs of `text` with offsets from `offset` on, as
// paragraphs of `owner`; answers the offset after them.
long appendParagraphs(const Reference<text::XText> &text, const Reference<text::XText> &owner,
                      long offset, std::vector<ParagraphEntry> &entries)
{
    const Reference<container::XEnumeration> elements
        = Reference<container::XEnumerationAccess>(text, UNO_QUERY_THROW)->createEnumeration();
    while (elements->hasMoreElements()) {
        const Reference<lang::XServiceInfo> element(elements->nextElement(), UNO_QUERY);
        if (!element.is())
            continue;
        const Reference<text::XTextTable> table(element, UNO_QUERY);
        if (table.is()) {
            // Cell names come row by row ("A1", "B1", ..., "A2", ...).
            const uno::Sequence<rtl::OUString> names = table->getCellNames();
            for (sal_Int32 i = 0; i < names.getLength(); ++i) {
                const Reference<text::XText> cell(table->getCellByName(names[i]), UNO_QUERY);
                if (cell.is())
                    offset = appendParagraphs(cell, owner, offset, entries);
            }
            continue;
        }
        const Reference<text::XTextRange> range(element, UNO_QUERY);
        if (!range.is())
            continue;
        ParagraphEntry entry;
        entry.paragraph.set(element, UNO_QUERY);
        entry.text = owner;
        entry.home = text;
        entry.inTable = text != owner;
        entry.start = offset;
        offset += toQString(range->getString()).size() + 1;
        entry.end = offset;
        entries.push_back(entry);
    }
    return offset;
}

TableSpans enumerateTables(const Reference<text::XText> &text)
{
    TableSpans tables;
    const Reference<container::XEnumeration> elements
        = Reference<container::XEnumerationAccess>(text, UNO_QUERY_THROW)->createEnumeration();
    long offset = 0;
    while (elements->hasMoreElements()) {
        const uno::Any element = elements->nextElement();
        const Reference<text::XTextTable> table(element, UNO_QUERY);
        if (!table.is()) {
            const Reference<text::XTextRange> paragraph(element, UNO_QUERY);
            if (!paragraph.is())
                continue;
            if (!tables.empty() && tables.back().end == offset)
                tables.back().after = paragraph;
            offset += paragraph->getString().getLength() + 1;
            continue;
        }
        TableSpan span;
        span.table = table;
        span.start = offset;
        const uno::Sequence<rtl::OUString> names = table->getCellNames();
        for (sal_Int32 i = 0; i < names.getLength(); ++i) {
            CellSpan cell;
            cell.text.set(table->getCellByName(names[i]), UNO_QUERY);
            if (!cell.text.is())
                continue;
            cell.start = offset;
            offset += storyLength(cell.text);
            cell.end = offset;
            span.cells.push_back(cell);
        }
        span.end = offset;
        tables.push_back(span);
    }
    return tables;
}

struct KnownTables
{
    Reference<text::XText> text; // keeps the key's bridge object alive
    rtl::OUString string;
    TableSpans tables;
};

std::map<const void *, KnownTables> &knownTables()
{
    static std::map<const void *, KnownTables> known;
    return known;
}

// What was last selected through the object model: the offsets asked for,
// the text they are offsets of, and the range the view was given.
struct RememberedSelection
{
    SpanPtr span; // moved by later edits like any range
    Reference<text::XText> text;
    Reference<text::XTextRange> shown;
    Reference<frame::XModel> model;
    // Whether the view was given the range yet: a command selecting
    // paragraph after paragraph only needs the last one shown.
    bool inView = false;
};

std::map<const void *, RememberedSelection> &rememberedSelections()
{
    static std::map<const void *, RememberedSelection> selections;
    return selections;
}

const void *keyOf(const Reference<frame::XModel> &model)
{
    try {
        const Reference<uno::XInterface> normalized(model, UNO_QUERY);
        return normalized.get();
    } catch (const uno::RuntimeException &) {
        return model.get();
    }
}

Reference<text::XTextViewCursor> viewCursorOf(const Reference<frame::XModel> &model)
{
    const Reference<text::XTextViewCursorSupplier> supplier(model->getCurrentController(),
                                                            UNO_QUERY_THROW);
    return supplier->getViewCursor();
}

} // namespace

void track(const Reference<text::XText> &text, const SpanPtr &span)
{
    auto &spans = liveSpans()[keyOf(text)];
    spans.erase(std::remove_if(spans.begin(), spans.end(),
                               [](const std::weak_ptr<Span> &s) { return s.expired(); }),
                spans.end());
    spans.push_back(span);
}

namespace {

// Keyed by the text's bridge object, which stays the same one only while a
// reference to it is held: the entries hold one.
struct EditCount
{
    Reference<text::XText> text;
    long count = 0;
};

std::map<const void *, EditCount> &editCounts()
{
    static std::map<const void *, EditCount> counts;
    return counts;
}

} // namespace

long edits(const Reference<text::XText> &text)
{
    const auto found = editCounts().find(keyOf(text));
    return found == editCounts().end() ? 0 : found->second.count;
}

void noteEdit(const Reference<text::XText> &text)
{
    EditCount &entry = editCounts()[keyOf(text)];
    entry.text = text;
    ++entry.count;
}

void shiftSpans(const Reference<text::XText> &text, long from, long to, long inserted,
                const Span *self)
{
    noteEdit(text);
    auto found = liveSpans().find(keyOf(text));
    if (found == liveSpans().end())
        return;
    for (const std::weak_ptr<Span> &weak : found->second) {
        const SpanPtr span = weak.lock();
        if (!span || span.get() == self)
            continue;
        span->start = movedStart(span->start, from, to, inserted);
        span->end = std::max(span->start, movedEnd(span->end, from, to, inserted));
    }
}

long storyLength(const Reference<text::XText> &text)
{
    return toQString(text->getString()).size() + 1;
}

Reference<text::XTextCursor> cursorAt(const Reference<text::XText> &text, long start, long end)
{
    const long last = storyLength(text) - 1;
    if (end < 0 || end > last)
        end = last;
    start = std::clamp(start, 0L, end);
    const Reference<text::XTextCursor> cursor = text->createTextCursor();
    cursor->gotoStart(false);
    goRight(cursor, start, false);
    goRight(cursor, end - start, true);
    return cursor;
}

Reference<text::XTextCursor> touchedCursorAt(const Reference<text::XText> &text, long start,
                                             long end)
{
    const Reference<text::XTextCursor> cursor = cursorAt(text, start, end);
    if (end > start && !cursor->isCollapsed()
        && Reference<text::XParagraphCursor>(cursor, UNO_QUERY_THROW)->isStartOfParagraph())
        cursor->goLeft(1, true);
    return cursor;
}

long offsetOf(const Reference<text::XText> &text, const Reference<text::XTextRange> &position)
{
    const Reference<text::XTextCursor> cursor = text->createTextCursor();
    cursor->gotoStart(false);
    cursor->gotoRange(position, true);
    return toQString(cursor->getString()).size();
}

long insertParagraphs(const Reference<text::XText> &text,
                      const Reference<text::XTextCursor> &cursor, const QString &inserted)
{
    // The office splits an inserted string into paragraphs at every "\r":
    // all of it goes in with one call.
    static const QRegularExpression mark(QStringLiteral("\r\n|\n"));
    const QString paragraphs = QString(inserted).replace(mark, QStringLiteral("\r"));
    if (!paragraphs.isEmpty())
        text->insertString(Reference<text::XTextRange>(cursor.get()), toOUString(paragraphs),
                           false);
    return paragraphs.size();
}

QString asWordText(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

std::vector<ParagraphEntry> paragraphsOf(const Reference<text::XText> &text)
{
    std::vector<ParagraphEntry> entries;
    appendParagraphs(text, text, 0, entries);
    return entries;
}

TableSpans tablesIn(const Reference<frame::XModel> &model, const Reference<text::XText> &text)
{
    if (!model.is() || !text.is() || !hasTables(model))
        return TableSpans();
    auto &known = knownTables();
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
    const auto found = known.find(keyOf(text));
    if (found != known.end() && found->second.string == fingerprint(found->second.tables))
        return found->second.tables;
    // A handful of texts are in use at a time; forget the others.
    if (known.size() > 32)
        known.clear();
    KnownTables &entry = known[keyOf(text)];
    entry.text = text;
    entry.tables = enumerateTables(text);
    entry.string = fingerprint(entry.tables);
    return entry.tables;
}

long leadingLength(const TableSpans &tables)
{
    long at = 0;
    for (const TableSpan &table : tables) {
        if (table.start != at)
            break;
        at = table.end;
    }
    return at;
}

long storyLength(const Reference<frame::XModel> &model, const Reference<text::XText> &text)
{
    return storyLength(text) + leadingLength(tablesIn(model, text));
}

QString wordText(const Reference<frame::XModel> &model, const Reference<text::XText> &text)
{
    QString leading;
    const TableSpans tables = tablesIn(model, text);
    const long length = leadingLength(tables);
    for (const TableSpan &table : tables) {
        if (table.end > length)
            break;
        for (const CellSpan &cell : table.cells)
            leading += toQString(cell.text->getString()) + QLatin1Char('\n');
    }
    return asWordText(leading + toQString(text->getString()));
}

const CellSpan *cellAt(const TableSpans &tables, long offset)
{
    for (const TableSpan &table : tables) {
        if (offset < table.start || offset >= table.end)
            continue;
        for (const CellSpan &cell : table.cells) {
            if (offset >= cell.start && offset < cell.end)
                return &cell;
        }
    }
    return nullptr;
}

void keepInOneText(const TableSpans &tables, long *start, long *end)
{
    if (*end < *start)
        std::swap(*start, *end);
    if (const CellSpan *cell = cellAt(tables, *start)) {
        *end = std::min(*end, cell->end - 1);
        return;
    }
    // Outside every table at the start: the span stops before the first
    // table it reaches into, i.e. before that table's preceding mark, the
    // last place a cursor can be short of the table.
    for (const TableSpan &table : tables) {
        if (table.start >= *start && table.start < *end && *end < table.end) {
            *end = std::max(*start, table.start - 1);
            return;
        }
    }
}

namespace {

// The cursor steps from the start of the text to an offset outside its
// tables: a table and the mark before it are one step.
long stepsTo(const TableSpans &tables, long offset)
{
    long steps = offset;
    for (const TableSpan &table : tables) {
        if (table.end <= offset)
            steps -= table.end - table.start;
    }
    return steps;
}

} // namespace

Reference<text::XTextCursor> cursorAt(const Reference<frame::XModel> &model,
                                      const Reference<text::XText> &text, long start, long end)
{
    const TableSpans tables = tablesIn(model, text);
    if (tables.empty())
        return cursorAt(text, start, end);
    const long total = storyLength(text) + leadingLength(tables);
    if (end < 0 || end > total - 1)
        end = total - 1;
    start = std::clamp(start, 0L, end);
    keepInOneText(tables, &start, &end);
    if (const CellSpan *cell = cellAt(tables, start))
        return cursorAt(cell->text, start - cell->start, end - cell->start);
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

Reference<text::XTextCursor> touchedCursorAt(const Reference<frame::XModel> &model,
                                             const Reference<text::XText> &text, long start,
                                             long end)
{
    const Reference<text::XTextCursor> cursor = cursorAt(model, text, start, end);
    if (end > start && !cursor->isCollapsed()
        && Reference<text::XParagraphCursor>(cursor, UNO_QUERY_THROW)->isStartOfParagraph())
        cursor->goLeft(1, true);
    return cursor;
}

long offsetOf(const Reference<frame::XModel> &model, const Reference<text::XText> &text,
              const Reference<text::XTextRange> &position)
{
    const TableSpans tables = tablesIn(model, text);
    if (tables.empty())
        return offsetOf(text, position);
    // A position in a cell is no position of the text's own cursors.
    const Reference<uno::XInterface> owner(position->getText(), UNO_QUERY);
    if (owner.get() != keyOf(text)) {
        for (const TableSpan &span : tables) {
            for (const CellSpan &cell : span.cells) {
                if (keyOf(cell.text) == owner.get())
                    return cell.start + offsetOf(cell.text, position);
            }
        }
    }
    return leadingLength(tables) + offsetOf(text, position);
}

bool placeOfTable(const Reference<frame::XModel> &model, const Reference<text::XTextTable> &table,
                  Reference<text::XText> *holder, TableSpan *span)
{
    std::vector<Reference<text::XText>> candidates;
    const Reference<text::XTextDocument> document(model, UNO_QUERY);
    if (document.is())
        candidates.push_back(document->getText());
    const Reference<text::XTextFramesSupplier> supplier(model, UNO_QUERY);
    if (supplier.is()) {
        const Reference<container::XIndexAccess> frames(supplier->getTextFrames(), UNO_QUERY_THROW);
        for (sal_Int32 i = 0, n = frames->getCount(); i < n; ++i) {
            const Reference<text::XTextFrame> frame(frames->getByIndex(i), UNO_QUERY);
            if (frame.is())
                candidates.push_back(frame->getText());
        }
    }
    // The frames attached to drawing shapes (boxes) are not among them.
    const Reference<css::drawing::XDrawPage> page = drawing::drawPageOf(model);
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
        for (const TableSpan &found : tablesIn(model, text)) {
            if (Reference<container::XNamed>(found.table, UNO_QUERY_THROW)->getName() == wanted) {
                *holder = text;
                *span = found;
                return true;
            }
        }
    }
    return false;
}

std::vector<ParagraphEntry> paragraphOffsetsOf(const Reference<text::XText> &text)
{
    std::vector<ParagraphEntry> entries;
    long offset = 0;
    const long edited = edits(text);
    for (const QString &paragraph : toQString(text->getString()).split(QLatin1Char('\n'))) {
        ParagraphEntry entry;
        entry.text = text;
        entry.home = text;
        entry.index = long(entries.size());
        entry.string = paragraph;
        entry.edits = edited;
        entry.start = offset;
        offset += paragraph.size() + 1;
        entry.end = offset;
        entries.push_back(entry);
    }
    return entries;
}

Reference<beans::XPropertySet> paragraphAt(const Reference<text::XText> &text, long start)
{
    const Reference<text::XTextCursor> cursor = text->createTextCursor();
    cursor->gotoStart(false);
    goRight(cursor, start, false);
    const Reference<container::XEnumeration> paragraphs
        = Reference<container::XEnumerationAccess>(cursor, UNO_QUERY_THROW)->createEnumeration();
    return Reference<beans::XPropertySet>(paragraphs->nextElement(), UNO_QUERY_THROW);
}

bool hasTables(const Reference<frame::XModel> &model)
{
    const Reference<text::XTextTablesSupplier> supplier(model, UNO_QUERY);
    return !supplier.is() || supplier->getTextTables()->hasElements();
}

uno::Sequence<rtl::OUString> paragraphFormatNames()
{
    const rtl::OUString names[] = {
        "ParaAdjust",      "ParaFirstLineIndent", "ParaLastLineAdjust",        "ParaLeftMargin",
        "ParaLineSpacing", "ParaRightMargin",     "ParaUserDefinedAttributes",
    };
    return uno::Sequence<rtl::OUString>(names, 7);
}

long pageOf(const Reference<frame::XModel> &model, const Reference<text::XTextRange> &position)
{
    showSelection(model);
    const Reference<text::XTextViewCursor> view = viewCursorOf(model);
    const Reference<text::XTextCursor> saved
        = view->getText()->createTextCursorByRange(Reference<text::XTextRange>(view.get()));
    view->gotoRange(position->getEnd(), false);
    const long page = Reference<text::XPageCursor>(view, UNO_QUERY_THROW)->getPage();
    view->gotoRange(saved->getStart(), false);
    view->gotoRange(saved->getEnd(), true);
    return page;
}

namespace {

void selectShown(const Reference<frame::XModel> &model, const Reference<text::XText> &text,
                 const Reference<text::XTextRange> &shown, long start, long end)
{
    RememberedSelection remembered;
    remembered.span = std::make_shared<Span>();
    remembered.span->start = start;
    remembered.span->end = end;
    track(text, remembered.span);
    remembered.text = text;
    remembered.shown = shown;
    remembered.model = model;
    rememberedSelections()[keyOf(model)] = remembered;
    static bool scheduled = false;
    if (!scheduled && QCoreApplication::instance()) {
        scheduled = true;
        QTimer::singleShot(0, [] {
            scheduled = false;
            showSelections();
        });
    }
}

void show(RememberedSelection &remembered)
{
    if (remembered.inView)
        return;
    remembered.inView = true;
    try {
        const Reference<view::XSelectionSupplier> selection(
            remembered.model->getCurrentController(), UNO_QUERY_THROW);
        selection->select(uno::Any(remembered.shown));
    } catch (const uno::Exception &) {
    }
}

// Whether the view still shows the remembered range; a range of another
// text cannot be compared and is not shown.
bool stillShown(const Reference<text::XTextViewCursor> &view, const RememberedSelection &remembered)
{
    if (!remembered.shown.is())
        return false;
    try {
        const Reference<text::XTextRangeCompare> compare(remembered.shown->getText(),
                                                         UNO_QUERY_THROW);
        const Reference<text::XTextRange> at(view.get());
        return compare->compareRegionStarts(at, remembered.shown) == 0
            && compare->compareRegionEnds(at, remembered.shown) == 0;
    } catch (const uno::Exception &) {
        return false;
    }
}

} // namespace

void showSelection(const Reference<frame::XModel> &model)
{
    const auto found = rememberedSelections().find(keyOf(model));
    if (found != rememberedSelections().end())
        show(found->second);
}

void showSelections()
{
    for (auto &remembered : rememberedSelections())
        show(remembered.second);
}

void select(const Reference<frame::XModel> &model, const Reference<text::XText> &text, long start,
            long end)
{
    const Reference<text::XTextCursor> cursor = cursorAt(model, text, start, end);
    selectShown(model, text, Reference<text::XTextRange>(cursor.get()), start, end);
}

void selectParagraph(const Reference<frame::XModel> &model, const Reference<text::XText> &text,
                     const Reference<text::XTextRange> &paragraph, long start, long end)
{
    selectShown(model, text, paragraph, start, end);
}

bool selectionOffsets(const Reference<frame::XModel> &model, Reference<text::XText> *text,
                      long *start, long *end)
{
    // What was selected through the object model and is (or is about to
    // be) shown answers the offsets asked for: the view cannot select a
    // text's last mark, and working the offsets out again takes a walk over
    // the text.
    const auto found = rememberedSelections().find(keyOf(model));
    if (found != rememberedSelections().end() && found->second.text.is() && !found->second.inView) {
        *text = found->second.text;
        *start = found->second.span->start;
        *end = found->second.span->end;
        return true;
    }
    const Reference<text::XTextViewCursor> view = viewCursorOf(model);
    if (found != rememberedSelections().end() && found->second.text.is()
        && stillShown(view, found->second)) {
        *text = found->second.text;
        *start = found->second.span->start;
        *end = found->second.span->end;
        return true;
    }
    *text = view->getText();
    if (!text->is())
        return false;
    // In a table the view's text is the cell: offsets are those of the text
    // holding the table.
    if (Reference<table::XCell>(*text, UNO_QUERY).is()) {
        const Reference<text::XTextTable> table(
            Reference<beans::XPropertySet>(view, UNO_QUERY_THROW)
                ->getPropertyValue(unoName("TextTable")),
            UNO_QUERY);
        Reference<text::XText> holder;
        TableSpan span;
        if (table.is() && placeOfTable(model, table, &holder, &span))
            *text = holder;
    }
    *start = offsetOf(model, *text, view->getStart());
    *end = offsetOf(model, *text, view->getEnd());
    if (*end < *start)
        std::swap(*start, *end);
    return true;
}

} // namespace libreoffice::textstory
