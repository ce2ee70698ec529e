#include "unoutil.h"

#include "office.h"

#include <QFileInfo>

#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/uno/Type.hxx>

#include <cmath>

namespace libreoffice {

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::TypeClass;

rtl::OUString toOUString(const QString &text)
{
    return rtl::OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), text.size());
}

QString toQString(const rtl::OUString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getStr()), text.getLength());
}

rtl::OUString unoName(const char *ascii)
{
    return rtl::OUString::createFromAscii(ascii);
}

std::vector<beans::PropertyValue> filterArguments(const QString &path)
{
    static const struct
    {
        const char *suffix;
        const char *filter;
    } filters[] = {{"docx", "MS Word 2007 XML"},
                   {"doc", "MS Word 97"},
                   {"odt", "writer8"},
                   {"rtf", "Rich Text Format"},
                   {"txt", "Text (encoded)"}};
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const auto &known : filters) {
        if (suffix != QLatin1String(known.suffix))
            continue;
        std::vector<beans::PropertyValue> arguments {
            propertyValue("FilterName", Any(unoName(known.filter)))};
        if (suffix == QLatin1String("txt"))
            arguments.push_back(propertyValue("FilterOptions", Any(rtl::OUString("UTF8,LF,,"))));
        return arguments;
    }
    return {};
}

beans::PropertyValue propertyValue(const char *name, const Any &value)
{
    beans::PropertyValue p;
    p.Name = unoName(name);
    p.Value = value;
    return p;
}

bool boolOf(const Reference<beans::XPropertySet> &properties, const char *name)
{
    bool value = false;
    properties->getPropertyValue(unoName(name)) >>= value;
    return value;
}

bool boolOf(const Reference<beans::XPropertySet> &properties, const QString &name)
{
    bool value = false;
    properties->getPropertyValue(toOUString(name)) >>= value;
    return value;
}

float toPoints(sal_Int32 hundredthMm)
{
    return float(double(hundredthMm) * 72.0 / 2540.0);
}

sal_Int32 toHundredthMm(double points)
{
    return sal_Int32(std::lround(points * 2540.0 / 72.0));
}

sal_Int32 swapRedBlue(sal_Int32 color)
{
    return ((color & 0xff) << 16) | (color & 0xff00) | ((color >> 16) & 0xff);
}

Reference<text::XText> bodyOf(const Reference<frame::XModel> &model)
{
    const Reference<text::XTextDocument> document(model, uno::UNO_QUERY);
    return document.is() ? document->getText() : nullptr;
}

Any toAny(const automation::Variant &value)
{
    switch (value.kind()) {
    case automation::Variant::Kind::Bool:
        return Any(value.toBool());
    case automation::Variant::Kind::Int:
        return Any(static_cast<sal_Int32>(value.toInt()));
    case automation::Variant::Kind::Double:
        return Any(value.toDouble());
    case automation::Variant::Kind::String:
        return Any(toOUString(value.toString()));
    case automation::Variant::Kind::Missing:
    case automation::Variant::Kind::Range:
        break;
    }
    return Any();
}

automation::Variant toVariant(const Any &value)
{
    switch (value.getValueTypeClass()) {
    case TypeClass::TypeClass_BOOLEAN: {
        bool b = false;
        value >>= b;
        return automation::Variant(b);
    }
    case TypeClass::TypeClass_BYTE:
    case TypeClass::TypeClass_SHORT:
    case TypeClass::TypeClass_UNSIGNED_SHORT:
    case TypeClass::TypeClass_LONG:
    case TypeClass::TypeClass_UNSIGNED_LONG:
    case TypeClass::TypeClass_HYPER:
    case TypeClass::TypeClass_UNSIGNED_HYPER: {
        sal_Int64 n = 0;
        value >>= n;
        return automation::Variant(static_cast<long>(n));
    }
    case TypeClass::TypeClass_FLOAT:
    case TypeClass::TypeClass_DOUBLE: {
        double d = 0.0;
        value >>= d;
        return automation::Variant(d);
    }
    case TypeClass::TypeClass_STRING: {
        rtl::OUString s;
        value >>= s;
        return automation::Variant(toQString(s));
    }
    default:
        break;
    }
    return automation::Variant();
}

bool officeRuns(const Office &office)
{
    return office.isAlive();
}

void sendHeldWrites(const Office &office)
{
    office.writeBatch().send();
}

} // namespace libreoffice
