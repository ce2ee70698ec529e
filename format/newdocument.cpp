#include "newdocument.h"

#include "automation/automation.h"
#include "pageadaptation.h"

using namespace automation;

namespace format {

void startAsOfficialBody(const DocumentPtr &document, const LayoutSettings &settings)
{
    if (!document)
        return;
    const bool wasSaved = document->saved();
    setDocumentStyles(document, settings);
    StylesPtr styles = document->styles();
    if (StylePtr normal = styles ? styles->item(Variant(wdStyleNormal)) : nullptr) {
        if (ParagraphFormatPtr format = normal->paragraphFormat()) {
            format->setLineSpacingRule(wdLineSpaceExactly);
            format->setLineSpacing(settings.bodySpacing);
        }
    }
    SectionsPtr sections = document->sections();
    for (long i = 1; sections && i <= sections->count(); ++i) {
        SectionPtr section = sections->item(i);
        if (PageSetupPtr pageSetup = section ? section->pageSetup() : nullptr)
            setPortraitPage(pageSetup, settings);
    }
    if (wasSaved)
        document->setSaved(true);
}

} // namespace format
