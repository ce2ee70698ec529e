#pragma once

#include "automation/text.h"
#include "lotextstory.h"

#include <com/sun/star/frame/XModel.hpp>

#include <memory>

namespace libreoffice {

class LoParagraphFormat;
class Office;

// One paragraph: its format through the office's paragraph object, its range
// in Word offsets of the text it belongs to (mark included).
class LoParagraph : public automation::Paragraph
{
public:
    // The model, when known, is the document of the paragraph's range.
    LoParagraph(std::shared_ptr<Office> office, textstory::ParagraphEntry entry,
                css::uno::Reference<css::frame::XModel> model = {});

    automation::RangePtr range() override;
    automation::ParagraphFormatPtr format() override;

    void reset() override;
    int alignment() const override;
    void setAlignment(int alignment) override;
    int lineSpacingRule() const override;
    void setLineSpacingRule(int rule) override;
    float lineSpacing() const override;
    void setLineSpacing(float points) override;
    float firstLineIndent() const override;
    void setFirstLineIndent(float points) override;
    float leftIndent() const override;
    void setLeftIndent(float points) override;
    float rightIndent() const override;
    void setRightIndent(float points) override;
    float characterUnitFirstLineIndent() const override;
    void setCharacterUnitFirstLineIndent(float chars) override;
    float characterUnitLeftIndent() const override;
    void setCharacterUnitLeftIndent(float chars) override;
    float characterUnitRightIndent() const override;
    void setCharacterUnitRightIndent(float chars) override;

private:
    std::shared_ptr<Office> m_office;
    textstory::ParagraphEntry m_entry;
    css::uno::Reference<css::frame::XModel> m_model;
    std::shared_ptr<LoParagraphFormat> m_format;
};

} // namespace libreoffice
