#pragma once

#include "forward.h"
#include "variant.h"

#include <QString>

namespace automation {

class ColorFormat : public Object
{
public:
    // 0xBBGGRR: 255 is red, 16777215 white.
    virtual int rgb() const = 0;
    virtual void setRgb(int bgr) = 0;
};

class FillFormat : public Object
{
public:
    virtual int visible() const = 0;
    virtual void setVisible(int triState) = 0;
    virtual ColorFormatPtr foreColor() = 0;
};

class LineFormat : public Object
{
public:
    virtual int visible() const = 0;
    virtual void setVisible(int triState) = 0;
    virtual float weight() const = 0;
    virtual void setWeight(float points) = 0;
    // msoLineSingle, msoLineThinThick, msoLineThickThin ...
    virtual int style() const = 0;
    virtual void setStyle(int style) = 0;
    // msoLineSolid, msoLineSquareDot ...
    virtual int dashStyle() const = 0;
    virtual void setDashStyle(int dash) = 0;
    virtual ColorFormatPtr foreColor() = 0;
};

// The text of a box: its own story, with its own offsets from 0.
class TextFrame : public Object
{
public:
    virtual RangePtr textRange() = 0;
    virtual int autoSize() const = 0;
    virtual void setAutoSize(int value) = 0;
    virtual float marginTop() const = 0;
    virtual void setMarginTop(float points) = 0;
    virtual float marginBottom() const = 0;
    virtual void setMarginBottom(float points) = 0;
    virtual float marginLeft() const = 0;
    virtual void setMarginLeft(float points) = 0;
    virtual float marginRight() const = 0;
    virtual void setMarginRight(float points) = 0;
    virtual int orientation() const = 0;
};

// A floating shape. Left and Top take points or one of the position constants
// (wdShapeCenter ...), measured from what the relative positions name. Names
// persist in the document and are compared whole and case-sensitively.
class Shape : public Object
{
public:
    enum class Kind { Rectangle, Line, TextBox };

    virtual Kind kind() const = 0;
    virtual QString name() const = 0;
    virtual void setName(const QString &name) = 0;
    // Deletes the shape from its document (Delete in the object model).
    virtual void remove() = 0;
    virtual float left() const = 0;
    virtual void setLeft(float value) = 0;
    virtual float top() const = 0;
    virtual void setTop(float value) = 0;
    virtual float width() const = 0;
    virtual void setWidth(float points) = 0;
    virtual float height() const = 0;
    virtual void setHeight(float points) = 0;
    virtual int visible() const = 0;
    virtual void setVisible(int triState) = 0;
    virtual int relativeVerticalPosition() const = 0;
    virtual void setRelativeVerticalPosition(int relative) = 0;
    virtual int relativeHorizontalPosition() const = 0;
    virtual void setRelativeHorizontalPosition(int relative) = 0;
    // The collapsed range at which the shape is anchored.
    virtual RangePtr anchor() = 0;
    virtual FillFormatPtr fill() = 0;
    virtual LineFormatPtr line() = 0;
    // Null for a line.
    virtual TextFramePtr textFrame() = 0;
};

// The floating shapes of the document body or of one footer. Items count from
// 1; deleting item i leaves items 1 .. i-1 where they were, so a walk from
// Count down to 1 may delete as it goes.
class Shapes : public Object
{
public:
    virtual long count() const = 0;
    virtual ShapePtr item(long index) = 0;
    // The anchor is a range, or missing / the integer 0 for "where the
    // insertion point is" (the start of the story for a footer).
    virtual ShapePtr addShape(int type, float left, float top, float width, float height,
                              const Variant &anchor = Variant())
        = 0;
    virtual ShapePtr addLine(float beginX, float beginY, float endX, float endY,
                             const Variant &anchor = Variant())
        = 0;
    virtual ShapePtr addTextbox(int orientation, float left, float top, float width, float height,
                                const Variant &anchor = Variant())
        = 0;
};

} // namespace automation
