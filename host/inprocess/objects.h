#pragma once

#include "automation/automation.h"
#include "inprocessapplication.h"
#include "model.h"

#include <functional>

// The object model's interfaces implemented over the in-process document
// model. Every wrapper keeps the document model alive, so an object held past
// a document's close stays harmless.
namespace inprocess {

using DocModel = std::shared_ptr<model::Document>;
using StoryPtr = std::shared_ptr<model::Story>;

struct AppState
{
    std::vector<DocModel> documents;
    int active = -1;
    int nextDocumentNumber = 1;
    std::uint64_t windowId = 0;
    std::vector<PrintJob> printJobs;
    int printCalls = 0;
    int failPrintFrom = 0;
    std::vector<QuitCall> quitCalls;

    void closeDocument(const DocModel &doc);
};

// --- text

class FontImpl : public automation::Font
{
public:
    using Targets = std::function<std::vector<model::CharFormat *>()>;
    FontImpl(DocModel doc, Targets targets)
        : m_doc(std::move(doc))
        , m_targets(std::move(targets))
    {
    }

    QString name() const override;
    void setName(const QString &name) override;
    QString nameFarEast() const override;
    void setNameFarEast(const QString &name) override;
    QString nameAscii() const override;
    void setNameAscii(const QString &name) override;
    float size() const override;
    void setSize(float points) override;
    int bold() const override;
    void setBold(int value) override;
    int italic() const override;
    void setItalic(int value) override;
    int color() const override;
    void setColor(int bgr) override;
    int scaling() const override;
    void setScaling(int percent) override;

private:
    template<class Get> auto common(Get get, decltype(get(model::ResolvedFont())) undefined) const;
    template<class Set> void apply(Set set);

    DocModel m_doc;
    Targets m_targets;
};

// Shared implementation of the paragraph format members, for a range's
// ParagraphFormat and for a Paragraph.
template<class Base> class ParagraphFormatOps : public Base
{
public:
    void reset() override;
    int alignment() const override;
    void setAlignment(int alignment) override;
    int lineSpacingRule() const override;
    void setLineSpacingRule(int rule) override;
    float lineSpacing() const override;
    void setLineSpacing(float points) override;
    float firstLineIndent() const override;
    void setFirstLineIndent(float points) override;
    float leftIndent() const override;
    void setLeftIndent(float points) override;
    float rightIndent() const override;
    void setRightIndent(float points) override;
    float characterUnitFirstLineIndent() const override;
    void setCharacterUnitFirstLineIndent(float chars) override;
    float characterUnitLeftIndent() const override;
    void setCharacterUnitLeftIndent(float chars) override;
    float characterUnitRightIndent() const override;
    void setCharacterUnitRightIndent(float chars) override;

protected:
    virtual std::vector<model::ParaFormat *> formats() const = 0;
    virtual model::ParaFormat baseFormat() const = 0;

private:
    template<class T> T common(T model::ParaFormat::*member, T undefined) const;
    template<class T> void set(T model::ParaFormat::*member, T value);
};

class ParagraphFormatImpl : public ParagraphFormatOps<automation::ParagraphFormat>
{
public:
    using Targets = std::function<std::vector<model::ParaFormat *>()>;
    ParagraphFormatImpl(DocModel doc, Targets targets)
        : m_doc(std::move(doc))
        , m_targets(std::move(targets))
    {
    }

protected:
    std::vector<model::ParaFormat *> formats() const override { return m_targets(); }
    model::ParaFormat baseFormat() const override;

private:
    DocModel m_doc;
    Targets m_targets;
};

class RangeImpl : public automation::Range
{
public:
    RangeImpl(DocModel doc, StoryPtr story, std::shared_ptr<model::RangeState> state)
        : m_doc(std::move(doc))
        , m_story(std::move(story))
        , m_state(std::move(state))
    {
    }
    static automation::RangePtr make(const DocModel &doc, const StoryPtr &story, long start,
                                     long end);

