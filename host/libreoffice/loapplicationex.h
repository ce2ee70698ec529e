#pragma once

#include "automation/application.h"

#include <memory>

namespace libreoffice {

class Office;

// The window the writer lives in: our X window inside the host window, with
// the office's window inside it.
class LoApplicationEx : public automation::ApplicationEx
{
public:
    explicit LoApplicationEx(std::shared_ptr<Office> office);

    std::uint64_t mainWindowId() override;

private:
    std::shared_ptr<Office> m_office;
};

} // namespace libreoffice
