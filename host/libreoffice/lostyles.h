#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The paragraph styles: wdStyleNormal is Writer's "Standard", wdStyleHeader
// its "Header"; other styles by their programmatic name.
class LoStyles : public automation::Styles
{
public:
    LoStyles(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

    automation::StylePtr item(const automation::Variant &index) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
