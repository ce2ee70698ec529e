#include "loadinteraction.h"

#include <com/sun/star/task/PasswordRequest.hpp>
#include <com/sun/star/task/XInteractionAbort.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace libreoffice {

LoadInteraction::LoadInteraction()
    : m_passwordAsked(std::make_shared<std::atomic<bool>>(false))
{
}

void LoadInteraction::handle(const Reference<task::XInteractionRequest> &request)
{
    if (!request.is())
        return;
    // Word's and the office's own password requests all derive from
    // PasswordRequest.
    task::PasswordRequest password;
    if (request->getRequest() >>= password)
        m_passwordAsked->store(true);
    const uno::Sequence<Reference<task::XInteractionContinuation>> continuations
        = request->getContinuations();
    for (sal_Int32 i = 0; i < continuations.getLength(); ++i) {
        const Reference<task::XInteractionAbort> abort(continuations[i], UNO_QUERY);
        if (abort.is()) {
            abort->select();
            return;
        }
    }
}

} // namespace libreoffice
