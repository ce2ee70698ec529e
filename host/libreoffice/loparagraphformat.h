#pragma once

#include "automation/text.h"

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <functional>
#include <memory>
#include <vector>

namespace libreoffice {

class Office;
struct LoParagraphState;

// The paragraph format of the paragraphs the source gives (made afresh for
// every call, so that a range's format follows the range). Getters over
// paragraphs that differ answer wdUndefined.
//
// LibreOffice keeps lengths in 1/100 mm and has no character-unit indents.
// The values set through the object model (points and characters) are kept
// with the paragraph in a user-defined paragraph attribute, so that they read
// back exactly as set and travel with the paragraph when it is split or
// stored; a character-unit indent is applied as characters x the paragraph's
// font size. A stored point value that no longer matches the office's length
// (changed in the writer's window) gives way to the office's value.
class LoParagraphFormat : public automation::ParagraphFormat
{
public:
    using Source = std::function<std::vector<css::uno::Reference<css::beans::XPropertySet>>()>;

    // The model, when given, has its views held while many paragraphs change.
    LoParagraphFormat(std::shared_ptr<Office> office, Source source,
                      css::uno::Reference<css::frame::XModel> model = {});
    // The format of one paragraph: its changes are held and sent together
    // (see lowritebatch.h).
    LoParagraphFormat(std::shared_ptr<Office> office,
                      const css::uno::Reference<css::beans::XPropertySet> &paragraph);

    // Character-unit indents become lengths from the font size they were set
    // with; after the body text's size changed (the normal style's), this
    // makes them again from every body paragraph's size.
    static void resizeCharacterIndents(const Office &office,
                                       const css::uno::Reference<css::frame::XModel> &model);

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
    float read(const std::function<float(const LoParagraphState &)> &value) const;
    void write(const std::function<void(LoParagraphState &)> &change);

    std::shared_ptr<Office> m_office;
    Source m_source;
    css::uno::Reference<css::frame::XModel> m_model;
    css::uno::Reference<css::beans::XMultiPropertySet> m_paragraph;
};

} // namespace libreoffice
