#include "lodocumentproperty.h"

#include "automation/constants.h"
#include "lodocumentproperties.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/beans/XPropertySet.hpp>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::TypeClass;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

Reference<beans::XPropertySet> propertySet(const Reference<frame::XModel> &model)
{
    return Reference<beans::XPropertySet>(LoDocumentProperties::container(model), UNO_QUERY_THROW);
}

int typeOf(const Any &value)
{
    // util::DateTime, util::Date and the like.
    if (value.getValueTypeClass() == TypeClass::TypeClass_STRUCT)
        return automation::msoPropertyTypeDate;
    switch (toVariant(value).kind()) {
    case automation::Variant::Kind::String:
        return automation::msoPropertyTypeString;
    case automation::Variant::Kind::Bool:
        return automation::msoPropertyTypeBoolean;
    case automation::Variant::Kind::Int:
        return automation::msoPropertyTypeNumber;
    case automation::Variant::Kind::Double:
        return automation::msoPropertyTypeFloat;
    default:
        return 0;
    }
}

} // namespace

LoDocumentProperty::LoDocumentProperty(std::shared_ptr<Office> office,
                                       Reference<frame::XModel> model, const QString &name)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_name(name)
{
}

QString LoDocumentProperty::name() const
{
    return m_name;
}

int LoDocumentProperty::type() const
{
    return officeCall(*m_office, 0, [this] {
        return typeOf(propertySet(m_model)->getPropertyValue(toOUString(m_name)));
    });
}

automation::Variant LoDocumentProperty::value(long) const
{
    return officeCall(*m_office, automation::Variant(), [this] {
        return toVariant(propertySet(m_model)->getPropertyValue(toOUString(m_name)));
    });
}

void LoDocumentProperty::setValue(const automation::Variant &value, long)
{
    officeCall(*m_office, [&] {
        Reference<beans::XPropertySet> properties = propertySet(m_model);
        const rtl::OUString key = toOUString(m_name);
        Any stored;
        switch (typeOf(properties->getPropertyValue(key))) {
        case automation::msoPropertyTypeString:
            stored <<= toOUString(value.toString());
            break;
        case automation::msoPropertyTypeNumber:
            stored <<= static_cast<sal_Int32>(value.toInt());
            break;
        case automation::msoPropertyTypeBoolean:
            stored <<= value.toBool();
            break;
        case automation::msoPropertyTypeFloat:
            stored <<= value.toDouble();
            break;
        default:
            stored = toAny(value);
            break;
        }
        properties->setPropertyValue(key, stored);
    });
}

} // namespace libreoffice
