#include "recordingproperty.h"

RecordingProperty::RecordingProperty(automation::DocumentPropertyPtr inner,
                                     std::shared_ptr<PropertyCallLog> log)
    : m_inner(std::move(inner))
    , m_log(std::move(log))
{
}

QString RecordingProperty::describe(const automation::Variant &value)
{
    using Kind = automation::Variant::Kind;
    switch (value.kind()) {
    case Kind::Missing:
        return QStringLiteral("Missing");
    case Kind::Bool:
        return QStringLiteral("Bool:%1").arg(value.toString());
    case Kind::Int:
        return QStringLiteral("Int:%1").arg(value.toString());
    case Kind::Double:
        return QStringLiteral("Double:%1").arg(value.toString());
    case Kind::String:
        return QStringLiteral("String:%1").arg(value.toString());
    case Kind::Range:
        return QStringLiteral("Range");
    }
    return QString();
}

QString RecordingProperty::name() const
{
    return m_inner->name();
}

int RecordingProperty::type() const
{
    return m_inner->type();
}

automation::Variant RecordingProperty::value(long lcid) const
{
    m_log->calls << QStringLiteral("value %1").arg(lcid);
    return m_inner->value(lcid);
}

void RecordingProperty::setValue(const automation::Variant &value, long lcid)
{
    m_log->calls << QStringLiteral("setValue %1 %2").arg(describe(value)).arg(lcid);
    m_inner->setValue(value, lcid);
}
