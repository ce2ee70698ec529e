// The conversion's block writers as operations of the page: each reads the
// settings and templates afresh, draws its block on the active document
// through the assembly library, reports what stopped it, and gives the
// keyboard focus back to the writer.
#include "page/messages.h"
#include "page/wpsmainwindow.h"

#include "assembly/imprint.h"
#include "assembly/redheader.h"

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
