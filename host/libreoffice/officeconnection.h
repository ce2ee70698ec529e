#pragma once

#include <QObject>
#include <QString>

#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <atomic>
#include <memory>
#include <mutex>

namespace libreoffice {

class BridgeListener;
class OfficeProcess;
class OfficeProfile;
class QtThreadQueue;

// One soffice.bin of ours and the UNO bridge to it. The connection is alive
// from a successful open() until shutdown(), the death of the process or the
// loss of the bridge, whichever comes first; it is never revived.
class OfficeConnection : public QObject
{
    Q_OBJECT
public:
    explicit OfficeConnection(QObject *parent = nullptr);
    ~OfficeConnection() override;

    // Starts the office on the profile and connects to it. False on failure,
    // with no process of ours left running.
    bool open(const QString &program, bool headless, OfficeProfile *profile);

    bool isAlive() const { return m_alive->load(); }
    css::uno::Reference<css::uno::XComponentContext> context() const { return m_context; }
    css::uno::Reference<css::frame::XDesktop2> desktop() const { return m_desktop; }
    qint64 processId() const;
    // Queue to the Qt thread, for listeners the office calls.
    std::shared_ptr<QtThreadQueue> queue() const { return m_queue; }

    // Asks the office to terminate and waits up to timeoutMs for the process
    // to end; kills it after that. Afterwards no process of ours is left.
    void shutdown(int timeoutMs);
    // Drops the bridge to an office that does not answer, from any thread:
    // calls waiting for it fail at once. The connection is then lost (and
    // the office process killed) as if the office had died.
    void cut();
    // Whether the connection was lost through cut().
    bool wasCut() const { return m_wasCut->load(); }

signals:
    // The office went away without being asked to (process ended, bridge
    // dropped). Emitted once, on the Qt thread.
    void lost();

private:
    friend class BridgeListener;

    bool launch(const QString &program, const QStringList &arguments);
    bool connectBridge(const QString &pipeName);
    void markLost();
    void killProcess();

    std::shared_ptr<std::atomic<bool>> m_alive;
    std::shared_ptr<std::atomic<bool>> m_wasCut;
    // Guards m_bridge against cut() from another thread.
    std::mutex m_bridgeMutex;
    std::shared_ptr<QtThreadQueue> m_queue;
    OfficeProcess *m_process = nullptr;
    bool m_shuttingDown = false;
    bool m_lostSignalled = false;
    css::uno::Reference<css::bridge::XBridge> m_bridge;
    css::uno::Reference<css::uno::XComponentContext> m_context;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
};

} // namespace libreoffice
