#include "lopagesetup.h"

#include "automation/constants.h"
#include "losectionmap.h"
#include "office.h"
#include "unoutil.h"

#include <QStringList>

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/style/PageStyleLayout.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/TextGridMode.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/xml/AttributeData.hpp>

#include <algorithm>
#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;

namespace libreoffice {

namespace {

sal_Int32 int32Of(const Reference<beans::XPropertySet> &style, const char *name)
{
    sal_Int32 value = 0;
    style->getPropertyValue(unoName(name)) >>= value;
    return value;
}

// The top or the bottom of the page: its margin, and the header or footer
// Writer puts inside it.
struct PageEdge
{
    const char *margin;
    // The header's or footer's properties: "HeaderIsOn", "HeaderHeight" ...
    const char *part;
    // Word's usual header or footer distance of a Chinese page.
    sal_Int32 defaultDistance;
    // The footer reaches below its distance (see footerEdge).
    bool footer;
};
constexpr PageEdge pageTop {"TopMargin", "Header", 1500, false};
constexpr PageEdge pageBottom {"BottomMargin", "Footer", 1750, true};

rtl::OUString partProperty(const PageEdge &edge, const char *name)
{
    return unoName(edge.part) + unoName(name);
}

sal_Int32 partInt32(const Reference<beans::XPropertySet> &style, const PageEdge &edge,
                    const char *name)
{
    sal_Int32 value = 0;
    style->getPropertyValue(partProperty(edge, name)) >>= value;
    return value;
}

bool partIsOn(const Reference<beans::XPropertySet> &style, const PageEdge &edge)
{
    bool value = false;
    style->getPropertyValue(partProperty(edge, "IsOn")) >>= value;
    return value;
}

// The distance from the page's edge to the body, as Word counts it.
sal_Int32 bodyDistance(const Reference<beans::XPropertySet> &style, const PageEdge &edge)
{
    const sal_Int32 margin = int32Of(style, edge.margin);
    return partIsOn(style, edge) ? margin + partInt32(style, edge, "Height") : margin;
}

// Writer shows an overflow mark where a footer's text needs more room than
// the footer has, and a 14 pt page number needs more than the half
// centimetre an official page leaves between its body and its footer
// distance. Word lets footer text run past the footer distance (its page
// numbers sit in frames of their own); here the footer reaches down to half
// the footer distance instead, its text still starting right below the body.
// The footer distance the object model set is noted with the page style, and
// holds while the footer's edge is the one placed for it.
const char kFooterNote[] = "qvxfooterdistance";

sal_Int32 footerEdge(sal_Int32 distance)
{
    return distance / 2;
}

sal_Int32 footerDistanceOf(const Reference<beans::XPropertySet> &style)
{
    const sal_Int32 edge = int32Of(style, "BottomMargin");
    Reference<container::XNameContainer> notes(
        style->getPropertyValue(unoName("UserDefinedAttributes")), uno::UNO_QUERY);
    xml::AttributeData note;
    if (notes.is() && notes->hasByName(unoName(kFooterNote))
        && (notes->getByName(unoName(kFooterNote)) >>= note)) {
        const QStringList values = toQString(note.Value).split(QLatin1Char(' '));
        if (values.size() == 2 && values.at(1).toInt() == edge)
            return values.at(0).toInt();
    }
    return edge;
}

// The header or footer distance: the footer's as noted.
sal_Int32 partDistance(const Reference<beans::XPropertySet> &style, const PageEdge &edge)
{
    return edge.footer ? footerDistanceOf(style) : int32Of(style, edge.margin);
}

// The header or footer between the body, `body` from the page's edge, and
// that edge, at `distance` from it (the footer reaching below that, see
// footerEdge).
void placePart(const Reference<beans::XPropertySet> &style, const PageEdge &edge,
               sal_Int32 distance, sal_Int32 body)
{
    style->setPropertyValue(unoName(edge.margin),
                            Any(edge.footer ? footerEdge(distance) : distance));
    // The office keeps the edge in twips: the part takes what it kept.
    const sal_Int32 kept = int32Of(style, edge.margin);
    style->setPropertyValue(partProperty(edge, "Height"), Any(sal_Int32(body - kept)));
    if (!edge.footer)
        return;
    Reference<container::XNameContainer> notes(
        style->getPropertyValue(unoName("UserDefinedAttributes")), uno::UNO_QUERY);
    if (!notes.is())
        return;
    xml::AttributeData note;
    note.Type = "CDATA";
    note.Value = toOUString(QStringLiteral("%1 %2").arg(distance).arg(kept));
    if (notes->hasByName(unoName(kFooterNote)))
        notes->replaceByName(unoName(kFooterNote), Any(note));
    else
        notes->insertByName(unoName(kFooterNote), Any(note));
    style->setPropertyValue(unoName("UserDefinedAttributes"), Any(notes));
}

sal_Int32 textWidth(const Reference<beans::XPropertySet> &style)
{
    return int32Of(style, "Width") - int32Of(style, "LeftMargin") - int32Of(style, "RightMargin");
}

sal_Int32 textHeight(const Reference<beans::XPropertySet> &style)
{
    return int32Of(style, "Height") - bodyDistance(style, pageTop)
        - bodyDistance(style, pageBottom);
}

} // namespace

LoPageSetup::LoPageSetup(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                         QString pageStyle)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_pageStyle(std::move(pageStyle))
{
}

// Every change of the page style lays out the whole document again unless
// its views are held still while a command sets it (Office::holdControllers).
Reference<beans::XPropertySet> LoPageSetup::style() const
{
    if (!m_office->isAlive())
        return nullptr;
    m_office->holdControllers(m_model);
    return SectionMap::pageStyle(m_model, m_pageStyle);
}

float LoPageSetup::length(const char *name) const
{
    return officeCall(*m_office, 0.0f, [&] {
        Reference<beans::XPropertySet> s = style();
        return s.is() ? toPoints(int32Of(s, name)) : 0.0f;
    });
}

void LoPageSetup::setLength(const char *name, float points)
{
    const float chars = charsLine();
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (s.is())
            s->setPropertyValue(unoName(name), Any(toHundredthMm(points)));
    });
    keepCharsLine(chars);
}

