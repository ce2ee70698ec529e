#pragma once

#include "losectionnotes.h"
#include "lotextstories.h"
#include "loviewselection.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>
#include <vector>

namespace libreoffice {

// What the bindings remember about one open document between calls. It
// holds the document, so no other document can take its address while it
// is kept.
struct DocumentState
{
    explicit DocumentState(css::uno::Reference<css::frame::XModel> document)
        : model(std::move(document))
        , stories(model)
        , selection(stories)
    {
    }
    DocumentState(const DocumentState &) = delete;
    DocumentState &operator=(const DocumentState &) = delete;

    const css::uno::Reference<css::frame::XModel> model;
    textstory::TextStories stories;
    textstory::ViewSelection selection;
    SectionNotes sections;
};

// The states of an office's open documents: one per office, used on the GUI
// thread. A document's state is made when the bindings first ask for it,
// and goes when the document is closed through the office, or when a
// document is next met after it was closed by the user; a later document
// never shares another's, since the document itself is held with it.
class DocumentStates
{
public:
    DocumentState &of(const css::uno::Reference<css::frame::XModel> &model);
    void drop(const css::uno::Reference<css::frame::XModel> &model);
    // Every document's selection given to its view (see ViewSelection).
    void showSelections();

private:
    std::vector<std::unique_ptr<DocumentState>> m_states;
};

} // namespace libreoffice
