#pragma once

#include "automation/sections.h"

#include <QString>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The document's sections. A new section is a paragraph break whose second
// paragraph names a new page style, a copy of the style of the section it
// splits. Writer starts every page style on a new page, so a continuous
// break also begins a new page.
class LoSections : public automation::Sections
{
public:
    LoSections(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

    long count() const override;
    automation::SectionPtr item(long index) override;
    automation::SectionPtr add(const automation::Variant &range,
                               const automation::Variant &start) override;

private:
    // A new page style with the layout and the footer and header texts of
    // the given one; its name.
    QString copyPageStyle(const QString &from);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
