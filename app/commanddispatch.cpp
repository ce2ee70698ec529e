#include "format/setpage_window.h"
#include "input_window.h"
#include "jiyao_window.h"
#include "option_window.h"
#include "page/messages.h"
#include "page/wpsmainwindow.h"
#include "page/writerkeeper.h"
#include "printing/print_window.h"

#include <QDesktopServices>
#include <QMap>
#include <QUrl>

// Command labels of the tree and the operations of the page they run. A label
// is the command's only identity: the text must match a key exactly.

void WPSMainWindow::slotButtonClick(const QString &label)
{
    using Operation = void (WPSMainWindow::*)();
    static QMap<QString, Operation> commands;

    if (commands.isEmpty()) {
        commands.insert(QStringLiteral("系统参数设置"), &WPSMainWindow::openSettings);
        commands.insert(QStringLiteral("关于本软件"), &WPSMainWindow::aboutMe);
        commands.insert(QStringLiteral("使用帮助"), &WPSMainWindow::openHelp);
        commands.insert(QStringLiteral("页面适配"), &WPSMainWindow::setPageOption);
        commands.insert(QStringLiteral("设大标题"), &WPSMainWindow::setBT);
        commands.insert(QStringLiteral("一级标题"), &WPSMainWindow::setIBT);
        commands.insert(QStringLiteral("二级标题"), &WPSMainWindow::setIIBT);
        commands.insert(QStringLiteral("正文加粗"), &WPSMainWindow::setZWB);
        commands.insert(QStringLiteral("正文字体"), &WPSMainWindow::setZW);
        commands.insert(QStringLiteral("设为一行"), &WPSMainWindow::setLine);
        commands.insert(QStringLiteral("设为二行"), &WPSMainWindow::setLine2);
        commands.insert(QStringLiteral("套下行文"), &WPSMainWindow::inserDownGW);
        commands.insert(QStringLiteral("套上行文"), &WPSMainWindow::inserUpGW);
        commands.insert(QStringLiteral("纪要简报"), &WPSMainWindow::inserJY);
        commands.insert(QStringLiteral("信函格式"), &WPSMainWindow::inserXH);
        commands.insert(QStringLiteral("联合发文"), &WPSMainWindow::inserLH);
        commands.insert(QStringLiteral("插入横排页面"), &WPSMainWindow::insertHPpage);
        commands.insert(QStringLiteral("加大行距"), &WPSMainWindow::incSpace);
        commands.insert(QStringLiteral("减小行距"), &WPSMainWindow::decSpace);
        commands.insert(QStringLiteral("隐藏/显示红头"), &WPSMainWindow::hideHongTou);
        commands.insert(QStringLiteral("隐藏/显示页码"), &WPSMainWindow::hidePageNumber);
        commands.insert(QStringLiteral("添加/删除定位线"), &WPSMainWindow::inserTestLine);
        commands.insert(QStringLiteral("编码打印"), &WPSMainWindow::autoPrint);
    }
    // The dialogs are the page's own: each page connects its dialogs at its
    // first command, before any of them can be opened and send a result.
    if (!m_dialogsWired) {
        wireDialogs();
        m_dialogsWired = true;
    }

    const Operation operation = commands.value(label, nullptr);
    if (!operation)
        return;
    // The "系统设置" group needs no writer; every other command first makes
    // sure the writer answers (writerkeeper.h).
    const bool needsWriter = operation != &WPSMainWindow::openSettings
        && operation != &WPSMainWindow::aboutMe && operation != &WPSMainWindow::openHelp;
    if (needsWriter && !m_keeper->writerAnswers())
        return;
    m_keeper->beginCommand();
    (this->*operation)();
    m_keeper->endCommand();
}

void WPSMainWindow::wireDialogs()
{
    // Each long-lived dialog's result is connected here, once per page, to
    // the operation that carries it out:
    //   print_window::sendData(QString, int, bool)    -> autoPrintExc
    //   setPage_window::sendSettings(bool, bool)      -> setPageOptionExc
    //   input_window::sendSettings(20 x QString)      -> transtogw
    //   jiyao_window::sendJYSettings(20 x QString)    -> transtogw
    // A dialog is only ever opened by a command, so its connection is made
    // before it can emit.
    connect(m_printWindow, &print_window::sendData, this, &WPSMainWindow::autoPrintExc);
    connect(m_setPageWindow, &setPage_window::sendSettings, this, &WPSMainWindow::setPageOptionExc);
    connect(m_inputWindow, &input_window::sendSettings, this, &WPSMainWindow::transtogw);
    connect(m_jiyaoWindow, &jiyao_window::sendJYSettings, this, &WPSMainWindow::transtogw);
}

void WPSMainWindow::openSettings()
{
    option_window dialog;
    dialog.exec();
}

void WPSMainWindow::aboutMe()
{
    showInformation(QStringLiteral("关于本软件"),
                    QStringLiteral("公文排版制作软件\n\n"
                                   "按党政机关公文格式排版公文：套用红头模板、填写公文要素、"
                                   "设置标题和正文格式、页面适配、编码打印。\n\n"
                                   "由 Quorvex 项目组开发。\n"
                                   "使用的软件：Qt 5（界面），LibreOffice（文档编辑与打印）。"));
    focusWriter();
}

void WPSMainWindow::openHelp()
{
    // A missing document or viewer is not reported.
    QDesktopServices::openUrl(QUrl::fromUserInput(QStringLiteral("/usr/share/quorvex/help.pdf")));
}
