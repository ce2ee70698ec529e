#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// A field inserted through Fields.Add: its type and the one character it
// takes in its text.
class LoField : public automation::Field
{
public:
    LoField(std::shared_ptr<Office> office, int type, css::uno::Reference<css::frame::XModel> model,
            css::uno::Reference<css::text::XText> story, long start);

    int type() const override;
    automation::RangePtr result() override;

private:
    std::shared_ptr<Office> m_office;
    int m_type;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::text::XText> m_story;
    long m_start;
};

} // namespace libreoffice
