#pragma once

#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

// Rules of two strokes: thick above thin, thin above thick, or two thin
// ones (LineFormat.Style). The office's line shapes draw one stroke only, so
// such a rule is a polygon shape of two filled bars across the rule's length,
// as tall together as the rule's weight and centred on the line the rule
// stands for. It keeps the line's name, anchor, position, colour and
// visibility; restyling to a single stroke brings the line shape back.
namespace libreoffice {
class Office;
}

namespace libreoffice::compoundrule {

// Whether the office object is a compound rule (a polygon shape).
bool isCompound(const css::uno::Reference<css::drawing::XShape> &shape);

// msoLineSingle for a line shape; the style a compound rule's bars draw.
int styleOf(const css::uno::Reference<css::drawing::XShape> &shape);

// Draws the rule in `style`: a line shape turns into a compound rule and back
// when the style asks for it, otherwise the bars are redrawn. Answers the
// object that now draws the rule (the one given, or its replacement).
css::uno::Reference<css::drawing::XShape>
restyle(const Office &office, const css::uno::Reference<css::frame::XModel> &model,
        const css::uno::Reference<css::drawing::XShape> &shape, int style);

// Total weight of a compound rule, in 1/100 mm; changing it keeps the rule
// centred on its line.
sal_Int32 weightOf(const css::uno::Reference<css::drawing::XShape> &shape);
void setWeight(const css::uno::Reference<css::drawing::XShape> &shape, sal_Int32 weight);

// Half a compound rule's weight: how far its bars start above its line. 0
// for other objects.
sal_Int32 lineOffset(const css::uno::Reference<css::drawing::XShape> &shape);

} // namespace libreoffice::compoundrule
