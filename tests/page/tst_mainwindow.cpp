#include "buttonlistwnd.h"
#include "fakewriterclient.h"
#include "mainwindow.h"
#include "modalcloser.h"
#include "page/wpswindow.h"
#include "urlrecorder.h"
#include "watchedapplication.h"
#include "wpsmainwindow.h"

#include "inprocess/inprocessapplication.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString kAbout = QStringLiteral("关于本软件");

struct Group
{
    QString heading;
    QStringList entries;
};

const QList<Group> &expectedTree()
{
    static const QList<Group> groups {
        {QStringLiteral("常用操作"),
         {QStringLiteral("页面适配"), QStringLiteral("套下行文"), QStringLiteral("套上行文"),
          QStringLiteral("信函格式"), QStringLiteral("纪要简报"), QStringLiteral("联合发文")}},
        {QStringLiteral("字体设置"),
         {QStringLiteral("设大标题"), QStringLiteral("一级标题"), QStringLiteral("二级标题"),
          QStringLiteral("正文加粗"), QStringLiteral("正文字体")}},
        {QStringLiteral("其他命令"),
         {QStringLiteral("隐藏/显示红头"), QStringLiteral("隐藏/显示页码"),
          QStringLiteral("插入横排页面"), QStringLiteral("添加/删除定位线"),
          QStringLiteral("加大行距"), QStringLiteral("减小行距"), QStringLiteral("设为一行"),
          QStringLiteral("编码打印")}},
        {QStringLiteral("系统设置"),
         {QStringLiteral("系统参数设置"), QStringLiteral("使用帮助"), kAbout}},
    };
    return groups;
}

// Every label of the tree with its item, headings included, top to bottom.
QList<QTreeWidgetItem *> allItems(QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> items;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = tree->topLevelItem(g);
        items << group;
        for (int e = 0; e < group->childCount(); ++e)
            items << group->child(e);
    }
    return items;
}

QTreeWidgetItem *findLabel(QTreeWidget *tree, const QString &label)
{
    const QList<QTreeWidgetItem *> items = allItems(tree);
    for (QTreeWidgetItem *item : items) {
        if (item->text(0) == label)
            return item;
    }
    return nullptr;
}

void clickLabel(QTreeWidget *tree, const QString &label)
{
    QTreeWidgetItem *item = findLabel(tree, label);
    QVERIFY2(item, qPrintable(label));
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    QVERIFY2(rect.isValid(), qPrintable(label));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// A writer that runs and reports a window, as an installed one would.
std::shared_ptr<FakeWriter> runningWriter()
{
    auto writer = std::make_shared<FakeWriter>();
    auto application = inprocess::InProcessApplication::create();
    application->setMainWindowId(0x4200001);
    writer->application = application;
    return writer;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void commandTree_data();
    void commandTree();
    void windowForm();
    void clickingLabelsRunsCommands();
    void clickingHeadingDoesNothing_data();
    void clickingHeadingDoesNothing();
    void otherTabEmptiesTreeAndStopsCommands();
    void activatingItemFocusesPage();
    void buttonTreeKinds();
    void missingWriterStillOpens();
    void destroyingWindowQuitsWriterFirst();
};

void TestMainWindow::commandTree_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("entries");

    const QList<Group> &groups = expectedTree();
    for (int i = 0; i < groups.size(); ++i)
        QTest::newRow(qPrintable(groups.at(i).heading))
            << i << groups.at(i).heading << groups.at(i).entries;
}

void TestMainWindow::commandTree()
{
    QFETCH(int, index);
    QFETCH(QString, heading);
    QFETCH(QStringList, entries);

    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    QVERIFY(tree);

    QCOMPARE(tree->topLevelItemCount(), expectedTree().size());
    QTreeWidgetItem *group = tree->topLevelItem(index);
    QCOMPARE(group->text(0), heading);
    QVERIFY(group->isExpanded());
    QStringList children;
    for (int i = 0; i < group->childCount(); ++i) {
        children << group->child(i)->text(0);
        QCOMPARE(group->child(i)->childCount(), 0);
    }
    QCOMPARE(children, entries);
}

void TestMainWindow::windowForm()
{
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("公文排版制作软件"));
    QVERIFY(window.windowState() & Qt::WindowMaximized);

    auto *layout = window.findChild<QHBoxLayout *>(QStringLiteral("horizontalLayout"));
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), 0);
    QCOMPARE(layout->contentsMargins(), QMargins(3, 3, 3, 3));

    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    QVERIFY(tree);
    QCOMPARE(tree->headerItem()->text(0), QStringLiteral("公文排版制作"));
    QCOMPARE(tree->columnCount(), 1);
    QCOMPARE(tree->maximumWidth(), 200);
    QVERIFY(tree->width() <= 200);
    QCOMPARE(layout->indexOf(tree), 0);

    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);
    QCOMPARE(layout->indexOf(tabs), 1);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("公文"));
    QCOMPARE(tabs->widget(0), static_cast<QWidget *>(window.page()));
    QCOMPARE(tabs->currentIndex(), 0);
    const QList<QTabBar *> bars = tabs->findChildren<QTabBar *>();
    QVERIFY(!bars.isEmpty());
    QVERIFY(!bars.first()->isVisible());

    // The constructor started the writer and embedded its window.
    QVERIFY(window.page()->application());
    QVERIFY(window.page()->host()->container());
}

