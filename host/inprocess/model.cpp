#include "model.h"

#include <algorithm>
#include <cmath>

namespace inprocess::model {

namespace {

QString normalizedBreaks(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

} // namespace

// ---------------------------------------------------------------- Story

Story::Story(Kind k, Document *doc)
    : kind(k)
    , document(doc)
{
    paragraphs.push_back(std::make_shared<Paragraph>());
}

void Story::ensureOffsets() const
{
    if (m_offsetsValid)
        return;
    m_offsets.resize(paragraphs.size() + 1);
    long pos = 0;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        m_offsets[i] = pos;
        pos += paragraphs[i]->length();
    }
    m_offsets[paragraphs.size()] = pos;
    m_offsetsValid = true;
}

long Story::length() const
{
    ensureOffsets();
    return m_offsets.back();
}

long Story::paragraphStart(int index) const
{
    ensureOffsets();
    index = std::clamp(index, 0, int(paragraphs.size()));
    return m_offsets[index];
}

int Story::paragraphAt(long pos, long *start) const
{
    ensureOffsets();
    const long total = m_offsets.back();
    pos = std::clamp(pos, 0L, total - 1);
    // Last offset that is <= pos.
    auto it = std::upper_bound(m_offsets.begin(), m_offsets.end() - 1, pos);
    int index = int(it - m_offsets.begin()) - 1;
    index = std::clamp(index, 0, int(paragraphs.size()) - 1);
    if (start)
        *start = m_offsets[index];
    return index;
}

std::pair<int, int> Story::paragraphSpan(long start, long end) const
{
    const int first = paragraphAt(start);
    const int last = end > start ? paragraphAt(end - 1) : first;
    return {first, std::max(first, last)};
}

QString Story::text(long start, long end) const
{
    ensureOffsets();
    const long total = m_offsets.back();
    start = std::clamp(start, 0L, total);
    end = std::clamp(end, start, total);
    QString out;
    if (start == end)
        return out;
    long ps = 0;
    int i = paragraphAt(start, &ps);
    for (; i < int(paragraphs.size()) && ps < end; ++i) {
        const Paragraph &p = *paragraphs[i];
        const long from = std::max(start, ps) - ps;
        const long to = std::min(end, ps + p.length()) - ps;
        for (long k = from; k < to; ++k) {
            if (k == p.text.size()) {
                out += QLatin1Char('\r');
            } else if (p.chars[k].field) {
                out += document ? document->fieldResult(this, ps + k) : QStringLiteral("1");
            } else {
                out += p.text.at(int(k));
            }
        }
        ps += p.length();
    }
    return out;
}

std::shared_ptr<RangeState> Story::newRange(long start, long end)
{
    auto r = std::make_shared<RangeState>();
    const long total = length();
    r->start = std::clamp(start, 0L, total);
    r->end = std::clamp(end, r->start, total);
    liveRanges.push_back(r);
    return r;
}

void Story::moveRanges(const std::function<void(RangeState &)> &move)
{
    auto it = liveRanges.begin();
    while (it != liveRanges.end()) {
        auto r = it->lock();
        if (!r) {
            it = liveRanges.erase(it);
            continue;
        }
        move(*r);
        ++it;
    }
}

void Story::shiftRanges(long pos, long delta, bool moveAtPos)
{
    moveRanges([&](RangeState &r) {
        if (r.start > pos || (moveAtPos && r.start == pos))
            r.start += delta;
        if (r.end > pos || (moveAtPos && r.end == pos))
            r.end += delta;
    });
}

void Story::collapseRanges(long a, long b)
{
    const long n = b - a;
    moveRanges([&](RangeState &r) {
        for (long *p : {&r.start, &r.end}) {
            if (*p >= b)
                *p -= n;
            else if (*p > a)
                *p = a;
        }
    });
}

long Story::insertText(long pos, const QString &rawText, long *inserted)
{
    QString text = normalizedBreaks(rawText);
    const long total = length();
    if (pos >= total && !text.isEmpty()) {
        // After the story's last mark: the text starts a new last paragraph,
        // and a break it ends with becomes the story's last mark.
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        text.prepend(QLatin1Char('\n'));
    }
    if (inserted)
        *inserted = text.size();
    pos = std::clamp(pos, 0L, total - 1);
    if (text.isEmpty())
        return pos;

    long ps = 0;
    int index = paragraphAt(pos, &ps);
    int offset = int(pos - ps);
    auto current = paragraphs[index];

    CharFormat format;
    if (offset > 0)
        format = current->chars[offset - 1].format;
    else if (!current->chars.empty())
        format = current->chars.front().format;
    else
        format = current->markFormat;

    const QStringList segments = text.split(QLatin1Char('\n'));
    for (int s = 0; s < segments.size(); ++s) {
        const QString &seg = segments.at(s);
        current->text.insert(offset, seg);
        current->chars.insert(current->chars.begin() + offset, seg.size(), Char {format, nullptr});
        offset += seg.size();
        if (s + 1 < segments.size()) {
            // The new mark ends the first part; the old mark, with whatever it
            // carries (section break, cell end), stays with the rest.
            auto head = std::make_shared<Paragraph>();
            head->text = current->text.left(offset);
            head->chars.assign(current->chars.begin(), current->chars.begin() + offset);
            head->markFormat = format;
            head->format = current->format;
            head->cell = current->cell;
            current->text.remove(0, offset);
            current->chars.erase(current->chars.begin(), current->chars.begin() + offset);
            paragraphs.insert(paragraphs.begin() + index, head);
            ++index;
            offset = 0;
        }
    }
    invalidate();
    shiftRanges(pos, text.size(), false);
    return pos;
}

bool Story::markDeletable(int index) const
{
    return index + 1 < int(paragraphs.size())
        && paragraphs[index + 1]->cell == paragraphs[index]->cell;
}

void Story::deleteText(long start, long end)
{
    const long total = length();
    start = std::clamp(start, 0L, total);
    end = std::clamp(end, start, total);
    if (start >= end)
        return;
    auto [first, last] = paragraphSpan(start, end);
    for (int i = last; i >= first; --i) {
        const long ps = paragraphStart(i);
        auto p = paragraphs[i];
        const long mark = ps + p->text.size();
        if (mark >= start && mark < end && markDeletable(i)) {
            auto next = paragraphs[i + 1];
            next->text.prepend(p->text);
            next->chars.insert(next->chars.begin(), p->chars.begin(), p->chars.end());
            paragraphs.erase(paragraphs.begin() + i);
            invalidate();
            collapseRanges(mark, mark + 1);
            p = next;
        }
        const long a = std::max(start, ps);
        const long b = std::min(end, mark);
        if (a < b) {
            p->text.remove(int(a - ps), int(b - a));
            p->chars.erase(p->chars.begin() + (a - ps), p->chars.begin() + (b - ps));
            invalidate();
            collapseRanges(a, b);
        }
    }
}

int Story::split(long pos)
{
    const long at = insertText(pos, QStringLiteral("\n"));
    return paragraphAt(at + 1);
}

void Story::insertParagraphs(int index, const std::vector<std::shared_ptr<Paragraph>> &paras)
{
    index = std::clamp(index, 0, int(paragraphs.size()));
    const long pos = paragraphStart(index);
    long added = 0;
    for (const auto &p : paras)
        added += p->length();
    paragraphs.insert(paragraphs.begin() + index, paras.begin(), paras.end());
    invalidate();
    shiftRanges(pos, added, true);
}

void Story::removeParagraphs(int first, int count)
{
    if (count <= 0)
        return;
    const long a = paragraphStart(first);
    const long b = paragraphStart(first + count);
    paragraphs.erase(paragraphs.begin() + first, paragraphs.begin() + first + count);
    if (paragraphs.empty())
        paragraphs.push_back(std::make_shared<Paragraph>());
    invalidate();
    collapseRanges(a, b);
}

// ---------------------------------------------------------------- Document

Document::Document()
{
    Style normal;
    normal.name = QStringLiteral("Normal");
    normal.font.ascii = QStringLiteral("Times New Roman");
    normal.font.farEast = QStringLiteral("宋体");
    normal.font.size = 10.5f;
    normal.font.bold = 0;
    normal.font.italic = 0;
    normal.font.color = 0;
    normal.font.scaling = 100;
    styles[-1] = normal;
    Style header = normal;
    header.name = QStringLiteral("Header");
    header.font = CharFormat();
    header.borders[-3] = Border {1, 6};
    styles[-32] = header;

    body = newStory(Story::Kind::Body);
    lastSection = std::make_shared<Section>();
    initSectionFooters(lastSection);
    selectionStory = body;
    selection = body->newRange(0, 0);
}

void Document::clearAnchoredObjects(const Story *story)
{
    auto prune = [story](ShapeList &list) {
        for (auto it = list.begin(); it != list.end();) {
            if ((*it)->anchorStory.get() == story) {
                (*it)->deleted = true;
                it = list.erase(it);
            } else {
                ++it;
            }
        }
    };
    prune(shapes);
    for (const auto &section : sections()) {
        for (auto *map : {&section->footers, &section->headers}) {
            for (auto &entry : *map) {
                prune(entry.second.shapes);
                if (entry.second.story.get() == story)
                    entry.second.pageNumberAlignments.clear();
            }
        }
    }
}

std::shared_ptr<Story> Document::newStory(Story::Kind kind)
{
    return std::make_shared<Story>(kind, this);
}

void Document::initSectionFooters(const std::shared_ptr<Section> &section)
{
    for (int item : {1, 2, 3}) {
        section->footers[item].story = newStory(Story::Kind::Footer);
        section->footers[item].story->footerSection = section;
        section->headers[item].story = newStory(Story::Kind::Header);
        section->headers[item].story->footerSection = section;
    }
}

std::vector<std::shared_ptr<Section>> Document::sections() const
{
    std::vector<std::shared_ptr<Section>> out;
    for (const auto &p : body->paragraphs) {
        if (p->sectionBreak)
            out.push_back(p->sectionBreak);
    }
    out.push_back(lastSection);
    return out;
}

int Document::sectionIndexAt(long pos) const
{
    const int index = body->paragraphAt(pos);
    int section = 0;
    for (int i = 0; i < index; ++i) {
        if (body->paragraphs[i]->sectionBreak)
            ++section;
    }
    return section;
}

std::pair<long, long> Document::sectionSpan(int index) const
{
    int section = 0;
    int first = -1, last = -1;
    const int n = int(body->paragraphs.size());
    for (int i = 0; i < n; ++i) {
        if (section == index) {
            if (first < 0)
                first = i;
            last = i;
        }
        if (body->paragraphs[i]->sectionBreak)
            ++section;
    }
    if (first < 0)
        return {body->length(), body->length()};
    return {body->paragraphStart(first), body->paragraphStart(last + 1)};
}

HeaderFooter *Document::resolvedFooter(int sectionIndex, int item, bool header)
{
    const auto all = sections();
    if (sectionIndex < 0 || sectionIndex >= int(all.size()))
        return nullptr;
    for (int s = sectionIndex; s >= 0; --s) {
        auto &map = header ? all[s]->headers : all[s]->footers;
        auto it = map.find(item);
        if (it == map.end())
            return nullptr;
        if (!it->second.linkToPrevious || s == 0)
            return &it->second;
    }
    return nullptr;
}

ResolvedFont Document::resolve(const CharFormat &f) const
{
    const CharFormat &base = styles.at(-1).font;
    ResolvedFont r;
    r.ascii = f.ascii.value_or(base.ascii.value_or(QString()));
    r.farEast = f.farEast.value_or(base.farEast.value_or(QString()));
    r.size = f.size.value_or(base.size.value_or(10.5f));
    r.bold = f.bold.value_or(base.bold.value_or(0));
    r.italic = f.italic.value_or(base.italic.value_or(0));
    r.color = f.color.value_or(base.color.value_or(0));
    r.scaling = f.scaling.value_or(base.scaling.value_or(100));
    return r;
}

int Document::bodyPageAt(long pos) const
{
    const auto all = sections();
    int page = 1;
    int lines = 0;
    int section = 0;
    long ps = 0;
    const int n = int(body->paragraphs.size());
    for (int i = 0; i < n; ++i) {
        const Paragraph &p = *body->paragraphs[i];
        if (i > 0 && body->paragraphs[i - 1]->sectionBreak) {
            ++section;
            ++page;
            lines = 0;
        }
        const PageSetup &setup = all[std::min<size_t>(section, all.size() - 1)]->pageSetup;
        const int perLine = setup.charsLine >= 1 ? int(setup.charsLine) : 28;
        const int perPage = setup.linesPage >= 1 ? int(setup.linesPage) : 22;
        const int paraLines = std::max(1, int(std::ceil(double(p.text.size()) / perLine)));
        if (pos < ps + p.length() || i == n - 1) {
            const int within = std::min(int(std::max(0L, pos - ps) / perLine), paraLines - 1);
            return page + (lines + within) / perPage;
        }
        lines += paraLines;
        page += lines / perPage;
        lines %= perPage;
        ps += p.length();
    }
    return page;
}

int Document::pageOf(const Story *story, long pos) const
{
    if (!story || story->kind == Story::Kind::Body)
        return bodyPageAt(pos);
    if (story->kind == Story::Kind::Frame) {
        auto owner = story->frameOwner.lock();
        if (owner && owner->anchor)
            return pageOf(owner->anchorStory.get(), owner->anchor->start);
        return 1;
    }
    // A header or footer: the first page of its section.
    auto section = story->footerSection.lock();
    const auto all = sections();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == section)
            return bodyPageAt(sectionSpan(int(i)).first);
    }
    return 1;
}

