#include "watchedapplication.h"

#include "recordingdocument.h"

WatchedApplication::WatchedApplication(automation::ApplicationPtr inner)
    : m_inner(std::move(inner))
{
}

void WatchedApplication::watch(QWidget *widget)
{
    m_watched = widget;
}

void WatchedApplication::setQuitProbe(std::function<void()> probe)
{
    m_probe = std::move(probe);
}

void WatchedApplication::recordPropertyCalls(std::shared_ptr<PropertyCallLog> log)
{
    m_propertyLog = std::move(log);
}

int WatchedApplication::quitCount() const
{
    return m_quitCount;
}

bool WatchedApplication::widgetAliveAtQuit() const
{
    return m_widgetAliveAtQuit;
}

automation::DocumentsPtr WatchedApplication::documents()
{
    return m_inner->documents();
}

automation::DocumentPtr WatchedApplication::activeDocument()
{
    automation::DocumentPtr document = m_inner->activeDocument();
    if (!document || !m_propertyLog)
        return document;
    return std::make_shared<RecordingDocument>(std::move(document), m_propertyLog);
}

automation::SelectionPtr WatchedApplication::selection()
{
    return m_inner->selection();
}

automation::ApplicationExPtr WatchedApplication::applicationEx()
{
    return m_inner->applicationEx();
}

void WatchedApplication::quit(const automation::Variant &saveChanges,
                              const automation::Variant &originalFormat,
                              const automation::Variant &routeDocument)
{
    ++m_quitCount;
    m_widgetAliveAtQuit = !m_watched.isNull();
    if (m_probe)
        m_probe();
    m_inner->quit(saveChanges, originalFormat, routeDocument);
}
