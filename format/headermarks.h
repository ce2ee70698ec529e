#pragma once

#include "automation/forward.h"
#include "layoutsettings.h"

namespace format {

// Three toggles on the named shapes of the active document, each its own
// inverse. Shapes are found by their whole name, walking from the last one
// down, so that deleting as we go keeps the indexes still to visit.

// The red header ("WJBT", "WJBT2", "WJBT3", "BTBX", "BTBX3", "secBTBX",
// "DANG1", "DANG2", "jyBX"): every such shape's visibility is flipped on its
// own, so mixed states stay mixed. The insertion point goes to the start of
// the document first.
Outcome toggleRedHeader(const automation::ApplicationPtr &app);

// The white cover "gwpagenumber" over the page number of the page holding
// the insertion point: the covers anchored on that page are removed, or one
// is added when there was none (portrait: the foot of the page, up to the
// end of the type area; landscape: the outer side, where the page number of
// a turned page stands).
Outcome togglePageNumberCover(const automation::ApplicationPtr &app);

// The hairline positioning lines "testline": removed when there are any,
// otherwise drawn from the positions of the header rules ("BTBX",
// "secBTBX", "jyBX"; PositioningLines).
Outcome togglePositioningLines(const automation::ApplicationPtr &app);

} // namespace format
