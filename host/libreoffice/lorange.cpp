#include "lorange.h"

#include "automation/constants.h"
#include "lofont.h"
#include "loparagraphformat.h"
#include "loparagraphs.h"
#include "losectionmap.h"
#include "lotextlock.h"
#include "lowritebatch.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/drawing/XDrawPage.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/lang/Locale.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/text/XTextTable.hpp>

#include <algorithm>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// The Windows ids of the languages of East Asian text, and of the office's
// default for Western text.
struct LanguageId
{
    const char *language, *country;
    int id;
};
constexpr LanguageId languageIds[] = {{"zh", "CN", automation::wdSimplifiedChinese},
                                      {"zh", "SG", 4100},
                                      {"zh", "TW", 1028},
                                      {"zh", "HK", 3076},
                                      {"zh", "MO", 5124},
                                      {"ja", "JP", 1041},
                                      {"ko", "KR", 1042},
                                      {"en", "US", automation::wdEnglishUS}};

bool endsWithBreak(const QString &text)
{
    return text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'));
}

} // namespace

LoRange::LoRange(std::shared_ptr<Office> office, Reference<text::XText> story,
                 Reference<frame::XModel> model, long start, long end, bool holdsViews)
    : m_office(std::move(office))
    , m_story(std::move(story))
    , m_model(std::move(model))
    , m_heldViews(holdsViews ? m_model : Reference<frame::XModel>())
    , m_span(std::make_shared<textstory::Span>())
{
    m_span->start = std::max(0L, std::min(start, end));
    m_span->end = std::max(start, end);
    stories().track(m_story, m_span);
}

textstory::TextStories &LoRange::stories() const
{
    return m_office->document(m_model).stories;
}

void LoRange::setParagraph(const Reference<text::XTextRange> &paragraph,
                           const Reference<text::XText> &home, bool inTable)
{
    m_paragraph = paragraph;
    m_paragraphHome = home;
    m_paragraphSpan = std::make_shared<textstory::Span>(*m_span);
    m_paragraphLength = m_span->end - m_span->start;
    stories().track(m_story, m_paragraphSpan);
    m_paragraphInTable = inTable;
}

void LoRange::knowText(const QString &text, long edits)
{
    m_knownText = text;
    m_knownEdits = edits;
}

bool LoRange::isParagraph() const
{
    return insideParagraph() && m_span->start == m_paragraphSpan->start
        && m_span->end == m_paragraphSpan->end;
}

bool LoRange::insideParagraph() const
{
    // An edit inside the paragraph (a new mark, a join) may have changed
    // what the paragraph object covers; goRight takes 16-bit counts.
    return m_paragraph.is() && m_paragraphHome.is() && m_paragraphLength < 30000
        && m_paragraphSpan->end - m_paragraphSpan->start == m_paragraphLength
        && m_span->start >= m_paragraphSpan->start && m_span->end <= m_paragraphSpan->end;
}

QString LoRange::text() const
{
    if (!m_office->isAlive())
        return QString();
    // A header's or footer's page-number fields show their numbers once
    // the held views have laid out the pages again.
    if (m_office->document(m_model).sections.storyOf(this).is())
        m_office->releaseControllers();
    if (isParagraph()) {
        if (m_knownEdits >= 0 && stories().edits(m_story) == m_knownEdits)
            return textstory::asWordText(m_knownText) + QLatin1Char('\r');
        // Held format writes do not change the text: they can wait.
        return officeCallHolding(*m_office, QString(), [this] {
            return textstory::asWordText(toQString(m_paragraph->getString())) + QLatin1Char('\r');
        });
    }
    return officeCall(*m_office, QString(), [this] {
        textstory::TextStories &texts = stories();
        const long total = texts.storyLength(m_story);
        if (m_span->start >= total)
            return QString();
        QString text;
        if (!texts.tablesIn(m_story).empty()) {
            // The text's string counts tables as Word offsets do, where a
            // cursor could not span from outside a table into it.
            text
                = texts.wordText(m_story).mid(int(m_span->start), int(m_span->end - m_span->start));
        } else {
            text = textstory::asWordText(
                toQString(textstory::cursorAt(m_story, m_span->start, m_span->end)->getString()));
        }
        // The last mark is no character of the office's text.
        if (m_span->end >= total)
            text += QLatin1Char('\r');
        return text;
    });
}

