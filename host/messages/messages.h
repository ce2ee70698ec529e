#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every message box of the program: modal over the whole application, without
// a parent, its buttons relabelled "确 定" (and "取 消"). Each call returns once
// the box has been closed.

// Reports a failure, without an icon. The title is "错误" unless another is
// given (the settings and template dialogs use "设置出错").
void showError(const QString &text, const QString &title = QStringLiteral("错误"));

// A message with the information icon.
void showInformation(const QString &title, const QString &text);

// Asks before something is removed or replaced: warning icon, title "警告",
// buttons "确 定" and "取 消". "取 消" is the default, so that Enter removes
// nothing. True when "确 定" was chosen.
bool askToConfirm(const QString &text);

// Asks what to do with the unsaved changes of a document, by its name:
// question icon, title "保存文档", buttons "保 存", "不保存" and "取 消". "取 消"
// is the default, so that Enter and Esc lose nothing. Returns
// QMessageBox::Save, Discard or Cancel.
QMessageBox::StandardButton askToSaveChanges(const QString &documentName);

// Tells that the writer does not answer and offers to restart it: warning
// icon, title "写作区没有响应", buttons "等 待" (the default) and "重新启动".
// True when "重新启动" was chosen.
bool askToRestartWriter(const QString &text);

// The test hook of the message boxes. While a hook is set, each box is built as
// usual and handed to the hook instead of being run; the hook returns the
// button that counts as chosen. An empty hook restores the normal run.
using MessageBoxHook = std::function<QMessageBox::StandardButton(QMessageBox &box)>;
void setMessageBoxHook(MessageBoxHook hook);
