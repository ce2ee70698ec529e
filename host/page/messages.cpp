#include "messages.h"

#include <QAbstractButton>

namespace {

MessageBoxHook &currentHook()
{
    static MessageBoxHook hook;
    return hook;
}

QMessageBox::StandardButton run(QMessageBox &box)
{
    box.setWindowModality(Qt::ApplicationModal);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确 定"));
    if (QAbstractButton *cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("取 消"));
    if (currentHook())
        return currentHook()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace

void showError(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    run(box);
}

void showInformation(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok);
    run(box);
}

bool askToConfirm(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), text,
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    return run(box) == QMessageBox::Ok;
}

void setMessageBoxHook(MessageBoxHook hook)
{
    currentHook() = std::move(hook);
}
