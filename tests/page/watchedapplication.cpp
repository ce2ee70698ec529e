#include "watchedapplication.h"

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

int WatchedApplication::quitCount() const
{
    return m_quitCount;
}

bool WatchedApplication::widgetAliveAtQuit() const
{
    return m_widgetAliveAtQuit;
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
