#include "recordingproperties.h"

#include "recordingproperty.h"

RecordingProperties::RecordingProperties(automation::DocumentPropertiesPtr inner,
                                         std::shared_ptr<PropertyCallLog> log)
    : m_inner(std::move(inner))
    , m_log(std::move(log))
{
}

automation::DocumentPropertyPtr
RecordingProperties::wrap(automation::DocumentPropertyPtr property) const
{
    if (!property)
        return nullptr;
    return std::make_shared<RecordingProperty>(std::move(property), m_log);
}

long RecordingProperties::count() const
{
    return m_inner->count();
}

automation::DocumentPropertyPtr RecordingProperties::item(const automation::Variant &index,
                                                          long lcid)
{
    m_log->calls << QStringLiteral("item %1 %2").arg(RecordingProperty::describe(index)).arg(lcid);
    return wrap(m_inner->item(index, lcid));
}

automation::DocumentPropertyPtr RecordingProperties::add(const QString &name, bool linkToContent,
                                                         int type, const automation::Variant &value,
                                                         const automation::Variant &linkSource,
                                                         long lcid)
{
    m_log->calls << QStringLiteral("add %1 link=%2 type=%3 value=%4 source=%5 %6")
                        .arg(name)
                        .arg(linkToContent ? 1 : 0)
                        .arg(type)
                        .arg(RecordingProperty::describe(value),
                             RecordingProperty::describe(linkSource))
                        .arg(lcid);
    return wrap(m_inner->add(name, linkToContent, type, value, linkSource, lcid));
}
