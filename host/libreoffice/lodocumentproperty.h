#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// One user-defined property, found by name on every call.
class LoDocumentProperty : public automation::DocumentProperty
{
public:
    LoDocumentProperty(std::shared_ptr<Office> office,
                       css::uno::Reference<css::frame::XModel> model, const QString &name);

    QString name() const override;
    // msoPropertyType* of the stored value; 0 when the property is gone.
    int type() const override;
    automation::Variant value(long lcid) const override;
    // Keeps the property's type: the value is converted to it.
    void setValue(const automation::Variant &value, long lcid) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_name;
};

} // namespace libreoffice
