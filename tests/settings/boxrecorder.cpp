#include "boxrecorder.h"

#include "messages/messages.h"

#include <QPushButton>

BoxRecorder::BoxRecorder()
{
    setMessageBoxHook([this](QMessageBox &box) {
        RecordedBox seen {box.windowTitle(), box.text(), box.icon(), {}};
        for (QAbstractButton *button : box.buttons())
            seen.buttons << button->text();
        m_boxes << seen;
        if (!m_answers.isEmpty())
            return m_answers.takeFirst();
        return m_byDefault && box.defaultButton() ? box.standardButton(box.defaultButton())
                                                  : QMessageBox::Ok;
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

QStringList BoxRecorder::texts() const
{
    QStringList result;
    for (const RecordedBox &box : m_boxes)
        result << box.text;
    return result;
}

QStringList BoxRecorder::titles() const
{
    QStringList result;
    for (const RecordedBox &box : m_boxes)
        result << box.title;
    return result;
}