int Document::displayedPageNumber(int physicalPage) const
{
    const auto all = sections();
    int number = 0;
    int lastFirst = 1;
    for (size_t i = 0; i < all.size(); ++i) {
        const int first = bodyPageAt(sectionSpan(int(i)).first);
        if (first > physicalPage)
            break;
        number = all[i]->restartNumbering ? int(all[i]->startingNumber)
                                          : (i == 0 ? 1 : number + (first - lastFirst));
        lastFirst = first;
    }
    return number + (physicalPage - lastFirst);
}

QString Document::fieldResult(const Story *story, long pos) const
{
    return QString::number(displayedPageNumber(pageOf(story, pos)));
}

// ---------------------------------------------------------------- copies

namespace {

std::shared_ptr<Paragraph> copyParagraph(const Paragraph &p)
{
    auto c = std::make_shared<Paragraph>(p);
    for (Char &ch : c->chars) {
        if (ch.field)
            ch.field = std::make_shared<Field>(*ch.field);
    }
    c->sectionBreak.reset();
    return c;
}

} // namespace

std::shared_ptr<Story> copyStory(const Story &from, Document *doc)
{
    auto story = std::make_shared<Story>(from.kind, doc);
    story->paragraphs.clear();
    std::map<const Cell *, std::shared_ptr<Cell>> cells;
    for (const auto &p : from.paragraphs) {
        auto c = copyParagraph(*p);
        if (p->cell) {
            if (!cells.count(p->cell.get())) {
                // Copy the whole table the first time one of its cells shows up.
                auto row = p->cell->row.lock();
                auto table = row ? row->table.lock() : nullptr;
                if (table) {
                    auto t = std::make_shared<Table>(*table);
                    t->story = story.get();
                    story->tables.push_back(t);
                    t->rows.clear();
                    for (const auto &r : table->rows) {
                        auto nr = std::make_shared<Row>();
                        nr->table = t;
                        for (const auto &cell : r->cells) {
                            auto nc = std::make_shared<Cell>(*cell);
                            nc->row = nr;
                            nr->cells.push_back(nc);
                            cells[cell.get()] = nc;
                        }
                        t->rows.push_back(nr);
                    }
                }
            }
            c->cell = cells.count(p->cell.get()) ? cells[p->cell.get()] : nullptr;
        }
        story->paragraphs.push_back(c);
    }
    if (story->paragraphs.empty())
        story->paragraphs.push_back(std::make_shared<Paragraph>());
    story->invalidate();
    return story;
}

std::shared_ptr<Shape> copyShape(const Shape &from, Document *doc,
                                 const std::shared_ptr<Story> &anchorStory)
{
    auto s = std::make_shared<Shape>(from);
    s->anchorStory = anchorStory;
    const long pos = from.anchor ? from.anchor->start : 0;
    s->anchor = anchorStory->newRange(pos, pos);
    if (from.frame.story) {
        s->frame.story = copyStory(*from.frame.story, doc);
        s->frame.story->frameOwner = s;
    }
    return s;
}

} // namespace inprocess::model
