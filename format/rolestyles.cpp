#include "rolestyles.h"

#include "automation/automation.h"
#include "officialpage.h"

using namespace automation;

namespace format {

namespace {

void setFont(const FontPtr &font, Role role, const LayoutSettings &s)
{
    if (!font)
        return;
    switch (role) {
    case Role::BigTitle:
        font->setName(s.titleFont);
        break;
    case Role::FirstHeading:
        font->setName(s.headingFont);
        break;
    case Role::SecondHeading:
        font->setName(s.subheadingFont);
        break;
    case Role::Body:
    case Role::BoldBody:
        font->setNameFarEast(s.bodyFont);
        font->setNameAscii(s.westernFont);
        break;
    }
    font->setBold(role == Role::BoldBody ? 1 : 0);
    font->setItalic(0);
    font->setSize(role == Role::BigTitle ? officialPage::titleSize : officialPage::bodySize);
}

void setParagraph(const ParagraphFormatPtr &pf, Role role, const LayoutSettings &s)
{
    if (!pf)
        return;
    pf->reset();
    pf->setLineSpacingRule(wdLineSpaceExactly);
    if (role == Role::BigTitle) {
        // The title clears its character-unit indents before the point ones.
        pf->setLineSpacing(s.titleSpacing);
        pf->setAlignment(wdAlignParagraphCenter);
        pf->setCharacterUnitFirstLineIndent(0);
        pf->setCharacterUnitLeftIndent(0);
        pf->setCharacterUnitRightIndent(0);
        pf->setFirstLineIndent(0);
        pf->setLeftIndent(0);
        pf->setRightIndent(0);
        return;
    }
    pf->setLineSpacing(s.bodySpacing);
    pf->setAlignment(wdAlignParagraphLeft);
    pf->setFirstLineIndent(0);
    pf->setLeftIndent(0);
    pf->setRightIndent(0);
    pf->setCharacterUnitFirstLineIndent(2.0f);
    pf->setCharacterUnitLeftIndent(0);
    pf->setCharacterUnitRightIndent(0);
}

} // namespace

Outcome applyRole(const ApplicationPtr &app, Role role, const LayoutSettings &settings)
{
    if (!app)
        return Outcome::NoApplication;
    SelectionPtr selection = app->selection();
    if (!selection)
        return Outcome::NoDocument;
    setFont(selection->font(), role, settings);
    setParagraph(selection->paragraphFormat(), role, settings);
    return Outcome::Done;
}

} // namespace format
