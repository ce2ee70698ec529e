#include "assembly/elementrecord.h"
#include "fakewriterclient.h"
#include "page/wpswindow.h"
#include "watchedapplication.h"
#include "wpsmainwindow.h"

#include "inprocess/inprocessapplication.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QtTest>

namespace {

constexpr std::uint64_t kWriterWindow = 0x4200001;

std::shared_ptr<FakeWriter> writerWithWindow(std::uint64_t windowId = kWriterWindow)
{
    auto writer = std::make_shared<FakeWriter>();
    auto application = inprocess::InProcessApplication::create();
    application->setMainWindowId(windowId);
    writer->application = application;
    return writer;
}

} // namespace

class TestWriterHost : public QObject
{
    Q_OBJECT

private slots:
    void startEmbedsWriter();
    void secondInitAppChangesNothing();
    void failedStart_data();
    void failedStart();
    void missingClient_data();
    void missingClient();
    void addContainerTwiceKeepsOne();
    void destructionQuitsBeforeHostGoes();
};

void TestWriterHost::startEmbedsWriter()
{
    auto writer = writerWithWindow();
    WPSMainWindow page(nullptr, fakeWriterFactory(writer));
    page.resize(640, 480);
    page.layout()->activate();
    WPSWindow *host = page.host();
    const QSize hostSize = host->size();

    page.initApp();

    QCOMPARE(writer->factoryCalls, 1);
    QCOMPARE(writer->clientsAlive, 1);
    QCOMPARE(writer->processPath, FakeWriterClient::processPath());
    const QStringList expectedArgs {
        QStringLiteral("-shield"),         QStringLiteral("-multiply"),
        QStringLiteral("-x11embed"),       QString::number(static_cast<qulonglong>(host->winId())),
        QString::number(hostSize.width()), QString::number(hostSize.height()),
    };
    QCOMPARE(writer->processArgs, expectedArgs);
    QCOMPARE(writer->getApplicationCalls, 1);

    QCOMPARE(page.application(), writer->application);
    QVERIFY(host->client());
    QWidget *container = host->container();
    QVERIFY(container);
    QCOMPARE(container->parentWidget(), static_cast<QWidget *>(host));
    QCOMPARE(host->layout()->count(), 1);
    QCOMPARE(host->layout()->itemAt(0)->widget(), container);
}

void TestWriterHost::secondInitAppChangesNothing()
{
    auto writer = writerWithWindow();
    WPSMainWindow page(nullptr, fakeWriterFactory(writer));
    page.initApp();
    QPointer<QWidget> container = page.host()->container();
    WriterClient *client = page.host()->client();
    const automation::ApplicationPtr application = page.application();

    page.initApp();

    QCOMPARE(writer->factoryCalls, 1);
    QCOMPARE(writer->getApplicationCalls, 1);
    QCOMPARE(writer->clientsAlive, 1);
    QVERIFY(container);
    QCOMPARE(page.host()->container(), container.data());
    QCOMPARE(page.host()->client(), client);
    QCOMPARE(page.application(), application);
    QCOMPARE(page.host()->layout()->count(), 1);
}

void TestWriterHost::failedStart_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("handsOutApplication");
    QTest::addColumn<quint64>("windowId");
    QTest::addColumn<bool>("bound");

    // The writer refuses to start: nothing is bound, and a later initApp
    // starts over.
    QTest::newRow("start fails") << 1 << true << quint64(kWriterWindow) << false;
    QTest::newRow("start fails, negative status") << -5 << true << quint64(kWriterWindow) << false;
    QTest::newRow("no application") << 0 << false << quint64(kWriterWindow) << false;
    // The writer runs but cannot say where its window is: bound, not embedded.
    QTest::newRow("no extension interface") << 0 << true << quint64(0) << true;
}

void TestWriterHost::failedStart()
{
    QFETCH(int, status);
    QFETCH(bool, handsOutApplication);
    QFETCH(quint64, windowId);
    QFETCH(bool, bound);

    auto writer = writerWithWindow(windowId);
    auto inner = std::static_pointer_cast<inprocess::InProcessApplication>(writer->application);
    writer->status = status;
    if (!handsOutApplication)
        writer->application.reset();

    {
        WPSMainWindow page(nullptr, fakeWriterFactory(writer));
        page.initApp();

        QCOMPARE(writer->factoryCalls, 1);
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

void TestWriterHost::missingClient_data()
{
    QTest::addColumn<bool>("emptyFactory");
    QTest::newRow("factory makes no client") << false;
    QTest::newRow("no factory") << true;
}

void TestWriterHost::missingClient()
{
    QFETCH(bool, emptyFactory);

    const WriterClientFactory factory
        = emptyFactory ? WriterClientFactory() : missingWriterFactory();
    WPSMainWindow page(nullptr, factory);

    QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
    page.initApp();

    QVERIFY(!page.application());
    QVERIFY(!page.host()->client());
    QVERIFY(!page.host()->container());

    // Without a writer the element record has nothing to read or write.
    page.writegwinfo(Element::MiJi, QStringLiteral("秘密"));
    QCOMPARE(page.readgwinfo(Element::MiJi), QString());
}

void TestWriterHost::addContainerTwiceKeepsOne()
{
    WPSWindow host(nullptr, missingWriterFactory());
    QCOMPARE(host.layout()->contentsMargins(), QMargins(1, 1, 1, 1));

    QPointer<QWidget> first = new QWidget;
    host.addContainerWin(first);
    QCOMPARE(host.container(), first.data());
    QCOMPARE(first->parentWidget(), static_cast<QWidget *>(&host));

    QPointer<QWidget> second = new QWidget;
    host.addContainerWin(second);

    QVERIFY(!first);
    QVERIFY(second);
    QCOMPARE(host.container(), second.data());
    auto *layout = qobject_cast<QHBoxLayout *>(host.layout());
    QVERIFY(layout);
    QCOMPARE(layout->count(), 1);
    QCOMPARE(layout->itemAt(0)->widget(), second.data());
    QCOMPARE(layout->stretch(0), 140);
}

void TestWriterHost::destructionQuitsBeforeHostGoes()
{
    auto writer = std::make_shared<FakeWriter>();
    auto inner = inprocess::InProcessApplication::create();
    inner->setMainWindowId(kWriterWindow);
    auto watched = std::make_shared<WatchedApplication>(inner);
    writer->application = watched;

    auto *page = new WPSMainWindow(nullptr, fakeWriterFactory(writer));
    page->initApp();
    QPointer<WPSWindow> host = page->host();
    QPointer<QWidget> container = host->container();
    QVERIFY(container);
    watched->watch(container);
    int clientsAtQuit = -1;
    watched->setQuitProbe([&] { clientsAtQuit = writer->clientsAlive; });

    delete page;

    QCOMPARE(watched->quitCount(), 1);
    QVERIFY(watched->widgetAliveAtQuit());
    QCOMPARE(clientsAtQuit, 1);
    QCOMPARE(inner->quitCalls().size(), size_t(1));
    QVERIFY(inner->quitCalls().front().saveChanges.isMissing());
    QVERIFY(inner->quitCalls().front().originalFormat.isMissing());
    QVERIFY(inner->quitCalls().front().routeDocument.isMissing());
    QVERIFY(!host);
    QVERIFY(!container);
    QCOMPARE(writer->clientsAlive, 0);
    QCOMPARE(watched.use_count(), 2L);
}

QTEST_MAIN(TestWriterHost)
#include "tst_writerhost.moc"
