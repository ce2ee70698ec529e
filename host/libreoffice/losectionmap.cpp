#include "losectionmap.h"

#include "lodocumentstates.h"

#include "unoutil.h"

#include <QStringList>

#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/style/NumberingType.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/table/XTableRows.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/PageNumberType.hpp>
#include <com/sun/star/text/XTextField.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextTable.hpp>

#include <algorithm>
#include <cmath>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// Word's length of a table: every cell's text with its end-of-cell mark, and
// one end-of-row mark per row.
long tableLength(const Reference<text::XTextTable> &table)
{
    long length = 0;
    const uno::Sequence<rtl::OUString> names = table->getCellNames();
    for (sal_Int32 i = 0; i < names.getLength(); ++i) {
        Reference<text::XText> cell(table->getCellByName(names[i]), UNO_QUERY);
        if (cell.is())
            length += cell->getString().getLength() + 1;
    }
    Reference<table::XTableRows> rows = table->getRows();
    return length + (rows.is() ? rows->getCount() : 0);
}

QString textProperty(const Reference<beans::XPropertySet> &props, const char *name)
{
    rtl::OUString value;
    props->getPropertyValue(unoName(name)) >>= value;
    return toQString(value);
}

// A footer's or header's text as the object model numbers them.
Reference<text::XText> storyText(const Reference<beans::XPropertySet> &style, const char *prefix,
                                 int item)
{
    QString name = QString::fromLatin1(prefix);
    if (item == 2)
        name += QStringLiteral("TextFirst");
    else if (item == 3)
        name += QStringLiteral("TextLeft");
    else
        name += boolOf(style, name + QStringLiteral("IsShared")) ? QStringLiteral("Text")
                                                                 : QStringLiteral("TextRight");
    return Reference<text::XText>(style->getPropertyValue(toOUString(name)), UNO_QUERY);
}

} // namespace

std::vector<SectionPart> SectionMap::sections(DocumentState &document, bool withOffsets)
{
    const Reference<frame::XModel> &model = document.model;
    const long edits = document.stories.edits(bodyOf(model));
    std::vector<SectionPart> parts;
    if (document.sections.knownSections(edits, withOffsets, &parts))
        return parts;
    // Offsets come at no cost without tables: then they are always worked out.
    withOffsets = withOffsets || !textstory::hasTables(model);
    parts = computeSections(model, withOffsets);
    document.sections.keepSections(edits, withOffsets, parts);
    return parts;
}

std::vector<SectionPart> SectionMap::computeSections(const Reference<frame::XModel> &model,
                                                     bool withOffsets)
{
    std::vector<SectionPart> parts;
    const Reference<text::XText> text = bodyOf(model);
    // Without tables every element is a paragraph, and the body's string
    // gives all their lengths in one call.
    QStringList lines;
    const bool flat = !textstory::hasTables(model);
    if (flat)
        lines = toQString(text->getString()).split(QLatin1Char('\n'));
    Reference<container::XEnumerationAccess> access(text, UNO_QUERY_THROW);
    Reference<container::XEnumeration> elements = access->createEnumeration();
    long offset = 0;
    int index = 0;
    while (elements->hasMoreElements()) {
        Reference<beans::XPropertySet> element(elements->nextElement(), UNO_QUERY);
        if (!element.is())
            continue;
        long length = 0;
        Reference<text::XTextTable> table;
        if (flat) {
            length = index < lines.size() ? lines.at(index).size() + 1 : 1;
            ++index;
        } else if (withOffsets || parts.empty()) {
            table.set(element, UNO_QUERY);
        }
        if (withOffsets && !flat) {
            if (table.is()) {
                length = tableLength(table);
            } else {
                Reference<text::XTextRange> paragraph(element, UNO_QUERY);
                length = paragraph.is() ? paragraph->getString().getLength() + 1 : 1;
            }
        }
        QString style;
        if (parts.empty()) {
            style = textProperty(element, "PageDescName");
            if (style.isEmpty() && !table.is())
                style = textProperty(element, "PageStyleName");
            if (style.isEmpty())
                style = QStringLiteral("Standard");
        } else {
            style = textProperty(element, "PageDescName");
        }
        if (!style.isEmpty()) {
            if (!parts.empty())
                parts.back().end = offset;
            SectionPart part;
            part.pageStyle = style;
            part.first = element;
            part.start = offset;
            parts.push_back(part);
        }
        offset += length;
    }
    if (!parts.empty())
        parts.back().end = offset;
    return parts;
}

Reference<beans::XPropertySet> SectionMap::pageStyle(const Reference<frame::XModel> &model,
                                                     const QString &name)
{
    Reference<style::XStyleFamiliesSupplier> supplier(model, UNO_QUERY_THROW);
    Reference<container::XNameAccess> styles(
        supplier->getStyleFamilies()->getByName(unoName("PageStyles")), UNO_QUERY_THROW);
    const rtl::OUString styleName = toOUString(name);
    if (!styles->hasByName(styleName))
        return nullptr;
    return Reference<beans::XPropertySet>(styles->getByName(styleName), UNO_QUERY);
}

