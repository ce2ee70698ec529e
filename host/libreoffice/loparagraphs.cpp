#include "loparagraphs.h"

#include "loparagraph.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>

namespace libreoffice {

LoParagraphs::LoParagraphs(std::shared_ptr<Office> office, Source source,
                           css::uno::Reference<css::frame::XModel> model)
    : m_office(std::move(office))
    , m_source(std::move(source))
    , m_model(std::move(model))
{
}

const std::vector<textstory::ParagraphEntry> &LoParagraphs::entries() const
{
    if (!m_entries) {
        m_entries = m_office->isAlive()
            ? officeCall(*m_office, std::vector<textstory::ParagraphEntry>(), m_source)
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
    m_office->holdControllers(m_model);
    const auto &all = entries();
    if (index < 1 || index > long(all.size()))
        return nullptr;
    textstory::ParagraphEntry &entry = (*m_entries)[size_t(index - 1)];
    if (!entry.paragraph.is() && !findParagraph(entry))
        return nullptr;
    if (m_spans.empty()) {
        // Tracked from the first item on, so the spans of a long list are
        // made once, not for every lookup.
        m_spans.reserve(all.size());
        textstory::TextStories &stories = m_office->document(m_model).stories;
        for (const textstory::ParagraphEntry &e : all) {
            auto span = std::make_shared<textstory::Span>(textstory::Span {e.start, e.end});
            stories.track(e.text, span);
            m_spans.push_back(std::move(span));
        }
    }
    const textstory::SpanPtr &span = m_spans[size_t(index - 1)];
    entry.start = span->start;
    entry.end = span->end;
    return std::make_shared<LoParagraph>(m_office, entry, m_model);
}

bool LoParagraphs::findParagraph(textstory::ParagraphEntry &entry)
{
    if (entry.index < 0) {
        entry.paragraph = officeCall(*m_office, entry.paragraph, [&] {
            return textstory::paragraphAt(entry.text, entry.start);
        });
        return entry.paragraph.is();
    }
    officeCall(*m_office, [&] {
        if (!m_walk.is() || m_walked > entry.index) {
            m_walk = css::uno::Reference<css::container::XEnumerationAccess>(
                         entry.text, css::uno::UNO_QUERY_THROW)
                         ->createEnumeration();
            m_walked = 0;
        }
        // The entries are the text's paragraphs in order (a text without
        // tables has no other elements).
        while (m_walked <= entry.index && m_walk->hasMoreElements()) {
            const css::uno::Reference<css::beans::XPropertySet> paragraph(m_walk->nextElement(),
                                                                          css::uno::UNO_QUERY);
            // Entries of a range are a run of the text's paragraphs.
            const long at = m_walked - m_entries->front().index;
            if (at >= 0 && at < long(m_entries->size()) && !(*m_entries)[size_t(at)].paragraph.is())
                (*m_entries)[size_t(at)].paragraph = paragraph;
            ++m_walked;
        }
    });
    return entry.paragraph.is();
}

} // namespace libreoffice
