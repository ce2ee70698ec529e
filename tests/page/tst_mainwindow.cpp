#include "assembly/elementrecord.h"
#include "automation/automation.h"
#include "boxrecorder.h"
#include "buttonlistwnd.h"
#include "fakewriterclient.h"
#include "format/setpage_window.h"
#include "mainwindow.h"
#include "page/wpswindow.h"
#include "wpsmainwindow.h"

#include "inprocess/inprocessapplication.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

using namespace automation;

// The main window, its command tree, and the page hosting a fake writer.
namespace {

const QString kAbout = QStringLiteral("关于本软件");
const QString kHelp = QStringLiteral("使用帮助");
const QUrl kHelpFile = QUrl::fromLocalFile(QStringLiteral("/usr/share/quorvex/help.pdf"));
constexpr std::uint64_t kWriterWindow = 0x4200001;

// Notes at Quit whether the host's container and the writer's clients exist.
class QuitWatcher : public inprocess::InProcessApplication
{
public:
    QPointer<QWidget> container;
    const FakeWriter *writer = nullptr;
    int quits = 0;
    bool containerAtQuit = false;
    int clientsAtQuit = -1;

    void quit(const Variant &saveChanges, const Variant &originalFormat,
              const Variant &routeDocument) override
    {
        ++quits;
        containerAtQuit = !container.isNull();
        clientsAtQuit = writer->clientsAlive;
        InProcessApplication::quit(saveChanges, originalFormat, routeDocument);
    }
};

// A writer that runs and reports a window (none for id 0).
std::shared_ptr<FakeWriter> runningWriter(std::shared_ptr<inprocess::InProcessApplication> app
                                          = inprocess::InProcessApplication::create(),
                                          std::uint64_t windowId = kWriterWindow)
{
    auto writer = std::make_shared<FakeWriter>();
    app->setMainWindowId(windowId);
    writer->application = app;
    return writer;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

public slots:
    // Files the program asks the desktop to open land here.
    void openUrl(const QUrl &url) { m_urls << url; }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler("file", this, "openUrl"); }
    void init() { m_urls.clear(); }

    // Without a writer only the five conversions (no unit set) and about speak,
    // and three dialogs open; headings and near misses of labels do nothing.
    void everyLabelWithoutWriter()
    {
        BoxRecorder boxes;
        QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
        MainWindow window(nullptr, missingWriterFactory());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.page()->application());

