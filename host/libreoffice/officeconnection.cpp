#include "officeconnection.h"

#include "officeprocess.h"
#include "officeprofile.h"
#include "qtthreadqueue.h"
#include "unoutil.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcessEnvironment>
#include <QRandomGenerator>

#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XEventListener.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cppuhelper/implbase1.hxx>

#include <cstdlib>
#include <mutex>
#include <thread>

#include <unistd.h>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

// Start-up and shutdown steps with their times; enable with
// QT_LOGGING_RULES="quorvex.libreoffice.debug=true".
Q_LOGGING_CATEGORY(lcOffice, "quorvex.libreoffice", QtWarningMsg)

namespace {

const int startTimeoutMs = 60000;
const int connectRetryMs = 50;
// soffice.bin ends with this code after it has made a new profile and wants
// to be started again.
const int restartExitCode = 81;

// The UNO runtime of this process, made once. It is deliberately never
// disposed: the process may end while bridges still wind down.
Reference<uno::XComponentContext> localContext(const QString &program)
{
    static std::mutex mutex;
    static Reference<uno::XComponentContext> *context = nullptr;
    std::lock_guard<std::mutex> lock(mutex);
    if (!context) {
        QString rc = QFileInfo(program).absolutePath() + QStringLiteral("/fundamentalrc");
        if (!QFileInfo::exists(rc))
            rc = QStringLiteral("/usr/lib/libreoffice/program/fundamentalrc");
        ::setenv("URE_BOOTSTRAP", ("vnd.sun.star.pathname:" + rc).toLocal8Bit().constData(), 0);
        try {
            context = new Reference<uno::XComponentContext>(
                cppu::defaultBootstrap_InitialComponentContext());
        } catch (const uno::Exception &) {
            return {};
        }
    }
    return *context;
}

QString uniquePipeName()
{
    static std::atomic<int> counter {0};
    return QStringLiteral("quorvex_%1_%2_%3")
        .arg(::getpid())
        .arg(++counter)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

// Told by the bridge when it goes away; runs on a bridge thread.
class BridgeListener : public cppu::WeakImplHelper1<lang::XEventListener>
{
public:
    BridgeListener(std::shared_ptr<std::atomic<bool>> alive, std::shared_ptr<QtThreadQueue> queue,
                   OfficeConnection *connection)
        : m_alive(std::move(alive))
        , m_queue(std::move(queue))
        , m_connection(connection)
    {
    }

    void SAL_CALL disposing(const lang::EventObject &) override
    {
        m_alive->store(false);
        OfficeConnection *connection = m_connection;
        m_queue->post([connection] { connection->markLost(); });
    }

private:
    std::shared_ptr<std::atomic<bool>> m_alive;
    std::shared_ptr<QtThreadQueue> m_queue;
    OfficeConnection *m_connection;
};

OfficeConnection::OfficeConnection(QObject *parent)
    : QObject(parent)
    , m_alive(std::make_shared<std::atomic<bool>>(false))
    , m_wasCut(std::make_shared<std::atomic<bool>>(false))
    , m_queue(std::make_shared<QtThreadQueue>(this))
    , m_process(new OfficeProcess(this))
{
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, [this] {
        if (m_alive->load())
            markLost();
    });
}

OfficeConnection::~OfficeConnection()
{
    m_queue->close();
    shutdown(1000);
}

bool OfficeConnection::open(const QString &program, bool headless, OfficeProfile *profile)
{
    if (!localContext(program).is())
        return false;

    auto arguments = [headless, profile](const QString &pipe) {
        QStringList args {
            QStringLiteral("--invisible"),
            QStringLiteral("--norestore"),
            QStringLiteral("--nologo"),
            QStringLiteral("--nodefault"),
            QStringLiteral("--nolockcheck"),
            QStringLiteral("--nofirststartwizard"),
            QStringLiteral("-env:UserInstallation=") + profile->url(),
            QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipe)};
        if (headless)
            args << QStringLiteral("--headless");
        return args;
    };

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("SESSION_MANAGER"));
    // The X11 plugin is the one whose windows can live inside ours; headless
    // needs none (a plugin named here would even override --headless).
    if (headless)
        env.remove(QStringLiteral("SAL_USE_VCLPLUGIN"));
    else
        env.insert(QStringLiteral("SAL_USE_VCLPLUGIN"), QStringLiteral("gen"));
    // File names are UTF-8 text to the office only under a UTF-8 character
    // type; under the C locale of a machine with none set, saving a document
    // named in Chinese fails with "invalid parameter" before its dialog shows.
    QString ctype = env.value(QStringLiteral("LC_ALL"));
    if (ctype.isEmpty())
        ctype = env.value(QStringLiteral("LC_CTYPE"), env.value(QStringLiteral("LANG")));
    if (!ctype.contains(QLatin1String("UTF-8"), Qt::CaseInsensitive)
        && !ctype.contains(QLatin1String("utf8"), Qt::CaseInsensitive)) {
        env.remove(QStringLiteral("LC_ALL"));
        env.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    }
    m_process->setProcessEnvironment(env);

    QElapsedTimer timer;
    timer.start();
    QString pipe = uniquePipeName();
    if (!launch(program, arguments(pipe)))
        return false;
    qCDebug(lcOffice) << "launched" << program << "on" << profile->directory() << "in"
                      << timer.elapsed() << "ms";

    bool relaunched = false;
    bool movedProfile = false;
    QDeadlineTimer deadline(startTimeoutMs);
    while (!deadline.hasExpired()) {
        if (m_process->state() == QProcess::NotRunning) {
            const bool normal = m_process->exitStatus() == QProcess::NormalExit;
            const int code = m_process->exitCode();
            qCDebug(lcOffice) << "office ended with" << code << "after" << timer.elapsed() << "ms";
            if (normal && code == restartExitCode && !relaunched) {
                relaunched = true;
            } else if (normal && code == 0 && !movedProfile) {
                // Another office runs on the profile and took our arguments.
                movedProfile = true;
                if (!profile->switchToTemporary())
                    return false;
                pipe = uniquePipeName();
            } else {
                return false;
            }
            if (!launch(program, arguments(pipe)))
                return false;
            continue;
        }
        if (connectBridge(pipe)) {
            if (m_process->state() != QProcess::NotRunning) {
                qCDebug(lcOffice) << "connected after" << timer.elapsed() << "ms";
                m_alive->store(true);
                return true;
            }
            // Connected to an office that is not our process: drop it.
            unoGuardVoid(
                [this] { Reference<lang::XComponent>(m_bridge, UNO_QUERY_THROW)->dispose(); });
            std::lock_guard<std::mutex> lock(m_bridgeMutex);
            m_bridge.clear();
            m_context.clear();
            m_desktop.clear();
            continue;
        }
        m_process->waitForFinished(connectRetryMs);
    }
    killProcess();
    return false;
}

