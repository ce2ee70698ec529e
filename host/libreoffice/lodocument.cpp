#include "lodocument.h"

#include "lobookmarks.h"
#include "lodocumentproperties.h"
#include "lodrawing.h"
#include "lolayout.h"
#include "loshapes.h"
#include "lotables.h"
#include "lotext.h"
#include "office.h"
#include "unoutil.h"

#include <QUrl>

#include <com/sun/star/frame/XTitle.hpp>
#include <com/sun/star/util/XModifiable.hpp>

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
    return officeCall(*m_office, QString(), [this] {
        const QString url = toQString(m_model->getURL());
        if (!url.isEmpty())
            return QUrl(url).fileName();
        return toQString(Reference<frame::XTitle>(m_model, UNO_QUERY_THROW)->getTitle());
    });
}

automation::ParagraphsPtr LoDocument::paragraphs()
{
    return makeBodyParagraphs(m_office, m_model);
}

automation::SectionsPtr LoDocument::sections()
{
    return makeSections(m_office, m_model);
}

automation::FieldsPtr LoDocument::fields()
{
    return makeFields(m_office, m_model);
}

automation::StylesPtr LoDocument::styles()
{
    return makeStyles(m_office, m_model);
}

automation::TablesPtr LoDocument::tables()
{
    return officeObject<LoTables>(m_office, m_model);
}

automation::ShapesPtr LoDocument::shapes()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<frame::XModel> model = m_model;
    return std::make_shared<LoShapes>(
        m_office, m_model, [model] { return bodyOf(model); }, true);
}

automation::BookmarksPtr LoDocument::bookmarks()
{
    return officeObject<LoBookmarks>(m_office, m_model);
}

automation::DocumentPropertiesPtr LoDocument::customDocumentProperties()
{
    return officeObject<LoDocumentProperties>(m_office, m_model);
}

automation::RangePtr LoDocument::range(long start, long end)
{
    return makeBodyRange(m_office, m_model, start, end);
}

automation::RangePtr LoDocument::content()
{
    return makeBodyRange(m_office, m_model, 0, -1);
}

bool LoDocument::printOut(const automation::PrintOutOptions &options)
{
    return printDocument(m_office, m_model, options);
}

void LoDocument::close(const automation::Variant &saveChanges)
{
    const bool save = saveChanges.isBool()
        ? saveChanges.toBool()
        : !saveChanges.isMissing() && saveChanges.toInt() == wdSaveChanges;
    m_office->closeDocument(m_model, save);
}

bool LoDocument::saved() const
{
    return officeCall(*m_office, true, [this] {
        return !Reference<util::XModifiable>(m_model, UNO_QUERY_THROW)->isModified();
    });
}

void LoDocument::setSaved(bool saved)
{
    officeCall(*m_office, [&] {
        Reference<util::XModifiable>(m_model, UNO_QUERY_THROW)->setModified(!saved);
    });
}

QString LoDocument::fullName() const
{
    return officeCall(*m_office, QString(), [this] {
        const QUrl url(toQString(m_model->getURL()));
        return url.isLocalFile() ? url.toLocalFile() : QString();
    });
}

bool LoDocument::save()
{
    return m_office->storeDocument(m_model, QString());
}

bool LoDocument::saveAs(const QString &path)
{
    return !path.isEmpty() && m_office->storeDocument(m_model, path);
}

void LoDocument::activate()
{
    m_office->showDocument(m_model);
}

} // namespace libreoffice
