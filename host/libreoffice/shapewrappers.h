#pragma once

#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <set>
#include <vector>

namespace libreoffice {

// The office wraps every drawing object of a text document in a writer shape
// (its anchor, text box, wrap and name) around the drawing layer's own shape.
// Once the last reference to that wrapper is gone, the office may hand out
// the bare drawing-layer shape for the same object for a while: no anchor, no
// text box, no text content. Walking the shapes then misses some or reads
// empty names, more often the busier the machine. Holding every wrapper the
// program meets while its document is open keeps the office's own.
//
// One per office, used on the GUI thread. A document's holds go when it is
// closed through the office, or when a document is next met after it was
// closed by the user; a later document never shares another's holds, since
// the document itself is held with them.
class ShapeWrappers
{
public:
    void hold(const css::uno::Reference<css::frame::XModel> &model,
              const css::uno::Reference<css::drawing::XShape> &shape);
    // The shape was removed from its document.
    void drop(const css::uno::Reference<css::drawing::XShape> &shape);
    // The document was closed.
    void dropDocument(const css::uno::Reference<css::frame::XModel> &model);

private:
    struct Document
    {
        css::uno::Reference<css::frame::XModel> model;
        std::vector<css::uno::Reference<css::drawing::XShape>> shapes;
        // The same wrapper always comes back as the same proxy while it is
        // held, so its address identifies it without asking the office.
        std::set<const void *> known;
    };
    Document &documentOf(const css::uno::Reference<css::frame::XModel> &model);

    std::vector<Document> m_documents;
};

} // namespace libreoffice
