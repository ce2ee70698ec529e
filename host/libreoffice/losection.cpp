#include "losection.h"

#include "loheaderfooters.h"
#include "lopagesetup.h"
#include "losectionmap.h"
#include "lotext.h"
#include "office.h"
#include "unoutil.h"

using css::uno::Reference;

namespace libreoffice {

LoSection::LoSection(std::shared_ptr<Office> office, Reference<css::frame::XModel> model,
                     QString pageStyle)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_pageStyle(std::move(pageStyle))
{
}

automation::RangePtr LoSection::range()
{
    if (!m_office->isAlive())
        return nullptr;
    SectionPart found;
    const bool ok = officeCall(*m_office, false, [&] {
        for (const SectionPart &part : SectionMap::sections(m_office->document(m_model), true)) {
            if (part.pageStyle == m_pageStyle) {
                found = part;
                return true;
            }
        }
        return false;
    });
    if (!ok)
        return nullptr;
    const Reference<css::text::XText> body
        = officeCall(*m_office, Reference<css::text::XText>(), [&] { return bodyOf(m_model); });
    return body.is() ? makeTextRange(m_office, m_model, body, found.start, found.end) : nullptr;
}

automation::PageSetupPtr LoSection::pageSetup()
{
    return officeObject<LoPageSetup>(m_office, m_model, m_pageStyle);
}

automation::HeadersFootersPtr LoSection::footers()
{
    return officeObject<LoHeaderFooters>(m_office, m_model, m_pageStyle, false);
}

automation::HeadersFootersPtr LoSection::headers()
{
    return officeObject<LoHeaderFooters>(m_office, m_model, m_pageStyle, true);
}

long LoSection::index() const
{
    return officeCall(*m_office, 0L, [&] {
        const std::vector<SectionPart> parts = SectionMap::sections(m_office->document(m_model));
        for (size_t i = 0; i < parts.size(); ++i) {
            if (parts[i].pageStyle == m_pageStyle)
                return long(i) + 1;
        }
        return 0L;
    });
}

} // namespace libreoffice
