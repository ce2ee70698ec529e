#pragma once

#include "automation/document.h"

#include <com/sun/star/beans/XPropertyContainer.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The document's user-defined properties (File > Properties > Custom
// Properties), stored with the document. The locale argument is accepted and
// not used.
class LoDocumentProperties : public automation::DocumentProperties
{
public:
    LoDocumentProperties(std::shared_ptr<Office> office,
                         css::uno::Reference<css::frame::XModel> model);

    long count() const override;
    automation::DocumentPropertyPtr item(const automation::Variant &index, long lcid) override;
    // Only properties not linked to content can be added. Adding a name that
    // exists replaces that property, so a name is never there twice.
    automation::DocumentPropertyPtr add(const QString &name, bool linkToContent, int type,
                                        const automation::Variant &value,
                                        const automation::Variant &linkSource, long lcid) override;

    // The container of the model's user-defined properties; null when the
    // document or the office is gone.
    static css::uno::Reference<css::beans::XPropertyContainer>
    container(const css::uno::Reference<css::frame::XModel> &model);

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
