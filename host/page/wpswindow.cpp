#include "wpswindow.h"

#include <QDebug>
#include <QHBoxLayout>

namespace {

// The share of the host's width that the writer's window takes.
constexpr int kContainerStretch = 140;

} // namespace

WPSWindow::WPSWindow(QWidget *parent, WriterClientFactory factory)
    : QWidget(parent)
    , m_factory(std::move(factory))
    , m_layout(new QHBoxLayout)
{
    m_layout->setContentsMargins(1, 1, 1, 1);
    setLayout(m_layout);
}

WPSWindow::~WPSWindow()
{
    delete m_container;
    m_container = nullptr;
    delete m_layout;
    m_layout = nullptr;
}

WriterClient *WPSWindow::initWpsApplication()
{
    std::unique_ptr<WriterClient> client = m_factory ? m_factory() : nullptr;
    if (!client) {
        qDebug() << "get WpsRpcClient erro";
        return nullptr;
    }

    client->setProcessPath(client->defaultProcessPath());

    // winId() gives this widget a native window if it has none yet; the
    // writer puts its own window into it.
    const QStringList args {
        QStringLiteral("-shield"),   QStringLiteral("-multiply"),
        QStringLiteral("-x11embed"), QString::number(static_cast<qulonglong>(winId())),
        QString::number(width()),    QString::number(height()),
    };
    client->setProcessArgs(args);

    m_client = std::move(client);
    return m_client.get();
}

void WPSWindow::destroyWpsApplication()
{
    m_client.reset();
}

WriterClient *WPSWindow::client() const
{
    return m_client.get();
}

QWidget *WPSWindow::container() const
{
    return m_container;
}

void WPSWindow::addContainerWin(QWidget *container)
{
    if (m_container) {
        m_layout->removeWidget(m_container);
        delete m_container;
        m_container = nullptr;
    }
    if (!container)
        return;
    m_container = container;
    m_layout->addWidget(m_container, kContainerStretch);
}
