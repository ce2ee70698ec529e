#pragma once

#include "automation/text.h"
#include "lotextstories.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// A span of one text (the body, a footer, a text frame, a table cell) in
// Word offsets: every character and every paragraph mark counts one. Edits
// follow the object model's rules: new paragraphs take the format of the one
// they split, a removed mark joins its paragraph to the next one, which keeps
// the next one's format, and the last mark of the text stays.
class LoRange : public automation::Range
{
public:
    // The model is the document the story is in. Edits of a range that
    // holds the views keep them still while they run (LoTextLock).
    LoRange(std::shared_ptr<Office> office, css::uno::Reference<css::text::XText> story,
            css::uno::Reference<css::frame::XModel> model, long start, long end,
            bool holdsViews = true);

    QString text() const override;
    void setText(const QString &text) override;
    long start() const override;
    long end() const override;
    void setRange(long start, long end) override;
    void select() override;
    void insertBefore(const QString &text) override;
    void insertAfter(const QString &text) override;
    automation::FontPtr font() override;
    automation::ParagraphFormatPtr paragraphFormat() override;
    automation::ParagraphsPtr paragraphs() override;
    automation::Variant information(int item) override;
    int languageIdFarEast() const override;

    // Makes the range a paragraph's: while its offsets stay those it has
    // now, text, formats, selection and the table question go straight to
    // the paragraph object instead of through offsets (one call instead of
    // a walk over the text).
    void setParagraph(const css::uno::Reference<css::text::XTextRange> &paragraph,
                      const css::uno::Reference<css::text::XText> &home, bool inTable);
    // The paragraph's text as known when the text's edit count was `edits`:
    // answered without asking the office while no edit has been made since.
    void knowText(const QString &text, long edits);

private:
    bool isParagraph() const;
    // Whether the range lies in its paragraph, which has not been edited
    // since: offsets in it count from the paragraph's start.
    bool insideParagraph() const;
    // Inserts at a Word offset; answers the inserted length.
    long insertAt(long offset, const QString &text);
    // The same at the end of the story, which is `total` long, held to be
    // sent with what follows (lowritebatch.h).
    long appendAtEnd(long total, const QString &text);
    // The document's texts as the bindings remember them.
    textstory::TextStories &stories() const;
    // Removes the drawing shapes and text frames anchored in the story.
    void removeAnchoredObjects();

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::text::XText> m_story;
    css::uno::Reference<css::frame::XModel> m_model;
    // m_model when the range holds the views, else null.
    css::uno::Reference<css::frame::XModel> m_heldViews;
    textstory::SpanPtr m_span;
    css::uno::Reference<css::text::XTextRange> m_paragraph;
    css::uno::Reference<css::text::XText> m_paragraphHome;
    // The paragraph's offsets, moved by edits like the range's own; its
    // length when it was handed out.
    textstory::SpanPtr m_paragraphSpan;
    long m_paragraphLength = -1;
    bool m_paragraphInTable = false;
    QString m_knownText;
    long m_knownEdits = -1;
};

} // namespace libreoffice
