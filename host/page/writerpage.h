#pragma once

#include "automation/forward.h"
#include "defaultwriter.h"
#include "writerclient.h"

#include <QWidget>

class DocumentTabs;
class QHBoxLayout;
class WPSWindow;
class WriterKeeper;

// The writer's page of the main window: it starts and embeds the writer, owns
// its automation objects and the document tabs, and keeps the user's work
// through crashes, hangs and closing (writerkeeper.h). The commands run on it
// (app/wpsmainwindow.h); they reach the writer through application() and give
// the keyboard back with focusWriter().
class WriterPage : public QWidget
{
    Q_OBJECT

public:
    explicit WriterPage(QWidget *parent = nullptr,
                        WriterClientFactory factory = defaultWriterClientFactory());
    // Asks the writer to quit, then takes the host down.
    ~WriterPage() override;

    // Starts the writer, binds its Application and Documents objects and
    // embeds its window. Does nothing once the application is bound.
    void initApp();

    automation::ApplicationPtr application() const;
    WPSWindow *host() const;
    WriterClient *client() const { return m_client; }

    // Closing the window: false when the user chose to keep it open.
    bool closeWriter();
    // Starts a new writer in place of the one that ended or hangs; it brings
    // the documents back from their recovery copies.
    void restartWriter();
    // Opens the files in the writer's window; the ones it cannot read are
    // reported.
    void openDocuments(const QStringList &paths);
    void refreshDocumentTabs();
    // Makes the active document, new and empty, the body of an official
    // document (the settings' fonts, size and spacing on the official page).
    virtual void startNewDocument() = 0;
    DocumentTabs *documentTabs() const { return m_tabs; }

    // Gives the keyboard focus back to the writer after a command.
    void focusWriter();

protected:
    WriterKeeper *keeper() const { return m_keeper; }

private:
    WriterClient *m_client = nullptr;
    WPSWindow *m_host = nullptr;
    DocumentTabs *m_tabs = nullptr;
    WriterKeeper *m_keeper = nullptr;
    automation::ApplicationPtr m_application;
    automation::ApplicationExPtr m_applicationEx;
    automation::DocumentsPtr m_documents;
    QHBoxLayout *m_layout = nullptr;
};
