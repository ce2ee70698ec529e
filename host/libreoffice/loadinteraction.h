#pragma once

#include <com/sun/star/task/XInteractionHandler.hpp>
#include <cppuhelper/implbase1.hxx>

#include <atomic>
#include <memory>

namespace libreoffice {

// Answers the questions the office asks while it loads a file without a
// window to ask them in: every question is cancelled, and a request for a
// password is remembered, so that the caller can tell a protected file from
// a broken one. The office calls it on a bridge thread; the caller reads
// passwordAsked() once the load has returned.
class LoadInteraction : public cppu::WeakImplHelper1<css::task::XInteractionHandler>
{
public:
    LoadInteraction();

    void SAL_CALL
    handle(const css::uno::Reference<css::task::XInteractionRequest> &request) override;

    // A shared flag outlives the handler, which the office may release late.
    std::shared_ptr<std::atomic<bool>> passwordAsked() const { return m_passwordAsked; }

private:
    std::shared_ptr<std::atomic<bool>> m_passwordAsked;
};

} // namespace libreoffice
