#include "nextturn.h"

#include <QCoreApplication>
#include <QTimer>

namespace libreoffice {

void NextTurn::schedule(std::function<void()> step)
{
    if (m_token || !QCoreApplication::instance())
        return;
    m_token = std::make_shared<bool>(true);
    const std::weak_ptr<bool> token = m_token;
    QTimer::singleShot(0, [this, token, step = std::move(step)] {
        if (token.expired())
            return;
        m_token.reset();
        step();
    });
}

} // namespace libreoffice
