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
    return officeCall(*m_office, 0, [&] { return m_get(); });
}

void LoShapeColor::setRgb(int bgr)
{
    officeCall(*m_office, [&] { m_set(bgr); });
}

} // namespace libreoffice
