#include "lolayout.h"

using css::uno::Reference;

namespace libreoffice {

automation::SectionsPtr makeSections(const std::shared_ptr<Office> &,
                                     const Reference<css::frame::XModel> &)
{
    return nullptr;
}

automation::FieldsPtr makeFields(const std::shared_ptr<Office> &,
                                 const Reference<css::frame::XModel> &)
{
    return nullptr;
}

automation::StylesPtr makeStyles(const std::shared_ptr<Office> &,
                                 const Reference<css::frame::XModel> &)
{
    return nullptr;
}

bool printDocument(const std::shared_ptr<Office> &, const Reference<css::frame::XModel> &,
                   const automation::PrintOutOptions &)
{
    return false;
}

} // namespace libreoffice
