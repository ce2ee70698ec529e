#pragma once

#include <QList>
#include <QMessageBox>
#include <QStringList>

// What a message box said.
struct RecordedBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// While it exists, the program's message boxes are recorded instead of shown
// and answered from a queue of buttons; with the queue empty the answer is OK.
class BoxRecorder
{
public:
    BoxRecorder();
    ~BoxRecorder();

    void answerNext(QMessageBox::StandardButton button) { m_answers << button; }
    const QList<RecordedBox> &boxes() const { return m_boxes; }
    QStringList texts() const { return collect(&RecordedBox::text); }
    QStringList titles() const { return collect(&RecordedBox::title); }
    void clear() { m_boxes.clear(); }

private:
    QStringList collect(QString RecordedBox::*part) const;

    QList<RecordedBox> m_boxes;
    QList<QMessageBox::StandardButton> m_answers;
};