void LoRange::setText(const QString &text)
{
    officeCall(*m_office, [&] {
        textstory::TextStories &texts = stories();
        long total = texts.storyLength(m_story);
        if (m_span->start >= total) {
            const long inserted = insertAt(m_span->start, text);
            m_span->end = m_span->start + inserted;
            return;
        }
        // Replacing everything of the body, a header or a footer takes the
        // shapes anchored in it along (not so for a text frame's own text).
        if (m_span->start == 0 && m_span->end >= total
            && !Reference<text::XTextFrame>(m_story, UNO_QUERY).is()
            && !Reference<drawing::XShape>(m_story, UNO_QUERY).is())
            removeAnchoredObjects();
        textstory::TableSpans tables = texts.tablesIn(m_story);
        const LoTextLock lock(*m_office, m_heldViews);
        // Replacing a whole text replaces its tables too.
        if (m_span->start == 0 && m_span->end >= total && !tables.empty()) {
            for (const textstory::TableSpan &table : tables)
                Reference<lang::XComponent>(table.table, UNO_QUERY_THROW)->dispose();
            total = texts.storyLength(m_story);
            m_span->end = total;
            tables.clear();
        }
        // The last mark of the text stays, and so does the last mark of a
        // cell; a span reaching into a table from outside stops before it.
        long from = m_span->start;
        long to = std::min(m_span->end, total - 1);
        textstory::keepInOneText(tables, &from, &to);
        const Reference<text::XTextCursor> cursor = texts.cursorAt(m_story, from, to);
        const Reference<text::XText> holder = cursor->getText();
        if (to > from) {
            const bool joins = toQString(cursor->getString()).contains(QLatin1Char('\n'));
            // The paragraph whose mark survives keeps its format: LibreOffice
            // would keep the first paragraph's, so the last one's is put back.
            uno::Sequence<uno::Any> format;
            const uno::Sequence<rtl::OUString> names = textstory::paragraphFormatNames();
            if (joins) {
                officeCall(*m_office, [&] {
                    const Reference<text::XTextCursor> last
                        = holder->createTextCursorByRange(cursor->getEnd());
                    format = Reference<beans::XMultiPropertySet>(last, UNO_QUERY_THROW)
                                 ->getPropertyValues(names);
                });
            }
            cursor->setString(rtl::OUString());
            if (format.getLength() == names.getLength()) {
                officeCall(*m_office, [&] {
                    Reference<beans::XMultiPropertySet>(cursor, UNO_QUERY_THROW)
                        ->setPropertyValues(names, format);
                });
            }
        }
        const long inserted = textstory::insertParagraphs(holder, cursor, text);
        texts.shiftSpans(m_story, from, to, inserted, m_span.get());
        m_span->start = from;
        m_span->end = from + inserted;
    });
}

// Once the office has ended a range is empty at 0, like every other answer.
long LoRange::start() const
{
    return m_office->isAlive() ? m_span->start : 0;
}

long LoRange::end() const
{
    return m_office->isAlive() ? m_span->end : 0;
}

void LoRange::setRange(long start, long end)
{
    if (!m_office->isAlive())
        return;
    m_span->start = std::max(0L, std::min(start, end));
    m_span->end = std::max(m_span->start, std::max(start, end));
}

void LoRange::removeAnchoredObjects()
{
    const Reference<drawing::XDrawPageSupplier> supplier(m_model, UNO_QUERY);
    if (!supplier.is())
        return;
        // Writer offers its one draw page only through this interface, which the
        // API marks deprecated in favour of XDrawPagesSupplier (Draw, Impress).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const Reference<drawing::XDrawPage> page = supplier->getDrawPage();
#pragma GCC diagnostic pop
    const Reference<text::XTextRangeCompare> compare(m_story, UNO_QUERY_THROW);
    for (sal_Int32 i = page->getCount() - 1; i >= 0; --i) {
        officeCall(*m_office, [&] {
            const Reference<text::XTextContent> content(page->getByIndex(i), UNO_QUERY_THROW);
            const Reference<text::XTextRange> anchor = content->getAnchor();
            if (!anchor.is())
                return;
            // Comparing positions of different texts throws: the anchor is
            // elsewhere then.
            compare->compareRegionStarts(anchor, m_story->getStart());
            m_story->removeTextContent(content);
        });
    }
}

