#include "loparagraphformat.h"

#include "automation/constants.h"
#include "lotextlock.h"
#include "lowritebatch.h"
#include "office.h"
#include "unoutil.h"

#include <QMap>
#include <QStringList>

#include <com/sun/star/beans/PropertyAttribute.hpp>
#include <com/sun/star/beans/UnknownPropertyException.hpp>
#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XMultiPropertyStates.hpp>
#include <com/sun/star/container/NoSuchElementException.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/style/LineSpacing.hpp>
#include <com/sun/star/style/LineSpacingMode.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/xml/AttributeData.hpp>

#include <cmath>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// Name of the user-defined paragraph attribute holding the values set
// through the object model.
const char formatAttribute[] = "qvxformat";
const char *const sideKeys[] = {"fi", "li", "ri"};
const char *const charKeys[] = {"cfi", "cli", "cri"};
const float singleLinePoints = 12.0f;

sal_Int16 shortOf(const Any &value)
{
    sal_Int16 n = 0;
    if (value >>= n)
        return n;
    if (value.getValueTypeClass() == uno::TypeClass_ENUM)
        return sal_Int16(*static_cast<const sal_Int32 *>(value.getValue()));
    return 0;
}

sal_Int16 proportionOf(float points)
{
    return sal_Int16(std::lround(points / singleLinePoints * 100.0f));
}

// Whether a paragraph property is direct paragraph formatting that Reset
// removes: alignment, spacing above, below and between lines, indents, tabs,
// keep and widow rules, borders, shading, background, the grid snap. The
// paragraph's style, list membership and outline level stay, and so do page
// and section breaks: in Writer a page break is an attribute of the
// paragraph after it, and resetting it would take the user's break away.
bool isResetProperty(const beans::Property &property)
{
    if (property.Attributes & beans::PropertyAttribute::READONLY)
        return false;
    const QString name = toQString(property.Name);
    static const QStringList kept {"ParaStyleName",          "ParaConditionalStyleName",
                                   "ParaAutoStyleName",      "ParaChapterNumberingLevel",
                                   "ParaIsNumberingRestart", "ParaUserDefinedAttributes",
                                   "ParaInteropGrabBag"};
    if (kept.contains(name) || name.startsWith(QLatin1String("Char")))
        return false;
    return name.startsWith(QLatin1String("Para")) || name.startsWith(QLatin1String("Fill"))
        || name.endsWith(QLatin1String("Border")) || name.endsWith(QLatin1String("BorderDistance"))
        || name == QLatin1String("SnapToGrid");
}

// Back to the paragraph style: the direct paragraph properties go, and with
// them the object model's values kept in the paragraph's attribute. A
// paragraph has no call that resets many properties at once; a cursor over
// it has.
void resetDirectFormat(const Reference<beans::XPropertySet> &paragraph)
{
    const Reference<text::XTextRange> range(paragraph, UNO_QUERY_THROW);
    const Reference<beans::XPropertySet> cursor(range->getText()->createTextCursorByRange(range),
                                                UNO_QUERY_THROW);
    std::vector<rtl::OUString> names;
    for (const beans::Property &property : cursor->getPropertySetInfo()->getProperties()) {
        if (isResetProperty(property))
            names.push_back(property.Name);
    }
    Reference<beans::XMultiPropertyStates>(cursor, UNO_QUERY_THROW)
        ->setPropertiesToDefault(
            uno::Sequence<rtl::OUString>(names.data(), sal_Int32(names.size())));

    const rtl::OUString attributes("ParaUserDefinedAttributes");
    Reference<container::XNameContainer> container;
    paragraph->getPropertyValue(attributes) >>= container;
    const rtl::OUString ours = unoName(formatAttribute);
    if (container.is() && container->hasByName(ours)) {
        container->removeByName(ours);
        paragraph->setPropertyValue(attributes, Any(container));
    }
}

} // namespace

// One paragraph's format as the object model sees it, read from and written
// back to the office's properties.
struct LoParagraphState
{
    sal_Int16 adjust = 0;
    sal_Int16 lastAdjust = 0;
    style::LineSpacing spacing;
    float lineSpacing = singleLinePoints;
    float points[3] = {0, 0, 0};
    float chars[3] = {0, 0, 0};
    float fontSize = 12.0f;
    Reference<container::XNameContainer> attributes;
    bool stored = false; // the attribute exists already

