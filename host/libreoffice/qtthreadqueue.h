#pragma once

#include <functional>
#include <mutex>

class QObject;

namespace libreoffice {

// Hands work from the office's bridge threads to the Qt thread. The UNO
// listeners that the office calls keep the queue by shared pointer and post
// through it; the receiver closes it before it goes away, and from then on
// posts are dropped. Work already queued for a deleted receiver is discarded
// by Qt.
class QtThreadQueue
{
public:
    explicit QtThreadQueue(QObject *receiver);

    // Safe from any thread.
    void post(std::function<void()> work);
    // Called on the Qt thread by the receiver's owner.
    void close();

private:
    std::mutex m_mutex;
    QObject *m_receiver;
};

} // namespace libreoffice
