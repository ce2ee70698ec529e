#include "boxrecorder.h"

#include "messages/messages.h"

BoxRecorder::BoxRecorder()
{
    setMessageBoxHook([this](QMessageBox &box) {
        m_boxes << RecordedBox {box.windowTitle(), box.text(), box.icon()};
        return m_answers.isEmpty() ? QMessageBox::Ok : m_answers.takeFirst();
    });
}

BoxRecorder::~BoxRecorder()
{
    setMessageBoxHook({});
}

QStringList BoxRecorder::collect(QString RecordedBox::*part) const
{
    QStringList result;
    for (const RecordedBox &box : m_boxes)
        result << box.*part;
    return result;
}
