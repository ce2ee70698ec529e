#include "assembly/elementrecord.h"
#include "automation/automation.h"
#include "fakewriterclient.h"
#include "wpsmainwindow.h"
#include "page/wpswindow.h"

#include "inprocess/inprocessapplication.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QtTest>

// The page that hosts the writer: starting and embedding it, failures to
// start, and the document elements it keeps in the document's properties.
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
    void startEmbedsWriterOnce();
    void failedStart_data();
    void failedStart();
    void missingClient_data();
    void missingClient();
    void addContainerTwiceKeepsOne();
    void elementRecord_data();
    void elementRecord();
    void elementRecordWithoutDocument();
};

// The writer starts embedded in the host at its size; a second start
// changes nothing.
void TestWriterHost::startEmbedsWriterOnce()
{
    auto writer = writerWithWindow();
    WPSMainWindow page(nullptr, fakeWriterFactory(writer));
    page.resize(640, 480);
    page.layout()->activate();
    WPSWindow *host = page.host();
    const QSize hostSize = host->size();

    page.initApp();
    const QStringList expectedArgs {
        QStringLiteral("-shield"),         QStringLiteral("-multiply"),
        QStringLiteral("-x11embed"),       QString::number(static_cast<qulonglong>(host->winId())),
        QString::number(hostSize.width()), QString::number(hostSize.height()),
    };
    QCOMPARE(writer->processPath, FakeWriterClient::processPath());
    QCOMPARE(writer->processArgs, expectedArgs);
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

    WPSMainWindow page(nullptr, emptyFactory ? WriterClientFactory() : missingWriterFactory());
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
    QPointer<QWidget> first = new QWidget;
    host.addContainerWin(first);
    QCOMPARE(first->parentWidget(), static_cast<QWidget *>(&host));
    QPointer<QWidget> second = new QWidget;
    host.addContainerWin(second);

    QVERIFY(!first);
    QCOMPARE(host.container(), second.data());
    QCOMPARE(host.layout()->count(), 1);
    QCOMPARE(host.layout()->itemAt(0)->widget(), second.data());
}

void TestWriterHost::elementRecord_data()
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

// Each element in a text property of its own name: missing reads empty,
// written twice leaves one property, empty text is stored, and a value of
// another type set by another program reads as text.
void TestWriterHost::elementRecord()
{
    QFETCH(int, index);
    QFETCH(long, id);
    QFETCH(QString, key);

    const DocumentElement &element = Element::all[index];
    QCOMPARE(element.id, id);
    QCOMPARE(element.key(), key);
    auto writer = writerWithWindow();
    WPSMainWindow page(nullptr, fakeWriterFactory(writer));
    page.initApp();
    const automation::DocumentPtr document = writer->application->documents()->add();
    const automation::DocumentPropertiesPtr properties = document->customDocumentProperties();

    const DocumentElement &other = Element::all[(index + 1) % std::size(Element::all)];
    properties->add(other.key(), false, automation::msoPropertyTypeFloat, automation::Variant(2.5));
    QCOMPARE(page.readgwinfo(element), QString());
    for (const QString &value : {QStringLiteral("甲"), QStringLiteral("乙"), QString()}) {
        page.writegwinfo(element, value);
        QCOMPARE(properties->count(), 2L);
        const automation::DocumentPropertyPtr property = properties->item(automation::Variant(key));
        QVERIFY(property);
        QCOMPARE(property->type(), automation::msoPropertyTypeString);
        QCOMPARE(property->value().toString(), value);
        QCOMPARE(page.readgwinfo(element), value);
    }
    QCOMPARE(page.readgwinfo(other), QStringLiteral("2.5"));
}

// With no document open nothing is read, and a write is not kept for a
// document opened later.
void TestWriterHost::elementRecordWithoutDocument()
{
    auto writer = writerWithWindow();
    WPSMainWindow page(nullptr, fakeWriterFactory(writer));
    page.initApp();
    while (writer->application->activeDocument())
        writer->application->activeDocument()->close();

    page.writegwinfo(Element::JinJi, QStringLiteral("特急"));
    QCOMPARE(page.readgwinfo(Element::JinJi), QString());
    const automation::DocumentPtr document = writer->application->documents()->add();
    QCOMPARE(document->customDocumentProperties()->count(), 0L);
}

QTEST_MAIN(TestWriterHost)
#include "tst_writerhost.moc"
