#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The fields of the document's body. Only page-number fields (wdFieldPage)
// can be added; they go in as Writer page-number fields.
class LoFields : public automation::Fields
{
public:
    LoFields(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

    long count() const override;
    automation::FieldPtr add(const automation::RangePtr &range, const automation::Variant &type,
                             const automation::Variant &text,
                             const automation::Variant &preserveFormatting) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
