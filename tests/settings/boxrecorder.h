#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>

// What a message box said. How boxes look is the message module's own test.
struct RecordedBox
{
    QString title;
    QString text;
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

private:
    QList<RecordedBox> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
};
