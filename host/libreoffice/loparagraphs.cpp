#include "loparagraphs.h"

#include "loparagraph.h"
#include "office.h"
#include "unoutil.h"

namespace libreoffice {

LoParagraphs::LoParagraphs(std::shared_ptr<Office> office, Source source)
    : m_office(std::move(office))
    , m_source(std::move(source))
{
}

const std::vector<textstory::ParagraphEntry> &LoParagraphs::entries() const
{
    if (!m_entries) {
        m_entries = m_office->isAlive()
            ? unoGuard(std::vector<textstory::ParagraphEntry>(), m_source)
            : std::vector<textstory::ParagraphEntry>();
    }
    return *m_entries;
}

// A collection taken while the office ran answers nothing once it has ended.
long LoParagraphs::count() const
{
    return m_office->isAlive() ? long(entries().size()) : 0;
}

automation::ParagraphPtr LoParagraphs::item(long index)
{
    if (!m_office->isAlive())
        return nullptr;
    const auto &all = entries();
    if (index < 1 || index > long(all.size()))
        return nullptr;
    textstory::ParagraphEntry entry = all[size_t(index - 1)];
    if (!entry.paragraph.is()) {
        entry.paragraph = unoGuard(entry.paragraph,
                                   [&] { return textstory::paragraphAt(entry.text, entry.start); });
        if (!entry.paragraph.is())
            return nullptr;
    }
    return std::make_shared<LoParagraph>(m_office, entry);
}

} // namespace libreoffice
