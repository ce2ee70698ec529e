#include "boxrecorder.h"

#include "messages/messages.h"

BoxRecorder::BoxRecorder()
{
    setMessageBoxHook([this](QMessageBox &box) {
        m_boxes << RecordedBox {box.windowTitle(), box.text()};
        return m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
    });
}

BoxRecorder::~BoxRecorder()
{
    setMessageBoxHook({});
}

void BoxRecorder::answerNext(QMessageBox::StandardButton button)
{
    m_answers << button;
}

const QList<RecordedBox> &BoxRecorder::boxes() const
{
    return m_boxes;
}

QStringList BoxRecorder::texts() const
{
    QStringList result;
    for (const RecordedBox &box : m_boxes)
        result << box.text;
    return result;
}
