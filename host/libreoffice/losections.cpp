#include "losections.h"

#include "automation/constants.h"
#include "automation/text.h"
#include "loheaderfooter.h"
#include "losection.h"
#include "losectionmap.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/PropertyAttribute.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/beans/XPropertyState.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// The page number offset set on a paragraph, 0 when there is none.
sal_Int16 offsetOf(const Reference<beans::XPropertySet> &paragraph)
{
    Reference<beans::XPropertyState> state(paragraph, UNO_QUERY);
    if (!state.is()
        || state->getPropertyState(unoName("PageNumberOffset"))
            != beans::PropertyState_DIRECT_VALUE)
        return 0;
    sal_Int16 offset = 0;
    paragraph->getPropertyValue(unoName("PageNumberOffset")) >>= offset;
    return offset;
}

// The document's insertion point when it sits collapsed at the offset of the
// body, else null.
Reference<text::XTextViewCursor> insertionPointAt(DocumentState &document,
                                                  const Reference<text::XText> &body, long offset)
{
    return unoGuard(Reference<text::XTextViewCursor>(), [&] {
        const Reference<frame::XModel> &model = document.model;
        document.selection.show();
        const Reference<text::XTextViewCursor> view
            = Reference<text::XTextViewCursorSupplier>(model->getCurrentController(),
                                                       UNO_QUERY_THROW)
                  ->getViewCursor();
        if (!view->isCollapsed() || view->getText() != body)
            return Reference<text::XTextViewCursor>();
        const Reference<text::XTextRange> at(document.stories.cursorAt(body, offset, offset).get());
        const bool same = Reference<text::XTextRangeCompare>(body, UNO_QUERY_THROW)
                              ->compareRegionStarts(at, Reference<text::XTextRange>(view.get()))
            == 0;
        return same ? view : Reference<text::XTextViewCursor>();
    });
}

} // namespace

