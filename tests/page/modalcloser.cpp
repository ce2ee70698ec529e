#include "modalcloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

ModalCloser::ModalCloser(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalCloser::closeActiveModal);
    m_timer.start();
}

void ModalCloser::answerWithEnter(bool enter)
{
    m_enter = enter;
}

const std::vector<SeenBox> &ModalCloser::seen() const
{
    return m_seen;
}

QStringList ModalCloser::titles() const
{
    QStringList result;
    for (const SeenBox &box : m_seen)
        result << box.title;
    return result;
}

void ModalCloser::clear()
{
    m_seen.clear();
}

void ModalCloser::closeActiveModal()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;

    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        SeenBox seen;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        seen.hasParent = box->parentWidget() != nullptr;
        seen.modal = box->isModal();
        m_seen.push_back(seen);
        if (m_enter) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(box, &press);
            return;
        }
        if (!box->buttons().isEmpty()) {
            box->buttons().first()->click();
            return;
        }
    }
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}
