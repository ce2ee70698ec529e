#pragma once

#include "defaultwriter.h"
#include "writerclient.h"

#include <QWidget>

#include <memory>

class QHBoxLayout;

// The widget that starts the writer and holds its embedded window. It owns the
// writer client it made and the container that wraps the writer's window.
class WPSWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WPSWindow(QWidget *parent = nullptr,
                       WriterClientFactory factory = defaultWriterClientFactory());
    ~WPSWindow() override;

    // Makes the writer client and hands it the executable and the start
    // arguments that embed the writer in this widget. Null when no client
    // could be made. The client stays owned by this widget.
    WriterClient *initWpsApplication();
    // Forgets (and releases) the client; the writer itself is not stopped.
    void destroyWpsApplication();

    WriterClient *client() const;
    QWidget *container() const;

public slots:
    // Puts a window container into the layout, replacing (and deleting) the
    // one held before.
    void addContainerWin(QWidget *container);

private:
    WriterClientFactory m_factory;
    QHBoxLayout *m_layout = nullptr;
    std::unique_ptr<WriterClient> m_client;
    QWidget *m_container = nullptr;
};
