#include "lotextlock.h"

#include "unoutil.h"

namespace libreoffice {

LoTextLock::LoTextLock(const Office &office, css::uno::Reference<css::frame::XModel> model)
    : m_office(office)
    , m_model(std::move(model))
{
    if (!m_model.is())
        return;
    officeCall(m_office, [this] { m_model->lockControllers(); });
}

LoTextLock::~LoTextLock()
{
    if (!m_model.is())
        return;
    officeCall(m_office, [this] { m_model->unlockControllers(); });
}

} // namespace libreoffice
