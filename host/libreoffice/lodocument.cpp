#include "lodocument.h"

#include "lodocumentproperties.h"
#include "lorange.h"
#include "office.h"
#include "unoutil.h"

#include <QUrl>

#include <com/sun/star/frame/XTitle.hpp>
#include <com/sun/star/text/XTextDocument.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

const int wdSaveChanges = -1;

} // namespace

LoDocument::LoDocument(std::shared_ptr<Office> office, Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

QString LoDocument::name() const
{
    if (!m_office->isAlive())
        return QString();
    return unoGuard(QString(), [this] {
        const QString url = toQString(m_model->getURL());
        if (!url.isEmpty())
            return QUrl(url).fileName();
        return toQString(Reference<frame::XTitle>(m_model, UNO_QUERY_THROW)->getTitle());
    });
}

automation::ParagraphsPtr LoDocument::paragraphs()
{
    return nullptr;
}

automation::SectionsPtr LoDocument::sections()
{
    return nullptr;
}

automation::FieldsPtr LoDocument::fields()
{
    return nullptr;
}

automation::StylesPtr LoDocument::styles()
{
    return nullptr;
}

automation::TablesPtr LoDocument::tables()
{
    return nullptr;
}

automation::ShapesPtr LoDocument::shapes()
{
    return nullptr;
}

automation::DocumentPropertiesPtr LoDocument::customDocumentProperties()
{
    if (!m_office->isAlive())
        return nullptr;
    return std::make_shared<LoDocumentProperties>(m_office, m_model);
}

automation::RangePtr LoDocument::range(long, long)
{
    return nullptr;
}

automation::RangePtr LoDocument::content()
{
    if (!m_office->isAlive())
        return nullptr;
    Reference<text::XText> body = unoGuard(Reference<text::XText>(), [this] {
        return Reference<text::XTextDocument>(m_model, UNO_QUERY_THROW)->getText();
    });
    if (!body.is())
        return nullptr;
    return std::make_shared<LoRange>(m_office, body);
}

bool LoDocument::printOut(const automation::PrintOutOptions &)
{
    return false;
}

void LoDocument::close(const automation::Variant &saveChanges)
{
    const bool save = saveChanges.isBool()
        ? saveChanges.toBool()
        : !saveChanges.isMissing() && saveChanges.toInt() == wdSaveChanges;
    m_office->closeDocument(m_model, save);
}

} // namespace libreoffice