void LoRange::select()
{
    if (!m_office->isAlive())
        return;
    if (isParagraph()) {
        // Only remembered until the view is given it: held writes can wait.
        textstory::ViewSelection &selection = m_office->document(m_model).selection;
        officeCallHolding(*m_office, [&] {
            selection.selectParagraph(m_story, m_paragraph, m_span->start, m_span->end);
        });
        return;
    }
    officeCall(*m_office, [this] {
        m_office->document(m_model).selection.select(m_story, m_span->start, m_span->end);
    });
}

void LoRange::insertBefore(const QString &text)
{
    officeCall(*m_office, [&] { m_span->end += insertAt(m_span->start, text); });
}

void LoRange::insertAfter(const QString &text)
{
    if (!m_office->isAlive())
        return;
    // More text after what is held for the story's end joins it.
    if (!text.isEmpty() && m_office->writeBatch().heldEnd(m_story) == m_span->end) {
        officeCallHolding(*m_office, [&] { m_span->end += appendAtEnd(m_span->end, text); });
        return;
    }
    officeCall(*m_office, [&] { m_span->end += insertAt(m_span->end, text); });
}

long LoRange::insertAt(long offset, const QString &text)
{
    if (text.isEmpty())
        return 0;
    // One call puts in any number of paragraphs (insertParagraphs).
    textstory::TextStories &texts = stories();
    const long total = texts.storyLength(m_story);
    if (offset < total) {
        const Reference<text::XTextCursor> cursor = texts.cursorAt(m_story, offset, offset);
        const long inserted = textstory::insertParagraphs(cursor->getText(), cursor, text);
        texts.shiftSpans(m_story, offset, offset, inserted, m_span.get());
        return inserted;
    }
    return appendAtEnd(total, text);
}

// After the last mark: the text starts a new last paragraph, and a break it
// ends with becomes the last mark. In the office that is a break and the
// text before the last mark, held to go in with what follows it there.
long LoRange::appendAtEnd(long total, const QString &text)
{
    QString added = QLatin1Char('\n') + text;
    if (endsWithBreak(added))
        added.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
    // Every break ("\r\n" too) is one mark.
    const long inserted = QString(added).replace(QLatin1String("\r\n"), QLatin1String("\n")).size();
    const Reference<text::XText> story = m_story;
    m_office->writeBatch().append(story, added, total + inserted, [story](const QString &all) {
        const Reference<text::XTextCursor> cursor = story->createTextCursor();
        cursor->gotoEnd(false);
        textstory::insertParagraphs(story, cursor, all);
    });
    stories().shiftSpans(m_story, total - 1, total - 1, inserted, m_span.get());
    return inserted;
}

automation::FontPtr LoRange::font()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XText> story = m_story;
    const textstory::SpanPtr span = m_span;
    if (isParagraph()) {
        // The paragraph's characters, its mark left out, as touchedCursorAt
        // would give them.
        const Reference<text::XText> home = m_paragraphHome;
        const Reference<text::XTextRange> paragraph = m_paragraph;
        auto font = std::make_shared<LoFont>(m_office, [home, paragraph] {
            return Reference<beans::XPropertySet>(home->createTextCursorByRange(paragraph),
                                                  UNO_QUERY);
        });
        // A paragraph object sets character properties on all its text; its
        // format's held writes can wait for the font's to join them.
        officeCallHolding(*m_office, [&] {
            font->writeTo(Reference<beans::XMultiPropertySet>(paragraph, UNO_QUERY));
        });
        return font;
    }
    if (insideParagraph()) {
        // Counted from the paragraph's start instead of the text's; the
        // paragraph's mark left out as touchedCursorAt would.
        const Reference<text::XText> home = m_paragraphHome;
        const Reference<text::XTextRange> paragraph = m_paragraph;
        const textstory::SpanPtr whole = m_paragraphSpan;
        return std::make_shared<LoFont>(m_office, [home, paragraph, whole, span] {
            const Reference<text::XTextCursor> cursor
                = home->createTextCursorByRange(paragraph->getStart());
            const long end = std::min(span->end, whole->end - 1);
            cursor->goRight(sal_Int16(span->start - whole->start), false);
            cursor->goRight(sal_Int16(std::max(0L, end - span->start)), true);
            return Reference<beans::XPropertySet>(cursor, UNO_QUERY);
        });
    }
    const std::shared_ptr<Office> office = m_office;
    const Reference<frame::XModel> document = m_model;
    return std::make_shared<LoFont>(m_office, [office, document, story, span] {
        return Reference<beans::XPropertySet>(
            office->document(document).stories.touchedCursorAt(story, span->start, span->end),
            UNO_QUERY);
    });
}

