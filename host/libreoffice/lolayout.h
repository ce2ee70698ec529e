#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

// The layout side of the object model on LibreOffice: sections (page styles
// and page breaks), page setup, headers and footers with page numbers,
// fields, the built-in styles, and printing.
namespace libreoffice {

class Office;

automation::SectionsPtr makeSections(const std::shared_ptr<Office> &office,
                                     const css::uno::Reference<css::frame::XModel> &model);
automation::FieldsPtr makeFields(const std::shared_ptr<Office> &office,
                                 const css::uno::Reference<css::frame::XModel> &model);
automation::StylesPtr makeStyles(const std::shared_ptr<Office> &office,
                                 const css::uno::Reference<css::frame::XModel> &model);
// Prints the whole document once with the office's current printer.
bool printDocument(const std::shared_ptr<Office> &office,
                   const css::uno::Reference<css::frame::XModel> &model,
                   const automation::PrintOutOptions &options);

} // namespace libreoffice
