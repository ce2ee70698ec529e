#include "copynumbering.h"

#include "automation/automation.h"
#include "optionsettings.h"

using namespace automation;

namespace printing {

namespace {

const QString kNumberBox = QStringLiteral("GWXH");

// The copy-number box, looked up from the last shape down.
ShapePtr numberBox(const DocumentPtr &document)
{
    const ShapesPtr shapes = document->shapes();
    if (!shapes)
        return nullptr;
    for (long i = shapes->count(); i >= 1; --i) {
        const ShapePtr shape = shapes->item(i);
        if (shape && shape->name() == kNumberBox)
            return shape;
    }
    return nullptr;
}

// No margins, a height that follows the text, black left-aligned text of
// 16 pt in the number font on exact lines; the number is selected.
RangePtr formatBox(const ShapePtr &box, const CopyNumberFormat &format)
{
    const TextFramePtr frame = box->textFrame();
    if (!frame)
        return nullptr;
    frame->setAutoSize(1);
    frame->setMarginTop(0);
    frame->setMarginBottom(0);
    frame->setMarginLeft(0);
    frame->setMarginRight(0);
    const RangePtr text = frame->textRange();
    if (!text)
        return nullptr;
    if (const FontPtr font = text->font()) {
        font->setColor(wdColorBlack);
        font->setSize(16.0f);
        font->setNameFarEast(format.font);
        font->setNameAscii(format.font);
    }
    if (const ParagraphFormatPtr paragraph = text->paragraphFormat()) {
        paragraph->setLineSpacingRule(wdLineSpaceExactly);
        paragraph->setLineSpacing(format.lineSpacing);
        paragraph->setAlignment(wdAlignParagraphLeft);
    }
    text->select();
    return text;
}

} // namespace

CopyNumberFormat CopyNumberFormat::read()
{
    CopyNumberFormat format;
    const double spacing = OptionSettings::copyNumberSpacing();
    if (spacing > 0)
        format.lineSpacing = float(spacing);
    const QString font = OptionSettings::headingFont();
    if (!font.isEmpty())
        format.font = font;
    return format;
}

QString copyNumber(const QString &start, int k)
{
    // Digits only: no sign, no blanks, nothing toInt would also take.
    const QString digits = start.trimmed();
    bool ok = !digits.isEmpty();
    for (const QChar c : digits)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const qulonglong first = ok ? digits.toULongLong(&ok) : 0;
    if (!ok)
        return QString();
    return QString::number(first + qulonglong(k)).rightJustified(digits.size(), QLatin1Char('0'));
}

CopyOutcome numberCopies(const ApplicationPtr &app, const CopyRequest &request,
                         const CopyNumberFormat &format)
{
    if (!app)
        return CopyOutcome::NoApplication;
    const DocumentPtr document = app->activeDocument();
    if (!document)
        return CopyOutcome::NoDocument;
    const ShapePtr box = numberBox(document);
    if (!box)
        return CopyOutcome::NoNumberBox;
    const RangePtr text = formatBox(box, format);
    if (!text)
        return CopyOutcome::NoNumberBox;
    if (!request.print) {
        text->setText(request.start);
        return CopyOutcome::Done;
    }
    if (request.copies > 0 && copyNumber(request.start, 0).isEmpty())
        return CopyOutcome::NotANumber;
    for (int k = 0; k < request.copies; ++k) {
        text->setText(copyNumber(request.start, k));
        if (!document->printOut())
            return CopyOutcome::PrintFailed;
    }
    return CopyOutcome::Done;
}

} // namespace printing
