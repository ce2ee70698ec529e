#pragma once

#include "automation/application.h"
#include "propertycalllog.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// An Application that forwards every call to another one. When Quit arrives
// it records whether a watched widget still exists and runs a probe; when
// asked, its active document logs the custom-property calls made on it.
class WatchedApplication : public automation::Application
{
public:
    explicit WatchedApplication(automation::ApplicationPtr inner);

    void watch(QWidget *widget);
    // Called at Quit time, before the call is forwarded.
    void setQuitProbe(std::function<void()> probe);
    void recordPropertyCalls(std::shared_ptr<PropertyCallLog> log);

    int quitCount() const;
    bool widgetAliveAtQuit() const;

    automation::DocumentsPtr documents() override;
    automation::DocumentPtr activeDocument() override;
    automation::SelectionPtr selection() override;
    automation::ApplicationExPtr applicationEx() override;
    void quit(const automation::Variant &saveChanges, const automation::Variant &originalFormat,
              const automation::Variant &routeDocument) override;

private:
    automation::ApplicationPtr m_inner;
    QPointer<QWidget> m_watched;
    std::function<void()> m_probe;
    std::shared_ptr<PropertyCallLog> m_propertyLog;
    int m_quitCount = 0;
    bool m_widgetAliveAtQuit = false;
};
