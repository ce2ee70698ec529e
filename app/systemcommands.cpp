#include "systemcommands.h"

#include "messages/messages.h"
#include "option_window.h"
#include "page/writerpage.h"

#include <QDesktopServices>
#include <QUrl>

SystemCommands::SystemCommands(WriterPage *page)
    : QObject(page)
    , m_page(page)
{
}

void SystemCommands::openSettings()
{
    option_window dialog;
    dialog.exec();
}

void SystemCommands::aboutMe()
{
    showInformation(QStringLiteral("关于本软件"),
                    QStringLiteral("公文排版制作软件\n\n"
                                   "按党政机关公文格式排版公文：套用红头模板、填写公文要素、"
                                   "设置标题和正文格式、页面适配、编码打印。\n\n"
                                   "由 Quorvex 项目组开发。\n"
                                   "使用的软件：Qt 5（界面），LibreOffice（文档编辑与打印）。"));
    m_page->focusWriter();
}

void SystemCommands::openHelp()
{
    // A missing document or viewer is not reported.
    QDesktopServices::openUrl(QUrl::fromUserInput(QStringLiteral("/usr/share/quorvex/help.pdf")));
}
