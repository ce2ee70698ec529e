#include "lodocumentstates.h"

#include "unoutil.h"

#include <algorithm>

using css::uno::Reference;

namespace libreoffice {

DocumentState &DocumentStates::of(const Reference<css::frame::XModel> &model)
{
    for (const std::unique_ptr<DocumentState> &state : m_states) {
        if (state->model.get() == model.get())
            return *state;
    }
    // A document closed by the user is disposed: its calls throw.
    m_states.erase(std::remove_if(m_states.begin(), m_states.end(),
                                  [](const std::unique_ptr<DocumentState> &state) {
                                      return state->model.is() && !unoGuard(false, [&] {
                                                 state->model->getURL();
                                                 return true;
                                             });
                                  }),
                   m_states.end());
    m_states.push_back(std::make_unique<DocumentState>(model));
    return *m_states.back();
}

void DocumentStates::drop(const Reference<css::frame::XModel> &model)
{
    m_states.erase(std::remove_if(m_states.begin(), m_states.end(),
                                  [&](const std::unique_ptr<DocumentState> &state) {
                                      return state->model.get() == model.get();
                                  }),
                   m_states.end());
}

void DocumentStates::showSelections()
{
    for (const std::unique_ptr<DocumentState> &state : m_states)
        state->selection.show();
}

} // namespace libreoffice
