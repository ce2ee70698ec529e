#include "loshape.h"

#include "automation/constants.h"
#include "locompoundrule.h"
#include "lodrawing.h"
#include "loshapefill.h"
#include "loshapeline.h"
#include "loshapetextframe.h"
#include "lotextlock.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/text/HoriOrientation.hpp>
#include <com/sun/star/text/RelOrientation.hpp>
#include <com/sun/star/text/TextContentAnchorType.hpp>
#include <com/sun/star/text/VertOrientation.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextTable.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

struct Alignment
{
    float constant;
    sal_Int16 orient;
};

const Alignment horizontalAlignments[] = {
    {automation::wdShapeLeft, text::HoriOrientation::LEFT},
    {automation::wdShapeCenter, text::HoriOrientation::CENTER},
    {automation::wdShapeRight, text::HoriOrientation::RIGHT},
};
const Alignment verticalAlignments[] = {
    {automation::wdShapeTop, text::VertOrientation::TOP},
    {automation::wdShapeCenter, text::VertOrientation::CENTER},
    {automation::wdShapeBottom, text::VertOrientation::BOTTOM},
};

// Hides or shows every character of a text, its tables' cells included.
void hideText(const Reference<text::XText> &text, bool hidden)
{
    const Reference<container::XEnumeration> parts
        = Reference<container::XEnumerationAccess>(text, UNO_QUERY_THROW)->createEnumeration();
    while (parts->hasMoreElements()) {
        const Any part = parts->nextElement();
        const Reference<text::XTextTable> table(part, UNO_QUERY);
        if (!table.is()) {
            Reference<beans::XPropertySet>(part, UNO_QUERY_THROW)
                ->setPropertyValue(unoName("CharHidden"), Any(hidden));
            continue;
        }
        const uno::Sequence<rtl::OUString> cells = table->getCellNames();
        for (const rtl::OUString &cell : cells)
            hideText(Reference<text::XText>(table->getCellByName(cell), UNO_QUERY_THROW), hidden);
    }
}

} // namespace

LoShape::LoShape(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                 Reference<css::drawing::XShape> shape)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_object(std::make_shared<DrawnObject>())
    , m_isFrame(officeCall(*m_office, false,
                           [&] { return Reference<text::XTextFrame>(shape, UNO_QUERY).is(); }))
{
    m_object->shape = std::move(shape);
    officeCall(*m_office, [&] { m_object->properties.set(m_object->shape, UNO_QUERY); });
}

bool LoShape::isFrame() const
{
    return m_isFrame;
}

Reference<text::XTextFrame> LoShape::textBox() const
{
    return officeCall(*m_office, Reference<text::XTextFrame>(), [&] {
        if (isFrame())
            return Reference<text::XTextFrame>(m_object->shape, UNO_QUERY);
        Reference<text::XTextFrame> attached;
        bool hasTextBox = false;
        if (m_object->properties.is()
            && (m_object->properties->getPropertyValue(unoName("TextBox")) >>= hasTextBox)
            && hasTextBox)
            m_object->properties->getPropertyValue(unoName("TextBoxContent")) >>= attached;
        return attached;
    });
}

automation::Shape::Kind LoShape::kind() const
{
    // A frame of the office's own holds text as a text box does. A Word
    // file brings rectangles and text boxes back alike, as custom shapes
    // with a text box: an opened file's boxes are all text boxes.
    if (isFrame())
        return Kind::TextBox;
    const bool rectangle = officeCall(*m_office, false, [&] {
        return Reference<lang::XServiceInfo>(m_object->shape, UNO_QUERY_THROW)
            ->supportsService(unoName("com.sun.star.drawing.RectangleShape"));
    });
    if (rectangle)
        return Kind::Rectangle;
    return textBox().is() ? Kind::TextBox : Kind::Line;
}

// The office's own name of the object: drawing shapes may share a name, and
// it is saved with them. A frame refuses a name another frame has and keeps
// its own then.
QString LoShape::name() const
{
    return officeCall(*m_office, QString(), [&] {
        return toQString(Reference<container::XNamed>(m_object->shape, UNO_QUERY_THROW)->getName());
    });
}