LoSections::LoSections(std::shared_ptr<Office> office, Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

long LoSections::count() const
{
    return officeCall(*m_office, 0L, [&] {
        return long(SectionMap::sections(m_office->document(m_model)).size());
    });
}

automation::SectionPtr LoSections::item(long index)
{
    if (!m_office->isAlive())
        return nullptr;
    const QString style = officeCall(*m_office, QString(), [&] {
        SectionMap::syncLinked(m_office->document(m_model));
        const std::vector<SectionPart> parts = SectionMap::sections(m_office->document(m_model));
        return index >= 1 && index <= long(parts.size()) ? parts[index - 1].pageStyle : QString();
    });
    if (style.isEmpty())
        return nullptr;
    return std::make_shared<LoSection>(m_office, m_model, style);
}

QString LoSections::copyPageStyle(const QString &from)
{
    Reference<style::XStyleFamiliesSupplier> supplier(m_model, UNO_QUERY_THROW);
    Reference<container::XNameContainer> styles(
        supplier->getStyleFamilies()->getByName(unoName("PageStyles")), UNO_QUERY_THROW);
    QString name;
    for (int n = 2;; ++n) {
        name = QStringLiteral("Section %1").arg(n);
        if (!styles->hasByName(toOUString(name)))
            break;
    }
    Reference<lang::XMultiServiceFactory> factory(m_model, UNO_QUERY_THROW);
    Reference<beans::XPropertySet> copy(
        factory->createInstance(unoName("com.sun.star.style.PageStyle")), UNO_QUERY_THROW);
    styles->insertByName(toOUString(name), Any(copy));
    copy = SectionMap::pageStyle(m_model, name);

    const Reference<beans::XPropertySet> source = SectionMap::pageStyle(m_model, from);
    // Switches first: the footer's and header's own values exist only
    // while they are on.
    for (const char *first :
         {"HeaderIsOn", "FooterIsOn", "HeaderIsDynamicHeight", "FooterIsDynamicHeight",
          "HeaderIsShared", "FooterIsShared", "FirstIsShared"}) {
        officeCall(*m_office, [&] {
            copy->setPropertyValue(unoName(first), source->getPropertyValue(unoName(first)));
        });
    }
    const uno::Sequence<beans::Property> properties = source->getPropertySetInfo()->getProperties();
    for (sal_Int32 i = 0; i < properties.getLength(); ++i) {
        const beans::Property &property = properties[i];
        if (property.Attributes & beans::PropertyAttribute::READONLY)
            continue;
        if (property.Name == "FollowStyle" || property.Name == "DisplayName"
            || property.Name == "Hidden")
            continue;
        officeCall(*m_office, [&] {
            copy->setPropertyValue(property.Name, source->getPropertyValue(property.Name));
        });
    }
    // The new style's pages follow one another.
    officeCall(*m_office,
               [&] { copy->setPropertyValue(unoName("FollowStyle"), Any(toOUString(name))); });

    for (bool header : {false, true}) {
        if (!boolOf(source, header ? "HeaderIsOn" : "FooterIsOn"))
            continue;
        for (int item : {automation::wdHeaderFooterPrimary, automation::wdHeaderFooterFirstPage,
                         automation::wdHeaderFooterEvenPages}) {
            officeCall(*m_office, [&] {
                SectionMap::copyStory(m_model, LoHeaderFooter::storyOf(m_model, from, header, item),
                                      LoHeaderFooter::storyOf(m_model, name, header, item));
            });
        }
    }
    return name;
}

automation::SectionPtr LoSections::add(const automation::Variant &range,
                                       const automation::Variant &)
{
    if (!m_office->isAlive())
        return nullptr;
    if (!range.isMissing() && !range.isRange())
        return nullptr;
    const automation::RangePtr at = range.toRange();
    // A section break belongs to the body.
    DocumentState &document = m_office->document(m_model);
    if (at && document.sections.storyOf(at.get()).is())
        return nullptr;
    const long rangeStart = at ? at->start() : -1;
    const QString style = officeCall(*m_office, QString(), [&] {
        // The new section copies what the split one shows.
        SectionMap::syncLinked(document);
        const std::vector<SectionPart> parts = SectionMap::sections(document, true);
        if (parts.empty())
            return QString();
        // Without a range the break goes at the end of the document.
        const long pos
            = rangeStart >= 0 ? std::min(rangeStart, parts.back().end - 1) : parts.back().end - 1;
        SectionPart split = parts.front();
        for (const SectionPart &part : parts) {
            if (part.start <= pos)
                split = part;
        }
        rtl::OUString headDesc;
        split.first->getPropertyValue(unoName("PageDescName")) >>= headDesc;
        const sal_Int16 headOffset = offsetOf(split.first);

        const QString name = copyPageStyle(split.pageStyle);
        const Reference<text::XText> body = bodyOf(m_model);
        const Reference<text::XTextViewCursor> insertionPoint
            = insertionPointAt(document, body, pos);
        textstory::TextStories &stories = document.stories;
        body->insertControlCharacter(
            Reference<text::XTextRange>(stories.cursorAt(body, pos, pos).get()),
            text::ControlCharacter::PARAGRAPH_BREAK, false);
        stories.shiftSpans(body, pos, pos, 1, nullptr);
        // An insertion point where the break went in stays before it, as the
        // object model's selection does when text is inserted at its place;
        // the office's own cursor moves on behind the new paragraph.
        if (insertionPoint.is())
            insertionPoint->gotoRange(
                Reference<text::XTextRange>(stories.cursorAt(body, pos, pos).get()), false);

        // The paragraph after the break starts the new page style, with
        // the numbering of the section it was split from.
        Reference<beans::XPropertySet> tail(stories.cursorAt(body, pos + 1, pos + 1),
                                            UNO_QUERY_THROW);
        officeCall(*m_office, [&] { tail->setPropertyValue(unoName("PageNumberOffset"), Any()); });
        tail->setPropertyValue(unoName("PageDescName"), Any(toOUString(name)));
        stories.noteEdit(body);
        if (headOffset > 0)
            tail->setPropertyValue(unoName("PageNumberOffset"), Any(headOffset));
        document.sections.setStartingNumber(name,
                                            document.sections.startingNumber(split.pageStyle));

        // Splitting the section's first paragraph may have moved its page
        // break: put it back.
        if (!headDesc.isEmpty()) {
            Reference<beans::XPropertySet> head(stories.cursorAt(body, split.start, split.start),
                                                UNO_QUERY_THROW);
            rtl::OUString current;
            head->getPropertyValue(unoName("PageDescName")) >>= current;
            if (current != headDesc)
                head->setPropertyValue(unoName("PageDescName"), Any(headDesc));
            if (headOffset > 0 && offsetOf(head) != headOffset)
                head->setPropertyValue(unoName("PageNumberOffset"), Any(headOffset));
        }
        for (bool header : {false, true}) {
            for (int item : {automation::wdHeaderFooterPrimary, automation::wdHeaderFooterFirstPage,
                             automation::wdHeaderFooterEvenPages})
                document.sections.setLinked(name, header, item, true);
        }
        return name;
    });
    if (style.isEmpty())
        return nullptr;
    return std::make_shared<LoSection>(m_office, m_model, style);
}

} // namespace libreoffice
