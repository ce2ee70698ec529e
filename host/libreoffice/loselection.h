#pragma once

#include "automation/text.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The selection of the active document. Not bound yet: it exists while a
// document is open, and its members answer null, 0 or nothing.
class LoSelection : public automation::Selection
{
public:
    LoSelection(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

    automation::RangePtr range() override;
    long start() const override;
    long end() const override;
    automation::FontPtr font() override;
    automation::ParagraphFormatPtr paragraphFormat() override;
    automation::PageSetupPtr pageSetup() override;
    automation::Variant information(int item) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
