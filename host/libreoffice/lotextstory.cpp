#include "lotextstory.h"

#include "unoutil.h"

#include <QRegularExpression>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/text/XTextTablesSupplier.hpp>

#include <algorithm>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice::textstory {

namespace {

// goRight takes a 16-bit count.
const long cursorStep = 30000;

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

} // namespace

const void *keyOf(const Reference<uno::XInterface> &object)
{
    try {
        const Reference<uno::XInterface> normalized(object, UNO_QUERY);
        return normalized.get();
    } catch (const uno::RuntimeException &) {
        return object.get();
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

long stepsTo(const TableSpans &tables, long offset)
{
    long steps = offset;
    for (const TableSpan &table : tables) {
        if (table.end <= offset)
            steps -= table.end - table.start;
    }
    return steps;
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

std::vector<ParagraphEntry> paragraphOffsetsOf(const Reference<text::XText> &text, long edits)
{
    std::vector<ParagraphEntry> entries;
    long offset = 0;
    const long edited = edits;
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

} // namespace libreoffice::textstory
