#include "landscapepage.h"

#include "automation/automation.h"
#include "pageadaptation.h"
#include "pagefooters.h"

using namespace automation;

namespace format {

Outcome insertLandscapePage(const ApplicationPtr &app, const LayoutSettings &settings)
{
    DocumentPtr document;
    const Outcome found = styledActiveDocument(app, settings, &document);
    if (found != Outcome::Done)
        return found;

    SectionsPtr sections = document->sections();
    SelectionPtr selection = app->selection();
    if (!sections || !selection)
        return Outcome::Done;

    SectionPtr after = sections->add(Variant(selection->range()), Variant(wdSectionNewPage));
    if (!after)
        return Outcome::Done;
    if (HeadersFootersPtr footers = after->footers()) {
        for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
            if (HeaderFooterPtr footer = footers->item(item))
                footer->setLinkToPrevious(0);
        }
        for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
            HeaderFooterPtr footer = footers->item(item);
            if (PageNumbersPtr numbers = footer ? footer->pageNumbers() : nullptr)
                numbers->setRestartNumberingAtSection(0);
        }
    }

    selection = app->selection();
    SectionPtr landscape = selection
        ? sections->add(Variant(selection->range()), Variant(wdSectionNewPage))
        : nullptr;
    if (!landscape)
        return Outcome::Done;

    if (RangePtr range = landscape->range()) {
        const long start = range->start();
        range->setRange(start, start);
        range->select();
    }

    if (PageSetupPtr ps = landscape->pageSetup()) {
        setOfficialSheet(ps);
        ps->setLayoutMode(wdLayoutModeGrid);
        ps->setOrientation(wdOrientLandscape);
        ps->setTopMargin(centimetersToPoints(settings.landscapeTop));
        ps->setBottomMargin(centimetersToPoints(settings.landscapeBottom));
        ps->setLeftMargin(centimetersToPoints(settings.landscapeLeft));
        ps->setRightMargin(centimetersToPoints(settings.landscapeRight));
        ps->setOddAndEvenPagesHeaderFooter(1);
        ps->setMirrorMargins(0);
        ps->setFooterDistance(0);
    }
    writeLandscapeFooters(document, landscape, settings.pageNumberFont, true);

    return adaptPages(app, settings, false, false);
}

} // namespace format
