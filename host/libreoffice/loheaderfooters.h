#pragma once

#include "automation/sections.h"

#include <QString>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The three footers (or headers) of a section.
class LoHeaderFooters : public automation::HeadersFooters
{
public:
    LoHeaderFooters(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                    QString pageStyle, bool header);

    long count() const override;
    automation::HeaderFooterPtr item(int index) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_pageStyle;
    bool m_header;
};

} // namespace libreoffice
