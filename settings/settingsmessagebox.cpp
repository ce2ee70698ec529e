#include "settingsmessagebox.h"

#include <QAbstractButton>

namespace {

SettingsMessageBox::Hook &currentHook()
{
    static SettingsMessageBox::Hook hook;
    return hook;
}

} // namespace

void SettingsMessageBox::showError(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("设置出错"), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确 定"));
    run(box);
}

bool SettingsMessageBox::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), text,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确 定"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取 消"));
    return run(box) == QMessageBox::Ok;
}

void SettingsMessageBox::setHook(Hook hook)
{
    currentHook() = std::move(hook);
}

QMessageBox::StandardButton SettingsMessageBox::run(QMessageBox &box)
{
    box.setWindowModality(Qt::ApplicationModal);
    if (currentHook())
        return currentHook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}
