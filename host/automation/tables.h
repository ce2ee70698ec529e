#pragma once

#include "forward.h"
#include "variant.h"

namespace automation {

// Every cell holds at least one paragraph; the last mark of a cell is its end
// mark and cannot be removed by editing text.
class Cell : public Object
{
public:
    virtual RangePtr range() = 0;
    virtual float width() const = 0;
    virtual void setWidth(float points) = 0;
    virtual float height() const = 0;
    virtual void setHeight(float points) = 0;
    virtual int verticalAlignment() const = 0;
    virtual void setVerticalAlignment(int alignment) = 0;
    virtual BordersPtr borders() = 0;
};

class Cells : public Object
{
public:
    virtual long count() const = 0;
    virtual CellPtr item(long index) = 0;
};

class Row : public Object
{
public:
    virtual CellsPtr cells() = 0;
    virtual RangePtr range() = 0;
    // Deletes the row with its text; deleting the last row deletes the table.
    virtual void remove() = 0;
};

class Rows : public Object
{
public:
    virtual long count() const = 0;
    virtual RowPtr item(long index) = 0;
    virtual int alignment() const = 0;
    virtual void setAlignment(int alignment) = 0;
};

class Table : public Object
{
public:
    virtual RowsPtr rows() = 0;
    virtual CellPtr cell(long row, long column) = 0;
    virtual RangePtr range() = 0;
    virtual BordersPtr borders() = 0;
    virtual float topPadding() const = 0;
    virtual void setTopPadding(float points) = 0;
    virtual float bottomPadding() const = 0;
    virtual void setBottomPadding(float points) = 0;
    virtual float leftPadding() const = 0;
    virtual void setLeftPadding(float points) = 0;
    virtual float rightPadding() const = 0;
    virtual void setRightPadding(float points) = 0;
};

// The tables of the body, or of whatever story a range given to Add lies in.
class Tables : public Object
{
public:
    virtual long count() const = 0;
    virtual TablePtr item(long index) = 0;
    // Inserts an empty table before the paragraph holding range's start (the
    // paragraph is split there first when the range starts inside its text).
    // Cells take the format of that paragraph.
    virtual TablePtr add(const RangePtr &range, long rows, long columns,
                         const Variant &defaultTableBehavior = Variant(),
                         const Variant &autoFitBehavior = Variant())
        = 0;
};

} // namespace automation
