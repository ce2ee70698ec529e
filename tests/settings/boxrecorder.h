#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>

// What a message box said and offered.
struct RecordedBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// While it exists, the program's message boxes are recorded instead of shown
// and answered from a queue of buttons; with the queue empty the answer is
// OK, or the box's default button (what Enter chooses) when asked.
class BoxRecorder
{
public:
    BoxRecorder();
    ~BoxRecorder();

    void answerNext(QMessageBox::StandardButton button);
    void answerWithDefault(bool byDefault) { m_byDefault = byDefault; }
    const QList<RecordedBox> &boxes() const { return m_boxes; }
    QStringList texts() const;
    QStringList titles() const;
    void clear() { m_boxes.clear(); }

private:
    QList<RecordedBox> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
    bool m_byDefault = false;
};
