#pragma once

#include "automation/text.h"

#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// A range spanning a whole story (for now the body: Document.Content). Text
// can be read, replaced and inserted at either end; formatting and positions
// inside the story are not bound yet and answer null or nothing.
class LoRange : public automation::Range
{
public:
    LoRange(std::shared_ptr<Office> office, css::uno::Reference<css::text::XText> story);

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

private:
    void insertAt(bool atStart, const QString &text);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::text::XText> m_story;
};

} // namespace libreoffice
