#include "losectionnotes.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace libreoffice {

bool SectionNotes::linked(const QString &pageStyle, bool header, int item) const
{
    const auto it = m_links.find({pageStyle, header, item});
    return it != m_links.end() && it->second;
}

void SectionNotes::setLinked(const QString &pageStyle, bool header, int item, bool value)
{
    m_links[{pageStyle, header, item}] = value;
}

long SectionNotes::startingNumber(const QString &pageStyle) const
{
    const auto it = m_startingNumbers.find(pageStyle);
    return it == m_startingNumbers.end() ? 0 : it->second;
}

void SectionNotes::setStartingNumber(const QString &pageStyle, long number)
{
    m_startingNumbers[pageStyle] = number;
}

void SectionNotes::rememberStory(const automation::RangePtr &range,
                                 const css::uno::Reference<css::text::XText> &story)
{
    if (!range)
        return;
    m_stories.erase(std::remove_if(m_stories.begin(), m_stories.end(),
                                   [](const auto &entry) { return entry.first.expired(); }),
                    m_stories.end());
    m_stories.emplace_back(range, story);
}

css::uno::Reference<css::text::XText> SectionNotes::storyOf(const automation::Range *range) const
{
    for (const auto &entry : m_stories) {
        if (entry.first.lock().get() == range)
            return entry.second;
    }
    return nullptr;
}

bool SectionNotes::knownSections(long edits, bool withOffsets,
                                 std::vector<SectionPart> *parts) const
{
    if (!m_known || m_known->edits != edits || (withOffsets && !m_known->withOffsets))
        return false;
    *parts = m_known->parts;
    return true;
}

void SectionNotes::keepSections(long edits, bool withOffsets, const std::vector<SectionPart> &parts)
{
    if (!m_known && QCoreApplication::instance()) {
        // Forgotten when the event loop next runs; a timer outliving these
        // notes finds its entry gone.
        const std::weak_ptr<Known> known = (m_known = std::make_shared<Known>());
        QTimer::singleShot(0, [this, known] {
            if (!known.expired())
                m_known.reset();
        });
    }
    if (!m_known)
        m_known = std::make_shared<Known>();
    m_known->edits = edits;
    m_known->withOffsets = withOffsets;
    m_known->parts = parts;
}

} // namespace libreoffice
