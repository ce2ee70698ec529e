#include "office.h"

#include "lotextstory.h"
#include "officeconnection.h"
#include "officeprofile.h"
#include "officerecovery.h"
#include "officewatchdog.h"
#include "qtthreadqueue.h"
#include "unoutil.h"
#include "writerwindow.h"

#include <QFileInfo>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/document/XDocumentEventListener.hpp>
#include <com/sun/star/document/XDocumentRecovery.hpp>
#include <com/sun/star/frame/TerminationVetoException.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <com/sun/star/frame/XGlobalEventBroadcaster.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/frame/theGlobalEventBroadcaster.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <cppuhelper/implbase1.hxx>

#include <algorithm>

using namespace css;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

const int quitTimeoutMs = 3000;
// How long a quit waits for an office that did not answer lately.
const int quitAnswerMs = 1000;

// Keeps the embedded office running when the user picks Exit inside the
// writer: only our own quit may end it. Runs on a bridge thread.
class TerminateGuard : public cppu::WeakImplHelper1<frame::XTerminateListener>
{
public:
    explicit TerminateGuard(std::shared_ptr<std::atomic<bool>> mayTerminate)
        : m_mayTerminate(std::move(mayTerminate))
    {
    }

    void SAL_CALL queryTermination(const lang::EventObject &) override
    {
        if (!m_mayTerminate->load())
            throw frame::TerminationVetoException();
    }
    void SAL_CALL notifyTermination(const lang::EventObject &) override { }
    void SAL_CALL disposing(const lang::EventObject &) override { }

private:
    std::shared_ptr<std::atomic<bool>> m_mayTerminate;
};

// Tells the GUI thread when a document's title or modified state changes
// (the document tabs show both). Runs on a bridge thread.
class DocumentEventRelay : public cppu::WeakImplHelper1<document::XDocumentEventListener>
{
public:
    DocumentEventRelay(std::shared_ptr<QtThreadQueue> queue, std::function<void()> changed)
        : m_queue(std::move(queue))
        , m_changed(std::move(changed))
    {
    }

    void SAL_CALL documentEventOccured(const document::DocumentEvent &event) override
    {
        static const char *const relevant[] = {"OnModifyChanged", "OnTitleChanged", "OnSaveDone",
                                               "OnSaveAsDone",    "OnLoad",         "OnUnload"};
        for (const char *name : relevant) {
            if (event.EventName.equalsAscii(name)) {
                m_queue->post(m_changed);
                return;
            }
        }
    }
    void SAL_CALL disposing(const lang::EventObject &) override { }

private:
    std::shared_ptr<QtThreadQueue> m_queue;
    std::function<void()> m_changed;
};

} // namespace

Office::Office(bool headless, const QString &profileDirectory, int recoveryIntervalMs)
    : m_headless(headless)
    , m_profileDirectory(profileDirectory)
    , m_recoveryIntervalMs(recoveryIntervalMs)
    , m_mayTerminate(std::make_shared<std::atomic<bool>>(false))
{
}

Office::~Office()
{
    quit();
    m_window.reset();
    m_connection.reset();
}

Office::StartResult Office::start(const QString &program, std::uint64_t hostWindow,
                                  const QSize &size)
{
    if (!QFileInfo(program).isExecutable())
        return NoProgram;
    if (!m_headless && hostWindow == 0)
        return NoHostWindow;
    m_profile = std::make_unique<OfficeProfile>(m_profileDirectory);
    if (!m_profile->acquire())
        return LaunchFailed;
    m_connection = std::make_unique<OfficeConnection>();
    if (!m_connection->open(program, m_headless, m_profile.get()))
        return LaunchFailed;
    if (m_headless)
        return Started;

    unoGuardVoid([this] {
        m_connection->desktop()->addTerminateListener(new TerminateGuard(m_mayTerminate));
    });
    m_window = std::make_unique<WriterWindow>(m_connection.get(), hostWindow, size);
    m_window->setHandlers({m_events.documentsChanged, m_events.chooseFileRequested,
                           m_events.quitRequested, m_events.documentMade});
    m_recovery = std::make_unique<OfficeRecovery>(m_profile->directory()
                                                  + QStringLiteral("/quorvex-recovery"));
    if (!m_window->create()) {
        quit();
        return EmbeddingFailed;
    }
    m_recovered = recover();
    if (m_recovered == 0 && !m_window->addDocument().is()) {
        quit();
        return EmbeddingFailed;
    }
    startWatching();
    return Started;
}

