#pragma once

#include "forward.h"
#include "variant.h"

#include <cstdint>

namespace automation {

// The writer's extension interface: what the host needs to place the writer's
// window.
class ApplicationEx : public Object
{
public:
    // Native id of the writer's main window, 0 when it has none.
    virtual std::uint64_t mainWindowId() = 0;
};

// The root of the object model. Commands get everything else from here, afresh
// for every operation.
class Application : public Object
{
public:
    virtual DocumentsPtr documents() = 0;
    // Null when no document is open.
    virtual DocumentPtr activeDocument() = 0;
    // Null when no document is open.
    virtual SelectionPtr selection() = 0;
    // Null when the writer has no extension interface.
    virtual ApplicationExPtr applicationEx() = 0;
    // Closes the documents and ends the writer.
    virtual void quit(const Variant &saveChanges = Variant(),
                      const Variant &originalFormat = Variant(),
                      const Variant &routeDocument = Variant())
        = 0;
    // The conversion rule of the whole system (see measures.h).
    float centimetersToPoints(double cm) const;
};

} // namespace automation
