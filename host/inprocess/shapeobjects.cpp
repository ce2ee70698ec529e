#include "objects.h"

#include <algorithm>

using namespace automation;

namespace inprocess {

namespace {

using ShapeModel = std::shared_ptr<model::Shape>;

class ColorFormatImpl : public ColorFormat
{
public:
    ColorFormatImpl(ShapeModel shape, int model::Shape::*member)
        : m_shape(std::move(shape))
        , m_member(member)
    {
    }
    int rgb() const override { return (*m_shape).*m_member; }
    void setRgb(int bgr) override { (*m_shape).*m_member = bgr; }

private:
    ShapeModel m_shape;
    int model::Shape::*m_member;
};

class FillFormatImpl : public FillFormat
{
public:
    explicit FillFormatImpl(ShapeModel shape)
        : m_shape(std::move(shape))
    {
    }
    int visible() const override { return m_shape->fillVisible; }
    void setVisible(int triState) override { m_shape->fillVisible = triState ? msoTrue : msoFalse; }
    ColorFormatPtr foreColor() override
    {
        return std::make_shared<ColorFormatImpl>(m_shape, &model::Shape::fillColor);
    }

private:
    ShapeModel m_shape;
};

class LineFormatImpl : public LineFormat
{
public:
    explicit LineFormatImpl(ShapeModel shape)
        : m_shape(std::move(shape))
    {
    }
    int visible() const override { return m_shape->lineVisible; }
    void setVisible(int triState) override { m_shape->lineVisible = triState ? msoTrue : msoFalse; }
    float weight() const override { return m_shape->lineWeight; }
    void setWeight(float points) override { m_shape->lineWeight = points; }
    int style() const override { return m_shape->lineStyle; }
    void setStyle(int style) override { m_shape->lineStyle = style; }
    int dashStyle() const override { return m_shape->lineDash; }
    void setDashStyle(int dash) override { m_shape->lineDash = dash; }
    ColorFormatPtr foreColor() override
    {
        return std::make_shared<ColorFormatImpl>(m_shape, &model::Shape::lineColor);
    }

private:
    ShapeModel m_shape;
};

class TextFrameImpl : public TextFrame
{
public:
    TextFrameImpl(DocModel doc, ShapeModel shape)
        : m_doc(std::move(doc))
        , m_shape(std::move(shape))
    {
    }
    RangePtr textRange() override
    {
        const StoryPtr &story = m_shape->frame.story;
        return RangeImpl::make(m_doc, story, 0, story->length());
    }
    int autoSize() const override { return m_shape->frame.autoSize; }
    void setAutoSize(int value) override { m_shape->frame.autoSize = value; }
    float marginTop() const override { return m_shape->frame.marginTop; }
    void setMarginTop(float points) override { m_shape->frame.marginTop = points; }
    float marginBottom() const override { return m_shape->frame.marginBottom; }
    void setMarginBottom(float points) override { m_shape->frame.marginBottom = points; }
    float marginLeft() const override { return m_shape->frame.marginLeft; }
    void setMarginLeft(float points) override { m_shape->frame.marginLeft = points; }
    float marginRight() const override { return m_shape->frame.marginRight; }
    void setMarginRight(float points) override { m_shape->frame.marginRight = points; }
    int orientation() const override { return m_shape->frame.orientation; }

private:
    DocModel m_doc;
    ShapeModel m_shape;
};

class ShapeImpl : public automation::Shape
{
public:
    ShapeImpl(DocModel doc, ShapeModel shape, ShapeListResolver list)
        : m_doc(std::move(doc))
        , m_shape(std::move(shape))
        , m_list(std::move(list))
    {
    }

