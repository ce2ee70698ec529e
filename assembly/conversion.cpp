#include "conversion.h"

#include "automation/application.h"
#include "format/blockmarks.h"
#include "format/pageadaptation.h"
#include "imprint.h"
#include "optionsettings.h"
#include "redheader.h"
#include "signatureblock.h"
#include "titlesettings.h"

namespace assembly {

namespace {

void markWritten(const automation::DocumentPtr &document, format::Block block,
                 const WrittenBlock &written)
{
    if (written.status == WrittenBlock::Status::Written)
        format::markParagraphs(document, block, written.firstParagraph, written.lastParagraph);
}

} // namespace

ConversionSettings ConversionSettings::read(const QString &kind, const QString &templateName)
{
    ConversionSettings settings;
    settings.layout = format::LayoutSettings::read();
    settings.title = readTitleSettings(kind, templateName);
    settings.headerFound = HeaderTemplate::read(kind, templateName, &settings.header);
    settings.imprint = ImprintSettings::read();
    settings.organName = OptionSettings::organName();
    settings.labelFont = OptionSettings::headingFont();
    return settings;
}

ConversionOutcome convertDocument(const automation::ApplicationPtr &app,
                                  const ElementList &elements, const ConversionSettings &settings)
{
    ConversionOutcome outcome;
    if (!app)
        return outcome;
    const automation::DocumentPtr document = app->activeDocument();
    outcome.status = ConversionOutcome::Status::NoDocument;
    if (!document)
        return outcome;
    outcome.status = ConversionOutcome::Status::Done;

    format::removeMarkedParagraphs(document, format::Block::Head);
    format::removeMarkedParagraphs(document, format::Block::Signature);

    const QString unit = elements.signature.isEmpty() ? settings.organName : elements.signature;
    outcome.signature
        = writeSignatureBlock(app,
                              {elements.kind, unit, elements.writtenOn, elements.note,
                               elements.attendees, elements.onLeave, elements.nonVoting},
                              settings.labelFont);
    markWritten(document, format::Block::Signature, outcome.signature);

    format::adaptPages(app, settings.layout, false, false);

    outcome.head = writeTitleBlock(app,
                                   {elements.kind, elements.number, elements.levelLine(),
                                    elements.urgencyLine(), elements.headTitle(),
                                    elements.headRecipient(), elements.signer, elements.writtenOn},
                                   settings.title);
    markWritten(document, format::Block::Head, outcome.head);

    if (settings.headerFound) {
        drawRedHeader(app, {elements.kind, elements.levelLine(), elements.number}, settings.header);
        outcome.headerDrawn = true;
    }
    // The imprint takes the main recipient as entered (minutes print it as
    // the distribution), not the head's placeholder.
    drawImprint(app,
                {elements.kind, elements.unit, elements.printedOn, elements.copyTo,
                 elements.disclosure, elements.recipient},
                settings.imprint);
    return outcome;
}

} // namespace assembly
