#include "boxrecorder.h"

#include "page/messages.h"

#include <QAbstractButton>

BoxRecorder::BoxRecorder()
{
    setMessageBoxHook([this](QMessageBox &box) {
        RecordedBox seen;
        seen.title = box.windowTitle();
        seen.text = box.text();
        seen.icon = box.icon();
        for (QAbstractButton *button : box.buttons())
            seen.buttons << button->text();
        seen.buttons.sort();
        seen.hasParent = box.parentWidget() != nullptr;
        seen.modality = box.windowModality();
        m_boxes << seen;
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

void BoxRecorder::clear()
{
    m_boxes.clear();
}
