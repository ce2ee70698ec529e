#include "pageadaptation.h"

#include "automation/automation.h"
#include "blockmarks.h"
#include "officialpage.h"
#include "pagefooters.h"
#include "paragraphpass.h"

using namespace automation;

namespace format {

void setDocumentStyles(const DocumentPtr &document, const LayoutSettings &settings)
{
    StylesPtr styles = document->styles();
    if (!styles)
        return;
    if (StylePtr normal = styles->item(Variant(wdStyleNormal))) {
        if (FontPtr font = normal->font()) {
            font->setNameFarEast(settings.bodyFont);
            font->setNameAscii(settings.westernFont);
            font->setBold(0);
            font->setItalic(0);
            font->setSize(officialPage::bodySize);
        }
    }
    if (StylePtr header = styles->item(Variant(wdStyleHeader))) {
        BordersPtr borders = header->borders();
        if (BorderPtr bottom = borders ? borders->item(wdBorderBottom) : nullptr)
            bottom->setLineStyle(wdLineStyleNone);
    }
}

void setOfficialSheet(const PageSetupPtr &ps)
{
    ps->setPageWidth(officialPage::width);
    ps->setPageHeight(officialPage::height);
    ps->setLinesPage(officialPage::linesPerPage);
    ps->setCharsLine(officialPage::charsPerLine);
}

void setPortraitPage(const PageSetupPtr &ps, const LayoutSettings &s)
{
    ps->setDifferentFirstPageHeaderFooter(0);
    ps->setTopMargin(centimetersToPoints(s.topMargin));
    ps->setBottomMargin(centimetersToPoints(s.bottomMargin));
    ps->setLeftMargin(centimetersToPoints(s.leftMargin));
    ps->setRightMargin(centimetersToPoints(s.rightMargin));
    ps->setOrientation(wdOrientPortrait);
    ps->setMirrorMargins(1);
    ps->setFooterDistance(officialPage::footerDistance);
    ps->setLayoutMode(wdLayoutModeGrid);
    setOfficialSheet(ps);
    ps->setOddAndEvenPagesHeaderFooter(1);
}

Outcome styledActiveDocument(const ApplicationPtr &app, const LayoutSettings &settings,
                             DocumentPtr *document)
{
    if (!app)
        return Outcome::NoApplication;
    DocumentPtr active = app->activeDocument();
    if (!active)
        return Outcome::NoDocument;
    setDocumentStyles(active, settings);
    *document = std::move(active);
    return Outcome::Done;
}

Outcome adaptPages(const ApplicationPtr &app, const LayoutSettings &settings, bool formatBody,
                   bool recogniseHeadings)
{
    DocumentPtr document;
    const Outcome found = styledActiveDocument(app, settings, &document);
    if (found != Outcome::Done)
        return found;

    SectionsPtr sections = document->sections();
    const long count = sections ? sections->count() : 0;
    ParagraphPass pass(settings, recogniseHeadings);
    if (formatBody)
        pass.protectParagraphs(markedParagraphs(document, Block::Head));
    for (long i = count; i >= 1; --i) {
        SectionPtr section = sections->item(i);
        if (!section)
            break; // a section that cannot be had ends the whole run
        PageSetupPtr ps = section->pageSetup();
        if (!ps)
            continue;
        if (ps->orientation() == wdOrientLandscape) {
            ps->setOddAndEvenPagesHeaderFooter(1);
            writeLandscapeFooters(document, section, settings.pageNumberFont);
            continue;
        }
        setPortraitPage(ps, settings);
        writePortraitFooters(section, settings.pageNumberFont);
        if (formatBody)
            pass.run(section, i == 1);
    }
    return Outcome::Done;
}

} // namespace format
