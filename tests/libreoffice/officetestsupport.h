#pragma once

#include "automation/automation.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

// Helpers shared by the LibreOffice client tests.
namespace officetest {

// Whether the process exists and has not died yet. A killed child that its
// parent has not reaped yet is a zombie: dead, so it does not count.
inline bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && line.at(close + 2) != 'Z'
        && line.at(close + 2) != 'X';
}

// Waits without running the Qt event loop.
inline bool waitUntilGone(qint64 pid, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (processRunning(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

// The host's way of writing one element of the document record: overwrite
// when the property exists, otherwise add a text property.
inline bool writeProperty(const automation::ApplicationPtr &app, long id, const QString &name,
                          const QString &value)
{
    automation::DocumentPtr document = app->activeDocument();
    if (!document)
        return false;
    automation::DocumentPropertiesPtr properties = document->customDocumentProperties();
    if (!properties)
        return false;
    if (automation::DocumentPropertyPtr property = properties->item(name, id)) {
        property->setValue(value, id);
        return true;
    }
    return properties->add(name, false, automation::msoPropertyTypeString, value, 0, id) != nullptr;
}

// The host's way of reading one element: empty text when anything is missing.
inline QString readProperty(const automation::ApplicationPtr &app, long id, const QString &name)
{
    automation::DocumentPtr document = app->activeDocument();
    if (!document)
        return QString();
    automation::DocumentPropertiesPtr properties = document->customDocumentProperties();
    if (!properties)
        return QString();
    automation::DocumentPropertyPtr property = properties->item(name, id);
    return property ? property->value(id).toString() : QString();
}

} // namespace officetest
