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
    if (QAbstractButton *ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("确 定"));
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

QMessageBox::StandardButton askToSaveChanges(const QString &documentName)
{
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("保存文档"),
        QStringLiteral("文档“%1”有未保存的修改。\n\n是否在关闭前保存？").arg(documentName),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(QStringLiteral("保 存"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    const QMessageBox::StandardButton answer = run(box);
    return answer == QMessageBox::Save || answer == QMessageBox::Discard ? answer
                                                                         : QMessageBox::Cancel;
}

bool askToRestartWriter(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("写作区没有响应"), text,
                    QMessageBox::Ignore | QMessageBox::Retry);
    box.button(QMessageBox::Ignore)->setText(QStringLiteral("等 待"));
    box.button(QMessageBox::Retry)->setText(QStringLiteral("重新启动"));
    box.setDefaultButton(QMessageBox::Ignore);
    box.setEscapeButton(QMessageBox::Ignore);
    return run(box) == QMessageBox::Retry;
}

void setMessageBoxHook(MessageBoxHook hook)
{
    currentHook() = std::move(hook);
}
