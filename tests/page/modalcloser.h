#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <vector>

// What a message box looked like when it was up.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool hasParent = false;
    bool modal = false;
};

// While it exists, closes every modal widget that comes up (clicking the first
// button of a message box, or pressing Enter on it) and records the message
// boxes it closed.
class ModalCloser : public QObject
{
    Q_OBJECT

public:
    explicit ModalCloser(QObject *parent = nullptr);

    void answerWithEnter(bool enter);
    const std::vector<SeenBox> &seen() const;
    QStringList titles() const;
    void clear();

private:
    void closeActiveModal();

    QTimer m_timer;
    std::vector<SeenBox> m_seen;
    bool m_enter = false;
};
