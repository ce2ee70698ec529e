#pragma once

#include <QString>

// Every message box of the program: modal, without a parent, with a single
// button labelled "确 定". They return when the user has closed the box.

// Reports a failure; the title is "错误" unless another is given.
void showError(const QString &text, const QString &title = QStringLiteral("错误"));

// Shows a piece of information.
void showInformation(const QString &title, const QString &text);
