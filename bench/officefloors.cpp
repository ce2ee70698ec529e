#include "officefloors.h"

#include "automation/automation.h"
#include "format/layoutsettings.h"
#include "format/officialpage.h"
#include "libreoffice/loapplication.h"
#include "libreoffice/lofiles.h"
#include "libreoffice/office.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/style/LineSpacing.hpp>
#include <com/sun/star/style/LineSpacingMode.hpp>
#include <com/sun/star/style/NumberingType.hpp>
#include <com/sun/star/style/PageStyleLayout.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/PageNumberType.hpp>
#include <com/sun/star/text/TextGridMode.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/uno/Sequence.hxx>

#include <map>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace officefloors {

namespace {

namespace sheet = format::officialPage;

rtl::OUString ou(const QString &text)
{
    return rtl::OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), text.size());
}

sal_Int32 hundredths(double points)
{
    return sal_Int32(points * 2540.0 / 72.0 + 0.5);
}

sal_Int32 cm(double centimetres)
{
    return sal_Int32(centimetres * 1000.0 + 0.5);
}

// setPropertyValues wants the names in order, as the map keeps them.
void setAll(const Reference<uno::XInterface> &target, const std::map<rtl::OUString, Any> &values)
{
    std::vector<rtl::OUString> names;
    std::vector<Any> anys;
    for (const auto &value : values) {
        names.push_back(value.first);
        anys.push_back(value.second);
    }
    Reference<beans::XMultiPropertySet>(target, UNO_QUERY_THROW)
        ->setPropertyValues(uno::Sequence<rtl::OUString>(names.data(), sal_Int32(names.size())),
                            uno::Sequence<Any>(anys.data(), sal_Int32(anys.size())));
}

Reference<frame::XModel> activeModel(const automation::ApplicationPtr &application)
{
    const auto ours = std::dynamic_pointer_cast<libreoffice::LoApplication>(application);
    return ours && ours->office() ? ours->office()->activeDocument() : nullptr;
}

void goRight(const Reference<text::XTextCursor> &cursor, long count, bool expand)
{
    for (; count > 0; count -= 30000)
        cursor->goRight(sal_Int16(std::min(count, 30000L)), expand);
}

void writeFooter(const Reference<frame::XModel> &model, const Reference<text::XText> &footer,
                 style::ParagraphAdjust adjust)
{
    footer->setString(rtl::OUString());
    const Reference<text::XTextCursor> cursor = footer->createTextCursor();
    const Reference<text::XTextRange> at(cursor.get());
    footer->insertString(at, ou(QStringLiteral("— ")), false);
    Reference<beans::XPropertySet> field(
        Reference<lang::XMultiServiceFactory>(model, UNO_QUERY_THROW)
            ->createInstance("com.sun.star.text.TextField.PageNumber"),
        UNO_QUERY_THROW);
    field->setPropertyValue("NumberingType", Any(sal_Int16(style::NumberingType::ARABIC)));
    field->setPropertyValue("SubType", Any(text::PageNumberType_CURRENT));
    footer->insertTextContent(at, Reference<text::XTextContent>(field, UNO_QUERY_THROW), false);
    footer->insertString(at, ou(QStringLiteral(" —")), false);
    setAll(cursor,
           {{"CharFontName", Any(ou(format::LayoutSettings().pageNumberFont))},
            {"CharHeight", Any(14.0f)},
            {"ParaAdjust", Any(sal_Int16(adjust))}});
}

} // namespace

void settle(const automation::ApplicationPtr &application)
{
    if (const automation::DocumentPtr document = application->activeDocument()) {
        if (const automation::RangePtr content = document->content())
            content->information(automation::wdActiveEndPageNumber);
    }
}

