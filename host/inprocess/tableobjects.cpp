#include "objects.h"

#include <algorithm>

using namespace automation;

namespace inprocess {

namespace {

using TableModel = std::shared_ptr<model::Table>;
using RowModel = std::shared_ptr<model::Row>;
using CellModel = std::shared_ptr<model::Cell>;

model::BorderSet singleBorders()
{
    model::BorderSet set;
    for (int index : {wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight})
        set[index] = model::Border {wdLineStyleSingle, wdLineWidth050pt};
    return set;
}

// First and last paragraph index of the paragraphs whose cell satisfies pred.
template<class Pred> std::pair<int, int> paragraphsWhere(const model::Story &story, Pred pred)
{
    int first = -1, last = -1;
    for (int i = 0; i < int(story.paragraphs.size()); ++i) {
        const auto &cell = story.paragraphs[i]->cell;
        if (cell && pred(cell)) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

bool cellInTable(const CellModel &cell, const model::Table *table)
{
    auto row = cell->row.lock();
    return row && row->table.lock().get() == table;
}

bool cellInRow(const CellModel &cell, const model::Row *row)
{
    return cell->row.lock().get() == row;
}

StoryPtr storyOf(const DocModel &doc, const model::Table *table)
{
    if (doc->body.get() == table->story)
        return doc->body;
    // Tables in text boxes and footers: find the owning story among them.
    std::vector<StoryPtr> stories;
    auto collect = [&](const model::ShapeList &shapes) {
        for (const auto &s : shapes) {
            if (s->frame.story)
                stories.push_back(s->frame.story);
        }
    };
    collect(doc->shapes);
    for (const auto &section : doc->sections()) {
        for (auto *map : {&section->footers, &section->headers}) {
            for (auto &[item, hf] : *map) {
                Q_UNUSED(item);
                stories.push_back(hf.story);
                collect(hf.shapes);
            }
        }
    }
    for (const auto &s : stories) {
        if (s.get() == table->story)
            return s;
    }
    return nullptr;
}

RangePtr spanRange(const DocModel &doc, const StoryPtr &story, std::pair<int, int> span)
{
    if (!story || span.first < 0)
        return nullptr;
    return RangeImpl::make(doc, story, story->paragraphStart(span.first),
                           story->paragraphStart(span.second + 1));
}

class CellImpl : public Cell
{
public:
    CellImpl(DocModel doc, TableModel table, CellModel cell)
        : m_doc(std::move(doc))
        , m_table(std::move(table))
        , m_cell(std::move(cell))
    {
    }
    RangePtr range() override
    {
        auto story = storyOf(m_doc, m_table.get());
        if (!story)
            return nullptr;
        const model::Cell *self = m_cell.get();
        return spanRange(m_doc, story, paragraphsWhere(*story, [self](const CellModel &c) {
                             return c.get() == self;
                         }));
    }
    float width() const override { return m_cell->width; }
    void setWidth(float points) override { m_cell->width = points; }
    float height() const override { return m_cell->height; }
    void setHeight(float points) override { m_cell->height = points; }
    int verticalAlignment() const override { return m_cell->verticalAlignment; }
    void setVerticalAlignment(int alignment) override { m_cell->verticalAlignment = alignment; }
    BordersPtr borders() override
    {
        auto cell = m_cell;
        return std::make_shared<BordersImpl>([cell] { return &cell->borders; });
    }

private:
    DocModel m_doc;
    TableModel m_table;
    CellModel m_cell;
};

class CellsImpl : public Cells
{
public:
    CellsImpl(DocModel doc, TableModel table, RowModel row)
        : m_doc(std::move(doc))
        , m_table(std::move(table))
        , m_row(std::move(row))
    {
    }
    long count() const override { return long(m_row->cells.size()); }
    CellPtr item(long index) override
    {
        if (index < 1 || index > count())
            return nullptr;
        return std::make_shared<CellImpl>(m_doc, m_table, m_row->cells[index - 1]);
    }

private:
    DocModel m_doc;
    TableModel m_table;
    RowModel m_row;
};

class RowImpl : public Row
{
public:
    RowImpl(DocModel doc, TableModel table, RowModel row)
        : m_doc(std::move(doc))
        , m_table(std::move(table))
        , m_row(std::move(row))
    {
    }
    CellsPtr cells() override { return std::make_shared<CellsImpl>(m_doc, m_table, m_row); }
    RangePtr range() override
    {
        auto story = storyOf(m_doc, m_table.get());
        const model::Row *self = m_row.get();
        return story
            ? spanRange(
                m_doc, story,
                paragraphsWhere(*story, [self](const CellModel &c) { return cellInRow(c, self); }))
            : nullptr;
    }
    void remove() override
    {
        auto &rows = m_table->rows;
        auto it = std::find(rows.begin(), rows.end(), m_row);
        if (it == rows.end())
            return;
        if (auto story = storyOf(m_doc, m_table.get())) {
            const model::Row *self = m_row.get();
            auto [first, last] = paragraphsWhere(
                *story, [self](const CellModel &c) { return cellInRow(c, self); });
            if (first >= 0)
                story->removeParagraphs(first, last - first + 1);
            rows.erase(it);
            if (rows.empty()) {
                auto &tables = story->tables;
                tables.erase(std::remove(tables.begin(), tables.end(), m_table), tables.end());
            }
        }
    }

private:
    DocModel m_doc;
    TableModel m_table;
    RowModel m_row;
};

class RowsImpl : public Rows
{
public:
    RowsImpl(DocModel doc, TableModel table)
        : m_doc(std::move(doc))
        , m_table(std::move(table))
    {
    }
    long count() const override { return long(m_table->rows.size()); }
    RowPtr item(long index) override
    {
        if (index < 1 || index > count())
            return nullptr;
        return std::make_shared<RowImpl>(m_doc, m_table, m_table->rows[index - 1]);
    }
    int alignment() const override { return m_table->rowsAlignment; }
    void setAlignment(int alignment) override { m_table->rowsAlignment = alignment; }

private:
    DocModel m_doc;
    TableModel m_table;
};

class TableImpl : public Table
{
public:
    TableImpl(DocModel doc, TableModel table)
        : m_doc(std::move(doc))
        , m_table(std::move(table))
    {
    }
    RowsPtr rows() override { return std::make_shared<RowsImpl>(m_doc, m_table); }
    CellPtr cell(long row, long column) override
    {
        if (row < 1 || row > long(m_table->rows.size()))
            return nullptr;
        const auto &cells = m_table->rows[row - 1]->cells;
        if (column < 1 || column > long(cells.size()))
            return nullptr;
        return std::make_shared<CellImpl>(m_doc, m_table, cells[column - 1]);
    }
    RangePtr range() override
    {
        auto story = storyOf(m_doc, m_table.get());
        const model::Table *self = m_table.get();
        return story
            ? spanRange(m_doc, story,
                        paragraphsWhere(
                            *story, [self](const CellModel &c) { return cellInTable(c, self); }))
            : nullptr;
    }
    BordersPtr borders() override
    {
        auto table = m_table;
        return std::make_shared<BordersImpl>([table] { return &table->borders; });
    }
    float topPadding() const override { return m_table->topPadding; }
    void setTopPadding(float points) override { m_table->topPadding = points; }
    float bottomPadding() const override { return m_table->bottomPadding; }
    void setBottomPadding(float points) override { m_table->bottomPadding = points; }
    float leftPadding() const override { return m_table->leftPadding; }
    void setLeftPadding(float points) override { m_table->leftPadding = points; }
    float rightPadding() const override { return m_table->rightPadding; }
    void setRightPadding(float points) override { m_table->rightPadding = points; }

private:
    DocModel m_doc;
    TableModel m_table;
};

// Width a new table spreads over: the text area of its section, or the
// inside of its text box.
float availableWidth(const model::Document &doc, const model::Story &story, long pos)
{
    if (story.kind == model::Story::Kind::Frame) {
        if (auto owner = story.frameOwner.lock()) {
            const float w = owner->width - owner->frame.marginLeft - owner->frame.marginRight;
            if (w > 0)
                return w;
        }
    }
    const auto all = doc.sections();
    const int index = std::clamp(sectionOfStoryPosition(doc, &story, pos), 0, int(all.size()) - 1);
    const model::PageSetup &ps = all[index]->pageSetup;
    const float w = ps.width - ps.left - ps.right;
    return w > 0 ? w : 415.0f;
}

class TablesImpl : public Tables
{
public:
    explicit TablesImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }

    // Body tables in document order.
    std::vector<TableModel> ordered() const
    {
        std::vector<TableModel> out;
        for (const auto &p : m_doc->body->paragraphs) {
            if (!p->cell)
                continue;
            auto row = p->cell->row.lock();
            auto table = row ? row->table.lock() : nullptr;
            if (table && (out.empty() || out.back() != table))
                out.push_back(table);
        }
        return out;
    }

    long count() const override { return long(ordered().size()); }

    TablePtr item(long index) override
    {
        const auto all = ordered();
        if (index < 1 || index > long(all.size()))
            return nullptr;
        return std::make_shared<TableImpl>(m_doc, all[index - 1]);
    }

    TablePtr add(const RangePtr &range, long rows, long columns, const Variant &,
                 const Variant &) override
    {
        auto r = std::dynamic_pointer_cast<RangeImpl>(range);
        if (!r || rows < 1 || columns < 1)
            return nullptr;
        const StoryPtr story = r->story();
        long ps = 0;
        const long pos = std::clamp(r->start(), 0L, story->length() - 1);
        int index = story->paragraphAt(pos, &ps);
        if (pos > ps)
            index = story->split(pos);
        const model::Paragraph &host = *story->paragraphs[index];

        auto table = std::make_shared<model::Table>();
        table->story = story.get();
        table->borders = singleBorders();
        table->borders[wdBorderHorizontal] = model::Border {wdLineStyleSingle, wdLineWidth050pt};
        table->borders[wdBorderVertical] = model::Border {wdLineStyleSingle, wdLineWidth050pt};
        const float width = availableWidth(*m_doc, *story, pos) / float(columns);
        std::vector<std::shared_ptr<model::Paragraph>> paras;
        for (long i = 0; i < rows; ++i) {
            auto row = std::make_shared<model::Row>();
            row->table = table;
            for (long j = 0; j < columns; ++j) {
                auto cell = std::make_shared<model::Cell>();
                cell->row = row;
                cell->width = width;
                cell->borders = singleBorders();
                row->cells.push_back(cell);
                auto p = std::make_shared<model::Paragraph>();
                p->format = host.format;
                p->markFormat = host.markFormat;
                p->cell = cell;
                paras.push_back(p);
            }
            table->rows.push_back(row);
        }
        story->tables.push_back(table);
        story->insertParagraphs(index, paras);
        return std::make_shared<TableImpl>(m_doc, table);
    }

private:
    DocModel m_doc;
};

} // namespace

TablesPtr makeTables(const DocModel &doc)
{
    return std::make_shared<TablesImpl>(doc);
}

} // namespace inprocess
