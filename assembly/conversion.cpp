#include "conversion.h"

#include "automation/application.h"
#include "elementrecord.h"
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

ConversionOutcome recordAndConvert(const automation::ApplicationPtr &app,
                                   const ElementList &elements, const ConversionSettings &settings)
{
    if (!app || !app->activeDocument())
        return convertDocument(app, elements, settings);
    // Mended: the title and the main recipient are kept too. A second
    // conversion replaces the head it wrote, so without them an unchanged
    // confirmation would put placeholders where the title was.
    const std::pair<DocumentElement, QString> record[] = {
        {Element::MiJi, elements.level},
        {Element::QiXian, elements.period},
        {Element::JinJi, elements.urgency},
        {Element::WenHao, elements.number},
        {Element::BiaoTi, elements.title},
        {Element::ZhuSong, elements.recipient},
        {Element::ChenWenDate, elements.writtenOn},
        {Element::YinFaDate, elements.printedOn},
        {Element::GongKai, elements.disclosure},
        {Element::QianFa, elements.signer},
    };
    for (const auto &[element, value] : record)
        writeElement(app, element.id, element.key(), value);
    return convertDocument(app, elements, settings);
}

} // namespace assembly