int Office::recover()
{
    // As the office's own recovery does it: a new model rebuilt from the
    // copy as the document it was (its file, if it had one), then the
    // format of that file and the modified state put back.
    int recovered = 0;
    for (const OfficeRecovery::Entry &entry : m_recovery->entries()) {
        Reference<frame::XModel> model;
        if (entry.copy.isEmpty()) {
            model = m_window->addDocument(QUrl(entry.url).toEncoded().constData());
        } else {
            model = unoGuard(Reference<frame::XModel>(), [&] {
                Reference<frame::XModel> made(
                    m_connection->context()->getServiceManager()->createInstanceWithContext(
                        "com.sun.star.text.TextDocument", m_connection->context()),
                    UNO_QUERY_THROW);
                // A document that never had a file comes back untitled, as
                // a new one from the writer's factory; otherwise it would
                // take the copy's name and place.
                const bool untitled = entry.url.isEmpty();
                beans::PropertyValue args[2];
                args[0].Name = "FilterName";
                args[0].Value <<= rtl::OUString("writer8");
                args[1].Name = "AsTemplate";
                args[1].Value <<= untitled;
                const QString copy = m_recovery->directory() + QLatin1Char('/') + entry.copy;
                Reference<document::XDocumentRecovery>(made, UNO_QUERY_THROW)
                    ->recoverFromFile(toOUString(QUrl::fromLocalFile(copy).toString()),
                                      untitled ? rtl::OUString("private:factory/swriter")
                                               : toOUString(entry.url),
                                      Sequence<beans::PropertyValue>(args, 2));
                return made;
            });
            if (model.is())
                model = m_window->addModel(model);
            if (model.is()) {
                unoGuardVoid([&] {
                    if (!entry.filter.isEmpty() && !entry.url.isEmpty()) {
                        beans::PropertyValue filter;
                        filter.Name = "FilterName";
                        filter.Value <<= toOUString(entry.filter);
                        model->attachResource(model->getURL(),
                                              Sequence<beans::PropertyValue>(&filter, 1));
                    }
                    Reference<util::XModifiable>(model, UNO_QUERY_THROW)->setModified(true);
                });
            }
        }
        if (model.is())
            ++recovered;
    }
    return recovered;
}

void Office::startWatching()
{
    QObject::connect(m_connection.get(), &OfficeConnection::lost, m_connection.get(), [this] {
        if (m_events.ended)
            m_events.ended();
    });
    if (m_events.documentsChanged) {
        const std::function<void()> changed = m_events.documentsChanged;
        unoGuardVoid([&] {
            frame::theGlobalEventBroadcaster::get(m_connection->context())
                ->addDocumentEventListener(new DocumentEventRelay(m_connection->queue(), changed));
        });
    }
    m_recovery->start(m_connection->desktop(), m_recoveryIntervalMs);
    OfficeConnection *connection = m_connection.get();
    m_watchdog = std::make_unique<OfficeWatchdog>(
        m_connection->desktop(), m_connection->queue(),
        OfficeWatchdog::Handlers {m_events.notResponding, m_events.respondingAgain,
                                  [connection] { connection->cut(); }});
}

bool Office::isResponding() const
{
    return isAlive() && (!m_watchdog || m_watchdog->isResponding());
}

