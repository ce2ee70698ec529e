#include "loapplicationex.h"

#include "office.h"

namespace libreoffice {

LoApplicationEx::LoApplicationEx(std::shared_ptr<Office> office)
    : m_office(std::move(office))
{
}

std::uint64_t LoApplicationEx::mainWindowId()
{
    return m_office->mainWindowId();
}

} // namespace libreoffice