bool OfficeConnection::launch(const QString &program, const QStringList &arguments)
{
    // soffice.bin needs its full path as argv[0] to find its installation.
    m_process->setProgram(QFileInfo(program).absoluteFilePath());
    m_process->setArguments(arguments);
    m_process->start();
    return m_process->waitForStarted(10000);
}

bool OfficeConnection::connectBridge(const QString &pipeName)
{
    Reference<uno::XComponentContext> local = localContext(QString());
    try {
        Reference<connection::XConnection> link = connection::Connector::create(local)->connect(
            toOUString(QStringLiteral("pipe,name=") + pipeName));
        Reference<bridge::XBridge> bridge(
            bridge::BridgeFactory::create(local)->createBridge("", "urp", link, nullptr),
            uno::UNO_SET_THROW);
        Reference<uno::XComponentContext> context(
            bridge->getInstance("StarOffice.ComponentContext"), UNO_QUERY_THROW);
        Reference<frame::XDesktop2> desktop = frame::Desktop::create(context);
        Reference<lang::XComponent>(bridge, UNO_QUERY_THROW)
            ->addEventListener(new BridgeListener(m_alive, m_queue, this));
        std::lock_guard<std::mutex> lock(m_bridgeMutex);
        m_bridge = bridge;
        m_context = context;
        m_desktop = desktop;
        return true;
    } catch (const connection::NoConnectException &) {
    } catch (const uno::Exception &) {
    }
    return false;
}

qint64 OfficeConnection::processId() const
{
    return m_process->processId();
}

void OfficeConnection::markLost()
{
    if (m_shuttingDown)
        return;
    m_alive->store(false);
    // A connection is never revived: an office left without its bridge only
    // holds the profile, so it goes.
    killProcess();
    if (!m_lostSignalled) {
        m_lostSignalled = true;
        emit lost();
    }
}

void OfficeConnection::killProcess()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_process->kill();
    m_process->waitForFinished(3000);
}

void OfficeConnection::cut()
{
    Reference<bridge::XBridge> bridge;
    {
        std::lock_guard<std::mutex> lock(m_bridgeMutex);
        bridge = m_bridge;
    }
    if (!bridge.is() || m_wasCut->exchange(true))
        return;
    // Not unoGuard: this runs beside the GUI thread.
    try {
        Reference<lang::XComponent>(bridge, UNO_QUERY_THROW)->dispose();
    } catch (const uno::Exception &) {
    }
}

void OfficeConnection::shutdown(int timeoutMs)
{
    if (m_shuttingDown)
        return;
    m_shuttingDown = true;
    const bool wasAlive = m_alive->exchange(false);

    // terminate() may not return when the office is busy or its bridge is
    // gone: it runs aside while we wait for the process.
    std::thread terminator;
    if (wasAlive && m_desktop.is()) {
        Reference<frame::XDesktop2> desktop = m_desktop;
        terminator = std::thread([desktop] { unoGuardVoid([&] { desktop->terminate(); }); });
    }
    QElapsedTimer timer;
    timer.start();
    if (m_process->state() != QProcess::NotRunning && !m_process->waitForFinished(timeoutMs)) {
        qCDebug(lcOffice) << "office did not end within" << timeoutMs << "ms: killed";
        killProcess();
    }
    qCDebug(lcOffice) << "office ended" << timer.elapsed() << "ms after the request";
    if (terminator.joinable())
        terminator.join();

    Reference<bridge::XBridge> bridge;
    {
        std::lock_guard<std::mutex> lock(m_bridgeMutex);
        bridge = m_bridge;
    }
    if (bridge.is())
        unoGuardVoid([&] { Reference<lang::XComponent>(bridge, UNO_QUERY_THROW)->dispose(); });
    // The references stay: calls through them now fail with exceptions,
    // which callers handle, where a cleared reference would crash them.
}

} // namespace libreoffice