    static LoParagraphState load(const Reference<beans::XPropertySet> &paragraph);
    void store(const Reference<beans::XPropertySet> &paragraph) const;
    // The paragraph properties of the state, the attribute left out.
    WriteBatch::Values values() const;
    // Writes the exact values into the attribute container (on the office's
    // side) and adds the container to the values.
    void storeAttribute(WriteBatch::Values &values);
    void setSpacingPoints(float points);
    // The office's length of an indent as the values set it.
    sal_Int32 officeIndent(int side) const;
    // One side's indents from the attribute, or from the office's length in
    // characters of the size given.
    void loadIndent(int side, const QMap<QString, float> &stored, sal_Int32 office,
                    const std::function<float()> &characterSize);
};

// The attribute holds while the office's length is the one last written with
// it. Otherwise the indent was set elsewhere: in the writer's window, or in a
// file (a .docx keeps no attribute of ours, and the office reads a Word
// character-unit indent as its length). Its characters are then the length
// in characters of the paragraph's text, to the hundredth.
void LoParagraphState::loadIndent(int side, const QMap<QString, float> &stored, sal_Int32 office,
                                  const std::function<float()> &characterSize)
{
    const QString key = QLatin1String(sideKeys[side]);
    const QString written = key + QLatin1Char('w');
    const float storedChars = stored.value(QLatin1String(charKeys[side]), 0.0f);
    // Attributes written before the length was kept with them: characters
    // always held, a point value while it matched.
    const bool holds = stored.contains(written) ? sal_Int32(stored.value(written)) == office
                                                : storedChars != 0.0f
            || (stored.contains(key) && toHundredthMm(stored.value(key)) == office);
    if (holds) {
        chars[side] = storedChars;
        points[side] = stored.contains(key) ? stored.value(key) : toPoints(office);
        return;
    }
    points[side] = toPoints(office);
    const float size = office != 0 ? characterSize() : 0.0f;
    chars[side] = size > 0 ? float(std::round(points[side] / size * 100.0f) / 100.0) : 0.0f;
}

sal_Int32 LoParagraphState::officeIndent(int side) const
{
    return toHundredthMm(chars[side] != 0.0f ? chars[side] * fontSize : points[side]);
}

LoParagraphState LoParagraphState::load(const Reference<beans::XPropertySet> &paragraph)
{
    const rtl::OUString names[]
        = {"CharHeight",     "ParaAdjust",      "ParaFirstLineIndent", "ParaLastLineAdjust",
           "ParaLeftMargin", "ParaLineSpacing", "ParaRightMargin",     "ParaUserDefinedAttributes"};
    const uno::Sequence<Any> values
        = Reference<beans::XMultiPropertySet>(paragraph, UNO_QUERY_THROW)
              ->getPropertyValues(uno::Sequence<rtl::OUString>(names, 8));
    LoParagraphState state;
    values[0] >>= state.fontSize;
    state.adjust = shortOf(values[1]);
    state.lastAdjust = shortOf(values[3]);
    values[5] >>= state.spacing;
    sal_Int32 indents[3] = {0, 0, 0};
    values[2] >>= indents[0];
    values[4] >>= indents[1];
    values[6] >>= indents[2];
    values[7] >>= state.attributes;

    QMap<QString, float> stored;
    const rtl::OUString attribute = unoName(formatAttribute);
    xml::AttributeData data;
    state.stored = false;
    // Asked whether it is there first: an absent one asked for directly
    // throws, and an exception across the bridge costs more than a question.
    if (state.attributes.is() && state.attributes->hasByName(attribute))
        state.stored = state.attributes->getByName(attribute) >>= data;
    if (state.stored) {
        for (const QString &item : toQString(data.Value).split(QLatin1Char(';'))) {
            const int eq = item.indexOf(QLatin1Char('='));
            if (eq > 0)
                stored.insert(item.left(eq), item.mid(eq + 1).toFloat());
        }
    }
    // A file's text often carries its size itself, over the paragraph's
    // own: the size of the first character, asked for once when needed.
    float size = 0.0f;
    const auto characterSize = [&] {
        if (size <= 0.0f) {
            const Reference<text::XTextRange> text(paragraph, UNO_QUERY);
            const Reference<beans::XPropertySet> start(
                text.is() ? text->getStart() : Reference<text::XTextRange>(), UNO_QUERY);
            if (!start.is() || !(start->getPropertyValue("CharHeight") >>= size))
                size = state.fontSize;
        }
        return size;
    };
    for (int side = 0; side < 3; ++side)
        state.loadIndent(side, stored, indents[side], characterSize);
    const bool proportional = state.spacing.Mode == style::LineSpacingMode::PROP;
    const float office = proportional ? state.spacing.Height * singleLinePoints / 100.0f
                                      : toPoints(state.spacing.Height);
    const QString ls = QStringLiteral("ls");
    const bool storedMatches = stored.contains(ls)
        && (proportional ? proportionOf(stored.value(ls)) == state.spacing.Height
                         : toHundredthMm(stored.value(ls)) == state.spacing.Height);
    state.lineSpacing = storedMatches ? stored.value(ls) : office;
    return state;
}