bool Office::waitForAnswer(int timeoutMs)
{
    if (!isAlive())
        return false;
    return !m_watchdog || m_watchdog->waitForAnswer(timeoutMs);
}

bool Office::wasCutOff() const
{
    return m_connection && m_connection->wasCut();
}

void Office::saveRecoveryCopies()
{
    if (m_recovery && isAlive())
        m_recovery->saveNow();
}

bool Office::isAlive() const
{
    return m_connection && m_connection->isAlive();
}

qint64 Office::processId() const
{
    return m_connection ? m_connection->processId() : 0;
}

std::uint64_t Office::mainWindowId() const
{
    return m_window ? m_window->windowId() : 0;
}

bool Office::isOpen(const Reference<frame::XModel> &model)
{
    // A closed document is disposed: its calls throw.
    return model.is() && unoGuard(false, [&] {
               model->getURL();
               return true;
           });
}

std::vector<Reference<frame::XModel>> Office::documents()
{
    std::vector<Reference<frame::XModel>> result;
    if (!isAlive())
        return result;
    // Frame by frame rather than through the desktop's component list: one
    // broken frame there (a frame the user closed can linger disposed) makes
    // the whole list fail.
    Reference<frame::XFrames> frames = unoGuard(
        Reference<frame::XFrames>(), [this] { return m_connection->desktop()->getFrames(); });
    if (!frames.is())
        return result;
    const sal_Int32 count = unoGuard(sal_Int32(0), [&] { return frames->getCount(); });
    for (sal_Int32 i = 0; i < count; ++i) {
        unoGuardVoid([&] {
            Reference<frame::XFrame> frame(frames->getByIndex(i), UNO_QUERY_THROW);
            Reference<frame::XController> controller = frame->getController();
            if (!controller.is())
                return;
            Reference<frame::XModel> model = controller->getModel();
            if (Reference<text::XTextDocument>(model, UNO_QUERY).is()
                && std::find(result.begin(), result.end(), model) == result.end())
                result.push_back(model);
        });
    }
    return result;
}

Reference<frame::XModel> Office::activeDocument()
{
    if (!isAlive())
        return {};
    if (m_window)
        return m_window->shownDocument();
    while (!m_added.empty()) {
        if (isOpen(m_added.back()))
            return m_added.back();
        m_added.pop_back();
    }
    return {};
}

Reference<frame::XModel> Office::addDocument()
{
    return load("private:factory/swriter");
}

Reference<frame::XModel> Office::openDocument(const QString &path,
                                              const Sequence<beans::PropertyValue> &arguments)
{
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    // A file already open is shown, not opened a second time.
    for (const Reference<frame::XModel> &model : documents()) {
        if (QUrl(unoGuard(QString(), [&] { return toQString(model->getURL()); })) == url) {
            showDocument(model);
            return model;
        }
    }
    return load(url.toEncoded(), arguments);
}

Reference<frame::XModel> Office::load(const QByteArray &url,
                                      const Sequence<beans::PropertyValue> &arguments)
{
    if (!isAlive())
        return {};
    if (m_window)
        return m_window->addDocument(url.constData());
    Reference<frame::XModel> model = unoGuard(Reference<frame::XModel>(), [&] {
        Sequence<beans::PropertyValue> properties(arguments.getLength() + 1);
        properties[0].Name = "Hidden";
        properties[0].Value <<= true;
        for (sal_Int32 i = 0; i < arguments.getLength(); ++i)
            properties[i + 1] = arguments[i];
        Reference<frame::XComponentLoader> loader(m_connection->desktop(), UNO_QUERY_THROW);
        return Reference<frame::XModel>(
            loader->loadComponentFromURL(unoName(url.constData()), "_blank", 0, properties),
            UNO_QUERY);
    });
    // A file the office opens as something else (a spreadsheet, a drawing)
    // is not a document of ours.
    if (model.is() && !Reference<text::XTextDocument>(model, UNO_QUERY).is()) {
        unoGuardVoid([&] { Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true); });
        return {};
    }
    if (model.is())
        m_added.push_back(model);
    return model;
}