    QString text() const override;
    void setText(const QString &text) override;
    long start() const override { return m_state->start; }
    long end() const override { return m_state->end; }
    void setRange(long start, long end) override;
    void select() override;
    void insertBefore(const QString &text) override;
    void insertAfter(const QString &text) override;
    automation::FontPtr font() override;
    automation::ParagraphFormatPtr paragraphFormat() override;
    automation::ParagraphsPtr paragraphs() override;
    automation::Variant information(int item) override;
    // The stand-in writer keeps no languages: its East Asian text is Chinese
    // (China), as the office's profile makes it.
    int languageIdFarEast() const override { return automation::wdSimplifiedChinese; }

    const StoryPtr &story() const { return m_story; }
    const DocModel &document() const { return m_doc; }

private:
    void normalize();

    DocModel m_doc;
    StoryPtr m_story;
    std::shared_ptr<model::RangeState> m_state;
};

class ParagraphsImpl : public automation::Paragraphs
{
public:
    // With a range state: the paragraphs that range touches; without: all.
    ParagraphsImpl(DocModel doc, StoryPtr story, std::shared_ptr<model::RangeState> state)
        : m_doc(std::move(doc))
        , m_story(std::move(story))
        , m_state(std::move(state))
    {
    }
    long count() const override;
    automation::ParagraphPtr item(long index) override;

private:
    std::pair<int, int> span() const;

    DocModel m_doc;
    StoryPtr m_story;
    std::shared_ptr<model::RangeState> m_state;
};

class ParagraphImpl : public ParagraphFormatOps<automation::Paragraph>
{
public:
    ParagraphImpl(DocModel doc, StoryPtr story, std::weak_ptr<model::Paragraph> paragraph)
        : m_doc(std::move(doc))
        , m_story(std::move(story))
        , m_paragraph(std::move(paragraph))
    {
    }
    automation::RangePtr range() override;
    automation::ParagraphFormatPtr format() override;

protected:
    std::vector<model::ParaFormat *> formats() const override;
    model::ParaFormat baseFormat() const override;

private:
    DocModel m_doc;
    StoryPtr m_story;
    std::weak_ptr<model::Paragraph> m_paragraph;
};

class SelectionImpl : public automation::Selection
{
public:
    explicit SelectionImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }
    automation::RangePtr range() override;
    long start() const override { return m_doc->selection->start; }
    long end() const override { return m_doc->selection->end; }
    automation::FontPtr font() override;
    automation::ParagraphFormatPtr paragraphFormat() override;
    automation::PageSetupPtr pageSetup() override;
    automation::Variant information(int item) override;

private:
    std::shared_ptr<RangeImpl> live() const;
    DocModel m_doc;
};

class BordersImpl : public automation::Borders
{
public:
    using Target = std::function<model::BorderSet *()>;
    explicit BordersImpl(Target target)
        : m_target(std::move(target))
    {
    }
    automation::BorderPtr item(int index) override;

private:
    Target m_target;
};

// --- shapes, tables, sections, document: constructors used across files

using ShapeListResolver = std::function<model::ShapeList *()>;
using StoryResolver = std::function<StoryPtr()>;

automation::ShapesPtr makeShapes(const DocModel &doc, ShapeListResolver list,
                                 StoryResolver anchorStory);
automation::TablesPtr makeTables(const DocModel &doc);
automation::SectionsPtr makeSections(const DocModel &doc);
automation::PageSetupPtr makePageSetup(const DocModel &doc,
                                       const std::shared_ptr<model::Section> &section);
automation::DocumentPtr makeDocument(const std::shared_ptr<AppState> &app, const DocModel &doc);
automation::DocumentsPtr makeDocuments(const std::shared_ptr<AppState> &app);

// Position inside a table: the cell of the paragraph holding pos, or null.
std::shared_ptr<model::Cell> cellAt(const model::Story &story, long pos);
// Index of the section that holds a position of any story of the document.
int sectionOfStoryPosition(const model::Document &doc, const model::Story *story, long pos);
// Text of a whole story without its last mark (what a box shows).
QString storyText(const model::Story &story);

} // namespace inprocess
