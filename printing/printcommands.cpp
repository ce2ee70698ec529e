#include "printcommands.h"

#include "messages/messages.h"
#include "page/writerpage.h"
#include "printing/copynumbering.h"
#include "printing/print_window.h"

PrintCommands::PrintCommands(WriterPage *page)
    : QObject(page)
    , m_page(page)
    , m_printWindow(new print_window)
{
    connect(m_printWindow, &print_window::sendData, this, &PrintCommands::autoPrintExc);
}

void PrintCommands::autoPrint()
{
    m_printWindow->setWindowModality(Qt::ApplicationModal);
    m_printWindow->show();
}

void PrintCommands::autoPrintExc(const QString &start, int copies, bool print)
{
    const QString printFailed = QStringLiteral("打印出错，请检查！");
    const printing::CopyOutcome outcome = printing::numberCopies(
        m_page->application(), {start, copies, print}, printing::CopyNumberFormat::read());
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
    m_page->focusWriter();
}
