#include "objects.h"

#include <algorithm>
#include <optional>

using namespace automation;

namespace inprocess {

// ---------------------------------------------------------------- Font

template<class Get>
auto FontImpl::common(Get get, decltype(get(model::ResolvedFont())) undefined) const
{
    using T = decltype(get(model::ResolvedFont()));
    const auto targets = m_targets();
    if (targets.empty())
        return undefined;
    const T first = get(m_doc->resolve(*targets.front()));
    for (size_t i = 1; i < targets.size(); ++i) {
        if (!(get(m_doc->resolve(*targets[i])) == first))
            return undefined;
    }
    return first;
}

template<class Set> void FontImpl::apply(Set set)
{
    for (model::CharFormat *f : m_targets())
        set(*f);
}

QString FontImpl::name() const
{
    return common([](const model::ResolvedFont &f) { return f.ascii; }, QString());
}

void FontImpl::setName(const QString &name)
{
    apply([&](model::CharFormat &f) {
        f.ascii = name;
        f.farEast = name;
    });
}

QString FontImpl::nameFarEast() const
{
    return common([](const model::ResolvedFont &f) { return f.farEast; }, QString());
}

void FontImpl::setNameFarEast(const QString &name)
{
    apply([&](model::CharFormat &f) { f.farEast = name; });
}

QString FontImpl::nameAscii() const
{
    return common([](const model::ResolvedFont &f) { return f.ascii; }, QString());
}

void FontImpl::setNameAscii(const QString &name)
{
    apply([&](model::CharFormat &f) { f.ascii = name; });
}

float FontImpl::size() const
{
    return common([](const model::ResolvedFont &f) { return f.size; }, float(wdUndefined));
}

void FontImpl::setSize(float points)
{
    apply([&](model::CharFormat &f) { f.size = points; });
}

int FontImpl::bold() const
{
    return common([](const model::ResolvedFont &f) { return f.bold ? msoTrue : msoFalse; },
                  wdUndefined);
}

void FontImpl::setBold(int value)
{
    apply([&](model::CharFormat &f) { f.bold = value != 0 ? 1 : 0; });
}

int FontImpl::italic() const
{
    return common([](const model::ResolvedFont &f) { return f.italic ? msoTrue : msoFalse; },
                  wdUndefined);
}

void FontImpl::setItalic(int value)
{
    apply([&](model::CharFormat &f) { f.italic = value != 0 ? 1 : 0; });
}

int FontImpl::color() const
{
    return common([](const model::ResolvedFont &f) { return f.color; }, wdUndefined);
}

void FontImpl::setColor(int bgr)
{
    apply([&](model::CharFormat &f) { f.color = bgr; });
}

int FontImpl::scaling() const
{
    return common([](const model::ResolvedFont &f) { return f.scaling; }, wdUndefined);
}

void FontImpl::setScaling(int percent)
{
    apply([&](model::CharFormat &f) { f.scaling = percent; });
}

// ---------------------------------------------------------------- ParagraphFormat

template<class Base>
template<class T>
T ParagraphFormatOps<Base>::common(T model::ParaFormat::*member, T undefined) const
{
    const auto all = formats();
    if (all.empty())
        return undefined;
    const T first = all.front()->*member;
    for (const model::ParaFormat *f : all) {
        if (!(f->*member == first))
            return undefined;
    }
    return first;
}

template<class Base>
template<class T>
void ParagraphFormatOps<Base>::set(T model::ParaFormat::*member, T value)
{
    for (model::ParaFormat *f : formats())
        f->*member = value;
}

template<class Base> void ParagraphFormatOps<Base>::reset()
{
    const model::ParaFormat base = baseFormat();
    for (model::ParaFormat *f : formats())
        *f = base;
}

template<class Base> int ParagraphFormatOps<Base>::alignment() const
{
    return common(&model::ParaFormat::alignment, wdUndefined);
}

template<class Base> void ParagraphFormatOps<Base>::setAlignment(int alignment)
{
    set(&model::ParaFormat::alignment, alignment);
}

template<class Base> int ParagraphFormatOps<Base>::lineSpacingRule() const
{
    return common(&model::ParaFormat::rule, wdUndefined);
}

// The fixed rules carry their own spacing value; the others keep the value
// last set, so switching single spacing to exact keeps its 12 pt.
template<class Base> void ParagraphFormatOps<Base>::setLineSpacingRule(int rule)
{
    for (model::ParaFormat *f : formats()) {
        f->rule = rule;
        if (rule == wdLineSpaceSingle)
            f->spacing = 12.0f;
        else if (rule == wdLineSpace1pt5)
            f->spacing = 18.0f;
        else if (rule == wdLineSpaceDouble)
            f->spacing = 24.0f;
    }
}

template<class Base> float ParagraphFormatOps<Base>::lineSpacing() const
{
    return common(&model::ParaFormat::spacing, float(wdUndefined));
}

template<class Base> void ParagraphFormatOps<Base>::setLineSpacing(float points)
{
    for (model::ParaFormat *f : formats()) {
        f->spacing = points;
        if (f->rule == wdLineSpaceSingle || f->rule == wdLineSpace1pt5
            || f->rule == wdLineSpaceDouble)
            f->rule = wdLineSpaceMultiple;
    }
}

#define PARAGRAPH_FLOAT(getter, setter, member)                                                    \
    template<class Base> float ParagraphFormatOps<Base>::getter() const                            \
    {                                                                                              \
        return common(&model::ParaFormat::member, float(wdUndefined));                             \
    }                                                                                              \
    template<class Base> void ParagraphFormatOps<Base>::setter(float value)                        \
    {                                                                                              \
        set(&model::ParaFormat::member, value);                                                    \
    }

PARAGRAPH_FLOAT(firstLineIndent, setFirstLineIndent, firstIndent)
PARAGRAPH_FLOAT(leftIndent, setLeftIndent, leftIndent)
PARAGRAPH_FLOAT(rightIndent, setRightIndent, rightIndent)
PARAGRAPH_FLOAT(characterUnitFirstLineIndent, setCharacterUnitFirstLineIndent, cuFirst)
PARAGRAPH_FLOAT(characterUnitLeftIndent, setCharacterUnitLeftIndent, cuLeft)
PARAGRAPH_FLOAT(characterUnitRightIndent, setCharacterUnitRightIndent, cuRight)

#undef PARAGRAPH_FLOAT

template class ParagraphFormatOps<automation::ParagraphFormat>;
template class ParagraphFormatOps<automation::Paragraph>;

model::ParaFormat ParagraphFormatImpl::baseFormat() const
{
    return m_doc->styles.at(wdStyleNormal).paragraph;
}

// ---------------------------------------------------------------- Range

namespace {

// Character formats of a story span. A span without text formats the marks
// it covers; a collapsed one formats the mark of its paragraph.
std::vector<model::CharFormat *> charTargets(model::Story &story, long start, long end)
{
    std::vector<model::CharFormat *> out;
    std::vector<model::CharFormat *> marks;
    auto [first, last] = story.paragraphSpan(start, end);
    long ps = story.paragraphStart(first);
    for (int i = first; i <= last; ++i) {
        model::Paragraph &p = *story.paragraphs[i];
        const long from = std::max(start, ps) - ps;
        const long to = std::min(end, ps + p.length()) - ps;
        for (long k = from; k < to; ++k) {
            if (k == p.text.size())
                marks.push_back(&p.markFormat);
            else
                out.push_back(&p.chars[k].format);
        }
        if (start == end)
            marks.push_back(&p.markFormat);
        ps += p.length();
    }
    return out.empty() ? marks : out;
}

std::vector<model::ParaFormat *> paraTargets(model::Story &story, long start, long end)
{
    std::vector<model::ParaFormat *> out;
    auto [first, last] = story.paragraphSpan(start, end);
    for (int i = first; i <= last; ++i)
        out.push_back(&story.paragraphs[i]->format);
    return out;
}

} // namespace

RangePtr RangeImpl::make(const DocModel &doc, const StoryPtr &story, long start, long end)
{
    return std::make_shared<RangeImpl>(doc, story, story->newRange(start, end));
}

void RangeImpl::normalize()
{
    const long total = m_story->length();
    m_state->start = std::clamp(m_state->start, 0L, total);
    m_state->end = std::clamp(m_state->end, m_state->start, total);
}

QString RangeImpl::text() const
{
    return m_story->text(m_state->start, m_state->end);
}

void RangeImpl::setText(const QString &text)
{
    normalize();
    const long start = m_state->start;
    // Replacing a whole story takes the shapes anchored in it along, as
    // selecting everything and typing over it does.
    if (start == 0 && m_state->end == m_story->length()
        && m_story->kind != model::Story::Kind::Frame)
        m_doc->clearAnchoredObjects(m_story.get());
    // The new text takes the format of the first character it replaces, as
    // typing over a selection does (an emptied paragraph would otherwise
    // give it the format of its mark).
    std::optional<model::CharFormat> replaced;
    if (m_state->end > start) {
        const auto targets = charTargets(*m_story, start, m_state->end);
        if (!targets.empty())
            replaced = *targets.front();
    }
    m_story->deleteText(start, m_state->end);
    long added = 0;
    const long at = m_story->insertText(start, text, &added);
    m_state->start = at;
    m_state->end = at + added;
    if (replaced && added > 0) {
        for (model::CharFormat *format : charTargets(*m_story, at, at + added))
            *format = *replaced;
    }
}

void RangeImpl::setRange(long start, long end)
{
    if (end < start)
        std::swap(start, end);
    m_state->start = start;
    m_state->end = end;
    normalize();
}

void RangeImpl::select()
{
    normalize();
    m_doc->selectionStory = m_story;
    m_doc->selection = m_story->newRange(m_state->start, m_state->end);
}

void RangeImpl::insertBefore(const QString &text)
{
    normalize();
    long added = 0;
    const long at = m_story->insertText(m_state->start, text, &added);
    m_state->start = at;
    m_state->end = std::max(m_state->end, at + added);
}

void RangeImpl::insertAfter(const QString &text)
{
    normalize();
    long added = 0;
    const long at = m_story->insertText(m_state->end, text, &added);
    m_state->start = std::min(m_state->start, at);
    m_state->end = std::max(m_state->end, at + added);
}

FontPtr RangeImpl::font()
{
    auto story = m_story;
    auto state = m_state;
    return std::make_shared<FontImpl>(
        m_doc, [story, state] { return charTargets(*story, state->start, state->end); });
}

ParagraphFormatPtr RangeImpl::paragraphFormat()
{
    auto story = m_story;
    auto state = m_state;
    return std::make_shared<ParagraphFormatImpl>(
        m_doc, [story, state] { return paraTargets(*story, state->start, state->end); });
}

ParagraphsPtr RangeImpl::paragraphs()
{
    return std::make_shared<ParagraphsImpl>(m_doc, m_story, m_state);
}

Variant RangeImpl::information(int item)
{
    normalize();
    if (item == wdWithInTable)
        return Variant(cellAt(*m_story, m_state->start) != nullptr);
    if (item == wdActiveEndPageNumber) {
        const long active = m_state->end > m_state->start ? m_state->end - 1 : m_state->end;
        return Variant(m_doc->pageOf(m_story.get(), active));
    }
    return Variant();
}

// ---------------------------------------------------------------- Paragraphs

std::pair<int, int> ParagraphsImpl::span() const
{
    if (!m_state)
        return {0, int(m_story->paragraphs.size()) - 1};
    return m_story->paragraphSpan(m_state->start, m_state->end);
}

long ParagraphsImpl::count() const
{
    auto [first, last] = span();
    return last - first + 1;
}

ParagraphPtr ParagraphsImpl::item(long index)
{
    auto [first, last] = span();
    if (index < 1 || first + index - 1 > last)
        return nullptr;
    return std::make_shared<ParagraphImpl>(m_doc, m_story, m_story->paragraphs[first + index - 1]);
}

// ---------------------------------------------------------------- Paragraph

RangePtr ParagraphImpl::range()
{
    auto p = m_paragraph.lock();
    if (!p)
        return nullptr;
    const auto &paras = m_story->paragraphs;
    auto it = std::find(paras.begin(), paras.end(), p);
    if (it == paras.end())
        return nullptr;
    const int index = int(it - paras.begin());
    const long start = m_story->paragraphStart(index);
    return RangeImpl::make(m_doc, m_story, start, start + p->length());
}

ParagraphFormatPtr ParagraphImpl::format()
{
    auto weak = m_paragraph;
    return std::make_shared<ParagraphFormatImpl>(m_doc, [weak] {
        std::vector<model::ParaFormat *> out;
        if (auto p = weak.lock())
            out.push_back(&p->format);
        return out;
    });
}

std::vector<model::ParaFormat *> ParagraphImpl::formats() const
{
    std::vector<model::ParaFormat *> out;
    if (auto p = m_paragraph.lock())
        out.push_back(&p->format);
    return out;
}

model::ParaFormat ParagraphImpl::baseFormat() const
{
    return m_doc->styles.at(wdStyleNormal).paragraph;
}

// ---------------------------------------------------------------- Selection

std::shared_ptr<RangeImpl> SelectionImpl::live() const
{
    return std::make_shared<RangeImpl>(m_doc, m_doc->selectionStory, m_doc->selection);
}

RangePtr SelectionImpl::range()
{
    return RangeImpl::make(m_doc, m_doc->selectionStory, m_doc->selection->start,
                           m_doc->selection->end);
}

FontPtr SelectionImpl::font()
{
    return live()->font();
}

ParagraphFormatPtr SelectionImpl::paragraphFormat()
{
    return live()->paragraphFormat();
}

PageSetupPtr SelectionImpl::pageSetup()
{
    const int index
        = sectionOfStoryPosition(*m_doc, m_doc->selectionStory.get(), m_doc->selection->start);
    const auto all = m_doc->sections();
    return makePageSetup(m_doc, all[std::clamp(index, 0, int(all.size()) - 1)]);
}

Variant SelectionImpl::information(int item)
{
    return live()->information(item);
}

// ---------------------------------------------------------------- Borders

namespace {

class BorderImpl : public automation::Border
{
public:
    BorderImpl(BordersImpl::Target target, int index)
        : m_target(std::move(target))
        , m_index(index)
    {
    }
    int lineStyle() const override { return entry().style; }
    void setLineStyle(int style) override { entry().style = style; }
    int lineWidth() const override { return entry().width; }
    void setLineWidth(int code) override { entry().width = code; }

private:
    model::Border &entry() const { return (*m_target())[m_index]; }
    BordersImpl::Target m_target;
    int m_index;
};

} // namespace

BorderPtr BordersImpl::item(int index)
{
    if (index > -1 || index < -6)
        return nullptr;
    return std::make_shared<BorderImpl>(m_target, index);
}

// ---------------------------------------------------------------- helpers

std::shared_ptr<model::Cell> cellAt(const model::Story &story, long pos)
{
    return story.paragraphs[story.paragraphAt(pos)]->cell;
}

int sectionOfStoryPosition(const model::Document &doc, const model::Story *story, long pos)
{
    if (!story || story->kind == model::Story::Kind::Body)
        return doc.sectionIndexAt(pos);
    if (story->kind == model::Story::Kind::Frame) {
        auto owner = story->frameOwner.lock();
        if (owner && owner->anchor)
            return sectionOfStoryPosition(doc, owner->anchorStory.get(), owner->anchor->start);
        return 0;
    }
    auto section = story->footerSection.lock();
    const auto all = doc.sections();
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i] == section)
            return int(i);
    }
    return 0;
}

QString storyText(const model::Story &story)
{
    QString t = story.text(0, story.length());
    t.chop(1);
    return t;
}

} // namespace inprocess
