#pragma once

namespace assembly {

// How a block writer ended, for the page's command to report.
enum class Outcome {
    Done,
    NoApplication, // no writer bound: nothing to report
    NoDocument, // no active document
};

} // namespace assembly
