#include "blockmarks.h"

#include "automation/automation.h"

#include <QStringList>

#include <algorithm>

using namespace automation;

namespace format {

namespace {

QString prefixOf(Block block)
{
    return block == Block::Head ? QStringLiteral("_qvx_head_") : QStringLiteral("_qvx_sign_");
}

// The block's bookmarks, by name.
QStringList markNames(const BookmarksPtr &bookmarks, Block block)
{
    QStringList names;
    const QString prefix = prefixOf(block);
    for (long i = 1, n = bookmarks ? bookmarks->count() : 0; i <= n; ++i) {
        const BookmarkPtr mark = bookmarks->item(i);
        if (mark && mark->name().startsWith(prefix))
            names.append(mark->name());
    }
    return names;
}

} // namespace

void markParagraphs(const DocumentPtr &document, Block block, long first, long last)
{
    const BookmarksPtr bookmarks = document ? document->bookmarks() : nullptr;
    const ParagraphsPtr paragraphs = document ? document->paragraphs() : nullptr;
    if (!bookmarks || !paragraphs)
        return;
    // Numbers go on from the highest in use, so marks never collide.
    long next = 1;
    for (const QString &name : markNames(bookmarks, block))
        next = std::max(next, name.mid(prefixOf(block).size()).toLong() + 1);
    last = std::min(last, paragraphs->count());
    for (long i = std::max(1L, first); i <= last; ++i) {
        const ParagraphPtr paragraph = paragraphs->item(i);
        const RangePtr range = paragraph ? paragraph->range() : nullptr;
        if (!range)
            continue;
        // Within the paragraph: its text without the mark.
        const QString text = range->text();
        const long end = text.endsWith(QLatin1Char('\r')) ? range->end() - 1 : range->end();
        range->setRange(range->start(), std::max(range->start(), end));
        bookmarks->add(prefixOf(block) + QString::number(next++), range);
    }
}

QVector<RangePtr> markedParagraphs(const DocumentPtr &document, Block block)
{
    QVector<RangePtr> ranges;
    const BookmarksPtr bookmarks = document ? document->bookmarks() : nullptr;
    if (!bookmarks)
        return ranges;
    for (const QString &name : markNames(bookmarks, block)) {
        // The paragraph where the mark ends is the one it was put on: text
        // typed at a mark's end stays outside it, while at its start
        // writers differ.
        const BookmarkPtr mark = bookmarks->item(name);
        const RangePtr range = mark ? mark->range() : nullptr;
        const RangePtr end = range ? document->range(range->end(), range->end()) : nullptr;
        const ParagraphsPtr touched = end ? end->paragraphs() : nullptr;
        const ParagraphPtr paragraph = touched ? touched->item(1) : nullptr;
        const RangePtr whole = paragraph ? paragraph->range() : nullptr;
        if (!whole)
            continue;
        // Two marks in one paragraph (the user joined two) count once.
        const bool known = std::any_of(ranges.begin(), ranges.end(), [&](const RangePtr &r) {
            return r->start() == whole->start();
        });
        if (!known)
            ranges.append(whole);
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const RangePtr &a, const RangePtr &b) { return a->start() < b->start(); });
    return ranges;
}

int removeMarkedParagraphs(const DocumentPtr &document, Block block)
{
    const QVector<RangePtr> paragraphs = markedParagraphs(document, block);
    const BookmarksPtr bookmarks = document ? document->bookmarks() : nullptr;
    if (!bookmarks)
        return 0;
    for (const QString &name : markNames(bookmarks, block)) {
        if (const BookmarkPtr mark = bookmarks->item(name))
            mark->remove();
    }
    // Runs of adjacent paragraphs go in one piece, from the last up, so the
    // offsets of the runs before stay valid. The story's last mark cannot go:
    // a run that ends the text takes the mark before it instead, so that the
    // paragraph before ends the text as it did before the block was written.
    QVector<QPair<long, long>> runs;
    for (const RangePtr &paragraph : paragraphs) {
        if (!runs.isEmpty() && runs.last().second == paragraph->start())
            runs.last().second = paragraph->end();
        else
            runs.append({paragraph->start(), paragraph->end()});
    }
    const RangePtr content = document->content();
    const long textEnd = content ? content->end() : 0;
    for (auto it = runs.rbegin(); it != runs.rend(); ++it) {
        const bool endsText = it->second >= textEnd && it->first > 0;
        if (const RangePtr run = endsText ? document->range(it->first - 1, it->second - 1)
                                          : document->range(it->first, it->second))
            run->setText(QString());
    }
    return paragraphs.size();
}

} // namespace format