void LoParagraphState::setSpacingPoints(float value)
{
    lineSpacing = value;
    spacing.Height = spacing.Mode == style::LineSpacingMode::PROP ? proportionOf(value)
                                                                  : sal_Int16(toHundredthMm(value));
}

WriteBatch::Values LoParagraphState::values() const
{
    WriteBatch::Values values;
    values[rtl::OUString("ParaAdjust")] = Any(adjust);
    values[rtl::OUString("ParaFirstLineIndent")] = Any(officeIndent(0));
    values[rtl::OUString("ParaLastLineAdjust")] = Any(lastAdjust);
    values[rtl::OUString("ParaLeftMargin")] = Any(officeIndent(1));
    values[rtl::OUString("ParaLineSpacing")] = Any(spacing);
    values[rtl::OUString("ParaRightMargin")] = Any(officeIndent(2));
    // An exact line spacing holds on a page with a line grid, as in Word:
    // Writer would otherwise stretch every line to the grid's pitch (a
    // 15.6 pt line to 29.8 pt, a 36 pt title line to two pitches).
    values[rtl::OUString("SnapToGrid")] = Any(spacing.Mode != style::LineSpacingMode::FIX);
    return values;
}

void LoParagraphState::storeAttribute(WriteBatch::Values &values)
{
    if (!attributes.is())
        return;
    QStringList items;
    for (int side = 0; side < 3; ++side) {
        items << QStringLiteral("%1=%2")
                     .arg(QLatin1String(sideKeys[side]))
                     .arg(points[side], 0, 'g', 9);
        items << QStringLiteral("%1=%2")
                     .arg(QLatin1String(charKeys[side]))
                     .arg(chars[side], 0, 'g', 9);
        items
            << QStringLiteral("%1w=%2").arg(QLatin1String(sideKeys[side])).arg(officeIndent(side));
    }
    items << QStringLiteral("ls=%1").arg(lineSpacing, 0, 'g', 9);
    xml::AttributeData data;
    data.Type = "CDATA";
    data.Value = toOUString(items.join(QLatin1Char(';')));
    const rtl::OUString attribute = unoName(formatAttribute);
    if (stored) {
        attributes->replaceByName(attribute, Any(data));
    } else {
        attributes->insertByName(attribute, Any(data));
        stored = true;
    }
    values[rtl::OUString("ParaUserDefinedAttributes")] = Any(attributes);
}

void LoParagraphState::store(const Reference<beans::XPropertySet> &paragraph) const
{
    WriteBatch::Values all = values();
    LoParagraphState copy = *this;
    copy.storeAttribute(all);
    std::vector<rtl::OUString> names;
    std::vector<Any> anys;
    for (const auto &value : all) {
        names.push_back(value.first);
        anys.push_back(value.second);
    }
    Reference<beans::XMultiPropertySet>(paragraph, UNO_QUERY_THROW)
        ->setPropertyValues(uno::Sequence<rtl::OUString>(names.data(), sal_Int32(names.size())),
                            uno::Sequence<Any>(anys.data(), sal_Int32(anys.size())));
}