        QStringList opened; // the dialogs the commands run, closed at once
        QTimer dialogs;
        connect(&dialogs, &QTimer::timeout, [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened << dialog->metaObject()->className();
                dialog->close();
            }
        });
        dialogs.start(10);
        auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
        for (int g = 0; g < tree->topLevelItemCount(); ++g) {
            QTreeWidgetItem *group = tree->topLevelItem(g);
            for (int e = -1; e < group->childCount(); ++e) { // the heading, then its labels
                QTreeWidgetItem *item = e < 0 ? group : group->child(e);
                tree->scrollToItem(item);
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                                  tree->visualItemRect(item).center());
            }
        }
        for (const QString &label :
             {kAbout + ' ', ' ' + kAbout, kHelp + '\n', kHelp + QChar(0x3000), kAbout.chopped(1),
              QStringLiteral("使用帮组"), QString(), QStringLiteral("常用操作"),
              QStringLiteral("字体设置"), QStringLiteral("其他命令"), QStringLiteral("系统设置")})
            window.page()->slotButtonClick(label);
        emit window.page()->pageAdaptationDialog()->sendSettings(true, true);
        const QString error = QStringLiteral("错误");
        QCOMPARE(boxes.titles(), QStringList({error, error, error, error, error, kAbout}));
        QCOMPARE(m_urls, QList<QUrl>({kHelpFile}));
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(opened, QStringList({"option_window", "print_window", "setPage_window"}));
    }

    // A dialog's result runs once per page, however many clicks came before.
    void firstClickWiresEachPageOnce()
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

    void otherTabEmptiesTreeAndStopsCommands()
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
    void focusGoesToTheWriter()
    {
        MainWindow window(nullptr, fakeWriterFactory(runningWriter()));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *tree = window.findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
        tree->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(tree));
        tree->setCurrentItem(
            tree->findItems(QStringLiteral("设大标题"), Qt::MatchRecursive).first());
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

    // Closing quits the writer once, before its window and client go.
    void destroyingWindowQuitsWriterFirst()
    {
        auto watcher = std::make_shared<QuitWatcher>();
        const auto writer = runningWriter(watcher);
        watcher->writer = writer.get();
        auto *window = new MainWindow(nullptr, fakeWriterFactory(writer));
        QPointer<WPSWindow> host = window->page()->host();
        watcher->container = host->container();
        QVERIFY(watcher->container);

        delete window;
        QCOMPARE(watcher->quits, 1);
        QVERIFY(watcher->containerAtQuit);
        QCOMPARE(watcher->clientsAtQuit, 1);
        QVERIFY(watcher->quitCalls().front().saveChanges.isMissing());
        QVERIFY(!host && !watcher->container);
        QCOMPARE(writer->clientsAlive, 0);
        QCOMPARE(watcher.use_count(), 2L); // the test and the fake writer
    }

    // The writer starts embedded in the host at its size, once.
    void startEmbedsWriterOnce()
    {
        auto writer = runningWriter();
        WPSMainWindow page(nullptr, fakeWriterFactory(writer));
        page.resize(640, 480);
        page.layout()->activate();
        WPSWindow *host = page.host();
        const QSize size = host->size();

        page.initApp();
        QCOMPARE(writer->processPath, FakeWriterClient::processPath());
        QCOMPARE(writer->processArgs,
                 QStringList({"-shield", "-multiply", "-x11embed",
                              QString::number(static_cast<qulonglong>(host->winId())),
                              QString::number(size.width()), QString::number(size.height())}));
        QCOMPARE(page.application(), writer->application);
        QPointer<QWidget> container = host->container();
        QVERIFY(container);
        QCOMPARE(host->layout()->itemAt(0)->widget(), container.data());

        page.initApp();
        QCOMPARE(writer->factoryCalls, 1);
        QCOMPARE(writer->getApplicationCalls, 1);
        QCOMPARE(writer->clientsAlive, 1);
        QCOMPARE(host->container(), container.data());
        QCOMPARE(host->layout()->count(), 1);
        // Another container replaces it, and the old one goes.
        QPointer<QWidget> next = new QWidget;
        host->addContainerWin(next);
        QVERIFY(!container);
        QCOMPARE(host->layout()->count(), 1);
        QCOMPARE(host->layout()->itemAt(0)->widget(), next.data());
    }

    void failedStart_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("handsOutApplication");
        QTest::addColumn<quint64>("windowId");
        QTest::addColumn<bool>("bound");
        // A refused start binds nothing; a later initApp starts over.
        QTest::newRow("start fails") << 1 << true << quint64(kWriterWindow) << false;
        QTest::newRow("negative status") << -5 << true << quint64(kWriterWindow) << false;
        QTest::newRow("no application") << 0 << false << quint64(kWriterWindow) << false;
        // The writer runs but cannot say where its window is: bound, not embedded.
        QTest::newRow("no extension interface") << 0 << true << quint64(0) << true;
    }

    void failedStart()
    {
        QFETCH(int, status);
        QFETCH(bool, handsOutApplication);
        QFETCH(quint64, windowId);
        QFETCH(bool, bound);
        auto writer = runningWriter(inprocess::InProcessApplication::create(), windowId);
        auto inner = std::static_pointer_cast<inprocess::InProcessApplication>(writer->application);
        writer->status = status;
        if (!handsOutApplication)
            writer->application.reset();
        {
            WPSMainWindow page(nullptr, fakeWriterFactory(writer));
            page.initApp();
            QCOMPARE(bool(page.application()), bound);
            QVERIFY(!page.host()->container());
            QCOMPARE(page.host()->layout()->count(), 0);

            page.initApp();
            QCOMPARE(writer->factoryCalls, bound ? 1 : 2);
            QCOMPARE(writer->clientsAlive, 1);
            QVERIFY(!page.host()->container());
        }
        QCOMPARE(writer->clientsAlive, 0);
        QCOMPARE(inner->quitCalls().size(), size_t(bound ? 1 : 0));
    }

    // No factory, or one that makes no client: no writer, no element record.
    void missingClient()
    {
        for (const WriterClientFactory &factory : {WriterClientFactory(), missingWriterFactory()}) {
            WPSMainWindow page(nullptr, factory);
            QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
            page.initApp();
            QVERIFY(!page.application());
            QVERIFY(!page.host()->client());
            QVERIFY(!page.host()->container());
            page.writegwinfo(Element::MiJi, QStringLiteral("秘密"));
            QCOMPARE(page.readgwinfo(Element::MiJi), QString());
        }
    }

    void elementRecord_data()
    {
        // The names and ids that documents converted before carry.
        QTest::addColumn<int>("index");
        QTest::addColumn<long>("id");
        QTest::addColumn<QString>("key");
        const std::pair<long, const char *> stored[] = {
            {6001, "MiJi"},    {6002, "QiXian"},    {6003, "JinJi"},       {6004, "WenHao"},
            {6005, "BiaoTi"},  {6006, "ZhuSong"},   {6009, "ChenWenDate"}, {6010, "YinFaDate"},
            {6011, "GongKai"}, {6012, "FaWenUnit"}, {6013, "YinFaUnit"},   {6014, "QianFa"},
        };
        QCOMPARE(std::size(Element::all), std::size(stored));
        for (int i = 0; i < int(std::size(stored)); ++i)
            QTest::newRow(stored[i].second) << i << stored[i].first << QString(stored[i].second);
    }

    // Each element in one text property of its name; a foreign type reads as
    // text; without a document nothing is read or kept.
    void elementRecord()
    {
        QFETCH(int, index);
        QFETCH(long, id);
        QFETCH(QString, key);
        const DocumentElement &element = Element::all[index];
        QCOMPARE(element.id, id);
        QCOMPARE(element.key(), key);
        auto writer = runningWriter();
        WPSMainWindow page(nullptr, fakeWriterFactory(writer));
        page.initApp();
        while (writer->application->activeDocument())
            writer->application->activeDocument()->close();
        page.writegwinfo(element, QStringLiteral("特急"));
        QCOMPARE(page.readgwinfo(element), QString());

        const DocumentPropertiesPtr properties
            = writer->application->documents()->add()->customDocumentProperties();
        QCOMPARE(properties->count(), 0L);
        const DocumentElement &other = Element::all[(index + 1) % std::size(Element::all)];
        properties->add(other.key(), false, msoPropertyTypeFloat, Variant(2.5));
        QCOMPARE(page.readgwinfo(element), QString());
        for (const QString &value : {QStringLiteral("甲"), QStringLiteral("乙"), QString()}) {
            page.writegwinfo(element, value);
            QCOMPARE(properties->count(), 2L);
            const DocumentPropertyPtr property = properties->item(Variant(key));
            QVERIFY(property);
            QCOMPARE(property->type(), msoPropertyTypeString);
            QCOMPARE(property->value().toString(), value);
            QCOMPARE(page.readgwinfo(element), value);
        }
        QCOMPARE(page.readgwinfo(other), QStringLiteral("2.5"));
    }

private:
    QList<QUrl> m_urls;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