automation::ParagraphFormatPtr LoRange::paragraphFormat()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XText> story = m_story;
    const textstory::SpanPtr span = m_span;
    if (isParagraph() || insideParagraph()) {
        const Reference<beans::XPropertySet> paragraph
            = officeCall(*m_office, Reference<beans::XPropertySet>(),
                         [this] { return Reference<beans::XPropertySet>(m_paragraph, UNO_QUERY); });
        return paragraph.is() ? std::make_shared<LoParagraphFormat>(m_office, paragraph) : nullptr;
    }
    const std::shared_ptr<Office> office = m_office;
    const Reference<frame::XModel> document = m_model;
    return std::make_shared<LoParagraphFormat>(
        m_office,
        [office, document, story, span] {
            const Reference<text::XTextCursor> cursor
                = office->document(document).stories.touchedCursorAt(story, span->start, span->end);
            std::vector<Reference<beans::XPropertySet>> paragraphs;
            const Reference<container::XEnumeration> elements
                = Reference<container::XEnumerationAccess>(cursor, UNO_QUERY_THROW)
                      ->createEnumeration();
            while (elements->hasMoreElements()) {
                const uno::Any element = elements->nextElement();
                if (Reference<text::XTextTable>(element, UNO_QUERY).is())
                    continue;
                Reference<beans::XPropertySet> paragraph(element, UNO_QUERY);
                if (paragraph.is())
                    paragraphs.push_back(paragraph);
            }
            return paragraphs;
        },
        m_heldViews);
}

automation::ParagraphsPtr LoRange::paragraphs()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XText> story = m_story;
    const long start = m_span->start;
    const long end = m_span->end;
    const std::shared_ptr<Office> office = m_office;
    const Reference<frame::XModel> document = m_model;
    return std::make_shared<LoParagraphs>(
        m_office,
        [office, story, document, start, end] {
            // A text without tables gives its offsets in one call.
            textstory::TextStories &texts = office->document(document).stories;
            const bool flat = texts.tablesIn(story).empty();
            std::vector<textstory::ParagraphEntry> touched;
            for (textstory::ParagraphEntry &entry : flat
                     ? textstory::paragraphOffsetsOf(story, texts.edits(story))
                     : textstory::paragraphsOf(story)) {
                const bool inside = start == end ? entry.start <= start && start < entry.end
                                                 : entry.start < end && entry.end > start;
                if (inside)
                    touched.push_back(std::move(entry));
            }
            return touched;
        },
        document);
}

int LoRange::languageIdFarEast() const
{
    return officeCall(*m_office, automation::wdLanguageNone, [this] {
        const Reference<beans::XPropertySet> text(
            isParagraph() ? m_paragraphHome->createTextCursorByRange(m_paragraph)
                          : stories().cursorAt(m_story, m_span->start, m_span->end),
            UNO_QUERY_THROW);
        lang::Locale locale;
        text->getPropertyValue("CharLocaleAsian") >>= locale;
        for (const LanguageId &known : languageIds) {
            if (locale.Language.equalsAscii(known.language)
                && locale.Country.equalsAscii(known.country))
                return known.id;
        }
        return automation::wdLanguageNone;
    });
}

automation::Variant LoRange::information(int item)
{
    if (!m_office->isAlive())
        return automation::Variant();
    switch (item) {
    case automation::wdWithInTable:
        if (isParagraph())
            return automation::Variant(m_paragraphInTable);
        return officeCall(*m_office, automation::Variant(), [this] {
            return automation::Variant(
                Reference<table::XCell>(m_story, UNO_QUERY).is()
                || textstory::cellAt(stories().tablesIn(m_story), m_span->start) != nullptr);
        });
    case automation::wdActiveEndPageNumber:
        return officeCall(*m_office, automation::Variant(), [this] {
            m_office->releaseControllers(); // the page comes from the layout
            DocumentState &document = m_office->document(m_model);
            const Reference<text::XTextCursor> cursor
                = document.stories.cursorAt(m_story, m_span->start, m_span->end);
            return automation::Variant(
                document.selection.pageOf(Reference<text::XTextRange>(cursor.get())));
        });
    default:
        return automation::Variant();
    }
}

} // namespace libreoffice
