#include "wpsmainwindow.h"

#include "automation/application.h"
#include "automation/constants.h"
#include "automation/document.h"
#include "automation/variant.h"

// The elements of a converted document live in the document itself, as custom
// text properties. The element id travels as the locale argument of every
// property call.

QString WPSMainWindow::readgwinfo(long id, const QString &name)
{
    if (!m_application)
        return QString();
    const automation::DocumentPtr document = m_application->activeDocument();
    if (!document)
        return QString();
    const automation::DocumentPropertiesPtr properties = document->customDocumentProperties();
    if (!properties)
        return QString();
    const automation::DocumentPropertyPtr property
        = properties->item(automation::Variant(name), id);
    if (!property)
        return QString();
    // A property of another type (set by some other program) reads as its
    // text form.
    return property->value(id).toString();
}

void WPSMainWindow::writegwinfo(long id, const QString &name, const QString &value)
{
    if (!m_application)
        return;
    const automation::DocumentPtr document = m_application->activeDocument();
    if (!document)
        return;
    const automation::DocumentPropertiesPtr properties = document->customDocumentProperties();
    if (!properties)
        return;
    const automation::DocumentPropertyPtr property
        = properties->item(automation::Variant(name), id);
    if (property) {
        property->setValue(automation::Variant(value), id);
        return;
    }
    properties->add(name, false, automation::msoPropertyTypeString, automation::Variant(value),
                    automation::Variant(0), id);
}
