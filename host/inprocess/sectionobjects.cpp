#include "objects.h"

#include <algorithm>

using namespace automation;

namespace inprocess {

namespace {

using SectionModel = std::shared_ptr<model::Section>;

int indexOf(const model::Document &doc, const SectionModel &section)
{
    const auto all = doc.sections();
    auto it = std::find(all.begin(), all.end(), section);
    return it == all.end() ? -1 : int(it - all.begin());
}

class PageSetupImpl : public PageSetup
{
public:
    explicit PageSetupImpl(SectionModel section)
        : m_section(std::move(section))
    {
    }

#define PAGE_FLOAT(getter, setter, member)                                                         \
    float getter() const override                                                                  \
    {                                                                                              \
        return m_section->pageSetup.member;                                                        \
    }                                                                                              \
    void setter(float points) override                                                             \
    {                                                                                              \
        m_section->pageSetup.member = points;                                                      \
    }
#define PAGE_INT(getter, setter, member)                                                           \
    int getter() const override                                                                    \
    {                                                                                              \
        return m_section->pageSetup.member;                                                        \
    }                                                                                              \
    void setter(int value) override                                                                \
    {                                                                                              \
        m_section->pageSetup.member = value;                                                       \
    }

    PAGE_FLOAT(topMargin, setTopMargin, top)
    PAGE_FLOAT(bottomMargin, setBottomMargin, bottom)
    PAGE_FLOAT(leftMargin, setLeftMargin, left)
    PAGE_FLOAT(rightMargin, setRightMargin, right)
    PAGE_FLOAT(pageWidth, setPageWidth, width)
    PAGE_FLOAT(pageHeight, setPageHeight, height)
    PAGE_FLOAT(footerDistance, setFooterDistance, footerDistance)
    PAGE_FLOAT(linesPage, setLinesPage, linesPage)
    PAGE_FLOAT(charsLine, setCharsLine, charsLine)
    PAGE_INT(mirrorMargins, setMirrorMargins, mirror)
    PAGE_INT(layoutMode, setLayoutMode, layoutMode)
    PAGE_INT(oddAndEvenPagesHeaderFooter, setOddAndEvenPagesHeaderFooter, oddEven)
    PAGE_INT(differentFirstPageHeaderFooter, setDifferentFirstPageHeaderFooter, differentFirst)

#undef PAGE_FLOAT
#undef PAGE_INT

    int orientation() const override
    {
        return m_section->pageSetup.orientation;
    }
    // Turning the page swaps width and height when they do not fit the new
    // orientation, as a writer does.
    void setOrientation(int orientation) override
    {
        model::PageSetup &ps = m_section->pageSetup;
        ps.orientation = orientation;
        const bool landscape = orientation == wdOrientLandscape;
        if ((landscape && ps.width < ps.height) || (!landscape && ps.width > ps.height))
            std::swap(ps.width, ps.height);
    }

private:
    SectionModel m_section;
};

class PageNumberImpl : public PageNumber
{
public:
    explicit PageNumberImpl(int alignment)
        : m_alignment(alignment)
    {
    }
    int alignment() const override { return m_alignment; }

private:
    int m_alignment;
};

// A header or footer of one section; while linked, everything it gives goes
// to the footer it shows, that of the nearest earlier unlinked section.
class HeaderFooterImpl : public HeaderFooter, public std::enable_shared_from_this<HeaderFooterImpl>
{
public:
    HeaderFooterImpl(DocModel doc, SectionModel section, int item, bool header)
        : m_doc(std::move(doc))
        , m_section(std::move(section))
        , m_item(item)
        , m_header(header)
    {
    }

    model::HeaderFooter &own() const
    {
        return (m_header ? m_section->headers : m_section->footers)[m_item];
    }

    model::HeaderFooter *shown() const
    {
        const int index = indexOf(*m_doc, m_section);
        return index < 0 ? &own() : m_doc->resolvedFooter(index, m_item, m_header);
    }

    RangePtr range() override
    {
        model::HeaderFooter *hf = shown();
        return hf ? RangeImpl::make(m_doc, hf->story, 0, hf->story->length()) : nullptr;
    }

    int linkToPrevious() const override { return own().linkToPrevious ? msoTrue : msoFalse; }

