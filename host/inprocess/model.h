#pragma once

#include "automation/variant.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The in-process writer's document model. A document is a body story split
// into sections, plus footers and text boxes with stories of their own. A
// story is a flat list of paragraphs; table cells are runs of paragraphs that
// point at their cell. Formats live in the paragraph mark (paragraph format)
// and in every character (character format), so editing never has to split
// or merge runs.
namespace inprocess::model {

// A field stands in a story's text as this one character.
constexpr ushort kFieldChar = 0xFFFC;

struct Story;
struct Section;
struct Shape;
struct Cell;
struct Row;
struct Table;
struct Document;

// Character format; unset values fall back to the normal style.
struct CharFormat
{
    std::optional<QString> ascii, farEast;
    std::optional<float> size;
    std::optional<int> bold, italic, color, scaling;

    bool operator==(const CharFormat &o) const
    {
        return ascii == o.ascii && farEast == o.farEast && size == o.size && bold == o.bold
            && italic == o.italic && color == o.color && scaling == o.scaling;
    }
};

// The character format with every value resolved.
struct ResolvedFont
{
    QString ascii, farEast;
    float size = 10.5f;
    int bold = 0, italic = 0, color = 0, scaling = 100;
};

struct ParaFormat
{
    int alignment = 0;
    int rule = 0;
    float spacing = 12.0f;
    float firstIndent = 0, leftIndent = 0, rightIndent = 0;
    float cuFirst = 0, cuLeft = 0, cuRight = 0;
};

struct Field
{
    int type = 0;
};

struct Char
{
    CharFormat format;
    std::shared_ptr<Field> field;
};

struct Border
{
    int style = 0;
    int width = 4;
};

using BorderSet = std::map<int, Border>;

struct Paragraph
{
    QString text; // one QChar per character; a field stands as U+FFFC
    std::vector<Char> chars;
    CharFormat markFormat;
    ParaFormat format;
    std::shared_ptr<Cell> cell;
    // Set on the mark that ends a section (not on the last paragraph).
    std::shared_ptr<Section> sectionBreak;

    int length() const { return text.size() + 1; }
};

// A live position pair of a range or selection.
struct RangeState
{
    long start = 0, end = 0;
};

struct Cell
{
    float width = 0, height = 0;
    int verticalAlignment = 0;
    BorderSet borders;
    std::weak_ptr<Row> row;
};

struct Row
{
    std::vector<std::shared_ptr<Cell>> cells;
    std::weak_ptr<Table> table;
};

struct Table
{
    std::vector<std::shared_ptr<Row>> rows;
    BorderSet borders;
    float topPadding = 0, bottomPadding = 0, leftPadding = 5.4f, rightPadding = 5.4f;
    int rowsAlignment = 0;
    Story *story = nullptr;
};

struct Story
{
    enum class Kind { Body, Footer, Header, Frame };

    Kind kind = Kind::Body;
    Document *document = nullptr;
    std::vector<std::shared_ptr<Paragraph>> paragraphs;
    std::vector<std::weak_ptr<RangeState>> liveRanges;
    // Tables of this story (owned here; cells point back through rows).
    std::vector<std::shared_ptr<Table>> tables;
    // Owners, to answer page questions about positions in this story.
    std::weak_ptr<Shape> frameOwner;
    std::weak_ptr<Section> footerSection;

    Story(Kind k, Document *doc);

    long length() const;
    // Index of the paragraph holding position pos (clamped), and its start.
    int paragraphAt(long pos, long *paragraphStart = nullptr) const;
    long paragraphStart(int index) const;
    QString text(long start, long end) const;

    std::shared_ptr<RangeState> newRange(long start, long end);

    // Editing. Positions are clamped to the story. Insertion at the very end
    // (after the last mark) starts a new last paragraph; see Range. Returns
    // the position actually used.
    long insertText(long pos, const QString &text, long *inserted = nullptr);
    // Deletes [start, end) but keeps marks that cannot go (the last mark of
    // the story or of a cell, and a mark before or after a table).
    void deleteText(long start, long end);
    // Splits the paragraph holding pos at pos; the new mark gets the
    // paragraph's format. Returns the index of the paragraph after the split.
    int split(long pos);
    void insertParagraphs(int index, const std::vector<std::shared_ptr<Paragraph>> &paras);
    void removeParagraphs(int first, int count);

    // Paragraph indexes touched by [start, end).
    std::pair<int, int> paragraphSpan(long start, long end) const;

