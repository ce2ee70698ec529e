// "编码打印": the dialog asks for the first copy number and the number of
// copies; autoPrintExc numbers the copy-number box and prints the copies
// through the printing library, and only reports how that went.
#include "page/messages.h"
#include "page/wpsmainwindow.h"

#include "printing/copynumbering.h"
#include "printing/print_window.h"

void WPSMainWindow::autoPrint()
{
    m_printWindow->setWindowModality(Qt::ApplicationModal);
    m_printWindow->show();
}

void WPSMainWindow::autoPrintExc(const QString &start, int copies, bool print)
{
    const QString printFailed = QStringLiteral("打印出错，请检查！");
    const printing::CopyOutcome outcome = printing::numberCopies(
        m_application, {start, copies, print}, printing::CopyNumberFormat::read());
    switch (outcome) {
    case printing::CopyOutcome::NoApplication:
        return;
    case printing::CopyOutcome::NoDocument:
    case printing::CopyOutcome::PrintFailed:
        showInformation(QStringLiteral("错误"), printFailed);
        break;
    case printing::CopyOutcome::NoNumberBox:
        showError(QStringLiteral("找不到输入框，请确认此文档已加套红头格式!"));
        break;
    case printing::CopyOutcome::NotANumber:
        showError(QStringLiteral("起始编码只能是数字，请重新输入!"));
        break;
    case printing::CopyOutcome::Done:
        break;
    }
    focusWriter();
}
