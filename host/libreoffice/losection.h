#pragma once

#include "automation/sections.h"

#include <QString>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// One section, known by its page style (every section made by Sections.Add
// has a page style of its own).
class LoSection : public automation::Section
{
public:
    LoSection(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
              QString pageStyle);

    automation::RangePtr range() override;
    automation::PageSetupPtr pageSetup() override;
    automation::HeadersFootersPtr footers() override;
    automation::HeadersFootersPtr headers() override;
    long index() const override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_pageStyle;
};

} // namespace libreoffice
