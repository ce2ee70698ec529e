#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// The message boxes of the settings dialog and the template editors. Every box
// is modal and has no parent; its buttons read "确 定" (and "取 消").
class SettingsMessageBox
{
public:
    // A value the user entered cannot be saved: no icon, title "设置出错",
    // one button "确 定". Returns when the box has been closed.
    static void showError(const QString &text);

    // Asks before something is removed or replaced: warning icon, title
    // "警告", buttons "确 定" and "取 消". True when "确 定" was chosen.
    static bool confirm(const QString &text);

    // When a hook is set, it is called with the finished box instead of
    // running it, and returns the button that counts as chosen. Tests use it
    // to see and answer the boxes; an empty hook restores the normal run.
    using Hook = std::function<QMessageBox::StandardButton(QMessageBox &box)>;
    static void setHook(Hook hook);

private:
    static QMessageBox::StandardButton run(QMessageBox &box);
};
