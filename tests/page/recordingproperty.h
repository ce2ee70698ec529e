#pragma once

#include "automation/document.h"
#include "propertycalllog.h"

#include <memory>

// A custom document property that logs the calls made on it and forwards them.
class RecordingProperty : public automation::DocumentProperty
{
public:
    RecordingProperty(automation::DocumentPropertyPtr inner, std::shared_ptr<PropertyCallLog> log);

    QString name() const override;
    int type() const override;
    automation::Variant value(long lcid) const override;
    void setValue(const automation::Variant &value, long lcid) override;

    // "Kind:text" of a variant, as the log writes it.
    static QString describe(const automation::Variant &value);

private:
    automation::DocumentPropertyPtr m_inner;
    std::shared_ptr<PropertyCallLog> m_log;
};
