#pragma once

#include "automation/text.h"
#include "lotextstory.h"

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/frame/XModel.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace libreoffice {

class Office;

// A list of paragraphs, enumerated from the office on first use. Entries
// without a paragraph object get theirs when an item is asked for. Like the
// object model's, the items follow the edits made through this client: an
// item asked for after text was deleted or inserted before it has its
// offsets moved accordingly.
class LoParagraphs : public automation::Paragraphs
{
public:
    using Source = std::function<std::vector<textstory::ParagraphEntry>()>;

    // Walking through the model's paragraphs holds its views still (see
    // Office::holdControllers).
    LoParagraphs(std::shared_ptr<Office> office, Source source,
                 css::uno::Reference<css::frame::XModel> model = {});

    long count() const override;
    automation::ParagraphPtr item(long index) override;

private:
    const std::vector<textstory::ParagraphEntry> &entries() const;
    // Gives the entry its paragraph object: entries made from the text's
    // string alone get theirs from one walk over the text's paragraphs,
    // taken as far as needed.
    bool findParagraph(textstory::ParagraphEntry &entry);

    std::shared_ptr<Office> m_office;
    Source m_source;
    css::uno::Reference<css::frame::XModel> m_model;
    mutable std::optional<std::vector<textstory::ParagraphEntry>> m_entries;
    // The entries' offsets as the edits move them, made on first use.
    mutable std::vector<textstory::SpanPtr> m_spans;
    css::uno::Reference<css::container::XEnumeration> m_walk;
    long m_walked = 0;
};

} // namespace libreoffice