    Kind kind() const override
    {
        switch (m_shape->kind) {
        case model::Shape::Kind::Line:
            return Kind::Line;
        case model::Shape::Kind::TextBox:
            return Kind::TextBox;
        default:
            return Kind::Rectangle;
        }
    }
    QString name() const override { return m_shape->name; }
    void setName(const QString &name) override { m_shape->name = name; }
    void remove() override
    {
        if (model::ShapeList *list = m_list()) {
            auto it = std::find(list->begin(), list->end(), m_shape);
            if (it != list->end())
                list->erase(it);
        }
        m_shape->deleted = true;
    }
    float left() const override { return m_shape->left; }
    void setLeft(float value) override { m_shape->left = value; }
    float top() const override { return m_shape->top; }
    void setTop(float value) override { m_shape->top = value; }
    float width() const override { return m_shape->width; }
    void setWidth(float points) override
    {
        m_shape->width = points;
        if (m_shape->kind == model::Shape::Kind::Line)
            m_shape->endX = m_shape->beginX + points;
    }
    float height() const override { return m_shape->height; }
    void setHeight(float points) override { m_shape->height = points; }
    int visible() const override { return m_shape->visible; }
    void setVisible(int triState) override { m_shape->visible = triState ? msoTrue : msoFalse; }
    int relativeVerticalPosition() const override { return m_shape->relativeVertical; }
    void setRelativeVerticalPosition(int relative) override
    {
        m_shape->relativeVertical = relative;
    }
    int relativeHorizontalPosition() const override { return m_shape->relativeHorizontal; }
    void setRelativeHorizontalPosition(int relative) override
    {
        m_shape->relativeHorizontal = relative;
    }
    RangePtr anchor() override
    {
        if (!m_shape->anchor || !m_shape->anchorStory)
            return nullptr;
        return std::make_shared<RangeImpl>(m_doc, m_shape->anchorStory, m_shape->anchor);
    }
    FillFormatPtr fill() override { return std::make_shared<FillFormatImpl>(m_shape); }
    LineFormatPtr line() override { return std::make_shared<LineFormatImpl>(m_shape); }
    TextFramePtr textFrame() override
    {
        if (!m_shape->frame.story)
            return nullptr;
        return std::make_shared<TextFrameImpl>(m_doc, m_shape);
    }

private:
    DocModel m_doc;
    ShapeModel m_shape;
    ShapeListResolver m_list;
};

class ShapesImpl : public Shapes
{
public:
    ShapesImpl(DocModel doc, ShapeListResolver list, StoryResolver anchorStory)
        : m_doc(std::move(doc))
        , m_list(std::move(list))
        , m_anchorStory(std::move(anchorStory))
    {
    }

    long count() const override
    {
        const model::ShapeList *list = m_list();
        return list ? long(list->size()) : 0;
    }

    ShapePtr item(long index) override
    {
        model::ShapeList *list = m_list();
        if (!list || index < 1 || index > long(list->size()))
            return nullptr;
        return std::make_shared<ShapeImpl>(m_doc, (*list)[index - 1], m_list);
    }

    ShapePtr addShape(int type, float left, float top, float width, float height,
                      const Variant &anchor) override
    {
        Q_UNUSED(type); // every kind of autoshape is kept as a rectangle
        auto shape = newShape(model::Shape::Kind::Rectangle, anchor);
        if (!shape)
            return nullptr;
        place(*shape, left, top, width, height);
        return add(shape);
    }

    ShapePtr addLine(float beginX, float beginY, float endX, float endY,
                     const Variant &anchor) override
    {
        auto shape = newShape(model::Shape::Kind::Line, anchor);
        if (!shape)
            return nullptr;
        place(*shape, std::min(beginX, endX), std::min(beginY, endY), std::abs(endX - beginX),
              std::abs(endY - beginY));
        shape->beginX = beginX;
        shape->beginY = beginY;
        shape->endX = endX;
        shape->endY = endY;
        shape->fillVisible = msoFalse;
        return add(shape);
    }

    ShapePtr addTextbox(int orientation, float left, float top, float width, float height,
                        const Variant &anchor) override
    {
        auto shape = newShape(model::Shape::Kind::TextBox, anchor);
        if (!shape)
            return nullptr;
        place(*shape, left, top, width, height);
        shape->frame.orientation = orientation;
        return add(shape);
    }

private:
    static void place(model::Shape &s, float left, float top, float width, float height)
    {
        s.left = left;
        s.top = top;
        s.width = width;
        s.height = height;
    }

    // A shape is anchored at the start of the paragraph holding the anchor
    // range; without one, at the paragraph of the insertion point when it is
    // in the story the shape belongs to, else at the start of that story.
    std::shared_ptr<model::Shape> newShape(model::Shape::Kind kind, const Variant &anchor)
    {
        if (!m_list())
            return nullptr;
        StoryPtr story = m_anchorStory();
        long pos = 0;
        if (auto range = std::dynamic_pointer_cast<RangeImpl>(anchor.toRange())) {
            story = range->story();
            pos = range->start();
        } else if (m_doc->selectionStory == story) {
            pos = m_doc->selection->start;
        }
        if (!story)
            return nullptr;
        long paragraphStart = 0;
        story->paragraphAt(pos, &paragraphStart);
        auto shape = std::make_shared<model::Shape>();
        shape->kind = kind;
        shape->anchorStory = story;
        shape->anchor = story->newRange(paragraphStart, paragraphStart);
        if (kind != model::Shape::Kind::Line) {
            shape->frame.story = m_doc->newStory(model::Story::Kind::Frame);
            shape->frame.story->frameOwner = shape;
        }
        return shape;
    }

    ShapePtr add(const std::shared_ptr<model::Shape> &shape)
    {
        m_list()->push_back(shape);
        return std::make_shared<ShapeImpl>(m_doc, shape, m_list);
    }

    DocModel m_doc;
    ShapeListResolver m_list;
    StoryResolver m_anchorStory;
};

} // namespace

ShapesPtr makeShapes(const DocModel &doc, ShapeListResolver list, StoryResolver anchorStory)
{
    return std::make_shared<ShapesImpl>(doc, std::move(list), std::move(anchorStory));
}

} // namespace inprocess
