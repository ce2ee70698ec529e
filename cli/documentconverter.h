#pragma once

#include "automation/forward.h"
#include "convertjob.h"

#include <functional>

// Converts the documents of a batch one at a time in one office, the way the
// conversion commands and their dialog do: the input is opened (never
// written), prefilled with the elements it carries from an earlier
// conversion, the given elements put over them, a document number taken as
// confirming the dialog takes it, the elements stored and the document
// converted (assembly::recordAndConvert), and a copy written to the output
// through a temporary file. A number taken for a document that then fails is
// given back when no later number has been taken.
class DocumentConverter
{
public:
    // Numbers are taken in turn: `wait` returns once this document may take
    // its number (false: give up the document), `done` once it has.
    struct NumberTurn
    {
        std::function<bool()> wait;
        std::function<void()> done;
    };

    explicit DocumentConverter(automation::ApplicationPtr application);

    JobResult convert(const ConvertJob &job, const NumberTurn &turn);

private:
    automation::ApplicationPtr m_application;
};