LoParagraphFormat::LoParagraphFormat(std::shared_ptr<Office> office, Source source,
                                     Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_source(std::move(source))
    , m_model(std::move(model))
{
}

LoParagraphFormat::LoParagraphFormat(std::shared_ptr<Office> office,
                                     const Reference<beans::XPropertySet> &paragraph)
    : m_office(std::move(office))
    , m_source([paragraph] { return std::vector<Reference<beans::XPropertySet>> {paragraph}; })
{
    officeCall(*m_office, [&] { m_paragraph.set(paragraph, UNO_QUERY); });
}

float LoParagraphFormat::read(const std::function<float(const LoParagraphState &)> &value) const
{
    // wdUndefined says the paragraphs differ; an office that cannot be asked
    // answers 0, as every other getter does then.
    const float undefined = float(automation::wdUndefined);
    return officeCall(*m_office, 0.0f, [&] {
        bool first = true;
        float result = undefined;
        for (const Reference<beans::XPropertySet> &paragraph : m_source()) {
            const float v = value(LoParagraphState::load(paragraph));
            if (first)
                result = v;
            else if (v != result)
                return undefined;
            first = false;
        }
        return result;
    });
}

void LoParagraphFormat::write(const std::function<void(LoParagraphState &)> &change)
{
    if (!m_office->isAlive())
        return;
    if (m_paragraph.is()) {
        // One paragraph: consecutive changes are held and sent together,
        // starting from the state read before the first of them.
        officeCallHolding(*m_office, [&] {
            // One state per held paragraph, whichever format object of it
            // writes: the batch keeps it with the held writes.
            std::shared_ptr<LoParagraphState> state = std::static_pointer_cast<LoParagraphState>(
                m_office->writeBatch().heldState(m_paragraph));
            if (!state) {
                m_office->writeBatch().send();
                state = std::make_shared<LoParagraphState>(LoParagraphState::load(
                    Reference<beans::XPropertySet>(m_paragraph, UNO_QUERY_THROW)));
            }
            change(*state);
            // The paragraph's own font writes are held with these (same
            // target): a new size held there sizes the character-unit
            // indents when they are sent.
            m_office->writeBatch().hold(
                m_paragraph, state->values(),
                [state](WriteBatch::Values &values) {
                    const auto size = values.find(rtl::OUString("CharHeight"));
                    if (size != values.end())
                        size->second >>= state->fontSize;
                    for (const auto &value : state->values())
                        values[value.first] = value.second;
                    state->storeAttribute(values);
                },
                state);
        });
        return;
    }
    officeCall(*m_office, [&] {
        const std::vector<Reference<beans::XPropertySet>> paragraphs = m_source();
        const LoTextLock lock(*m_office,
                              paragraphs.size() > 1 ? m_model : Reference<frame::XModel>());
        for (const Reference<beans::XPropertySet> &paragraph : paragraphs) {
            LoParagraphState state = LoParagraphState::load(paragraph);
            change(state);
            state.store(paragraph);
        }
    });
}

void LoParagraphFormat::resizeCharacterIndents(const Office &office,
                                               const Reference<frame::XModel> &model)
{
    const Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
    const Reference<container::XEnumeration> walk
        = Reference<container::XEnumerationAccess>(document->getText(), UNO_QUERY_THROW)
              ->createEnumeration();
    const LoTextLock lock(office, model);
    const rtl::OUString ours = unoName(formatAttribute);
    // Three calls a paragraph: only those with the object model's values
    // can have character-unit indents.
    while (walk->hasMoreElements()) {
        const Reference<beans::XPropertySet> paragraph(walk->nextElement(), UNO_QUERY);
        Reference<container::XNameContainer> attributes;
        try {
            paragraph->getPropertyValue("ParaUserDefinedAttributes") >>= attributes;
        } catch (const beans::UnknownPropertyException &) {
            continue; // a table: its cells keep their indents
        }
        if (!attributes.is() || !attributes->hasByName(ours))
            continue;
        const LoParagraphState state = LoParagraphState::load(paragraph);
        if (state.chars[0] != 0.0f || state.chars[1] != 0.0f || state.chars[2] != 0.0f)
            state.store(paragraph);
    }
}

// Held writes of the paragraph go out first (officeCall), so that the
// next write starts again from what the office then holds.
void LoParagraphFormat::reset()
{
    officeCall(*m_office, [&] {
        const std::vector<Reference<beans::XPropertySet>> paragraphs = m_source();
        const LoTextLock lock(*m_office,
                              paragraphs.size() > 1 ? m_model : Reference<frame::XModel>());
        for (const Reference<beans::XPropertySet> &paragraph : paragraphs)
            resetDirectFormat(paragraph);
    });
}

int LoParagraphFormat::alignment() const
{
    return int(read([](const LoParagraphState &s) {
        switch (s.adjust) {
        case style::ParagraphAdjust_CENTER:
            return float(automation::wdAlignParagraphCenter);
        case style::ParagraphAdjust_RIGHT:
            return float(automation::wdAlignParagraphRight);
        case style::ParagraphAdjust_BLOCK:
        case style::ParagraphAdjust_STRETCH:
            return float(s.lastAdjust == style::ParagraphAdjust_BLOCK
                             ? automation::wdAlignParagraphDistribute
                             : automation::wdAlignParagraphJustify);
        default:
            return float(automation::wdAlignParagraphLeft);
        }
    }));
}

void LoParagraphFormat::setAlignment(int alignment)
{
    // Word's distributed alignment is justified text whose last line is
    // justified as well.
    style::ParagraphAdjust adjust = style::ParagraphAdjust_LEFT;
    style::ParagraphAdjust last = style::ParagraphAdjust_LEFT;
    switch (alignment) {
    case automation::wdAlignParagraphCenter:
        adjust = style::ParagraphAdjust_CENTER;
        break;
    case automation::wdAlignParagraphRight:
        adjust = style::ParagraphAdjust_RIGHT;
        break;
    case automation::wdAlignParagraphJustify:
        adjust = style::ParagraphAdjust_BLOCK;
        break;
    case automation::wdAlignParagraphDistribute:
        adjust = last = style::ParagraphAdjust_BLOCK;
        break;
    default:
        break;
    }
    write([&](LoParagraphState &s) {
        s.adjust = sal_Int16(adjust);
        s.lastAdjust = sal_Int16(last);
    });
}

int LoParagraphFormat::lineSpacingRule() const
{
    return int(read([](const LoParagraphState &s) {
        switch (s.spacing.Mode) {
        case style::LineSpacingMode::FIX:
            return float(automation::wdLineSpaceExactly);
        case style::LineSpacingMode::MINIMUM:
        case style::LineSpacingMode::LEADING:
            return float(automation::wdLineSpaceAtLeast);
        default:
            break;
        }
        switch (s.spacing.Height) {
        case 100:
            return float(automation::wdLineSpaceSingle);
        case 150:
            return float(automation::wdLineSpace1pt5);
        case 200:
            return float(automation::wdLineSpaceDouble);
        default:
            return float(automation::wdLineSpaceMultiple);
        }
    }));
}

void LoParagraphFormat::setLineSpacingRule(int rule)
{
    write([rule](LoParagraphState &s) {
        const float points = s.lineSpacing;
        switch (rule) {
        case automation::wdLineSpaceSingle:
        case automation::wdLineSpace1pt5:
        case automation::wdLineSpaceDouble:
            s.spacing.Mode = style::LineSpacingMode::PROP;
            s.setSpacingPoints(singleLinePoints
                               * (rule == automation::wdLineSpaceSingle     ? 1.0f
                                      : rule == automation::wdLineSpace1pt5 ? 1.5f
                                                                            : 2.0f));
            break;
        case automation::wdLineSpaceAtLeast:
            s.spacing.Mode = style::LineSpacingMode::MINIMUM;
            s.setSpacingPoints(points);
            break;
        case automation::wdLineSpaceExactly:
            s.spacing.Mode = style::LineSpacingMode::FIX;
            s.setSpacingPoints(points);
            break;
        case automation::wdLineSpaceMultiple:
            s.spacing.Mode = style::LineSpacingMode::PROP;
            s.setSpacingPoints(points);
            break;
        default:
            break;
        }
    });
}

float LoParagraphFormat::lineSpacing() const
{
    return read([](const LoParagraphState &s) { return s.lineSpacing; });
}

void LoParagraphFormat::setLineSpacing(float points)
{
    write([points](LoParagraphState &s) { s.setSpacingPoints(points); });
}

float LoParagraphFormat::firstLineIndent() const
{
    return read([](const LoParagraphState &s) { return s.points[0]; });
}

void LoParagraphFormat::setFirstLineIndent(float points)
{
    write([points](LoParagraphState &s) { s.points[0] = points; });
}

float LoParagraphFormat::leftIndent() const
{
    return read([](const LoParagraphState &s) { return s.points[1]; });
}

void LoParagraphFormat::setLeftIndent(float points)
{
    write([points](LoParagraphState &s) { s.points[1] = points; });
}

float LoParagraphFormat::rightIndent() const
{
    return read([](const LoParagraphState &s) { return s.points[2]; });
}

void LoParagraphFormat::setRightIndent(float points)
{
    write([points](LoParagraphState &s) { s.points[2] = points; });
}

float LoParagraphFormat::characterUnitFirstLineIndent() const
{
    return read([](const LoParagraphState &s) { return s.chars[0]; });
}

void LoParagraphFormat::setCharacterUnitFirstLineIndent(float chars)
{
    write([chars](LoParagraphState &s) { s.chars[0] = chars; });
}

float LoParagraphFormat::characterUnitLeftIndent() const
{
    return read([](const LoParagraphState &s) { return s.chars[1]; });
}

void LoParagraphFormat::setCharacterUnitLeftIndent(float chars)
{
    write([chars](LoParagraphState &s) { s.chars[1] = chars; });
}

float LoParagraphFormat::characterUnitRightIndent() const
{
    return read([](const LoParagraphState &s) { return s.chars[2]; });
}

void LoParagraphFormat::setCharacterUnitRightIndent(float chars)
{
    write([chars](LoParagraphState &s) { s.chars[2] = chars; });
}

} // namespace libreoffice
