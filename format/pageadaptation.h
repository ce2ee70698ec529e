#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// Sets the whole active document to the official page layout: styles, the
// page setup and page-number footers of every section (landscape sections
// keep their setup and get side page numbers) and, on request, the body
// format of every paragraph with heading recognition. The marked paragraphs
// of a converted head keep what the conversion gave them (see blockmarks.h).
Outcome adaptPages(const automation::ApplicationPtr &app, const LayoutSettings &settings,
                   bool formatBody, bool recogniseHeadings);

// The normal style's body font and the header style without its rule.
void setDocumentStyles(const automation::DocumentPtr &document, const LayoutSettings &settings);

// The active document, given the styles above: what both page commands start
// from. Anything but Done leaves *document unset.
Outcome styledActiveDocument(const automation::ApplicationPtr &app, const LayoutSettings &settings,
                             automation::DocumentPtr *document);

// The official sheet (officialpage.h): A4 with its grid of 22 lines of 28
// characters, in whatever orientation the page setup has.
void setOfficialSheet(const automation::PageSetupPtr &pageSetup);

// The official portrait page: A4, the settings' margins, 22 lines of 28
// characters.
void setPortraitPage(const automation::PageSetupPtr &pageSetup, const LayoutSettings &settings);

} // namespace format
