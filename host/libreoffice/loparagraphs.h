#pragma once

#include "automation/text.h"
#include "lotextstory.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace libreoffice {

class Office;

// A list of paragraphs, enumerated from the office on first use. Entries
// without a paragraph object get theirs when an item is asked for.
class LoParagraphs : public automation::Paragraphs
{
public:
    using Source = std::function<std::vector<textstory::ParagraphEntry>()>;

    LoParagraphs(std::shared_ptr<Office> office, Source source);

    long count() const override;
    automation::ParagraphPtr item(long index) override;

private:
    const std::vector<textstory::ParagraphEntry> &entries() const;

    std::shared_ptr<Office> m_office;
    Source m_source;
    mutable std::optional<std::vector<textstory::ParagraphEntry>> m_entries;
};

} // namespace libreoffice
