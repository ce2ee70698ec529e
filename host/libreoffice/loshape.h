#pragma once

#include "automation/shapes.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The office object a shape of the object model stands for. A rule restyled
// to two strokes is drawn by another object (locompoundrule.h): the shape and
// its line format share this, so both follow the change.
struct DrawnObject
{
    css::uno::Reference<css::drawing::XShape> shape;
    css::uno::Reference<css::beans::XPropertySet> properties;
};

// One floating object of the document: a drawing shape with a text frame
// attached (rectangles and text boxes; the frame holds the text, which may
// hold tables), a line shape, or a text frame of the office's own (a box of
// a header or footer, or of a document made elsewhere). Positions are the object's HoriOrient /
// VertOrient settings: a point value is an offset from what the relative
// position names, a position constant an alignment.
class LoShape : public automation::Shape
{
public:
    LoShape(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
            css::uno::Reference<css::drawing::XShape> shape);

    Kind kind() const override;
    QString name() const override;
    void setName(const QString &name) override;
    void remove() override;
    float left() const override;
    void setLeft(float value) override;
    float top() const override;
    void setTop(float value) override;
    float width() const override;
    void setWidth(float points) override;
    float height() const override;
    void setHeight(float points) override;
    int visible() const override;
    void setVisible(int triState) override;
    int relativeVerticalPosition() const override;
    void setRelativeVerticalPosition(int relative) override;
    int relativeHorizontalPosition() const override;
    void setRelativeHorizontalPosition(int relative) override;
    automation::RangePtr anchor() override;
    automation::FillFormatPtr fill() override;
    automation::LineFormatPtr line() override;
    automation::TextFramePtr textFrame() override;

    // The office's values for the object model's.
    static sal_Int16 horizontalRelation(int relative);
    static sal_Int16 verticalRelation(int relative);

private:
    bool isFrame() const;
    bool lineRelative() const;
    void settleDrawing();
    // The frame holding the shape's text: the shape itself when it is a text
    // frame, the attached frame of a drawing shape with a text box (what a
    // Word file's text boxes become when the office opens it), else null.
    css::uno::Reference<css::text::XTextFrame> textBox() const;
    float position(bool horizontal) const;
    void setPosition(bool horizontal, float value);
    float extent(bool horizontal) const;
    void setExtent(bool horizontal, float points);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    std::shared_ptr<DrawnObject> m_object;
    // Asked once while the shape is made: a query on a shape of an office
    // that has just died throws.
    bool m_isFrame = false;
};

} // namespace libreoffice
