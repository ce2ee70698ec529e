#pragma once

#include "automation/forward.h"
#include "outcome.h"

namespace assembly {

// What a block is drawn into: the active document, its shapes and the body
// paragraph (with its range) its shapes are anchored at; `outcome` says why
// there is none.
struct BlockTarget
{
    automation::DocumentPtr document;
    automation::ShapesPtr shapes;
    automation::ParagraphPtr paragraph;
    automation::RangePtr anchor;
    Outcome outcome = Outcome::Done;
};

// The target with paragraph `index` (1-based; 0 for the last paragraph).
BlockTarget blockTarget(const automation::ApplicationPtr &app, long index);

} // namespace assembly
