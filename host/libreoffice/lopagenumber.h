#pragma once

#include "automation/sections.h"

namespace libreoffice {

// A page number put into a footer: it remembers the alignment asked for.
class LoPageNumber : public automation::PageNumber
{
public:
    explicit LoPageNumber(int alignment);

    int alignment() const override;

private:
    int m_alignment;
};

} // namespace libreoffice
