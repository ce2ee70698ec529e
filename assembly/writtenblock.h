#pragma once

#include "automation/forward.h"

namespace assembly {

// How a block writer of the conversion ended, and where its text went. The
// span lets a later conversion find the block's own text again without
// touching the user's.
struct WrittenBlock
{
    enum class Status {
        Written,
        NoApplication, // no writer bound: nothing to report
        NoDocument, // no active document
        NoParagraphs, // the writer gives no paragraphs: nothing written
        TableAtStart, // the body starts with a table: nothing written above it
    };

    Status status = Status::NoApplication;
    // The block's text as a live range of the body, so that it follows the
    // edits made after it; null when nothing was written.
    automation::RangePtr range;
    // The paragraphs holding the block's text when it was written, 1-based
    // and inclusive; both 0 when nothing was written.
    long firstParagraph = 0;
    long lastParagraph = 0;
};

} // namespace assembly