void LoPageSetup::ensurePart(const Reference<beans::XPropertySet> &style, bool header)
{
    const PageEdge &edge = header ? pageTop : pageBottom;
    if (partIsOn(style, edge))
        return;
    const sal_Int32 margin = int32Of(style, edge.margin);
    style->setPropertyValue(partProperty(edge, "IsOn"), Any(true));
    style->setPropertyValue(partProperty(edge, "IsDynamicHeight"), Any(false));
    style->setPropertyValue(partProperty(edge, "BodyDistance"), Any(sal_Int32(0)));
    placePart(style, edge, std::min(edge.defaultDistance, margin / 2), margin);
}

void LoPageSetup::ensureFooter(const Reference<beans::XPropertySet> &style)
{
    ensurePart(style, false);
}

void LoPageSetup::ensureHeader(const Reference<beans::XPropertySet> &style)
{
    ensurePart(style, true);
}

float LoPageSetup::margin(bool top) const
{
    return officeCall(*m_office, 0.0f, [&] {
        Reference<beans::XPropertySet> s = style();
        return s.is() ? toPoints(bodyDistance(s, top ? pageTop : pageBottom)) : 0.0f;
    });
}

// The header or footer distance stays unless the new margin leaves no room
// for the header or footer.
void LoPageSetup::setMargin(bool top, float points)
{
    const float chars = charsLine();
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return;
        const PageEdge &edge = top ? pageTop : pageBottom;
        const sal_Int32 wanted = toHundredthMm(points);
        if (!partIsOn(s, edge)) {
            s->setPropertyValue(unoName(edge.margin), Any(wanted));
            return;
        }
        sal_Int32 distance = partDistance(s, edge);
        if (wanted - distance < 100)
            distance = wanted / 2;
        placePart(s, edge, distance, wanted);
    });
    keepCharsLine(chars);
}