    void setLinkToPrevious(int value) override
    {
        const int index = indexOf(*m_doc, m_section);
        model::HeaderFooter &mine = own();
        if (index <= 0) {
            mine.linkToPrevious = false;
            return;
        }
        if (value) {
            mine.linkToPrevious = true;
            return;
        }
        if (!mine.linkToPrevious)
            return;
        // Unlinking keeps what the footer showed, as its own copy.
        model::HeaderFooter *from = m_doc->resolvedFooter(index, m_item, m_header);
        if (from && from != &mine) {
            mine.story = model::copyStory(*from->story, m_doc.get());
            mine.shapes.clear();
            for (const auto &s : from->shapes)
                mine.shapes.push_back(model::copyShape(*s, m_doc.get(), mine.story));
            mine.pageNumberAlignments = from->pageNumberAlignments;
        }
        mine.story->footerSection = m_section;
        mine.linkToPrevious = false;
    }

    PageNumbersPtr pageNumbers() override;

    ShapesPtr shapes() override
    {
        auto self = shared_from_this();
        return makeShapes(
            m_doc,
            [self]() -> model::ShapeList * {
                model::HeaderFooter *hf = self->shown();
                return hf ? &hf->shapes : nullptr;
            },
            [self]() -> StoryPtr {
                model::HeaderFooter *hf = self->shown();
                return hf ? hf->story : nullptr;
            });
    }

    int index() const override { return m_item; }

    const DocModel &doc() const { return m_doc; }
    const SectionModel &section() const { return m_section; }
    int item() const { return m_item; }

private:
    DocModel m_doc;
    SectionModel m_section;
    int m_item;
    bool m_header;
};

class PageNumbersImpl : public PageNumbers
{
public:
    explicit PageNumbersImpl(std::shared_ptr<HeaderFooterImpl> footer)
        : m_footer(std::move(footer))
    {
    }

    long count() const override
    {
        model::HeaderFooter *hf = m_footer->shown();
        return hf ? long(hf->pageNumberAlignments.size()) : 0;
    }

    // The number goes in as a page field; its paragraph is aligned to the side the alignment names,
    // "outside" being right on odd pages and left on even ones.
    PageNumberPtr add(const Variant &alignment, const Variant &firstPage) override
    {
        model::HeaderFooter *hf = m_footer->shown();
        if (!hf)
            return nullptr;
        const int align = alignment.isMissing() ? wdAlignPageNumberRight : int(alignment.toInt());
        const bool even = m_footer->item() == wdHeaderFooterEvenPages;
        int paragraphAlignment = wdAlignParagraphRight;
        switch (align) {
        case wdAlignPageNumberLeft:
            paragraphAlignment = wdAlignParagraphLeft;
            break;
        case wdAlignPageNumberCenter:
            paragraphAlignment = wdAlignParagraphCenter;
            break;
        case wdAlignPageNumberInside:
            paragraphAlignment = even ? wdAlignParagraphRight : wdAlignParagraphLeft;
            break;
        case wdAlignPageNumberOutside:
            paragraphAlignment = even ? wdAlignParagraphLeft : wdAlignParagraphRight;
            break;
        default:
            break;
        }
        // The number gets a paragraph of its own before the footer's text,
        // as a page-number frame would.
        model::Story &story = *hf->story;
        story.insertText(0, QString(QChar(model::kFieldChar)) + QLatin1Char('\n'));
        story.paragraphs.front()->chars.front().field
            = std::make_shared<model::Field>(model::Field {wdFieldPage});
        story.paragraphs.front()->format.alignment = paragraphAlignment;
        hf->pageNumberAlignments.push_back(align);
        m_footer->section()->showFirstPageNumber = firstPage.isMissing() || firstPage.toBool();
        return std::make_shared<PageNumberImpl>(align);
    }