void Office::closeDocument(const Reference<frame::XModel> &model, bool save)
{
    if (!isAlive() || !model.is())
        return;
    releaseControllers();
    m_shapeWrappers.dropDocument(model);
    m_documents.drop(model);
    if (save) {
        unoGuardVoid([&] {
            Reference<frame::XStorable> storable(model, UNO_QUERY_THROW);
            if (storable->hasLocation() && !storable->isReadonly())
                storable->store();
        });
    }
    if (m_window) {
        m_window->closeDocument(model);
        return;
    }
    unoGuardVoid([&] { Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true); });
    m_added.erase(std::remove(m_added.begin(), m_added.end(), model), m_added.end());
}

bool Office::storeDocument(const Reference<frame::XModel> &model, const QString &path)
{
    if (!isAlive() || !model.is())
        return false;
    releaseControllers();
    return unoGuard(false, [&] {
        Reference<frame::XStorable> storable(model, UNO_QUERY_THROW);
        if (path.isEmpty()) {
            if (!storable->hasLocation() || storable->isReadonly())
                return false;
            storable->store();
            return true;
        }
        // Another extension is stored as Word's own format.
        std::vector<beans::PropertyValue> filter = filterArguments(path);
        if (filter.empty())
            filter.push_back(propertyValue("FilterName", uno::Any(unoName("MS Word 2007 XML"))));
        storable->storeAsURL(
            toOUString(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()),
            Sequence<beans::PropertyValue>(filter.data(), sal_Int32(filter.size())));
        return true;
    });
}

void Office::showDocument(const Reference<frame::XModel> &model)
{
    if (!isAlive() || !model.is())
        return;
    if (m_window) {
        m_window->showDocument(model);
        return;
    }
    const auto it = std::find(m_added.begin(), m_added.end(), model);
    if (it != m_added.end()) {
        m_added.erase(it);
        m_added.push_back(model);
    }
}

void Office::holdControllers(const Reference<frame::XModel> &model)
{
    if (!model.is() || !isAlive())
        return;
    unoGuardVoid([&] {
        for (const Reference<frame::XModel> &held : m_held) {
            if (held == model)
                return;
        }
        model->lockControllers();
        m_held.push_back(model);
    });
    m_release.schedule([this] { releaseControllers(); });
}

void Office::releaseControllers()
{
    m_writeBatch->send(); // made while the views stand still
    m_documents.showSelections();
    m_release.cancel();
    std::vector<Reference<frame::XModel>> held;
    held.swap(m_held);
    for (const Reference<frame::XModel> &model : held)
        unoGuardVoid([&] { model->unlockControllers(); });
}

void Office::quit()
{
    if (!m_connection)
        return;
    m_held.clear();
    m_release.cancel();
    m_mayTerminate->store(true);
    if (m_window)
        m_window->beginShutdown();
    // Only an office that answers is asked anything; one that does not is
    // ended, and keeps its recovery copies for the next start.
    const bool answers = isAlive() && (!m_watchdog || m_watchdog->waitForAnswer(quitAnswerMs));
    if (answers) {
        if (m_recovery)
            m_recovery->stop();
        for (const Reference<frame::XModel> &model : documents())
            unoGuardVoid([&] { Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true); });
    }
    // Threads waiting on an office that does not answer are freed when it
    // is gone.
    m_connection->shutdown(answers ? quitTimeoutMs : 0);
    if (m_watchdog)
        m_watchdog->stop();
    if (m_recovery) {
        if (answers)
            m_recovery->discard();
        else
            m_recovery->stop();
    }
    m_added.clear();
    // The profile is free for the next office.
    m_profile.reset();
}

void Office::focusWriter()
{
    if (m_window && isAlive())
        m_window->focusWriter();
}

} // namespace libreoffice