float LoPageSetup::topMargin() const
{
    return margin(true);
}

void LoPageSetup::setTopMargin(float points)
{
    setMargin(true, points);
}

float LoPageSetup::bottomMargin() const
{
    return margin(false);
}

void LoPageSetup::setBottomMargin(float points)
{
    setMargin(false, points);
}

float LoPageSetup::leftMargin() const
{
    return length("LeftMargin");
}

void LoPageSetup::setLeftMargin(float points)
{
    setLength("LeftMargin", points);
}

float LoPageSetup::rightMargin() const
{
    return length("RightMargin");
}

void LoPageSetup::setRightMargin(float points)
{
    setLength("RightMargin", points);
}

float LoPageSetup::pageWidth() const
{
    return length("Width");
}

void LoPageSetup::setPageWidth(float points)
{
    setLength("Width", points);
}

float LoPageSetup::pageHeight() const
{
    return length("Height");
}

void LoPageSetup::setPageHeight(float points)
{
    setLength("Height", points);
}

float LoPageSetup::footerDistance() const
{
    return officeCall(*m_office, 0.0f, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return 0.0f;
        if (boolOf(s, "FooterIsOn"))
            return toPoints(footerDistanceOf(s));
        return toPoints(std::min(pageBottom.defaultDistance, int32Of(s, "BottomMargin") / 2));
    });
}

void LoPageSetup::setFooterDistance(float points)
{
    const float chars = charsLine();
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return;
        ensureFooter(s);
        const sal_Int32 total = bodyDistance(s, pageBottom);
        placePart(s, pageBottom, std::min(toHundredthMm(points), total - 100), total);
    });
    keepCharsLine(chars);
}

int LoPageSetup::orientation() const
{
    return officeCall(*m_office, int(automation::wdOrientPortrait), [&] {
        Reference<beans::XPropertySet> s = style();
        return s.is() && boolOf(s, "IsLandscape") ? automation::wdOrientLandscape
                                                  : automation::wdOrientPortrait;
    });
}

void LoPageSetup::setOrientation(int orientation)
{
    const float chars = charsLine();
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return;
        // Turning the page swaps width and height when they do not fit the
        // new orientation.
        const bool landscape = orientation == automation::wdOrientLandscape;
        const sal_Int32 width = int32Of(s, "Width");
        const sal_Int32 height = int32Of(s, "Height");
        s->setPropertyValue(unoName("IsLandscape"), Any(landscape));
        if ((landscape && width < height) || (!landscape && width > height)) {
            s->setPropertyValue(unoName("Width"), Any(height));
            s->setPropertyValue(unoName("Height"), Any(width));
        }
    });
    keepCharsLine(chars);
}

int LoPageSetup::mirrorMargins() const
{
    return officeCall(*m_office, int(automation::msoFalse), [&] {
        Reference<beans::XPropertySet> s = style();
        style::PageStyleLayout layout = style::PageStyleLayout_ALL;
        if (s.is())
            s->getPropertyValue(unoName("PageStyleLayout")) >>= layout;
        return layout == style::PageStyleLayout_MIRRORED ? automation::msoTrue
                                                         : automation::msoFalse;
    });
}

void LoPageSetup::setMirrorMargins(int value)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (s.is())
            s->setPropertyValue(
                unoName("PageStyleLayout"),
                Any(value ? style::PageStyleLayout_MIRRORED : style::PageStyleLayout_ALL));
    });
}

