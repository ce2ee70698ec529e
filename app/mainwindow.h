#pragma once

#include "page/defaultwriter.h"
#include "writerclient.h"

#include <QMetaObject>
#include <QWidget>

namespace Ui {
class MainWindow;
}

class QTreeWidgetItem;
class WPSMainWindow;

// The program's only top-level window: the command tree on the left, the
// writer page on the right.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr,
                        WriterClientFactory factory = defaultWriterClientFactory());
    ~MainWindow() override;

    WPSMainWindow *page() const;
    // Opens the files (named on the command line) in the writer.
    void openFiles(const QStringList &paths);

protected:
    // Asks about unsaved documents first; the window stays when the user
    // cancels.
    void closeEvent(QCloseEvent *event) override;

private slots:
    void slotTabCurrentChanged(int index);
    void slotItemClicked(QTreeWidgetItem *item, int column);
    void on_treeWidget_itemActivated(QTreeWidgetItem *item, int column);

private:
    Ui::MainWindow *ui = nullptr;
    WPSMainWindow *m_page = nullptr;
    // Commands are dispatched only while the writer's page (tab 0) is current.
    int m_currentTab = 0;
    QMetaObject::Connection m_itemClickedConnection;
    QMetaObject::Connection m_tabChangedConnection;
};
