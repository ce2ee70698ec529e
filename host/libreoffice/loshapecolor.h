#pragma once

#include "automation/shapes.h"

#include <functional>
#include <memory>

namespace libreoffice {

class Office;

// A colour of a shape (its fill, its outline) as 0xBBGGRR, read and written
// through the functions of the format that owns it.
class LoShapeColor : public automation::ColorFormat
{
public:
    LoShapeColor(std::shared_ptr<Office> office, std::function<int()> get,
                 std::function<void(int)> set);

    int rgb() const override;
    void setRgb(int bgr) override;

private:
    std::shared_ptr<Office> m_office;
    std::function<int()> m_get;
    std::function<void(int)> m_set;
};

} // namespace libreoffice
