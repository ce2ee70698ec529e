#include "mainwindow.h"

#include "ui_mainwindow.h"
#include "wpsmainwindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QTabBar>
#include <QTextCodec>

MainWindow::MainWindow(QWidget *parent, WriterClientFactory factory)
    : QWidget(parent)
{
    ui = new Ui::MainWindow;
    m_currentTab = 0;

    QTextCodec::setCodecForLocale(QTextCodec::codecForName("utf-8"));

    ui->setupUi(this);

    // The page creates the writer host but does not start the writer yet.
    m_page = new WPSMainWindow(this, std::move(factory));
    ui->tabWidget->addTab(m_page, QStringLiteral("公文"));

    ui->treeWidget->initButtonTree(m_currentTab);

    setWindowTitle(QString::fromLocal8Bit("公文排版制作软件"));

    // The single page fills the tab area without a visible tab.
    // (The tab area's own bar is its direct child; the page has a tab bar of
    // its own, for the documents.)
    const QList<QTabBar *> tabBars
        = ui->tabWidget->findChildren<QTabBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!tabBars.isEmpty())
        tabBars.first()->hide();

    m_itemClickedConnection
        = connect(ui->treeWidget, &QTreeWidget::itemClicked, this, &MainWindow::slotItemClicked);
    m_tabChangedConnection = connect(ui->tabWidget, &QTabWidget::currentChanged, this,
                                     &MainWindow::slotTabCurrentChanged);

    setWindowState(Qt::WindowMaximized);
    setWindowIcon(QIcon(QStringLiteral("/usr/share/quorvex/qvx.png")));

    m_page->initApp();
}

MainWindow::~MainWindow()
{
    disconnect(m_itemClickedConnection);
    disconnect(m_tabChangedConnection);
    // The page is a child of the tab area, so it goes with this window at the
    // latest; its destructor asks the writer to quit.
    m_page->deleteLater();
    delete ui;
    ui = nullptr;
}

WPSMainWindow *MainWindow::page() const
{
    return m_page;
}

void MainWindow::openFiles(const QStringList &paths)
{
    m_page->openDocuments(paths);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_page->closeWriter())
        event->accept();
    else
        event->ignore();
}

void MainWindow::slotTabCurrentChanged(int index)
{
    if (!ui || !ui->treeWidget)
        return;
    ui->treeWidget->initButtonTree(index);
    m_currentTab = index;
}

void MainWindow::slotItemClicked(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    const QString label = item->text(column);
    if (m_currentTab == 0)
        m_page->slotButtonClick(label);
}

void MainWindow::on_treeWidget_itemActivated(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(item)
    Q_UNUSED(column)
    // Typing goes on in the writer after an item was activated.
    m_page->setFocus(Qt::OtherFocusReason);
}