void LoShape::setName(const QString &name)
{
    officeCall(*m_office, [&] {
        Reference<container::XNamed>(m_object->shape, UNO_QUERY_THROW)->setName(toOUString(name));
    });
}

void LoShape::remove()
{
    if (!m_office->isAlive())
        return;
    m_office->shapeWrappers().drop(m_object->shape);
    officeCall(*m_office, [&] {
        if (isFrame()) {
            const Reference<text::XTextContent> content(m_object->shape, UNO_QUERY_THROW);
            content->getAnchor()->getText()->removeTextContent(content);
        } else {
            drawing::drawPageOf(m_model)->remove(m_object->shape);
        }
    });
}

float LoShape::position(bool horizontal) const
{
    return officeCall(*m_office, 0.0f, [&] {
        sal_Int16 orient = 0;
        m_object->properties->getPropertyValue(unoName(horizontal ? "HoriOrient" : "VertOrient"))
            >>= orient;
        for (const Alignment &a : horizontal ? horizontalAlignments : verticalAlignments) {
            if (a.orient == orient)
                return a.constant;
        }
        sal_Int32 position = 0;
        m_object->properties->getPropertyValue(
            unoName(horizontal ? "HoriOrientPosition" : "VertOrientPosition"))
            >>= position;
        if (!horizontal) {
            if (lineRelative())
                position = -position;
            position += compoundrule::lineOffset(m_object->shape);
        }
        return toPoints(position);
    });
}

void LoShape::setPosition(bool horizontal, float value)
{
    officeCall(*m_office, [&] {
        const rtl::OUString orientName = unoName(horizontal ? "HoriOrient" : "VertOrient");
        for (const Alignment &a : horizontal ? horizontalAlignments : verticalAlignments) {
            if (a.constant == value) {
                m_object->properties->setPropertyValue(orientName, Any(a.orient));
                return;
            }
        }
        m_object->properties->setPropertyValue(orientName, Any(sal_Int16(0))); // NONE, in both
        const sal_Int32 offset = horizontal ? 0 : compoundrule::lineOffset(m_object->shape);
        sal_Int32 position = toHundredthMm(value) - offset;
        if (!horizontal && lineRelative())
            position = -position;
        m_object->properties->setPropertyValue(
            unoName(horizontal ? "HoriOrientPosition" : "VertOrientPosition"), Any(position));
        settleDrawing();
    });
}

// A drawing shape inserted into the text keeps where the office first laid
// it out (the corner of what it is placed relative to) until its position is
// set on the shape itself; orientation properties set later are kept, shown
// back and saved, but not laid out. Setting the position it already reports
// makes the layout take them. Text frames need nothing of the kind.
// Positions relative to the line of the anchor: the office counts them from
// the line's top upwards (a positive value lifts the object), the object
// model from the line's top downwards, as Word does.
bool LoShape::lineRelative() const
{
    sal_Int16 relation = 0;
    m_object->properties->getPropertyValue(unoName("VertOrientRelation")) >>= relation;
    return relation == text::RelOrientation::TEXT_LINE;
}

void LoShape::settleDrawing()
{
    if (!isFrame())
        m_object->shape->setPosition(m_object->shape->getPosition());
}

float LoShape::left() const
{
    return position(true);
}

void LoShape::setLeft(float value)
{
    setPosition(true, value);
}

float LoShape::top() const
{
    return position(false);
}

void LoShape::setTop(float value)
{
    setPosition(false, value);
}

