#include "loapplication.h"

#include "loapplicationex.h"
#include "lodocument.h"
#include "lodocuments.h"
#include "loselection.h"
#include "office.h"
#include "unoutil.h"

namespace libreoffice {

LoApplication::LoApplication(std::shared_ptr<Office> office)
    : m_office(std::move(office))
{
}

automation::DocumentsPtr LoApplication::documents()
{
    return officeObject<LoDocuments>(m_office);
}

automation::DocumentPtr LoApplication::activeDocument()
{
    auto model = m_office->activeDocument();
    if (!model.is())
        return nullptr;
    return std::make_shared<LoDocument>(m_office, model);
}

automation::SelectionPtr LoApplication::selection()
{
    auto model = m_office->activeDocument();
    if (!model.is())
        return nullptr;
    return std::make_shared<LoSelection>(m_office, model);
}

automation::ApplicationExPtr LoApplication::applicationEx()
{
    if (!m_office->isAlive() || m_office->mainWindowId() == 0)
        return nullptr;
    return std::make_shared<LoApplicationEx>(m_office);
}

void LoApplication::quit(const automation::Variant &saveChanges, const automation::Variant &,
                         const automation::Variant &)
{
    // Nothing is asked of an office that does not answer: it ends, and its
    // documents' recovery copies stay for the next start.
    if (m_office->isResponding() && !settleUnsavedChanges(saveChanges))
        return;
    m_office->quit();
}

void LoApplication::focusWriter()
{
    m_office->focusWriter();
}

qint64 LoApplication::processId() const
{
    return m_office->isAlive() ? m_office->processId() : 0;
}

} // namespace libreoffice