    void shiftRanges(long pos, long delta, bool moveAtPos);
    void collapseRanges(long start, long end);
    void invalidate() { m_offsetsValid = false; }

private:
    bool markDeletable(int index) const;
    // Calls move on every range still handed out, forgetting the others.
    void moveRanges(const std::function<void(RangeState &)> &move);
    void ensureOffsets() const;
    mutable std::vector<long> m_offsets;
    mutable bool m_offsetsValid = false;
};

struct FrameModel
{
    int autoSize = 0;
    float marginTop = 3.6f, marginBottom = 3.6f, marginLeft = 7.2f, marginRight = 7.2f;
    int orientation = 1;
    std::shared_ptr<Story> story;
};

struct Shape
{
    enum class Kind { Rectangle, Line, TextBox };

    Kind kind = Kind::Rectangle;
    QString name;
    float left = 0, top = 0, width = 0, height = 0;
    float beginX = 0, beginY = 0, endX = 0, endY = 0; // lines
    int visible = -1;
    int relativeVertical = 2, relativeHorizontal = 2;
    std::shared_ptr<Story> anchorStory;
    std::shared_ptr<RangeState> anchor;
    int fillVisible = -1, fillColor = 16777215;
    int lineVisible = -1, lineStyle = 1, lineDash = 1, lineColor = 0;
    float lineWeight = 0.75f;
    FrameModel frame; // no story for lines
    bool deleted = false;
};

using ShapeList = std::vector<std::shared_ptr<Shape>>;

struct HeaderFooter
{
    std::shared_ptr<Story> story;
    bool linkToPrevious = false;
    ShapeList shapes;
    std::vector<int> pageNumberAlignments;
};

struct PageSetup
{
    float top = 72, bottom = 72, left = 90, right = 90;
    float width = 595.2756f, height = 841.8898f;
    float headerDistance = 42.55f, footerDistance = 49.6f;
    int orientation = 0, mirror = 0, layoutMode = 0;
    float linesPage = 22, charsLine = 28;
    int oddEven = 0, differentFirst = 0;
};

struct Section
{
    PageSetup pageSetup;
    std::map<int, HeaderFooter> footers, headers;
    bool restartNumbering = false;
    long startingNumber = 1;
    bool showFirstPageNumber = true;
    int startType = 2;
};

struct Style
{
    QString name;
    CharFormat font;
    ParaFormat paragraph;
    BorderSet borders;
};

struct Property
{
    QString name;
    int type = 4;
    automation::Variant value;
};

// A named live span of the body.
struct Bookmark
{
    QString name;
    std::shared_ptr<RangeState> span;
};

struct Document
{
    QString name;
    std::shared_ptr<Story> body;
    std::shared_ptr<Section> lastSection;
    ShapeList shapes;
    std::map<int, Style> styles;
    std::vector<Property> properties;
    std::vector<Bookmark> bookmarks;
    // The selection: a story and a live range in it.
    std::shared_ptr<Story> selectionStory;
    std::shared_ptr<RangeState> selection;
    bool closed = false;
    // The file the document was saved as, and the document as it was then
    // (a dump): it counts as saved while it still dumps the same.
    QString path;
    QString savedDump;

    Document();

    // Sections in order; section i ends at the i-th break (the last at the end).
    std::vector<std::shared_ptr<Section>> sections() const;
    int sectionIndexAt(long bodyPos) const;
    // Body span [start, end) of section index (0-based).
    std::pair<long, long> sectionSpan(int index) const;
    // The footer actually shown for section index: follows LinkToPrevious.
    HeaderFooter *resolvedFooter(int sectionIndex, int item, bool header);

    ResolvedFont resolve(const CharFormat &f) const;
    // Physical page of a position in a story.
    int pageOf(const Story *story, long pos) const;
    // Page of a body position: 22 lines of 28 characters unless the section
    // sets another grid; each paragraph takes at least one line; a section
    // starts a new page.
    int bodyPageAt(long pos) const;
    // Page number as printed: runs on across sections unless one restarts.
    int displayedPageNumber(int physicalPage) const;
    // What a page-number field at pos shows.
    QString fieldResult(const Story *story, long pos) const;

    std::shared_ptr<Story> newStory(Story::Kind kind);
    // Removes what a story's text anchors: the floating shapes anchored in
    // it and, for a header or footer, its page numbers.
    void clearAnchoredObjects(const Story *story);
    void initSectionFooters(const std::shared_ptr<Section> &section);
};

// Deep copies used when a footer stops linking to the previous one.
std::shared_ptr<Story> copyStory(const Story &from, Document *doc);
std::shared_ptr<Shape> copyShape(const Shape &from, Document *doc,
                                 const std::shared_ptr<Story> &anchorStory);

} // namespace inprocess::model