// Writer's character grid (LINES_AND_CHARS) gives a character as wide as
// the font as many cells as it needs: 16 pt characters on a 28 per line grid
// of 15.8 pt cells take two each and only 14 fit. The character grid is
// therefore a line grid whose characters are brought to the grid's pitch by
// kerning the body text (see applyCharacterPitch); GridSnapToChars on a line
// grid marks it as a character grid.
int LoPageSetup::layoutMode() const
{
    return officeCall(*m_office, int(automation::wdLayoutModeDefault), [&] {
        Reference<beans::XPropertySet> s = style();
        sal_Int16 mode = text::TextGridMode::NONE;
        if (s.is())
            s->getPropertyValue(unoName("GridMode")) >>= mode;
        if (mode == text::TextGridMode::LINES)
            return boolOf(s, "GridSnapToChars") ? automation::wdLayoutModeGrid
                                                : automation::wdLayoutModeLineGrid;
        if (mode == text::TextGridMode::LINES_AND_CHARS)
            return automation::wdLayoutModeGrid;
        return automation::wdLayoutModeDefault;
    });
}

void LoPageSetup::setLayoutMode(int mode)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return;
        const bool grid
            = mode == automation::wdLayoutModeGrid || mode == automation::wdLayoutModeLineGrid;
        s->setPropertyValue(unoName("GridMode"),
                            Any(grid ? text::TextGridMode::LINES : text::TextGridMode::NONE));
        s->setPropertyValue(unoName("GridSnapToChars"), Any(mode == automation::wdLayoutModeGrid));
        updateGrid(s);
    });
}

float LoPageSetup::linesPage() const
{
    return officeCall(*m_office, 0.0f, [&] {
        Reference<beans::XPropertySet> s = style();
        sal_Int16 lines = 0;
        if (s.is())
            s->getPropertyValue(unoName("GridLines")) >>= lines;
        return float(lines);
    });
}

void LoPageSetup::setLinesPage(float lines)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is() || lines < 1)
            return;
        s->setPropertyValue(unoName("GridLines"), Any(sal_Int16(std::lround(lines))));
        updateGrid(s);
    });
}

float LoPageSetup::charsLine() const
{
    return officeCall(*m_office, 0.0f, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return 0.0f;
        const sal_Int32 base = int32Of(s, "GridBaseWidth");
        if (base <= 0)
            return 0.0f;
        // The base width was rounded to 1/100 mm: a count within a
        // hundredth of a whole number is that number.
        const double chars = double(textWidth(s)) / base;
        const double whole = std::round(chars);
        return float(std::abs(chars - whole) < 0.05 ? whole : chars);
    });
}

void LoPageSetup::setCharsLine(float chars)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is() || chars < 1)
            return;
        s->setPropertyValue(unoName("GridBaseWidth"),
                            Any(sal_Int32(std::lround(textWidth(s) / double(chars)))));
        updateGrid(s);
    });
}

// Page size and margins change the body: the grid keeps its number of
// characters per line and of lines per page, as Word's does.
void LoPageSetup::keepCharsLine(float chars)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is() || chars < 1 || int32Of(s, "GridBaseWidth") <= 0)
            return;
        s->setPropertyValue(unoName("GridBaseWidth"),
                            Any(sal_Int32(std::lround(textWidth(s) / double(chars)))));
        updateGrid(s);
    });
}

// The line pitch fills the body with the asked number of lines, with no
// room for ruby text above them.
void LoPageSetup::updateGrid(const Reference<beans::XPropertySet> &s)
{
    sal_Int16 lines = 0;
    s->getPropertyValue(unoName("GridLines")) >>= lines;
    if (lines > 0) {
        s->setPropertyValue(unoName("GridRubyHeight"), Any(sal_Int32(0)));
        s->setPropertyValue(unoName("GridBaseHeight"), Any(sal_Int32(textHeight(s) / lines)));
    }
    s->setPropertyValue(unoName("StandardPageMode"), Any(true));
    // Word neither shows nor prints the grid.
    s->setPropertyValue(unoName("GridDisplay"), Any(false));
    s->setPropertyValue(unoName("GridPrint"), Any(false));
    applyCharacterPitch(m_office->document(m_model));
}

