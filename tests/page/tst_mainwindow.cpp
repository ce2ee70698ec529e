#include "boxrecorder.h"
#include "buttonlistwnd.h"
#include "fakewriterclient.h"
#include "format/setpage_window.h"
#include "mainwindow.h"
#include "wpsmainwindow.h"
#include "page/wpswindow.h"
#include "urlrecorder.h"
#include "watchedapplication.h"

#include "inprocess/inprocessapplication.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

// The main window, its command tree and what a label runs, on a fake writer.
namespace {

const QString kAbout = QStringLiteral("关于本软件");
const QString kHelp = QStringLiteral("使用帮助");
const QUrl kHelpFile = QUrl::fromLocalFile(QStringLiteral("/usr/share/quorvex/help.pdf"));

// Every label of the tree, headings included, top to bottom.
QList<QTreeWidgetItem *> allItems(QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> items;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        items << tree->topLevelItem(g);
        for (int e = 0; e < tree->topLevelItem(g)->childCount(); ++e)
            items << tree->topLevelItem(g)->child(e);
    }
    return items;
}

void clickItem(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// A writer that runs and reports a window, as an installed one would.
std::shared_ptr<FakeWriter> runningWriter(const automation::ApplicationPtr &application = {})
{
    auto writer = std::make_shared<FakeWriter>();
    auto inner = inprocess::InProcessApplication::create();
    inner->setMainWindowId(0x4200001);
    writer->application = application ? application : inner;
    return writer;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void labels_data();
    void labels();
    void everyLabelWithoutWriter();
    void firstClickWiresEachPageOnce();
    void otherTabEmptiesTreeAndStopsCommands();
    void focusGoesToTheWriter();
    void settingsEntryOpensSettingsDialog();
    void destroyingWindowQuitsWriterFirst();
};

void TestMainWindow::labels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box"); // the title of the box that comes up
    QTest::addColumn<bool>("help"); // the help file opened

    QTest::newRow("about") << kAbout << kAbout << false;
    QTest::newRow("help") << kHelp << QString() << true;
    QTest::newRow("trailing blank") << kAbout + QLatin1Char(' ') << QString() << false;
    QTest::newRow("leading blank") << QLatin1Char(' ') + kAbout << QString() << false;
    QTest::newRow("trailing newline") << kHelp + QLatin1Char('\n') << QString() << false;
    QTest::newRow("full-width blank") << kHelp + QChar(0x3000) << QString() << false;
    QTest::newRow("one character short") << kAbout.chopped(1) << QString() << false;
    QTest::newRow("one character changed") << QStringLiteral("使用帮组") << QString() << false;
    QTest::newRow("empty") << QString() << QString() << false;
    for (const char *heading : {"常用操作", "字体设置", "其他命令", "系统设置"})
        QTest::addRow("heading %s", heading) << QString::fromUtf8(heading) << QString() << false;
}

// Only a label exactly as the tree shows it runs a command; headings and
// near misses do nothing and say nothing.
void TestMainWindow::labels()
{
    QFETCH(QString, label);
    QFETCH(QString, box);
    QFETCH(bool, help);

    BoxRecorder boxes;
    UrlRecorder recorder;
    WPSMainWindow page(nullptr, missingWriterFactory());
    page.slotButtonClick(label);

    QCOMPARE(boxes.titles(), box.isEmpty() ? QStringList() : QStringList(box));
    QCOMPARE(recorder.urls, help ? QList<QUrl>({kHelpFile}) : QList<QUrl>());
}

