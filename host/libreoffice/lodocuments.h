#pragma once

#include "automation/document.h"

#include <memory>

namespace libreoffice {

class Office;

// The office's open text documents, in the office's order.
class LoDocuments : public automation::Documents
{
public:
    explicit LoDocuments(std::shared_ptr<Office> office);

    long count() const override;
    // 1-based; null outside 1..count.
    automation::DocumentPtr item(long index) override;
    automation::DocumentPtr add() override;
    automation::DocumentPtr open(const QString &path) override;

private:
    std::shared_ptr<Office> m_office;
};

} // namespace libreoffice