float LoShape::extent(bool horizontal) const
{
    return officeCall(*m_office, 0.0f, [&] {
        // A rule is a line, whatever draws its strokes.
        if (!horizontal && compoundrule::isCompound(m_object->shape))
            return 0.0f;
        awt::Size size = m_object->shape->getSize();
        // A box whose height follows its text is as tall as the layout made
        // its text (lodrawing.h).
        if (!horizontal && !isFrame()) {
            m_office->releaseControllers();
            const sal_Int32 fitted = drawing::fitBoxToText(m_object->shape);
            if (fitted > 0)
                size.Height = fitted;
        }
        bool automatic = false;
        if (!horizontal && isFrame()
            && (m_object->properties->getPropertyValue(unoName("FrameIsAutomaticHeight"))
                >>= automatic)
            && automatic) {
            m_office->releaseControllers();
            awt::Size laid;
            if ((m_object->properties->getPropertyValue(unoName("LayoutSize")) >>= laid)
                && laid.Height > 0)
                size = laid;
        }
        return toPoints(horizontal ? size.Width : size.Height);
    });
}

void LoShape::setExtent(bool horizontal, float points)
{
    officeCall(*m_office, [&] {
        const sal_Int32 value = toHundredthMm(points);
        if (isFrame()) {
            m_object->properties->setPropertyValue(unoName(horizontal ? "Width" : "Height"),
                                                   Any(value));
            return;
        }
        if (!horizontal && compoundrule::isCompound(m_object->shape))
            return; // its height is its weight
        awt::Size size = m_object->shape->getSize();
        (horizontal ? size.Width : size.Height) = value;
        m_object->shape->setSize(size);
    });
}

float LoShape::width() const
{
    return extent(true);
}

void LoShape::setWidth(float points)
{
    setExtent(true, points);
}

float LoShape::height() const
{
    return extent(false);
}

void LoShape::setHeight(float points)
{
    setExtent(false, points);
}

// Drawing objects have a Visible property: hidden ones stay in the document
// and in the collection. The text frame attached to a box is an object of
// its own that the property does not reach (its text would still show and
// print): its text is hidden with the box, as hidden characters, which
// are neither shown, printed nor exported, and which a Word file keeps. The
// office's own text frames have no such property (no layer either): they
// stay shown and answer msoTrue.
int LoShape::visible() const
{
    if (!m_office->isAlive())
        return automation::msoFalse;
    return officeCall(*m_office, int(automation::msoTrue), [&] {
        bool shown = true;
        m_object->properties->getPropertyValue(unoName("Visible")) >>= shown;
        return shown ? automation::msoTrue : automation::msoFalse;
    });
}

void LoShape::setVisible(int triState)
{
    if (!m_office->isAlive())
        return;
    if (isFrame())
        return;
    officeCall(*m_office, [&] {
        m_object->properties->setPropertyValue(unoName("Visible"), Any(triState != 0));
        const Reference<text::XTextFrame> text = textBox();
        if (text.is()) {
            const LoTextLock lock(*m_office, m_model);
            hideText(text->getText(), triState == 0);
        }
    });
}

sal_Int16 LoShape::horizontalRelation(int relative)
{
    switch (relative) {
    case automation::wdRelativeHorizontalPositionPage:
        return text::RelOrientation::PAGE_FRAME;
    case automation::wdRelativeHorizontalPositionColumn:
        return text::RelOrientation::FRAME;
    case automation::wdRelativeHorizontalPositionCharacter:
        return text::RelOrientation::CHAR;
    default:
        return text::RelOrientation::PAGE_PRINT_AREA;
    }
}

sal_Int16 LoShape::verticalRelation(int relative)
{
    switch (relative) {
    case automation::wdRelativeVerticalPositionPage:
        return text::RelOrientation::PAGE_FRAME;
    case automation::wdRelativeVerticalPositionParagraph:
        return text::RelOrientation::FRAME;
    case automation::wdRelativeVerticalPositionLine:
        return text::RelOrientation::TEXT_LINE;
    default:
        return text::RelOrientation::PAGE_PRINT_AREA;
    }
}