// Without a writer the window opens and every entry of the tree, clicked,
// answers without a crash: only the five conversion commands speak (no
// printing-issuing unit is set), the about box, and help opens its file.
void TestMainWindow::everyLabelWithoutWriter()
{
    BoxRecorder boxes;
    UrlRecorder recorder;
    QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
    MainWindow window(nullptr, missingWriterFactory());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.page()->application());

    QTimer dialogs; // closes the dialogs the commands run
    connect(&dialogs, &QTimer::timeout, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    dialogs.start(10);
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    for (QTreeWidgetItem *item : allItems(tree))
        clickItem(tree, item);
    const QString error = QStringLiteral("错误");
    QCOMPARE(boxes.titles(), QStringList({error, error, error, error, error, kAbout}));
    QCOMPARE(recorder.urls, QList<QUrl>({kHelpFile}));
    QVERIFY(window.isVisible());
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

// A dialog's result runs its operation once, however many clicks came
// before, and every page runs its own dialogs' results.
void TestMainWindow::firstClickWiresEachPageOnce()
{
    for (int page = 0; page < 2; ++page) {
        WPSMainWindow window(nullptr, fakeWriterFactory(runningWriter()));
        window.initApp();
        BoxRecorder boxes;
        window.slotButtonClick(QStringLiteral("系统设置"));
        window.slotButtonClick(kAbout);
        boxes.clear();
        // Page adaptation without a document says so, once.
        emit window.pageAdaptationDialog()->sendSettings(true, false);
        QCOMPARE(boxes.titles(), QStringList(QStringLiteral("错误")));
    }
}

void TestMainWindow::otherTabEmptiesTreeAndStopsCommands()
{
    BoxRecorder boxes;
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    const int groups = tree->topLevelItemCount();
    QTreeWidgetItem about(QStringList {kAbout});

    tabs->addTab(new QWidget, QStringLiteral("other"));
    tabs->setCurrentIndex(1);
    QCOMPARE(tree->topLevelItemCount(), 0);
    emit tree->itemClicked(&about, 0);
    QVERIFY(boxes.boxes().isEmpty());

    tabs->setCurrentIndex(0);
    QCOMPARE(tree->topLevelItemCount(), groups);
    emit tree->itemClicked(&about, 0);
    QCOMPARE(boxes.titles(), QStringList {kAbout});
}

// After a command from the tree, and after a box, typing goes to the writer.
void TestMainWindow::focusGoesToTheWriter()
{
    MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
    tree->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(tree));
    tree->setCurrentItem(tree->findItems(QStringLiteral("设大标题"), Qt::MatchRecursive).first());
    QTest::keyClick(tree, Qt::Key_Return);
    QTRY_VERIFY(QApplication::focusWidget() != tree);
    QVERIFY(window.page()->isAncestorOf(QApplication::focusWidget())
            || QApplication::focusWidget() == window.page());

    BoxRecorder boxes;
    QWidget other;
    auto *edit = new QLineEdit(&other);
    auto *page = new WPSMainWindow(&other, missingWriterFactory());
    (new QVBoxLayout(&other))->addWidget(edit);
    other.layout()->addWidget(page);
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);
    page->slotButtonClick(kAbout);
    QCOMPARE(boxes.boxes().size(), 1);
    QCOMPARE(other.focusWidget(), static_cast<QWidget *>(page->host()));
}

// The settings entry runs a fresh settings dialog modally and discards it
// when it closes; opening it writes nothing.
void TestMainWindow::settingsEntryOpensSettingsDialog()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    WPSMainWindow page(nullptr, missingWriterFactory());
    QString className;
    QTimer::singleShot(50, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            className = QString::fromLatin1(dialog->metaObject()->className());
            dialog->close();
        }
    });
    page.slotButtonClick(QStringLiteral("系统参数设置"));
    qputenv("HOME", oldHome);
    QCOMPARE(className, QStringLiteral("option_window"));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QFile::exists(home.path() + QStringLiteral("/Quorvex/option.ini")));
}

// Closing the window quits the writer once, while its window and client
// still exist, with no arguments; then nothing holds the writer.
void TestMainWindow::destroyingWindowQuitsWriterFirst()
{
    auto inner = inprocess::InProcessApplication::create();
    inner->setMainWindowId(0x4200001);
    auto watched = std::make_shared<WatchedApplication>(inner);
    const auto writer = runningWriter(watched);

    auto *window = new MainWindow(nullptr, fakeWriterFactory(writer));
    QPointer<WPSWindow> host = window->page()->host();
    QPointer<QWidget> container = host->container();
    QVERIFY(container);
    watched->watch(container);
    int clientsAtQuit = -1;
    watched->setQuitProbe([&] { clientsAtQuit = writer->clientsAlive; });

    delete window;

    QCOMPARE(watched->quitCount(), 1);
    QVERIFY(watched->widgetAliveAtQuit());
    QCOMPARE(clientsAtQuit, 1);
    QCOMPARE(inner->quitCalls().size(), size_t(1));
    QVERIFY(inner->quitCalls().front().saveChanges.isMissing());
    QVERIFY(!host && !container);
    QCOMPARE(writer->clientsAlive, 0);
    QCOMPARE(watched.use_count(), 2L); // the test and the fake writer
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
