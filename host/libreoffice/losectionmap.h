#pragma once

#include <QString>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include "automation/forward.h"

#include <vector>

// How the object model's sections are laid over a Writer document. A section
// is a run of body paragraphs under one page style: it starts at the first
// paragraph and at every paragraph (or table) that names a page style of its
// own (PageDescName), and its layout is that page style.
namespace libreoffice {

struct DocumentState;

struct SectionPart
{
    // The page style the section's pages use.
    QString pageStyle;
    // The section's first paragraph or table, which carries the page break.
    css::uno::Reference<css::beans::XPropertySet> first;
    // Word offsets in the body, each paragraph mark counting one.
    long start = 0;
    long end = 0;
};

class SectionMap
{
public:
    // The sections in order; start and end only when asked (reading every
    // paragraph's text costs a bridge call each).
    // Kept while the body's edit count stays the same, until the event loop
    // runs again (SectionNotes::knownSections).
    static std::vector<SectionPart> sections(DocumentState &document, bool withOffsets = false);
    // Copies the footers and headers of linked sections from the sections
    // they show, so that the pages show what the object model says. Called
    // before the document is printed or sections are handed out.
    static void syncLinked(DocumentState &document);
    static css::uno::Reference<css::beans::XPropertySet>
    pageStyle(const css::uno::Reference<css::frame::XModel> &model, const QString &name);

    // Replaces the text of one story by that of another: paragraphs with
    // their alignment, plain text and page-number fields.
    static void copyStory(const css::uno::Reference<css::frame::XModel> &model,
                          const css::uno::Reference<css::text::XText> &from,
                          const css::uno::Reference<css::text::XText> &to);
    // A new page-number field (current page, Arabic digits).
    static css::uno::Reference<css::text::XTextContent>
    newPageNumberField(const css::uno::Reference<css::frame::XModel> &model);
    // Page-number fields in the story.
    static long countPageNumberFields(const css::uno::Reference<css::text::XText> &story);

private:
    // One walk over the body's paragraphs.
    static std::vector<SectionPart>
    computeSections(const css::uno::Reference<css::frame::XModel> &model, bool withOffsets);
};

} // namespace libreoffice
