#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>

// What a message box looked like.
struct RecordedBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool hasParent = false;
    Qt::WindowModality modality = Qt::NonModal;
};

// While it exists, the message boxes are recorded instead of shown and
// answered from a queue of buttons; with the queue empty the answer is OK.
class BoxRecorder
{
public:
    BoxRecorder();
    ~BoxRecorder();

    void answerNext(QMessageBox::StandardButton button);
    const QList<RecordedBox> &boxes() const;
    QStringList texts() const;
    void clear();

private:
    QList<RecordedBox> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
};