void TestMainWindow::clickingLabelsRunsCommands()
{
    ModalCloser closer;
    UrlRecorder recorder;
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));

    clickLabel(tree, kAbout);
    QCOMPARE(closer.titles(), QStringList {kAbout});
    QVERIFY(recorder.urls.isEmpty());

    clickLabel(tree, QStringLiteral("使用帮助"));
    QCOMPARE(closer.titles(), QStringList {kAbout});
    QCOMPARE(recorder.urls,
             QList<QUrl> {QUrl::fromLocalFile(QStringLiteral("/usr/share/quorvex/help.pdf"))});
}

void TestMainWindow::clickingHeadingDoesNothing_data()
{
    QTest::addColumn<QString>("heading");
    for (const Group &group : expectedTree())
        QTest::newRow(qPrintable(group.heading)) << group.heading;
}

void TestMainWindow::clickingHeadingDoesNothing()
{
    QFETCH(QString, heading);

    ModalCloser closer;
    UrlRecorder recorder;
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));

    clickLabel(tree, heading);
    QTest::qWait(30);

    QVERIFY(closer.seen().empty());
    QVERIFY(recorder.urls.isEmpty());
    QCOMPARE(tree->topLevelItemCount(), expectedTree().size());
}

void TestMainWindow::otherTabEmptiesTreeAndStopsCommands()
{
    ModalCloser closer;
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QTreeWidgetItem about(QStringList {kAbout});

    auto *other = new QWidget;
    tabs->addTab(other, QStringLiteral("other"));
    tabs->setCurrentIndex(1);
    QCOMPARE(tree->topLevelItemCount(), 0);
    emit tree->itemClicked(&about, 0);
    QTest::qWait(30);
    QVERIFY(closer.seen().empty());

    tabs->setCurrentIndex(0);
    QCOMPARE(tree->topLevelItemCount(), expectedTree().size());
    emit tree->itemClicked(&about, 0);
    QCOMPARE(closer.titles(), QStringList {kAbout});
}

void TestMainWindow::activatingItemFocusesPage()
{
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));

    tree->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(tree));
    tree->setCurrentItem(findLabel(tree, QStringLiteral("设大标题")));
    QTest::keyClick(tree, Qt::Key_Return);

    QTRY_VERIFY(QApplication::focusWidget() != tree);
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused == window.page() || window.page()->isAncestorOf(focused));
}

void TestMainWindow::buttonTreeKinds()
{
    ButtonListWnd tree;
    tree.initButtonTree(1);
    QCOMPARE(tree.topLevelItemCount(), 0);

    tree.addRootItem(QStringList());
    QCOMPARE(tree.topLevelItemCount(), 0);

    tree.initButtonTree(0);
    tree.initButtonTree(0);
    QCOMPARE(tree.topLevelItemCount(), expectedTree().size());
    QCOMPARE(allItems(&tree).size(), 4 + 6 + 5 + 8 + 3);

    tree.addRootItem({QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")});
    QTreeWidgetItem *added = tree.topLevelItem(expectedTree().size());
    QCOMPARE(added->text(0), QStringLiteral("甲"));
    QCOMPARE(added->childCount(), 2);
    QCOMPARE(added->child(1)->text(0), QStringLiteral("丙"));
    QVERIFY(added->isExpanded());

    tree.initButtonTree(2);
    QCOMPARE(tree.topLevelItemCount(), 0);
}

void TestMainWindow::missingWriterStillOpens()
{
    ModalCloser closer;
    UrlRecorder recorder;
    QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
    MainWindow window(nullptr, missingWriterFactory());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(!window.page()->application());
    QVERIFY(!window.page()->host()->container());
    QVERIFY(!window.page()->host()->client());

    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    const QList<QTreeWidgetItem *> items = allItems(tree);
    QCOMPARE(items.size(), 4 + 6 + 5 + 8 + 3);
    for (QTreeWidgetItem *item : items)
        clickLabel(tree, item->text(0));

    // Only the conversion commands speak before looking for the writer: no
    // printing-issuing unit is set yet.
    const QString error = QStringLiteral("错误");
    const QStringList expected {error, error, error, error, error, kAbout};
    QCOMPARE(closer.titles(), expected);
    QCOMPARE(recorder.urls.size(), 1);
    QVERIFY(window.isVisible());
}

void TestMainWindow::destroyingWindowQuitsWriterFirst()
{
    auto writer = std::make_shared<FakeWriter>();
    auto inner = inprocess::InProcessApplication::create();
    inner->setMainWindowId(0x4200001);
    auto watched = std::make_shared<WatchedApplication>(inner);
    writer->application = watched;

    auto *window = new MainWindow(nullptr, fakeWriterFactory(writer));
    QPointer<WPSMainWindow> page = window->page();
    QPointer<WPSWindow> host = page->host();
    QPointer<QWidget> container = host->container();
    QVERIFY(container);
    watched->watch(host);
    int clientsAtQuit = -1;
    watched->setQuitProbe([&] { clientsAtQuit = writer->clientsAlive; });

    delete window;

    QCOMPARE(watched->quitCount(), 1);
    QVERIFY(watched->widgetAliveAtQuit());
    QCOMPARE(clientsAtQuit, 1);
    QCOMPARE(inner->quitCalls().size(), size_t(1));
    const inprocess::QuitCall &call = inner->quitCalls().front();
    QVERIFY(call.saveChanges.isMissing());
    QVERIFY(call.originalFormat.isMissing());
    QVERIFY(call.routeDocument.isMissing());

    QVERIFY(!page);
    QVERIFY(!host);
    QVERIFY(!container);
    QCOMPARE(writer->clientsAlive, 0);
    // Only the test and the fake writer still hold the application.
    QCOMPARE(watched.use_count(), 2L);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
