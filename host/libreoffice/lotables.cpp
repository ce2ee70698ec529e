#include "lotables.h"

#include "automation/text.h"
#include "lodrawing.h"
#include "lotable.h"
#include "lotextlock.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextFrame.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

LoTables::LoTables(std::shared_ptr<Office> office, Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

std::vector<Reference<text::XTextTable>> LoTables::bodyTables() const
{
    std::vector<Reference<text::XTextTable>> tables;
    officeCall(*m_office, [&] {
        const Reference<container::XEnumeration> elements
            = Reference<container::XEnumerationAccess>(bodyOf(m_model), UNO_QUERY_THROW)
                  ->createEnumeration();
        while (elements->hasMoreElements()) {
            const Reference<text::XTextTable> table(elements->nextElement(), UNO_QUERY);
            if (table.is())
                tables.push_back(table);
        }
    });
    return tables;
}

long LoTables::count() const
{
    return long(bodyTables().size());
}

automation::TablePtr LoTables::item(long index)
{
    const std::vector<Reference<text::XTextTable>> tables = bodyTables();
    if (index < 1 || index > long(tables.size()))
        return nullptr;
    return std::make_shared<LoTable>(m_office, m_model, tables[size_t(index - 1)]);
}

// The cells keep the office's default format for new tables rather than
// taking the paragraph's.
automation::TablePtr LoTables::add(const automation::RangePtr &range, long rows, long columns,
                                   const automation::Variant &defaultTableBehavior,
                                   const automation::Variant &autoFitBehavior)
{
    Q_UNUSED(defaultTableBehavior);
    Q_UNUSED(autoFitBehavior);
    if (!m_office->isAlive() || !range || rows < 1 || columns < 1)
        return nullptr;
    const Reference<text::XTextTable> added = officeCall(
        *m_office, Reference<text::XTextTable>(), [&] {
            DocumentState &document = m_office->document(m_model);
            textstory::TextStories &stories = document.stories;
            const Reference<text::XText> story = drawing::storyOf(document, range.get());
            if (!story.is())
                return Reference<text::XTextTable>();
            const LoTextLock lock(*m_office, m_model);
            long offset = range->start();
            const Reference<text::XTextCursor> cursor = stories.cursorAt(story, offset, offset);
            if (!Reference<text::XParagraphCursor>(cursor, UNO_QUERY_THROW)->isStartOfParagraph()) {
                cursor->getText()->insertControlCharacter(
                    cursor->getStart(), text::ControlCharacter::PARAGRAPH_BREAK, false);
                stories.shiftSpans(story, offset, offset, 1, nullptr);
                ++offset;
            }
            const Reference<lang::XMultiServiceFactory> factory(m_model, UNO_QUERY_THROW);
            const Reference<text::XTextTable> table(
                factory->createInstance(unoName("com.sun.star.text.TextTable")), UNO_QUERY_THROW);
            table->initialize(sal_Int32(rows), sal_Int32(columns));
            const Reference<text::XTextRange> at
                = drawing::paragraphStartAt(stories, story, offset);
            at->getText()->insertTextContent(
                at, Reference<text::XTextContent>(table, UNO_QUERY_THROW), false);
            // The office makes the first row of a new table a heading row (its
            // own paragraph style, bold and centred, repeated on every page);
            // the object model's new tables have plain rows only.
            const Reference<beans::XPropertySet> tableProperties(table, UNO_QUERY_THROW);
            tableProperties->setPropertyValue(unoName("RepeatHeadline"), Any(false));
            const uno::Sequence<rtl::OUString> cellNames = table->getCellNames();
            for (const rtl::OUString &cellName : cellNames) {
                const Reference<text::XText> cell(table->getCellByName(cellName), UNO_QUERY_THROW);
                const Reference<text::XTextCursor> all = cell->createTextCursor();
                all->gotoEnd(true);
                Reference<beans::XPropertySet>(all, UNO_QUERY_THROW)
                    ->setPropertyValue(unoName("ParaStyleName"), Any(unoName("Table Contents")));
            }
            // A table fills its text's width, but notes the body's for itself
            // even in a narrower text frame; cell widths are parts of the width
            // noted, and an aligned table takes it: it notes the frame's.
            const Reference<beans::XPropertySet> frame(story, UNO_QUERY);
            if (Reference<text::XTextFrame>(story, UNO_QUERY).is() && frame.is()) {
                sal_Int32 width = 0, left = 0, right = 0;
                frame->getPropertyValue(unoName("Width")) >>= width;
                frame->getPropertyValue(unoName("LeftBorderDistance")) >>= left;
                frame->getPropertyValue(unoName("RightBorderDistance")) >>= right;
                tableProperties->setPropertyValue(unoName("Width"),
                                                  Any(sal_Int32(width - left - right)));
            }
            // The new cells' marks are characters of the text from here on.
            stories.shiftSpans(story, offset, offset, rows * columns, nullptr);
            return table;
        });
    if (!added.is())
        return nullptr;
    return std::make_shared<LoTable>(m_office, m_model, added);
}

} // namespace libreoffice
