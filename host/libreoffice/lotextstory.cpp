#include "lotextstory.h"

#include "unoutil.h"

#include <QRegularExpression>

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XPageCursor.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
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

const void *keyOf(const Reference<text::XText> &text)
{
    const Reference<uno::XInterface> normalized(text, UNO_QUERY);
    return normalized.get();
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

void appendParagraphs(const Reference<text::XText> &text, std::vector<ParagraphEntry> &entries)
{
    const Reference<container::XEnumeration> elements
        = Reference<container::XEnumerationAccess>(text, UNO_QUERY_THROW)->createEnumeration();
    long offset = 0;
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
                    appendParagraphs(cell, entries);
            }
            continue;
        }
        const Reference<text::XTextRange> range(element, UNO_QUERY);
        if (!range.is())
            continue;
        ParagraphEntry entry;
        entry.paragraph.set(element, UNO_QUERY);
        entry.text = text;
        entry.start = offset;
        offset += toQString(range->getString()).size() + 1;
        entry.end = offset;
        entries.push_back(entry);
    }
}

struct RememberedSelection
{
    long start = 0;
    long end = 0;
    long shownStart = 0;
    long shownEnd = 0;
};

std::map<const void *, RememberedSelection> &rememberedSelections()
{
    static std::map<const void *, RememberedSelection> selections;
    return selections;
}

const void *keyOf(const Reference<frame::XModel> &model)
{
    const Reference<uno::XInterface> normalized(model, UNO_QUERY);
    return normalized.get();
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

void shiftSpans(const Reference<text::XText> &text, long from, long to, long inserted,
                const Span *self)
{
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
    static const QRegularExpression mark(QStringLiteral("\r\n|\r|\n"));
    const QStringList parts = inserted.split(mark);
    const Reference<text::XTextRange> range(cursor.get());
    long length = 0;
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text->insertControlCharacter(range, text::ControlCharacter::PARAGRAPH_BREAK, false);
            ++length;
        }
        if (!parts[i].isEmpty()) {
            text->insertString(range, toOUString(parts[i]), false);
            length += parts[i].size();
        }
    }
    return length;
}

QString asWordText(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

std::vector<ParagraphEntry> paragraphsOf(const Reference<text::XText> &text)
{
    std::vector<ParagraphEntry> entries;
    appendParagraphs(text, entries);
    return entries;
}

std::vector<ParagraphEntry> paragraphOffsetsOf(const Reference<text::XText> &text)
{
    std::vector<ParagraphEntry> entries;
    long offset = 0;
    for (const QString &paragraph : toQString(text->getString()).split(QLatin1Char('\n'))) {
        ParagraphEntry entry;
        entry.text = text;
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
    const Reference<text::XTextViewCursor> view = viewCursorOf(model);
    const Reference<text::XTextCursor> saved
        = view->getText()->createTextCursorByRange(Reference<text::XTextRange>(view.get()));
    view->gotoRange(position->getEnd(), false);
    const long page = Reference<text::XPageCursor>(view, UNO_QUERY_THROW)->getPage();
    view->gotoRange(saved->getStart(), false);
    view->gotoRange(saved->getEnd(), true);
    return page;
}

void select(const Reference<frame::XModel> &model, const Reference<text::XText> &text, long start,
            long end)
{
    const Reference<text::XTextCursor> cursor = cursorAt(text, start, end);
    const Reference<view::XSelectionSupplier> selection(model->getCurrentController(),
                                                        UNO_QUERY_THROW);
    selection->select(uno::Any(Reference<text::XTextRange>(cursor.get())));
    RememberedSelection remembered;
    remembered.start = start;
    remembered.end = end;
    remembered.shownStart = offsetOf(text, cursor->getStart());
    remembered.shownEnd = offsetOf(text, cursor->getEnd());
    rememberedSelections()[keyOf(model)] = remembered;
}

bool selectionOffsets(const Reference<frame::XModel> &model, Reference<text::XText> *text,
                      long *start, long *end)
{
    const Reference<text::XTextViewCursor> view = viewCursorOf(model);
    *text = view->getText();
    if (!text->is())
        return false;
    *start = offsetOf(*text, view->getStart());
    *end = offsetOf(*text, view->getEnd());
    if (*end < *start)
        std::swap(*start, *end);
    const auto found = rememberedSelections().find(keyOf(model));
    if (found != rememberedSelections().end() && found->second.shownStart == *start
        && found->second.shownEnd == *end) {
        *start = found->second.start;
        *end = found->second.end;
    }
    return true;
}

} // namespace libreoffice::textstory
