#include "loselection.h"

#include "automation/sections.h"
#include "lolayout.h"
#include "lorange.h"
#include "lotextstory.h"
#include "office.h"
#include "unoutil.h"

namespace libreoffice {

LoSelection::LoSelection(std::shared_ptr<Office> office,
                         css::uno::Reference<css::frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

LoSelection::Offsets LoSelection::offsets() const
{
    Offsets offsets;
    officeCall(*m_office, [&] {
        if (!m_office->document(m_model).selection.offsets(&offsets.text, &offsets.start,
                                                           &offsets.end))
            offsets.text.clear();
    });
    return offsets;
}

automation::RangePtr LoSelection::range()
{
    const Offsets o = offsets();
    if (!o.text.is())
        return nullptr;
    return std::make_shared<LoRange>(m_office, o.text, m_model, o.start, o.end);
}

long LoSelection::start() const
{
    return offsets().start;
}

long LoSelection::end() const
{
    return offsets().end;
}

automation::FontPtr LoSelection::font()
{
    const automation::RangePtr selected = range();
    return selected ? selected->font() : nullptr;
}

automation::ParagraphFormatPtr LoSelection::paragraphFormat()
{
    const automation::RangePtr selected = range();
    return selected ? selected->paragraphFormat() : nullptr;
}

automation::PageSetupPtr LoSelection::pageSetup()
{
    // The section holding the insertion point: the last one starting at or
    // before it.
    const automation::SectionsPtr sections = makeSections(m_office, m_model);
    if (!sections)
        return nullptr;
    const long at = start();
    automation::SectionPtr holding;
    for (long i = 1, count = sections->count(); i <= count; ++i) {
        const automation::SectionPtr section = sections->item(i);
        const automation::RangePtr range = section ? section->range() : nullptr;
        if (!holding || (range && range->start() <= at))
            holding = section;
    }
    return holding ? holding->pageSetup() : nullptr;
}

automation::Variant LoSelection::information(int item)
{
    const automation::RangePtr selected = range();
    return selected ? selected->information(item) : automation::Variant();
}

} // namespace libreoffice