void LoPageSetup::applyCharacterPitch(DocumentState &document)
{
    const Reference<frame::XModel> &model = document.model;
    const std::vector<SectionPart> parts = SectionMap::sections(document);
    if (parts.empty())
        return;
    Reference<beans::XPropertySet> page = SectionMap::pageStyle(model, parts.front().pageStyle);
    Reference<style::XStyleFamiliesSupplier> supplier(model, uno::UNO_QUERY_THROW);
    Reference<container::XNameAccess> paragraphStyles(
        supplier->getStyleFamilies()->getByName(unoName("ParagraphStyles")), uno::UNO_QUERY_THROW);
    Reference<beans::XPropertySet> normal(paragraphStyles->getByName(unoName("Standard")),
                                          uno::UNO_QUERY_THROW);
    sal_Int16 kerning = 0;
    sal_Int16 mode = text::TextGridMode::NONE;
    if (page.is())
        page->getPropertyValue(unoName("GridMode")) >>= mode;
    const sal_Int32 base = page.is() ? int32Of(page, "GridBaseWidth") : 0;
    if (mode == text::TextGridMode::LINES && boolOf(page, "GridSnapToChars") && base > 0) {
        // Full-width characters are as wide as the font: the kerning is
        // what the pitch lacks, rounded down so that the last character
        // still fits the line.
        const double chars = std::round(double(textWidth(page)) / base);
        const double pitch = textWidth(page) / chars;
        float size = 0;
        normal->getPropertyValue(unoName("CharHeight")) >>= size;
        kerning = sal_Int16(std::floor(pitch - size * 2540.0 / 72.0));
    }
    normal->setPropertyValue(unoName("CharKerning"), Any(kerning));
}

int LoPageSetup::oddAndEvenPagesHeaderFooter() const
{
    return officeCall(*m_office, int(automation::msoFalse), [&] {
        Reference<beans::XPropertySet> s = style();
        return s.is() && boolOf(s, "FooterIsOn") && !boolOf(s, "FooterIsShared")
            ? automation::msoTrue
            : automation::msoFalse;
    });
}

void LoPageSetup::setOddAndEvenPagesHeaderFooter(int value)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return;
        ensureFooter(s);
        s->setPropertyValue(unoName("FooterIsShared"), Any(value == 0));
    });
}

int LoPageSetup::differentFirstPageHeaderFooter() const
{
    return officeCall(*m_office, int(automation::msoFalse), [&] {
        Reference<beans::XPropertySet> s = style();
        return s.is() && boolOf(s, "FooterIsOn") && !boolOf(s, "FirstIsShared")
            ? automation::msoTrue
            : automation::msoFalse;
    });
}

// A first page of its own starts with an empty header and footer, as in
// Word; Writer starts them as copies of the others (a page number on the
// first page of a letter, under its foot rule). A first-page text that is
// not such a copy is kept.
void LoPageSetup::setDifferentFirstPageHeaderFooter(int value)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> s = style();
        if (!s.is())
            return;
        ensureFooter(s);
        const bool wasShared = boolOf(s, "FirstIsShared");
        s->setPropertyValue(unoName("FirstIsShared"), Any(value == 0));
        if (value == 0 || !wasShared)
            return;
        for (const char *part : {"Footer", "Header"}) {
            const auto text = [&](const char *suffix) {
                return Reference<text::XText>(
                    s->getPropertyValue(unoName((QByteArray(part) + suffix).constData())),
                    uno::UNO_QUERY);
            };
            const Reference<text::XText> first = text("TextFirst");
            const Reference<text::XText> right = text("TextRight");
            if (first.is() && right.is() && first->getString() == right->getString())
                first->setString(rtl::OUString());
        }
    });
}

} // namespace libreoffice
