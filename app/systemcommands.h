#pragma once

#include <QObject>

class WriterPage;

// The commands of the "系统设置" group (their labels in commandtable.cpp):
// they need no writer.
class SystemCommands : public QObject
{
    Q_OBJECT

public:
    explicit SystemCommands(WriterPage *page);

    void openSettings(); // 系统参数设置: the settings dialog (settings/option_window.h)
    void aboutMe(); // 关于本软件
    void openHelp(); // 使用帮助

private:
    WriterPage *m_page;
};