    int restartNumberingAtSection() const override
    {
        return m_footer->section()->restartNumbering ? msoTrue : msoFalse;
    }
    void setRestartNumberingAtSection(int value) override
    {
        m_footer->section()->restartNumbering = value != 0;
    }
    long startingNumber() const override { return m_footer->section()->startingNumber; }
    void setStartingNumber(long number) override { m_footer->section()->startingNumber = number; }

private:
    std::shared_ptr<HeaderFooterImpl> m_footer;
};

PageNumbersPtr HeaderFooterImpl::pageNumbers()
{
    return std::make_shared<PageNumbersImpl>(shared_from_this());
}

class HeadersFootersImpl : public HeadersFooters
{
public:
    HeadersFootersImpl(DocModel doc, SectionModel section, bool header)
        : m_doc(std::move(doc))
        , m_section(std::move(section))
        , m_header(header)
    {
    }
    long count() const override { return 3; }
    HeaderFooterPtr item(int index) override
    {
        if (index < wdHeaderFooterPrimary || index > wdHeaderFooterEvenPages)
            return nullptr;
        return std::make_shared<HeaderFooterImpl>(m_doc, m_section, index, m_header);
    }

private:
    DocModel m_doc;
    SectionModel m_section;
    bool m_header;
};

class SectionImpl : public Section
{
public:
    SectionImpl(DocModel doc, SectionModel section)
        : m_doc(std::move(doc))
        , m_section(std::move(section))
    {
    }
    RangePtr range() override
    {
        const int i = indexOf(*m_doc, m_section);
        if (i < 0)
            return nullptr;
        auto [start, end] = m_doc->sectionSpan(i);
        return RangeImpl::make(m_doc, m_doc->body, start, end);
    }
    PageSetupPtr pageSetup() override { return makePageSetup(m_doc, m_section); }
    HeadersFootersPtr footers() override
    {
        return std::make_shared<HeadersFootersImpl>(m_doc, m_section, false);
    }
    HeadersFootersPtr headers() override
    {
        return std::make_shared<HeadersFootersImpl>(m_doc, m_section, true);
    }
    long index() const override { return indexOf(*m_doc, m_section) + 1; }

private:
    DocModel m_doc;
    SectionModel m_section;
};

// Copy of a section's layout for the part before a new break: same page
// setup, numbering and footers (own copies of their text and shapes).
SectionModel copySection(model::Document &doc, const SectionModel &from)
{
    auto section = std::make_shared<model::Section>(*from);
    for (auto *map : {&section->footers, &section->headers}) {
        for (auto &[item, hf] : *map) {
            Q_UNUSED(item);
            const model::HeaderFooter original = hf;
            hf.story = model::copyStory(*original.story, &doc);
            hf.story->footerSection = section;
            hf.shapes.clear();
            for (const auto &s : original.shapes)
                hf.shapes.push_back(model::copyShape(*s, &doc, hf.story));
        }
    }
    return section;
}

class SectionsImpl : public Sections
{
public:
    explicit SectionsImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }
    long count() const override { return long(m_doc->sections().size()); }
    SectionPtr item(long index) override
    {
        const auto all = m_doc->sections();
        if (index < 1 || index > long(all.size()))
            return nullptr;
        return std::make_shared<SectionImpl>(m_doc, all[index - 1]);
    }

    SectionPtr add(const Variant &range, const Variant &start) override
    {
        model::Story &body = *m_doc->body;
        long pos = body.length() - 1;
        if (auto r = std::dynamic_pointer_cast<RangeImpl>(range.toRange())) {
            if (r->story() != m_doc->body)
                return nullptr; // a section break belongs to the body
            pos = r->start();
        }
        const auto all = m_doc->sections();
        const SectionModel split = all[m_doc->sectionIndexAt(pos)];
        const int tail = body.split(pos);
        auto &head = body.paragraphs[tail - 1];
        // The part before the break keeps a copy of the layout; the section
        // object that was there continues after the break, linked to it.
        head->sectionBreak = copySection(*m_doc, split);
        for (auto *map : {&split->footers, &split->headers}) {
            for (auto &[item, hf] : *map) {
                Q_UNUSED(item);
                hf.linkToPrevious = true;
            }
        }
        split->startType = start.isMissing() ? wdSectionNewPage : int(start.toInt());
        return std::make_shared<SectionImpl>(m_doc, split);
    }

private:
    DocModel m_doc;
};

} // namespace

SectionsPtr makeSections(const DocModel &doc)
{
    return std::make_shared<SectionsImpl>(doc);
}

PageSetupPtr makePageSetup(const DocModel &doc, const std::shared_ptr<model::Section> &section)
{
    Q_UNUSED(doc);
    return std::make_shared<PageSetupImpl>(section);
}

} // namespace inprocess
