#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XTerminateListener.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace libreoffice {

class OfficeConnection;
class OfficeProfile;
class WriterWindow;

// One running office as the object model sees it: the process and its
// bridge, the embedded window (unless headless) and the documents. Every
// binding object holds it; once the office has ended (quit, crash, lost
// bridge) everything answers null or does nothing.
class Office
{
public:
    enum StartResult {
        Started = 0,
        NoProgram = 1,
        NoHostWindow = 2,
        LaunchFailed = 3,
        EmbeddingFailed = 4,
    };

    Office(bool headless, const QString &profileDirectory);
    ~Office();

    // Starts the office; embedded into hostWindow unless headless, with a
    // first empty document shown.
    StartResult start(const QString &program, std::uint64_t hostWindow, const QSize &size);

    bool isAlive() const;
    bool isHeadless() const { return m_headless; }
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

    // Closes every document without saving and ends the office; no process
    // of ours is left afterwards.
    void quit();
    void focusWriter();

    // Keeps the document's views (and its layout) still while a command
    // works through it paragraph by paragraph; they follow again when the
    // event loop next runs, or at once through releaseControllers (before
    // anything that asks the layout: page numbers, printing, storing).
    void holdControllers(const css::uno::Reference<css::frame::XModel> &model);
    void releaseControllers();

private:
    // A new document from an ASCII URL (a factory or an encoded file URL).
    css::uno::Reference<css::frame::XModel>
    load(const QByteArray &url,
         const css::uno::Sequence<css::beans::PropertyValue> &arguments = {});
    static bool isOpen(const css::uno::Reference<css::frame::XModel> &model);

    bool m_headless;
    QString m_profileDirectory;
    std::unique_ptr<OfficeProfile> m_profile;
    std::unique_ptr<OfficeConnection> m_connection;
    std::unique_ptr<WriterWindow> m_window;
    std::vector<css::uno::Reference<css::frame::XModel>> m_added;
    std::vector<css::uno::Reference<css::frame::XModel>> m_held;
    std::shared_ptr<bool> m_releaseScheduled;
    std::shared_ptr<std::atomic<bool>> m_mayTerminate;
};

} // namespace libreoffice
