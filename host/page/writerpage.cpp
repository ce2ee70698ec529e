#include "writerpage.h"

#include "automation/application.h"
#include "automation/document.h"
#include "automation/variant.h"
#include "documenttabs.h"
#include "messages/messages.h"
#include "wpswindow.h"
#include "writerkeeper.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QWindow>

namespace {

// The share of the page's width that the writer host takes.
constexpr int kHostStretch = 140;

} // namespace

WriterPage::WriterPage(QWidget *parent, WriterClientFactory factory)
    : QWidget(parent)
{
    // The client and the automation objects start empty; the writer is
    // started by initApp().
    m_host = new WPSWindow(this, std::move(factory));
    m_keeper = new WriterKeeper(this);

    // The document tabs sit above the writer's window.
    m_tabs = new DocumentTabs(this);
    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(m_tabs);
    column->addWidget(m_host, 1);
    m_layout = new QHBoxLayout;
    m_layout->setContentsMargins(1, 1, 1, 1);
    m_layout->addLayout(column, kHostStretch);
    setLayout(m_layout);
    adjustSize();
}

WriterPage::~WriterPage()
{
    if (m_application) {
        // Nobody can cancel from here: the window's close asked already.
        m_application->setSaveChangesPrompt({});
        automation::Variant saveChanges;
        automation::Variant originalFormat;
        automation::Variant routeDocument;
        m_application->quit(saveChanges, originalFormat, routeDocument);
        m_application.reset();
    }

    m_host->destroyWpsApplication();
    m_client = nullptr;

    delete m_host;
    m_host = nullptr;
    delete m_layout;
    m_layout = nullptr;

    m_documents.reset();
    m_applicationEx.reset();
    m_application.reset();
}

void WriterPage::initApp()
{
    if (m_application)
        return;

    m_client = m_host->initWpsApplication();
    if (!m_client)
        return;
    m_client->setObserver(m_keeper);

    automation::ApplicationPtr application;
    if (m_client->getApplication(&application) != 0 || !application)
        return;
    m_application = application;
    m_application->setSaveChangesPrompt(m_keeper->savePrompt());
    refreshDocumentTabs();
    m_keeper->writerStarted();
    // A start that brought back no documents shows a new one.
    if (m_client->recoveredDocuments() == 0)
        startNewDocument();

    m_documents = m_application->documents();

    // Without the extension interface the writer runs, but its window cannot
    // be placed in the page.
    m_applicationEx = m_application->applicationEx();
    if (!m_applicationEx)
        return;

    const std::uint64_t windowId = m_applicationEx->mainWindowId();
    QWindow *window = QWindow::fromWinId(static_cast<WId>(windowId));
    QWidget *container = QWidget::createWindowContainer(window, this);
    m_host->addContainerWin(container);
}

bool WriterPage::closeWriter()
{
    return m_keeper->closeWriter();
}

void WriterPage::restartWriter()
{
    // The old window's container goes before the old writer's window.
    m_host->addContainerWin(nullptr);
    m_documents.reset();
    m_applicationEx.reset();
    m_application.reset();
    m_host->destroyWpsApplication();
    m_client = nullptr;
    refreshDocumentTabs();
    initApp();
}

void WriterPage::openDocuments(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    automation::DocumentsPtr documents = m_application ? m_application->documents() : nullptr;
    QStringList failed;
    for (const QString &path : paths) {
        if (!documents || !documents->open(path))
            failed << QFileInfo(path).fileName();
    }
    if (!failed.isEmpty())
        showError(QStringLiteral("无法打开以下文件：\n%1").arg(failed.join(QLatin1Char('\n'))));
    focusWriter();
}

void WriterPage::refreshDocumentTabs()
{
    m_tabs->refresh(m_application);
}

automation::ApplicationPtr WriterPage::application() const
{
    return m_application;
}

WPSWindow *WriterPage::host() const
{
    return m_host;
}

void WriterPage::focusWriter()
{
    m_host->setFocus(Qt::OtherFocusReason);
    if (m_client)
        m_client->focusWriter();
}
