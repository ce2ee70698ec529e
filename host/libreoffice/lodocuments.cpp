#include "lodocuments.h"

#include "lodocument.h"
#include "office.h"

#include <QFileInfo>

namespace libreoffice {

LoDocuments::LoDocuments(std::shared_ptr<Office> office)
    : m_office(std::move(office))
{
}

long LoDocuments::count() const
{
    return static_cast<long>(m_office->documents().size());
}

automation::DocumentPtr LoDocuments::item(long index)
{
    const auto documents = m_office->documents();
    if (index < 1 || index > static_cast<long>(documents.size()))
        return nullptr;
    return std::make_shared<LoDocument>(m_office, documents[static_cast<size_t>(index - 1)]);
}

automation::DocumentPtr LoDocuments::add()
{
    auto model = m_office->addDocument();
    if (!model.is())
        return nullptr;
    return std::make_shared<LoDocument>(m_office, model);
}

automation::DocumentPtr LoDocuments::open(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto model = m_office->openDocument(path);
    if (!model.is())
        return nullptr;
    return std::make_shared<LoDocument>(m_office, model);
}

} // namespace libreoffice
