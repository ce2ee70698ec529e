#include "lopagenumber.h"

namespace libreoffice {

LoPageNumber::LoPageNumber(int alignment)
    : m_alignment(alignment)
{
}

int LoPageNumber::alignment() const
{
    return m_alignment;
}

} // namespace libreoffice
