// The block writers of a conversion as operations of the page: each reads
// the settings and template afresh, writes its block through the assembly
// library, and reports what stopped it.
#include "page/messages.h"
#include "page/wpsmainwindow.h"

#include "assembly/imprint.h"
#include "assembly/redheader.h"
#include "assembly/signatureblock.h"
#include "assembly/titleblock.h"
#include "assembly/titlesettings.h"
#include "optionsettings.h"

// ---- Title and signature blocks

namespace {

void reportUnwritten(assembly::WrittenBlock::Status status)
{
    if (status == assembly::WrittenBlock::Status::NoDocument)
        showError(QStringLiteral("请确认是否已打开文档!"));
    else if (status == assembly::WrittenBlock::Status::TableAtStart)
        showError(QStringLiteral("文档以表格开头，标题等文字无法写在表格之前。"
                                 "请在表格前插入一个空行后重新套用。"));
}

} // namespace

void WPSMainWindow::insetwt(const QString &kind, const QString &templateName, const QString &number,
                            const QString &level, const QString &urgency, const QString &title,
                            const QString &recipient, const QString &signer, const QString &date)
{
    const assembly::TitleTexts texts {kind, number, level, urgency, title, recipient, signer, date};
    reportUnwritten(assembly::writeTitleBlock(m_application, texts,
                                              assembly::readTitleSettings(kind, templateName))
                        .status);
}

void WPSMainWindow::insetlk(const QString &kind, const QString &unit, const QString &date,
                            const QString &note, const QString &attendees, const QString &onLeave,
                            const QString &nonVoting)
{
    const assembly::SignatureTexts texts {kind, unit, date, note, attendees, onLeave, nonVoting};
    reportUnwritten(
        assembly::writeSignatureBlock(m_application, texts, OptionSettings::headingFont()).status);
}

// ---- Red header and imprint

namespace {

const QString kNoDocument = QStringLiteral("请确认是否已打开文档!");

} // namespace

void WPSMainWindow::insetht(const QString &kind, const QString &templateName,
                            const QString &securityLevel, const QString &documentNumber)
{
    if (!m_application)
        return;
    assembly::HeaderTemplate values;
    // Mended: a template deleted since it was chosen would draw a header of
    // zeros; nothing is drawn and the user is told.
    if (!assembly::HeaderTemplate::read(kind, templateName, &values)) {
        showError(QStringLiteral("未找到红头模板“%1”，未生成红头!").arg(templateName));
        focusWriter();
        return;
    }
    const assembly::HeaderInput input {kind, securityLevel, documentNumber};
    if (assembly::drawRedHeader(m_application, input, values) == assembly::Outcome::NoDocument)
        showError(kNoDocument);
    focusWriter();
}

void WPSMainWindow::insetbj(const QString &kind, const QString &unit, const QString &date,
                            const QString &copyTo, const QString &disclosure,
                            const QString &distribution)
{
    const assembly::ImprintInput input {kind, unit, date, copyTo, disclosure, distribution};
    const assembly::Outcome outcome
        = assembly::drawImprint(m_application, input, assembly::ImprintSettings::read());
    if (outcome == assembly::Outcome::NoApplication)
        return;
    if (outcome == assembly::Outcome::NoDocument)
        showError(kNoDocument);
    focusWriter();
}
