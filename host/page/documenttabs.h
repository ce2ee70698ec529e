#pragma once

#include "automation/forward.h"

#include <QTabBar>

// The documents open in the writer, one tab each, above the writer's window:
// the active document's tab is current, a "*" after a name marks unsaved
// changes, and a click on a tab shows that document. Hidden while the writer
// has no document.
class DocumentTabs : public QTabBar
{
    Q_OBJECT

public:
    explicit DocumentTabs(QWidget *parent = nullptr);

    // Reads the documents afresh from the application (null: none).
    void refresh(const automation::ApplicationPtr &application);

private:
    void activate(int index);

    automation::ApplicationPtr m_application;
    bool m_refreshing = false;
};
