#pragma once

#include "automation/text.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The selection of a document's view: the view cursor's span, in Word
// offsets of the text it is in. Formatting goes through a range over it.
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
    struct Offsets
    {
        css::uno::Reference<css::text::XText> text;
        long start = 0;
        long end = 0;
    };
    Offsets offsets() const;

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
