#include "lopagenumbers.h"

#include "automation/constants.h"
#include "loheaderfooter.h"
#include "lopagenumber.h"
#include "losectionmap.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertyState.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// Where the number's paragraph goes: "inside" and "outside" depend on
// whether the footer is that of even pages.
style::ParagraphAdjust adjustFor(int alignment, bool evenPages)
{
    switch (alignment) {
    case automation::wdAlignPageNumberLeft:
        return style::ParagraphAdjust_LEFT;
    case automation::wdAlignPageNumberCenter:
        return style::ParagraphAdjust_CENTER;
    case automation::wdAlignPageNumberInside:
        return evenPages ? style::ParagraphAdjust_RIGHT : style::ParagraphAdjust_LEFT;
    case automation::wdAlignPageNumberOutside:
        return evenPages ? style::ParagraphAdjust_LEFT : style::ParagraphAdjust_RIGHT;
    default:
        return style::ParagraphAdjust_RIGHT;
    }
}

} // namespace

LoPageNumbers::LoPageNumbers(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                             QString pageStyle, bool header, int item)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_pageStyle(std::move(pageStyle))
    , m_header(header)
    , m_item(item)
{
}

long LoPageNumbers::count() const
{
    return officeCall(*m_office, 0L, [&] {
        const QString shown = LoHeaderFooter::shownPageStyle(m_office->document(m_model),
                                                             m_pageStyle, m_header, m_item);
        Reference<text::XText> story = LoHeaderFooter::storyOf(m_model, shown, m_header, m_item);
        return story.is() ? SectionMap::countPageNumberFields(story) : 0L;
    });
}

automation::PageNumberPtr LoPageNumbers::add(const automation::Variant &alignment,
                                             const automation::Variant &firstPage)
{
    if (!m_office->isAlive())
        return nullptr;
    const int align
        = alignment.isMissing() ? automation::wdAlignPageNumberRight : int(alignment.toInt());
    const bool ok = officeCall(*m_office, false, [&] {
        const QString shown = LoHeaderFooter::shownPageStyle(m_office->document(m_model),
                                                             m_pageStyle, m_header, m_item);
        Reference<text::XText> story = LoHeaderFooter::storyOf(m_model, shown, m_header, m_item);
        // Without the number on the first page, the first page gets a
        // footer of its own (a copy of the footer so far) before the
        // number goes in.
        if (!firstPage.isMissing() && !firstPage.toBool()) {
            Reference<beans::XPropertySet> style = SectionMap::pageStyle(m_model, m_pageStyle);
            if (style.is()) {
                LoHeaderFooter::storyOf(m_model, m_pageStyle, m_header, m_item);
                style->setPropertyValue(unoName("FirstIsShared"), Any(false));
            }
            story = LoHeaderFooter::storyOf(m_model, shown, m_header, m_item);
        }
        if (!story.is())
            return false;
        // A paragraph of its own before the footer's text, holding the field.
        Reference<text::XTextCursor> cursor = story->createTextCursor();
        cursor->gotoStart(false);
        story->insertControlCharacter(Reference<text::XTextRange>(cursor.get()),
                                      text::ControlCharacter::PARAGRAPH_BREAK, false);
        cursor->gotoStart(false);
        story->insertTextContent(Reference<text::XTextRange>(cursor.get()),
                                 SectionMap::newPageNumberField(m_model), false);
        Reference<beans::XPropertySet>(cursor, UNO_QUERY_THROW)
            ->setPropertyValue(
                unoName("ParaAdjust"),
                Any(adjustFor(align, m_item == automation::wdHeaderFooterEvenPages)));
        return true;
    });
    return ok ? std::make_shared<LoPageNumber>(align) : nullptr;
}

Reference<beans::XPropertySet> LoPageNumbers::firstParagraph() const
{
    for (const SectionPart &part : SectionMap::sections(m_office->document(m_model))) {
        if (part.pageStyle == m_pageStyle)
            return part.first;
    }
    return nullptr;
}

long LoPageNumbers::offset() const
{
    Reference<beans::XPropertySet> first = firstParagraph();
    if (!first.is())
        return 0;
    Reference<beans::XPropertyState> state(first, UNO_QUERY_THROW);
    if (state->getPropertyState(unoName("PageNumberOffset")) != beans::PropertyState_DIRECT_VALUE)
        return 0;
    const Any value = first->getPropertyValue(unoName("PageNumberOffset"));
    sal_Int16 number = 0;
    if (!(value >>= number))
        return 0;
    return number;
}

void LoPageNumbers::setOffset(long number)
{
    Reference<beans::XPropertySet> first = firstParagraph();
    if (!first.is())
        return;
    rtl::OUString pageDesc;
    first->getPropertyValue(unoName("PageDescName")) >>= pageDesc;
    if (number > 0) {
        // Writer keeps the offset with a page break: the first section
        // names its page style as well.
        if (pageDesc.isEmpty()) {
            first->setPropertyValue(unoName("PageDescName"), Any(toOUString(m_pageStyle)));
            m_office->document(m_model).stories.noteEdit(bodyOf(m_model));
        }
        first->setPropertyValue(unoName("PageNumberOffset"), Any(sal_Int16(number)));
        return;
    }
    // A void offset is no offset.
    first->setPropertyValue(unoName("PageNumberOffset"), Any());
    rtl::OUString after;
    first->getPropertyValue(unoName("PageDescName")) >>= after;
    if (after != pageDesc && !pageDesc.isEmpty()) {
        first->setPropertyValue(unoName("PageDescName"), Any(pageDesc));
        m_office->document(m_model).stories.noteEdit(bodyOf(m_model));
    }
}

int LoPageNumbers::restartNumberingAtSection() const
{
    return officeCall(*m_office, int(automation::msoFalse),
                      [&] { return offset() > 0 ? automation::msoTrue : automation::msoFalse; });
}

void LoPageNumbers::setRestartNumberingAtSection(int value)
{
    officeCall(*m_office, [&] {
        if (!value) {
            if (offset() > 0)
                m_office->document(m_model).sections.setStartingNumber(m_pageStyle, offset());
            setOffset(0);
            return;
        }
        const long kept = m_office->document(m_model).sections.startingNumber(m_pageStyle);
        setOffset(kept > 0 ? kept : 1);
    });
}

long LoPageNumbers::startingNumber() const
{
    return officeCall(*m_office, 0L, [&] {
        const long current = offset();
        return current > 0 ? current
                           : m_office->document(m_model).sections.startingNumber(m_pageStyle);
    });
}

void LoPageNumbers::setStartingNumber(long number)
{
    officeCall(*m_office, [&] {
        m_office->document(m_model).sections.setStartingNumber(m_pageStyle, number);
        if (offset() > 0 && number > 0)
            setOffset(number);
    });
}

} // namespace libreoffice
