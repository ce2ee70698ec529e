#pragma once

#include "automation/document.h"
#include "propertycalllog.h"

#include <memory>

// Custom document properties that log the calls made on them (and on the
// properties they hand out) and forward them.
class RecordingProperties : public automation::DocumentProperties
{
public:
    RecordingProperties(automation::DocumentPropertiesPtr inner,
                        std::shared_ptr<PropertyCallLog> log);

    long count() const override;
    automation::DocumentPropertyPtr item(const automation::Variant &index, long lcid) override;
    automation::DocumentPropertyPtr add(const QString &name, bool linkToContent, int type,
                                        const automation::Variant &value,
                                        const automation::Variant &linkSource, long lcid) override;

private:
    automation::DocumentPropertyPtr wrap(automation::DocumentPropertyPtr property) const;

    automation::DocumentPropertiesPtr m_inner;
    std::shared_ptr<PropertyCallLog> m_log;
};
