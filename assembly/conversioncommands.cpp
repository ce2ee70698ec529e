// The conversion driver as the page's operation: the input dialogs send their
// element list here (transtogw, wired once with the other dialogs). The
// assembly library stores the elements in the document and converts it; the
// driver reports what the user must know and gives the keyboard focus back
// to the writer.
#include "page/messages.h"
#include "page/wpsmainwindow.h"

#include "assembly/conversion.h"
#include "automation/application.h"

void WPSMainWindow::transtogw(const QString &kind, const QString &templateName,
                              const QString &level, const QString &period, const QString &urgency,
                              const QString &number, const QString &title, const QString &recipient,
                              const QString &copyTo, const QString &note, const QString &writtenOn,
                              const QString &printedOn, const QString &disclosure,
                              const QString &markText, const QString &unit,
                              const QString &signature, const QString &signer,
                              const QString &extra1, const QString &extra2, const QString &extra3)
{
    if (!m_application) {
        focusWriter();
        return;
    }
    if (!m_application->activeDocument()) {
        showError(QStringLiteral("请确认是否已打开文档!"));
        focusWriter();
        return;
    }
    const assembly::ElementList elements = assembly::ElementList::fromStrings(
        {kind,      templateName, level,  period,    urgency,   number,     title,
         recipient, copyTo,       note,   writtenOn, printedOn, disclosure, markText,
         unit,      signature,    signer, extra1,    extra2,    extra3});

    const assembly::ConversionOutcome outcome = assembly::recordAndConvert(
        m_application, elements, assembly::ConversionSettings::read(kind, templateName));
    if (outcome.head.status == assembly::WrittenBlock::Status::TableAtStart)
        showError(QStringLiteral("文档以表格开头，标题等文字无法写在表格之前。"
                                 "请在表格前插入一个空行后重新套用。"));
    if (!outcome.headerDrawn)
        showError(QStringLiteral("未找到红头模板“%1”，未生成红头!").arg(templateName));
    focusWriter();
}
