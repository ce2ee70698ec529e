#pragma once

#include "automation/shapes.h"

#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <functional>
#include <memory>
#include <vector>

namespace libreoffice {

class Office;

// The floating objects anchored in one text (the body or a footer), in the
// draw page's order, which is the order they were added in. Rectangles and
// text boxes are drawing shapes with a text frame attached (as the office
// opens a Word file's boxes), lines are line shapes. A shape's name is its
// own name in the office, kept in the document: several shapes may share
// one, and a Word file brings every one back under it.
// In a header or footer a box is a text frame of the office's own: the
// office cannot be trusted to attach a frame to a shape there (it crashed
// doing so in the footer of a landscape page). Such a frame cannot be
// hidden, and refuses a name another frame has (it keeps its own then).
class LoShapes : public automation::Shapes
{
public:
    // story answers the text whose objects these are; for the body the
    // insertion point is the default anchor, elsewhere the story's start.
    LoShapes(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
             std::function<css::uno::Reference<css::text::XText>()> story, bool body);

    long count() const override;
    automation::ShapePtr item(long index) override;
    automation::ShapePtr addShape(int type, float left, float top, float width, float height,
                                  const automation::Variant &anchor) override;
    automation::ShapePtr addLine(float beginX, float beginY, float endX, float endY,
                                 const automation::Variant &anchor) override;
    automation::ShapePtr addTextbox(int orientation, float left, float top, float width,
                                    float height, const automation::Variant &anchor) override;

private:
    std::vector<css::uno::Reference<css::drawing::XShape>> members() const;
    // Where a new object goes: the start of the paragraph holding the anchor.
    css::uno::Reference<css::text::XTextRange> anchorAt(const automation::Variant &anchor) const;
    // Makes a shape at the anchor's place with the document's factory, as
    // one guarded step, and holds it with its document (shapewrappers.h);
    // null when there is no such place or making it failed.
    using Make = std::function<css::uno::Reference<css::drawing::XShape>(
        const css::uno::Reference<css::text::XTextRange> &at,
        const css::uno::Reference<css::lang::XMultiServiceFactory> &factory)>;
    automation::ShapePtr add(const automation::Variant &anchor, const Make &make);
    automation::ShapePtr addFrame(int orientation, float left, float top, float width, float height,
                                  const automation::Variant &anchor);
    automation::ShapePtr addBox(bool textBox, int orientation, float left, float top, float width,
                                float height, const automation::Variant &anchor);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    std::function<css::uno::Reference<css::text::XText>()> m_story;
    bool m_body;
};

} // namespace libreoffice
