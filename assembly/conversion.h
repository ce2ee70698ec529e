#pragma once

#include "automation/forward.h"
#include "elementlist.h"
#include "format/layoutsettings.h"
#include "headertemplate.h"
#include "imprintsettings.h"
#include "titleblock.h"
#include "writtenblock.h"

namespace assembly {

// Everything a conversion of one kind with one template reads from the
// settings and template files, each value after its default.
struct ConversionSettings
{
    format::LayoutSettings layout; // page adaptation
    TitleSettings title;
    HeaderTemplate header;
    bool headerFound = false; // the template exists
    ImprintSettings imprint;
    QString organName; // the settings' issuing organ: the signature's fallback
    QString labelFont; // minutes' attendance labels

    static ConversionSettings read(const QString &kind, const QString &templateName);
};

struct ConversionOutcome
{
    enum class Status {
        Done,
        NoApplication, // no writer bound: nothing to report
        NoDocument,
    };
    Status status = Status::NoApplication;
    WrittenBlock signature;
    WrittenBlock head;
    bool headerDrawn = false; // false when the template is gone
};

// Turns the active document into an official document of the elements'
// kind (transtogw): the signature block (insetlk), the page layout without
// touching the body's formats, the title block (insetwt), the red header
// (insetht) and the imprint (insetbj), in this order.
//
// A document converted before is converted again in place: the head and the
// signature that the earlier conversion wrote (found by their marks,
// blockmarks.h) are taken out first, as the header and the imprint replace
// their own shapes, so the document never carries two of them; the user's
// text stays. The elements themselves are stored by the caller.
ConversionOutcome convertDocument(const automation::ApplicationPtr &app,
                                  const ElementList &elements, const ConversionSettings &settings);

// What a confirmed element list does to the active document (transtogw, and
// the command-line converter): the elements as entered go into the
// document's element record first, for the next conversion to offer again,
// then the document is converted. Nothing is stored without a document.
ConversionOutcome recordAndConvert(const automation::ApplicationPtr &app,
                                   const ElementList &elements, const ConversionSettings &settings);

} // namespace assembly
