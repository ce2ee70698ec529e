#pragma once

#include "automation/application.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// An Application that forwards every call to another one. When Quit arrives
// it records whether a watched widget still exists and runs a probe.
class WatchedApplication : public automation::Application
{
public:
    explicit WatchedApplication(automation::ApplicationPtr inner);

    void watch(QWidget *widget);
    // Called at Quit time, before the call is forwarded.
    void setQuitProbe(std::function<void()> probe);

    int quitCount() const;
    bool widgetAliveAtQuit() const;

    automation::DocumentsPtr documents() override { return m_inner->documents(); }
    automation::DocumentPtr activeDocument() override { return m_inner->activeDocument(); }
    automation::SelectionPtr selection() override { return m_inner->selection(); }
    automation::ApplicationExPtr applicationEx() override { return m_inner->applicationEx(); }
    void quit(const automation::Variant &saveChanges, const automation::Variant &originalFormat,
              const automation::Variant &routeDocument) override;

private:
    automation::ApplicationPtr m_inner;
    QPointer<QWidget> m_watched;
    std::function<void()> m_probe;
    int m_quitCount = 0;
    bool m_widgetAliveAtQuit = false;
};
