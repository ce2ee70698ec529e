#include "elementrecord.h"

#include "automation/application.h"
#include "automation/constants.h"
#include "automation/document.h"
#include "automation/variant.h"

// The element id travels as the locale argument of every property call.

namespace assembly {

namespace {

automation::DocumentPropertiesPtr propertiesOf(const automation::ApplicationPtr &app)
{
    const automation::DocumentPtr document = app ? app->activeDocument() : nullptr;
    return document ? document->customDocumentProperties() : nullptr;
}

} // namespace

QString readElement(const automation::ApplicationPtr &app, long id, const QString &name)
{
    const automation::DocumentPropertiesPtr properties = propertiesOf(app);
    const automation::DocumentPropertyPtr property
        = properties ? properties->item(automation::Variant(name), id) : nullptr;
    return property ? property->value(id).toString() : QString();
}

void writeElement(const automation::ApplicationPtr &app, long id, const QString &name,
                  const QString &value)
{
    const automation::DocumentPropertiesPtr properties = propertiesOf(app);
    if (!properties)
        return;
    if (const automation::DocumentPropertyPtr property
        = properties->item(automation::Variant(name), id)) {
        property->setValue(automation::Variant(value), id);
        return;
    }
    properties->add(name, false, automation::msoPropertyTypeString, automation::Variant(value),
                    automation::Variant(0), id);
}

} // namespace assembly
