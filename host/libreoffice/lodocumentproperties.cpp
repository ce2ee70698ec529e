#include "lodocumentproperties.h"

#include "automation/constants.h"
#include "lodocumentproperty.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/PropertyAttribute.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/document/XDocumentProperties.hpp>
#include <com/sun/star/document/XDocumentPropertiesSupplier.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// The value as the office stores a property of the given type; empty when
// the type is not one we store.
Any valueOfType(int type, const automation::Variant &value)
{
    switch (type) {
    case automation::msoPropertyTypeString:
        return Any(toOUString(value.toString()));
    case automation::msoPropertyTypeNumber:
        return Any(static_cast<sal_Int32>(value.toInt()));
    case automation::msoPropertyTypeBoolean:
        return Any(value.toBool());
    case automation::msoPropertyTypeFloat:
        return Any(value.toDouble());
    default:
        break;
    }
    return Any();
}

Sequence<beans::Property> propertiesOf(const Reference<beans::XPropertyContainer> &container)
{
    return Reference<beans::XPropertySet>(container, UNO_QUERY_THROW)
        ->getPropertySetInfo()
        ->getProperties();
}

} // namespace

LoDocumentProperties::LoDocumentProperties(std::shared_ptr<Office> office,
                                           Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

Reference<beans::XPropertyContainer>
LoDocumentProperties::container(const Reference<frame::XModel> &model)
{
    Reference<document::XDocumentPropertiesSupplier> supplier(model, UNO_QUERY_THROW);
    Reference<document::XDocumentProperties> properties(supplier->getDocumentProperties(),
                                                        uno::UNO_SET_THROW);
    return Reference<beans::XPropertyContainer>(properties->getUserDefinedProperties(),
                                                uno::UNO_SET_THROW);
}

long LoDocumentProperties::count() const
{
    return officeCall(*m_office, 0L, [this] {
        return static_cast<long>(propertiesOf(container(m_model)).getLength());
    });
}

automation::DocumentPropertyPtr LoDocumentProperties::item(const automation::Variant &index, long)
{
    if (!m_office->isAlive())
        return nullptr;
    const QString name = officeCall(*m_office, QString(), [&] {
        Reference<beans::XPropertyContainer> properties = container(m_model);
        if (index.isString()) {
            const bool has = Reference<beans::XPropertySet>(properties, UNO_QUERY_THROW)
                                 ->getPropertySetInfo()
                                 ->hasPropertyByName(toOUString(index.toString()));
            return has ? index.toString() : QString();
        }
        const Sequence<beans::Property> all = propertiesOf(properties);
        const long position = index.toInt();
        if (index.isMissing() || position < 1 || position > all.getLength())
            return QString();
        return toQString(all[static_cast<sal_Int32>(position - 1)].Name);
    });
    if (name.isEmpty())
        return nullptr;
    return std::make_shared<LoDocumentProperty>(m_office, m_model, name);
}

automation::DocumentPropertyPtr LoDocumentProperties::add(const QString &name, bool linkToContent,
                                                          int type,
                                                          const automation::Variant &value,
                                                          const automation::Variant &, long)
{
    if (!m_office->isAlive() || name.isEmpty() || linkToContent)
        return nullptr;
    const Any initial = valueOfType(type, value);
    if (!initial.hasValue())
        return nullptr;
    const bool added = officeCall(*m_office, false, [&] {
        Reference<beans::XPropertyContainer> properties = container(m_model);
        const rtl::OUString key = toOUString(name);
        if (Reference<beans::XPropertySet>(properties, UNO_QUERY_THROW)
                ->getPropertySetInfo()
                ->hasPropertyByName(key))
            properties->removeProperty(key);
        properties->addProperty(key, beans::PropertyAttribute::REMOVABLE, initial);
        return true;
    });
    if (!added)
        return nullptr;
    return std::make_shared<LoDocumentProperty>(m_office, m_model, name);
}

} // namespace libreoffice
