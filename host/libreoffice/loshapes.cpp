#include "loshapes.h"

#include "automation/constants.h"
#include "automation/text.h"
#include "lodrawing.h"
#include "loshape.h"
#include "lotextlock.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/drawing/FillStyle.hpp>
#include <com/sun/star/drawing/LineStyle.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/table/BorderLineStyle.hpp>
#include <com/sun/star/text/HoriOrientation.hpp>
#include <com/sun/star/text/SizeType.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <com/sun/star/text/WrapTextMode.hpp>
#include <com/sun/star/text/WritingMode2.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextFrame.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

const float defaultLineWeight = 0.75f;
const sal_Int32 white = 0xffffff;

// New objects sit where Word puts them: offsets from the column and the
// paragraph, text flowing through. They are anchored at the first character
// of their paragraph, as Word files anchor them, so that a position
// relative to the line needs no new anchor (Writer would look for one where
// the layout last drew the object, which may be pages away).
// Word's inner margins of a new box, 7.2 pt at the sides and 3.6 pt above
// and below, and its text direction, on the text frame holding the text.
// `marginsTurn`: the frame turns its margins with its text, so turned text
// gets them turned.
void setTextFlow(const Reference<beans::XPropertySet> &text, int orientation, bool marginsTurn)
{
    const bool turned = marginsTurn
        && (orientation == automation::msoTextOrientationDownward
            || orientation == automation::msoTextOrientationUpward);
    const sal_Int32 side = toHundredthMm(turned ? 3.6f : 7.2f);
    const sal_Int32 end = toHundredthMm(turned ? 7.2f : 3.6f);
    text->setPropertyValue(unoName("LeftBorderDistance"), Any(side));
    text->setPropertyValue(unoName("RightBorderDistance"), Any(side));
    text->setPropertyValue(unoName("TopBorderDistance"), Any(end));
    text->setPropertyValue(unoName("BottomBorderDistance"), Any(end));
    if (orientation == automation::msoTextOrientationDownward)
        text->setPropertyValue(unoName("WritingMode"), Any(text::WritingMode2::TB_RL));
    else if (orientation == automation::msoTextOrientationUpward)
        text->setPropertyValue(unoName("WritingMode"), Any(text::WritingMode2::BT_LR));
}

void place(const Reference<beans::XPropertySet> &properties, float left, float top)
{
    properties->setPropertyValue(unoName("Surround"), Any(text::WrapTextMode_THROUGH));
    properties->setPropertyValue(unoName("HoriOrient"), Any(text::HoriOrientation::NONE));
    properties->setPropertyValue(
        unoName("HoriOrientRelation"),
        Any(LoShape::horizontalRelation(automation::wdRelativeHorizontalPositionColumn)));
    properties->setPropertyValue(unoName("HoriOrientPosition"), Any(toHundredthMm(left)));
    properties->setPropertyValue(unoName("VertOrient"), Any(text::VertOrientation::NONE));
    properties->setPropertyValue(
        unoName("VertOrientRelation"),
        Any(LoShape::verticalRelation(automation::wdRelativeVerticalPositionParagraph)));
    properties->setPropertyValue(unoName("VertOrientPosition"), Any(toHundredthMm(top)));
}

// A new drawing shape of the service, anchored at the character at `at`.
Reference<css::drawing::XShape>
insertDrawingShape(const Reference<lang::XMultiServiceFactory> &factory, const char *service,
                   const Reference<text::XTextRange> &at)
{
    const Reference<css::drawing::XShape> shape(factory->createInstance(unoName(service)),
                                                UNO_QUERY_THROW);
    Reference<beans::XPropertySet>(shape, UNO_QUERY_THROW)
        ->setPropertyValue(unoName("AnchorType"), Any(text::TextContentAnchorType_AT_CHARACTER));
    at->getText()->insertTextContent(at, Reference<text::XTextContent>(shape, UNO_QUERY_THROW),
                                     false);
    return shape;
}

} // namespace

LoShapes::LoShapes(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                   std::function<Reference<text::XText>()> story, bool body)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_story(std::move(story))
    , m_body(body)
{
}

std::vector<Reference<css::drawing::XShape>> LoShapes::members() const
{
    std::vector<Reference<css::drawing::XShape>> result;
    officeCall(*m_office, [&] {
        const Reference<text::XText> story = m_story();
        const Reference<css::drawing::XDrawPage> page = drawing::drawPageOf(m_model);
        if (!story.is() || !page.is())
            return;
        for (sal_Int32 i = 0, n = page->getCount(); i < n; ++i) {
            officeCall(*m_office, [&] {
                const Reference<css::drawing::XShape> shape(page->getByIndex(i), UNO_QUERY_THROW);
                const Reference<text::XTextContent> content(shape, UNO_QUERY_THROW);
                const Reference<text::XTextRange> at = content->getAnchor();
                if (at.is() && at->getText() == story)
                    result.push_back(shape);
                m_office->shapeWrappers().hold(m_model, shape);
            });
        }
    });
    return result;
}

