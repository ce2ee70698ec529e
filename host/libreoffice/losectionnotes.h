#pragma once

#include "losectionmap.h"

#include "automation/forward.h"

#include <QString>

#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace libreoffice {

// What the object model says about one document's sections and stories that
// Writer has no place for, kept for as long as the document is open: which
// footers and headers show the previous section's, where numbering goes on
// from, which text a range handed out by the layout side runs over; and the
// sections last worked out. One per open document (DocumentState).
class SectionNotes
{
public:
    // Whether a footer (or header) of a section shows the previous
    // section's one.
    bool linked(const QString &pageStyle, bool header, int item) const;
    void setLinked(const QString &pageStyle, bool header, int item, bool value);

    // The starting number kept for a section whose numbering does not
    // restart.
    long startingNumber(const QString &pageStyle) const;
    void setStartingNumber(const QString &pageStyle, long number);

    // The text a range handed out by the layout side runs over (a footer),
    // null for ranges of the body or of other stories.
    void rememberStory(const automation::RangePtr &range,
                       const css::uno::Reference<css::text::XText> &story);
    css::uno::Reference<css::text::XText> storyOf(const automation::Range *range) const;

    // The sections last worked out, kept while the body's edit count stays
    // `edits` and until the event loop runs again (when the user may have
    // changed the document in the writer's window): a command asks for them
    // many times, and each time is a walk over every paragraph. False when
    // none are kept for that count (with offsets, when asked).
    bool knownSections(long edits, bool withOffsets, std::vector<SectionPart> *parts) const;
    void keepSections(long edits, bool withOffsets, const std::vector<SectionPart> &parts);

private:
    std::map<std::tuple<QString, bool, int>, bool> m_links;
    std::map<QString, long> m_startingNumbers;
    std::vector<std::pair<std::weak_ptr<automation::Range>, css::uno::Reference<css::text::XText>>>
        m_stories;
    struct Known
    {
        long edits = -1;
        bool withOffsets = false;
        std::vector<SectionPart> parts;
    };
    std::shared_ptr<Known> m_known;
};

} // namespace libreoffice
