#include "lotextlock.h"

#include "unoutil.h"

namespace libreoffice {

LoTextLock::LoTextLock(css::uno::Reference<css::frame::XModel> model)
    : m_model(std::move(model))
{
    if (!m_model.is())
        return;
    unoGuardVoid([this] { m_model->lockControllers(); });
}

LoTextLock::~LoTextLock()
{
    if (!m_model.is())
        return;
    unoGuardVoid([this] { m_model->unlockControllers(); });
}

} // namespace libreoffice