long LoShapes::count() const
{
    return long(members().size());
}

automation::ShapePtr LoShapes::item(long index)
{
    const std::vector<Reference<css::drawing::XShape>> shapes = members();
    if (index < 1 || index > long(shapes.size()))
        return nullptr;
    return std::make_shared<LoShape>(m_office, m_model, shapes[size_t(index - 1)]);
}

Reference<text::XTextRange> LoShapes::anchorAt(const automation::Variant &anchor) const
{
    DocumentState &document = m_office->document(m_model);
    Reference<text::XText> story;
    long offset = 0;
    if (anchor.isRange() && anchor.toRange()) {
        const automation::RangePtr range = anchor.toRange();
        story = drawing::storyOf(document, range.get());
        offset = range->start();
    } else {
        story = m_story();
        Reference<text::XText> selected;
        long start = 0;
        long end = 0;
        if (m_body && document.selection.offsets(&selected, &start, &end) && selected == story)
            offset = start;
    }
    if (!story.is())
        return nullptr;
    return drawing::paragraphStartAt(document.stories, story, offset);
}

automation::ShapePtr LoShapes::add(const automation::Variant &anchor, const Make &make)
{
    const Reference<css::drawing::XShape> shape
        = officeCall(*m_office, Reference<css::drawing::XShape>(), [&] {
              const Reference<text::XTextRange> at = anchorAt(anchor);
              if (!at.is())
                  return Reference<css::drawing::XShape>();
              return make(at, Reference<lang::XMultiServiceFactory>(m_model, UNO_QUERY_THROW));
          });
    if (!shape.is())
        return nullptr;
    m_office->shapeWrappers().hold(m_model, shape);
    return std::make_shared<LoShape>(m_office, m_model, shape);
}

automation::ShapePtr LoShapes::addBox(bool textBox, int orientation, float left, float top,
                                      float width, float height, const automation::Variant &anchor)
{
    return add(
        anchor,
        [&](const Reference<text::XTextRange> &at,
            const Reference<lang::XMultiServiceFactory> &factory) {
            // Not with the views held: the first position set after a box made
            // so is lost (its text frame's position, kept from the time it was
            // held, is synchronised back onto the shape).
            // What the office makes of a Word file's boxes: a drawing shape that
            // draws the fill and outline and carries the name and visibility,
            // with a text frame attached for the text (which may hold tables).
            // A text box is a text shape, a rectangle a rectangle shape: so the
            // two kinds stay apart until the document is saved (a Word file
            // brings both back as custom shapes).
            const Reference<css::drawing::XShape> shape = insertDrawingShape(
                factory,
                textBox ? "com.sun.star.drawing.TextShape" : "com.sun.star.drawing.RectangleShape",
                at);
            const Reference<beans::XPropertySet> properties(shape, UNO_QUERY_THROW);
            shape->setSize(awt::Size(toHundredthMm(width), toHundredthMm(height)));
            properties->setPropertyValue(unoName("TextBox"), Any(true));
            // Word's new shapes: white fill, a black outline of 0.75 pt, inner
            // margins of 7.2 pt at the sides and 3.6 pt above and below.
            properties->setPropertyValue(unoName("FillStyle"), Any(css::drawing::FillStyle_SOLID));
            properties->setPropertyValue(unoName("FillColor"), Any(white));
            properties->setPropertyValue(unoName("LineStyle"), Any(css::drawing::LineStyle_SOLID));
            properties->setPropertyValue(unoName("LineWidth"),
                                         Any(toHundredthMm(defaultLineWeight)));
            properties->setPropertyValue(unoName("LineColor"), Any(sal_Int32(0)));
            // In front of the text, as Word puts new shapes.
            properties->setPropertyValue(unoName("Opaque"), Any(true));

            Reference<text::XTextFrame> frame;
            properties->getPropertyValue(unoName("TextBoxContent")) >>= frame;
            const Reference<beans::XPropertySet> text(frame, UNO_QUERY_THROW);
            text->setPropertyValue(unoName("FrameIsAutomaticHeight"), Any(false));
            // Word aligns a shape by its own edges; Writer would keep its wrap
            // spacing (0.2 cm for a frame) from what it is aligned to, and the
            // office aligns the frame with the shape.
            for (const char *spacing : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"}) {
                properties->setPropertyValue(unoName(spacing), Any(sal_Int32(0)));
                text->setPropertyValue(unoName(spacing), Any(sal_Int32(0)));
            }
            setTextFlow(text, orientation, false);
            place(properties, left, top);
            shape->setPosition(shape->getPosition()); // see LoShape::settleDrawing
            return shape;
        });
}