double importText(const automation::ApplicationPtr &application, const QStringList &paragraphs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("paragraphs.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return -1;
    file.write("\xEF\xBB\xBF" + paragraphs.join(QLatin1Char('\n')).toUtf8());
    file.close();
    QElapsedTimer timer;
    timer.start();
    if (!libreoffice::openDocument(application, path))
        return -1;
    settle(application);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (automation::DocumentPtr document = application->activeDocument())
        document->close(automation::Variant(false));
    return seconds;
}

double adaptPages(const automation::ApplicationPtr &application, const QStringList &paragraphs,
                  const QList<QPair<int, int>> &headings)
{
    // The page and body as page adaptation lays them out with the default
    // settings.
    const format::LayoutSettings layout;
    const Reference<frame::XModel> model = activeModel(application);
    if (!model.is())
        return -1;
    QElapsedTimer timer;
    timer.start();
    try {
        model->lockControllers();
        Reference<container::XNameAccess> pageStyles(
            Reference<style::XStyleFamiliesSupplier>(model, UNO_QUERY_THROW)
                ->getStyleFamilies()
                ->getByName("PageStyles"),
            UNO_QUERY_THROW);
        const Reference<beans::XPropertySet> page(pageStyles->getByName("Standard"),
                                                  UNO_QUERY_THROW);
        // The footer first: its own values exist once it is on.
        setAll(page,
               {{"FooterIsDynamicHeight", Any(false)},
                {"FooterIsOn", Any(true)},
                {"FooterIsShared", Any(false)}});
        const sal_Int32 bodyHeight
            = cm(sheet::heightCm) - cm(layout.topMargin) - cm(layout.bottomMargin);
        const sal_Int32 lines = sal_Int32(sheet::linesPerPage);
        const sal_Int32 chars = sal_Int32(sheet::charsPerLine);
        const sal_Int32 footerDistance = hundredths(double(sheet::footerDistance));
        setAll(page,
               {{"BottomMargin", Any(footerDistance / 2)},
                {"FooterBodyDistance", Any(sal_Int32(0))},
                {"FooterHeight", Any(sal_Int32(cm(layout.bottomMargin) - footerDistance / 2))},
                {"GridBaseHeight", Any(sal_Int32(bodyHeight / lines))},
                {"GridBaseWidth",
                 Any(sal_Int32((cm(sheet::widthCm) - cm(layout.leftMargin + layout.rightMargin))
                               / chars))},
                {"GridLines", Any(sal_Int16(lines))},
                {"GridMode", Any(text::TextGridMode::LINES)},
                {"GridRubyHeight", Any(sal_Int32(0))},
                {"Height", Any(cm(sheet::heightCm))},
                {"IsLandscape", Any(false)},
                {"LeftMargin", Any(cm(layout.leftMargin))},
                {"PageStyleLayout", Any(style::PageStyleLayout_MIRRORED)},
                {"RightMargin", Any(cm(layout.rightMargin))},
                {"TopMargin", Any(cm(layout.topMargin))},
                {"Width", Any(cm(sheet::widthCm))}});
        writeFooter(
            model,
            Reference<text::XText>(page->getPropertyValue("FooterTextRight"), UNO_QUERY_THROW),
            style::ParagraphAdjust_RIGHT);
        writeFooter(
            model,
            Reference<text::XText>(page->getPropertyValue("FooterTextLeft"), UNO_QUERY_THROW),
            style::ParagraphAdjust_LEFT);

        const Reference<text::XText> body
            = Reference<text::XTextDocument>(model, UNO_QUERY_THROW)->getText();
        const Reference<text::XTextCursor> all = body->createTextCursor();
        all->gotoStart(false);
        all->gotoEnd(true);
        style::LineSpacing spacing;
        spacing.Mode = style::LineSpacingMode::FIX;
        spacing.Height = sal_Int16(hundredths(double(layout.bodySpacing)));
        setAll(all,
               {{"CharFontName", Any(ou(layout.westernFont))},
                {"CharFontNameAsian", Any(ou(layout.bodyFont))},
                {"CharHeight", Any(sheet::bodySize)},
                {"CharHeightAsian", Any(sheet::bodySize)},
                {"ParaAdjust", Any(sal_Int16(style::ParagraphAdjust_LEFT))},
                {"ParaFirstLineIndent", Any(hundredths(32.0))},
                {"ParaLeftMargin", Any(sal_Int32(0))},
                {"ParaLineSpacing", Any(spacing)},
                {"ParaRightMargin", Any(sal_Int32(0))},
                {"SnapToGrid", Any(false)}});

        // The headings' lead sentences, one after the other.
        const Reference<text::XTextCursor> lead = body->createTextCursor();
        lead->gotoStart(false);
        long at = 0;
        long paragraphStart = 0;
        int index = 0;
        for (const QPair<int, int> &heading : headings) {
            for (; index < heading.first; ++index)
                paragraphStart += paragraphs.at(index).size() + 1;
            lead->collapseToEnd();
            goRight(lead, paragraphStart - at, false);
            goRight(lead, heading.second, true);
            at = paragraphStart + heading.second;
            Reference<beans::XPropertySet>(lead, UNO_QUERY_THROW)
                ->setPropertyValue("CharFontNameAsian", Any(ou(layout.headingFont)));
        }
        model->unlockControllers();
    } catch (const uno::Exception &) {
        return -1;
    }
    settle(application);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace officefloors
