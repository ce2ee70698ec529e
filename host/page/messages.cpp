#include "messages.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {

void runMessageBox(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确 定"));
    box.exec();
}

} // namespace

void showError(const QString &text, const QString &title)
{
    runMessageBox(QMessageBox::Critical, title, text);
}

void showInformation(const QString &title, const QString &text)
{
    runMessageBox(QMessageBox::Information, title, text);
}