automation::ShapePtr LoShapes::addFrame(int orientation, float left, float top, float width,
                                        float height, const automation::Variant &anchor)
{
    return add(
        anchor,
        [&](const Reference<text::XTextRange> &at,
            const Reference<lang::XMultiServiceFactory> &factory) {
            const LoTextLock lock(*m_office, m_model);
            const Reference<text::XTextContent> frame(
                factory->createInstance(unoName("com.sun.star.text.TextFrame")), UNO_QUERY_THROW);
            const Reference<beans::XPropertySet> properties(frame, UNO_QUERY_THROW);
            // In a header or footer the frame is anchored at a character from the
            // start: changing the anchor of a frame there later (for a position
            // relative to the line) lets the office anchor it in the header or
            // footer of whichever page its layout position falls on.
            properties->setPropertyValue(unoName("AnchorType"),
                                         Any(text::TextContentAnchorType_AT_CHARACTER));
            at->getText()->insertTextContent(at, frame, false);

            properties->setPropertyValue(unoName("SizeType"), Any(text::SizeType::FIX));
            properties->setPropertyValue(unoName("FrameIsAutomaticHeight"), Any(false));
            properties->setPropertyValue(unoName("Width"), Any(toHundredthMm(width)));
            properties->setPropertyValue(unoName("Height"), Any(toHundredthMm(height)));
            place(properties, left, top);
            // Word's new shapes: white fill, a black outline of 0.75 pt, inner
            // margins of 7.2 pt at the sides and 3.6 pt above and below.
            properties->setPropertyValue(unoName("FillStyle"), Any(css::drawing::FillStyle_SOLID));
            properties->setPropertyValue(unoName("FillColor"), Any(white));
            table::BorderLine2 line;
            line.LineStyle = table::BorderLineStyle::SOLID;
            line.LineWidth = toHundredthMm(defaultLineWeight);
            for (const char *border : {"TopBorder", "BottomBorder", "LeftBorder", "RightBorder"})
                properties->setPropertyValue(unoName(border), Any(line));
            // Word aligns a shape by its own edges; Writer would keep its wrap
            // spacing (0.2 cm by default) from what it is aligned to.
            for (const char *spacing : {"LeftMargin", "RightMargin", "TopMargin", "BottomMargin"})
                properties->setPropertyValue(unoName(spacing), Any(sal_Int32(0)));
            // The office turns a frame's margins with its text, Word keeps them
            // on the shape's sides.
            setTextFlow(properties, orientation, true);
            return Reference<css::drawing::XShape>(frame, UNO_QUERY_THROW);
        });
}

automation::ShapePtr LoShapes::addShape(int type, float left, float top, float width, float height,
                                        const automation::Variant &anchor)
{
    Q_UNUSED(type); // every autoshape is a rectangle
    if (!m_body)
        return addFrame(automation::msoTextOrientationHorizontal, left, top, width, height, anchor);
    return addBox(false, automation::msoTextOrientationHorizontal, left, top, width, height,
                  anchor);
}

automation::ShapePtr LoShapes::addTextbox(int orientation, float left, float top, float width,
                                          float height, const automation::Variant &anchor)
{
    if (!m_body)
        return addFrame(orientation, left, top, width, height, anchor);
    return addBox(true, orientation, left, top, width, height, anchor);
}

automation::ShapePtr LoShapes::addLine(float beginX, float beginY, float endX, float endY,
                                       const automation::Variant &anchor)
{
    return add(anchor,
               [&](const Reference<text::XTextRange> &at,
                   const Reference<lang::XMultiServiceFactory> &factory) {
                   const LoTextLock lock(*m_office, m_model);
                   const Reference<css::drawing::XShape> shape
                       = insertDrawingShape(factory, "com.sun.star.drawing.LineShape", at);
                   const Reference<beans::XPropertySet> properties(shape, UNO_QUERY_THROW);
                   shape->setSize(awt::Size(toHundredthMm(std::abs(endX - beginX)),
                                            toHundredthMm(std::abs(endY - beginY))));
                   place(properties, std::min(beginX, endX), std::min(beginY, endY));
                   // Laid out where the properties say only once its position is set
                   // on the shape (see LoShape::settleDrawing).
                   shape->setPosition(shape->getPosition());
                   properties->setPropertyValue(unoName("LineStyle"),
                                                Any(css::drawing::LineStyle_SOLID));
                   properties->setPropertyValue(unoName("LineWidth"),
                                                Any(toHundredthMm(defaultLineWeight)));
                   properties->setPropertyValue(unoName("LineColor"), Any(sal_Int32(0)));
                   // In front of the text, as text frames are: a line behind the text
                   // would be hidden by any frame over it, even one without fill.
                   properties->setPropertyValue(unoName("Opaque"), Any(true));
                   return shape;
               });
}

} // namespace libreoffice
