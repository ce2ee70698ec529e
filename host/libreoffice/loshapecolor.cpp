#include "loshapecolor.h"

#include "office.h"
#include "unoutil.h"

namespace libreoffice {

LoShapeColor::LoShapeColor(std::shared_ptr<Office> office, std::function<int()> get,
                           std::function<void(int)> set)
    : m_office(std::move(office))
    , m_get(std::move(get))
    , m_set(std::move(set))
{
}

int LoShapeColor::rgb() const
{
    if (!m_office->isAlive())
        return 0;
    return unoGuard(0, [&] { return m_get(); });
}

void LoShapeColor::setRgb(int bgr)
{
    if (!m_office->isAlive())
        return;
    unoGuardVoid([&] { m_set(bgr); });
}

} // namespace libreoffice
