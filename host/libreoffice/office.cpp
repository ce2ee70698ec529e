#include "office.h"

#include "lotextstory.h"
#include "officeconnection.h"
#include "officeprofile.h"
#include "unoutil.h"
#include "writerwindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/TerminationVetoException.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>
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

} // namespace

Office::Office(bool headless, const QString &profileDirectory)
    : m_headless(headless)
    , m_profileDirectory(profileDirectory)
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
    if (!m_window->create() || !m_window->addDocument().is()) {
        quit();
        return EmbeddingFailed;
    }
    return Started;
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
    return load(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded(), arguments);
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
            loader->loadComponentFromURL(rtl::OUString::createFromAscii(url.constData()), "_blank",
                                         0, properties),
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
    if (!m_releaseScheduled && QCoreApplication::instance()) {
        m_releaseScheduled = std::make_shared<bool>(true);
        const std::weak_ptr<bool> scheduled = m_releaseScheduled;
        QTimer::singleShot(0, [this, scheduled] {
            if (!scheduled.expired())
                releaseControllers();
        });
    }
}

void Office::releaseControllers()
{
    textstory::showSelections();
    m_releaseScheduled.reset();
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
    m_releaseScheduled.reset();
    m_mayTerminate->store(true);
    if (m_window)
        m_window->beginShutdown();
    for (const Reference<frame::XModel> &model : documents())
        unoGuardVoid([&] { Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true); });
    m_connection->shutdown(quitTimeoutMs);
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
