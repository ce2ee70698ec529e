#include "qtthreadqueue.h"

#include <QMetaObject>
#include <QObject>

namespace libreoffice {

QtThreadQueue::QtThreadQueue(QObject *receiver)
    : m_receiver(receiver)
{
}

void QtThreadQueue::post(std::function<void()> work)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_receiver)
        QMetaObject::invokeMethod(m_receiver, std::move(work), Qt::QueuedConnection);
}

void QtThreadQueue::close()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_receiver = nullptr;
}

} // namespace libreoffice