int LoShape::relativeVerticalPosition() const
{
    return officeCall(*m_office, int(automation::wdRelativeVerticalPositionMargin), [&] {
        sal_Int16 relation = 0;
        m_object->properties->getPropertyValue(unoName("VertOrientRelation")) >>= relation;
        switch (relation) {
        case text::RelOrientation::PAGE_FRAME:
            return automation::wdRelativeVerticalPositionPage;
        case text::RelOrientation::FRAME:
        case text::RelOrientation::PRINT_AREA:
            return automation::wdRelativeVerticalPositionParagraph;
        case text::RelOrientation::TEXT_LINE:
            return automation::wdRelativeVerticalPositionLine;
        default:
            return automation::wdRelativeVerticalPositionMargin;
        }
    });
}

// A position relative to the line needs the object anchored at a character:
// a paragraph anchor only knows the paragraph. Objects made here are; one of
// an opened document may not be.
void LoShape::setRelativeVerticalPosition(int relative)
{
    officeCall(*m_office, [&] {
        text::TextContentAnchorType anchorType = text::TextContentAnchorType_AT_CHARACTER;
        m_object->properties->getPropertyValue(unoName("AnchorType")) >>= anchorType;
        if (relative == automation::wdRelativeVerticalPositionLine
            && anchorType != text::TextContentAnchorType_AT_CHARACTER) {
            m_object->properties->setPropertyValue(unoName("AnchorType"),
                                                   Any(text::TextContentAnchorType_AT_CHARACTER));
        }
        // The office measures from the line's top upwards, the object model
        // downwards: the position keeps its value across the change.
        const bool wasLine = lineRelative();
        m_object->properties->setPropertyValue(unoName("VertOrientRelation"),
                                               Any(verticalRelation(relative)));
        if (wasLine != lineRelative()) {
            sal_Int32 position = 0;
            m_object->properties->getPropertyValue(unoName("VertOrientPosition")) >>= position;
            m_object->properties->setPropertyValue(unoName("VertOrientPosition"), Any(-position));
        }
        settleDrawing();
    });
}

int LoShape::relativeHorizontalPosition() const
{
    return officeCall(*m_office, int(automation::wdRelativeHorizontalPositionMargin), [&] {
        sal_Int16 relation = 0;
        m_object->properties->getPropertyValue(unoName("HoriOrientRelation")) >>= relation;
        switch (relation) {
        case text::RelOrientation::PAGE_FRAME:
            return automation::wdRelativeHorizontalPositionPage;
        case text::RelOrientation::FRAME:
        case text::RelOrientation::PRINT_AREA:
            return automation::wdRelativeHorizontalPositionColumn;
        case text::RelOrientation::CHAR:
            return automation::wdRelativeHorizontalPositionCharacter;
        default:
            return automation::wdRelativeHorizontalPositionMargin;
        }
    });
}

void LoShape::setRelativeHorizontalPosition(int relative)
{
    officeCall(*m_office, [&] {
        m_object->properties->setPropertyValue(unoName("HoriOrientRelation"),
                                               Any(horizontalRelation(relative)));
        settleDrawing();
    });
}

automation::RangePtr LoShape::anchor()
{
    if (!m_office->isAlive())
        return nullptr;
    Reference<text::XText> story;
    const long offset = officeCall(*m_office, -1L, [&] {
        const Reference<text::XTextRange> at
            = Reference<text::XTextContent>(m_object->shape, UNO_QUERY_THROW)->getAnchor();
        story = at->getText();
        return textstory::offsetOf(story, at->getStart());
    });
    if (offset < 0 || !story.is())
        return nullptr;
    return drawing::rangeOf(m_office, m_model, story, offset, offset);
}

automation::FillFormatPtr LoShape::fill()
{
    return officeObject<LoShapeFill>(m_office, m_object->properties);
}

automation::LineFormatPtr LoShape::line()
{
    return officeObject<LoShapeLine>(m_office, m_model, m_object, isFrame());
}

automation::TextFramePtr LoShape::textFrame()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XTextFrame> frame = textBox();
    if (!frame.is())
        return nullptr;
    return std::make_shared<LoShapeTextFrame>(m_office, m_model, frame,
                                              isFrame() ? nullptr : m_object->shape);
}

} // namespace libreoffice
