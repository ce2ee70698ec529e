#pragma once

#include "lodocumentstates.h"
#include "lowritebatch.h"
#include "nextturn.h"
#include "shapewrappers.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XTerminateListener.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace libreoffice {

class OfficeConnection;
class OfficeProfile;
class OfficeRecovery;
class OfficeWatchdog;
class WriterWindow;

// One running office as the object model sees it: the process and its
// bridge, the embedded window (unless headless) and the documents. Every
// binding object holds it; once the office has ended (quit, crash, lost
// bridge) everything answers null or does nothing.
//
// Embedded, the office also keeps recovery copies of its documents in its
// profile (OfficeRecovery) and is watched for answering (OfficeWatchdog). A
// start finds the copies an office left that ended without closing its
// documents (a crash, a kill, a hang, our own end) and brings those
// documents back instead of an empty one; a quit with every document
// settled removes them.
class Office
{
public:
    // Told on the GUI thread; set before start().
    struct Events
    {
        // The office ended without being asked (crash, kill, cut off).
        std::function<void()> ended;
        std::function<void()> notResponding;
        std::function<void()> respondingAgain;
        // Documents came, went, were shown, renamed or changed their
        // modified state.
        std::function<void()> documentsChanged;
        // The user chose File > Open or File > Exit inside the writer.
        std::function<void()> chooseFileRequested;
        std::function<void()> quitRequested;
        // The user made a new document (File > New); it is shown.
        std::function<void()> documentMade;
    };

    enum StartResult {
        Started = 0,
        NoProgram = 1,
        NoHostWindow = 2,
        LaunchFailed = 3,
        EmbeddingFailed = 4,
    };

    Office(bool headless, const QString &profileDirectory, int recoveryIntervalMs = 0);
    ~Office();

    void setEvents(Events events) { m_events = std::move(events); }

    // Starts the office; embedded into hostWindow unless headless, with a
    // first empty document shown.
    StartResult start(const QString &program, std::uint64_t hostWindow, const QSize &size);

    bool isAlive() const;
    bool isHeadless() const { return m_headless; }
    // Whether the office answers calls now (always, when not watched).
    bool isResponding() const;
    // Asks the office and waits up to timeoutMs for an answer: false when it
    // did not answer, or has ended.
    bool waitForAnswer(int timeoutMs);
    // Whether the office ended because it stopped answering while we waited
    // on it (see OfficeWatchdog).
    bool wasCutOff() const;
    // How many documents the start brought back from recovery copies.
    int recoveredDocuments() const { return m_recovered; }
    // Writes the recovery copies now rather than at the next round.
    void saveRecoveryCopies();
    qint64 processId() const;
    // Our window inside the host window; 0 when headless or not started.
    std::uint64_t mainWindowId() const;

    // The open text documents of the office.
    std::vector<css::uno::Reference<css::frame::XModel>> documents();
    // Embedded: the document shown in the window. Headless: the latest
    // document added that is still open.
    css::uno::Reference<css::frame::XModel> activeDocument();
    css::uno::Reference<css::frame::XModel> addDocument();
    // Loads the file at path as a new document, shown (embedded) or the
    // active one (headless); null when it is not a text document. A headless
    // office also takes the given load arguments (a filter, an interaction
    // handler); the embedded window loads with its own.
    css::uno::Reference<css::frame::XModel>
    openDocument(const QString &path,
                 const css::uno::Sequence<css::beans::PropertyValue> &arguments = {});
    // Stores the document first when asked and it has a file; otherwise
    // unsaved changes are discarded.
    void closeDocument(const css::uno::Reference<css::frame::XModel> &model, bool save);
    // Stores the document in its own file (path empty) or as the file at
    // path, in the format its extension names; that file becomes the
    // document's. False on failure.
    bool storeDocument(const css::uno::Reference<css::frame::XModel> &model, const QString &path);
    // Embedded: shows the document's view. Headless: makes it the active one.
    void showDocument(const css::uno::Reference<css::frame::XModel> &model);

    // Closes every document without saving and ends the office; no process
    // of ours is left afterwards. An office that does not answer is ended
    // at once, and its documents' recovery copies stay for the next start.
    void quit();
    void focusWriter();

    // Keeps the document's views (and its layout) still while a command
    // works through it paragraph by paragraph; they follow again when the
    // event loop next runs, or at once through releaseControllers (before
    // anything that asks the layout: page numbers, printing, storing).
    void holdControllers(const css::uno::Reference<css::frame::XModel> &model);
    void releaseControllers();

    // The property writes held for this office's next call (officeCall).
    WriteBatch &writeBatch() const { return *m_writeBatch; }
    // The documents' shape wrappers, held while their documents are open.
    ShapeWrappers &shapeWrappers() { return m_shapeWrappers; }
    // What the bindings remember about the document while it is open.
    DocumentState &document(const css::uno::Reference<css::frame::XModel> &model)
    {
        return m_documents.of(model);
    }

private:
    // A new document from an ASCII URL (a factory or an encoded file URL).
    css::uno::Reference<css::frame::XModel>
    load(const QByteArray &url,
         const css::uno::Sequence<css::beans::PropertyValue> &arguments = {});
    static bool isOpen(const css::uno::Reference<css::frame::XModel> &model);
    void startWatching();
    int recover();

    bool m_headless;
    QString m_profileDirectory;
    int m_recoveryIntervalMs;
    int m_recovered = 0;
    Events m_events;
    std::unique_ptr<OfficeRecovery> m_recovery;
    std::unique_ptr<OfficeWatchdog> m_watchdog;
    std::unique_ptr<OfficeProfile> m_profile;
    std::unique_ptr<OfficeConnection> m_connection;
    std::unique_ptr<WriterWindow> m_window;
    std::vector<css::uno::Reference<css::frame::XModel>> m_added;
    std::vector<css::uno::Reference<css::frame::XModel>> m_held;
    NextTurn m_release; // of the held controllers
    std::shared_ptr<std::atomic<bool>> m_mayTerminate;
    ShapeWrappers m_shapeWrappers;
    DocumentStates m_documents;
    std::unique_ptr<WriteBatch> m_writeBatch = std::make_unique<WriteBatch>();
};

} // namespace libreoffice
