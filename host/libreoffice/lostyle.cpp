#include "lostyle.h"

#include "lofont.h"
#include "loparagraphformat.h"
#include "lostyleborders.h"
#include "office.h"
#include "unoutil.h"

using css::uno::Reference;

namespace libreoffice {

LoStyle::LoStyle(std::shared_ptr<Office> office, Reference<css::beans::XPropertySet> style,
                 std::function<void()> sizeChanged)
    : m_office(std::move(office))
    , m_style(std::move(style))
    , m_sizeChanged(std::move(sizeChanged))
{
}

QString LoStyle::nameLocal() const
{
    return officeCall(*m_office, QString(), [&] {
        rtl::OUString name;
        m_style->getPropertyValue(unoName("DisplayName")) >>= name;
        return toQString(name);
    });
}

automation::FontPtr LoStyle::font()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<css::beans::XPropertySet> style = m_style;
    auto font = std::make_shared<LoFont>(m_office, [style] { return style; });
    font->onSizeChanged(m_sizeChanged);
    return font;
}

automation::ParagraphFormatPtr LoStyle::paragraphFormat()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<css::beans::XPropertySet> style = m_style;
    return std::make_shared<LoParagraphFormat>(
        m_office, [style] { return std::vector<Reference<css::beans::XPropertySet>> {style}; });
}

automation::BordersPtr LoStyle::borders()
{
    return officeObject<LoStyleBorders>(m_office, m_style);
}

} // namespace libreoffice