Reference<text::XTextContent> SectionMap::newPageNumberField(const Reference<frame::XModel> &model)
{
    Reference<lang::XMultiServiceFactory> factory(model, UNO_QUERY_THROW);
    Reference<beans::XPropertySet> field(
        factory->createInstance(unoName("com.sun.star.text.TextField.PageNumber")),
        UNO_QUERY_THROW);
    field->setPropertyValue(unoName("SubType"), uno::Any(text::PageNumberType_CURRENT));
    field->setPropertyValue(unoName("NumberingType"),
                            uno::Any(sal_Int16(style::NumberingType::ARABIC)));
    return Reference<text::XTextContent>(field, UNO_QUERY_THROW);
}

namespace {

bool isPageNumberField(const Reference<beans::XPropertySet> &portion)
{
    rtl::OUString type;
    portion->getPropertyValue(unoName("TextPortionType")) >>= type;
    if (type != "TextField")
        return false;
    Reference<lang::XServiceInfo> field(portion->getPropertyValue(unoName("TextField")), UNO_QUERY);
    return field.is() && field->supportsService(unoName("com.sun.star.text.TextField.PageNumber"));
}

} // namespace

long SectionMap::countPageNumberFields(const Reference<text::XText> &story)
{
    long count = 0;
    Reference<container::XEnumerationAccess> access(story, UNO_QUERY_THROW);
    Reference<container::XEnumeration> paragraphs = access->createEnumeration();
    while (paragraphs->hasMoreElements()) {
        Reference<container::XEnumerationAccess> paragraph(paragraphs->nextElement(), UNO_QUERY);
        if (!paragraph.is())
            continue;
        Reference<container::XEnumeration> portions = paragraph->createEnumeration();
        while (portions->hasMoreElements()) {
            Reference<beans::XPropertySet> portion(portions->nextElement(), UNO_QUERY);
            if (portion.is() && isPageNumberField(portion))
                ++count;
        }
    }
    return count;
}

void SectionMap::copyStory(const Reference<frame::XModel> &model,
                           const Reference<text::XText> &from, const Reference<text::XText> &to)
{
    to->setString(rtl::OUString());
    Reference<text::XTextCursor> cursor = to->createTextCursor();
    const Reference<text::XTextRange> at(cursor.get());
    Reference<container::XEnumerationAccess> access(from, UNO_QUERY_THROW);
    Reference<container::XEnumeration> paragraphs = access->createEnumeration();
    bool first = true;
    while (paragraphs->hasMoreElements()) {
        Reference<container::XEnumerationAccess> paragraph(paragraphs->nextElement(), UNO_QUERY);
        Reference<beans::XPropertySet> paragraphProps(paragraph, UNO_QUERY);
        if (!paragraph.is() || !paragraphProps.is())
            continue;
        if (!first)
            to->insertControlCharacter(at, text::ControlCharacter::PARAGRAPH_BREAK, false);
        first = false;
        Reference<beans::XPropertySet>(cursor, UNO_QUERY_THROW)
            ->setPropertyValue(unoName("ParaAdjust"),
                               paragraphProps->getPropertyValue(unoName("ParaAdjust")));
        Reference<container::XEnumeration> portions = paragraph->createEnumeration();
        while (portions->hasMoreElements()) {
            Reference<beans::XPropertySet> portion(portions->nextElement(), UNO_QUERY);
            if (!portion.is())
                continue;
            if (isPageNumberField(portion)) {
                to->insertTextContent(at, newPageNumberField(model), false);
                continue;
            }
            Reference<text::XTextRange> range(portion, UNO_QUERY);
            rtl::OUString type;
            portion->getPropertyValue(unoName("TextPortionType")) >>= type;
            if (range.is() && type == "Text")
                to->insertString(at, range->getString(), false);
        }
    }
}

void SectionMap::syncLinked(DocumentState &document)
{
    const Reference<frame::XModel> &model = document.model;
    const std::vector<SectionPart> parts = sections(document);
    for (size_t i = 1; i < parts.size(); ++i) {
        const Reference<beans::XPropertySet> target = pageStyle(model, parts[i].pageStyle);
        if (!target.is())
            continue;
        for (bool header : {false, true}) {
            const char *prefix = header ? "Header" : "Footer";
            for (int item : {1, 2, 3}) {
                if (!document.sections.linked(parts[i].pageStyle, header, item))
                    continue;
                size_t from = i;
                while (from > 0 && document.sections.linked(parts[from].pageStyle, header, item))
                    --from;
                const Reference<beans::XPropertySet> source
                    = pageStyle(model, parts[from].pageStyle);
                if (!source.is() || !boolOf(source, QStringLiteral("%1IsOn").arg(prefix)))
                    continue;
                // Texts the target's pages do not show are left alone.
                if (item == 2 && boolOf(target, QStringLiteral("FirstIsShared")))
                    continue;
                if (item == 3 && boolOf(target, QStringLiteral("%1IsShared").arg(prefix)))
                    continue;
                if (!boolOf(target, QStringLiteral("%1IsOn").arg(prefix)))
                    target->setPropertyValue(toOUString(QStringLiteral("%1IsOn").arg(prefix)),
                                             uno::Any(true));
                copyStory(model, storyText(source, prefix, item), storyText(target, prefix, item));
            }
        }
    }
}

} // namespace libreoffice
