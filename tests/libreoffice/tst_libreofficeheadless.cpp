#include "libreoffice/libreofficeclient.h"
#include "officetestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace automation;

// The LibreOffice client without a window: starting, one office per profile,
// closing documents and quitting. What its documents answer is the
// conformance suite's; an office that dies under us is tst_lokill's.
class TestLibreOfficeHeadless : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startFailures_data();
    void startFailures();
    void secondGetApplicationAnswersTheSameApplication();
    void closingDocuments();
    void profileInUseFallsBackToATemporaryOne();
    void quitThenWarmStart();

private:
    static ApplicationPtr start(const QString &profile, std::unique_ptr<WriterClient> *client);
    static bool officeRunsOnProfile(const QString &profile);

    QTemporaryDir m_dir;
    QString m_profile;
    std::unique_ptr<WriterClient> m_client;
    ApplicationPtr m_app;
};

ApplicationPtr TestLibreOfficeHeadless::start(const QString &profile,
                                              std::unique_ptr<WriterClient> *client)
{
    libreoffice::ClientOptions options;
    options.headless = true;
    options.profileDirectory = profile;
    *client = libreoffice::makeClient(options);
    if (!*client)
        return nullptr;
    (*client)->setProcessPath((*client)->defaultProcessPath());
    ApplicationPtr app;
    if ((*client)->getApplication(&app) != 0)
        return nullptr;
    return app;
}

bool TestLibreOfficeHeadless::officeRunsOnProfile(const QString &profile)
{
    const QByteArray marker = QDir(profile).absolutePath().toUtf8();
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(marker)
            && officetest::processRunning(entry.toLongLong()))
            return true;
    }
    return false;
}

void TestLibreOfficeHeadless::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_dir.isValid());
    m_profile = m_dir.filePath(QStringLiteral("profile"));

    QElapsedTimer timer;
    timer.start();
    m_app = start(m_profile, &m_client);
    QVERIFY(m_app);
    const qint64 started = timer.elapsed();
    QVERIFY(m_app->documents()->add());
    qInfo("cold headless start on a new profile: %lld ms to the application, %lld ms to an "
          "editable document",
          started, timer.elapsed());
}

void TestLibreOfficeHeadless::cleanupTestCase()
{
    if (m_app)
        m_app->quit();
}

void TestLibreOfficeHeadless::startFailures_data()
{
    QTest::addColumn<bool>("headless");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");

    QTest::newRow("missing program")
        << true << QStringLiteral("/nonexistent/soffice.bin") << QStringList();
    QTest::newRow("embedded without a host window")
        << false << QString() << QStringList {QStringLiteral("-shield")};
    QTest::newRow("embedded with a cut-off window argument")
        << false << QString() << QStringList {QStringLiteral("-x11embed"), QStringLiteral("12345")};
}

void TestLibreOfficeHeadless::startFailures()
{
    QFETCH(bool, headless);
    QFETCH(QString, program);
    QFETCH(QStringList, args);

    libreoffice::ClientOptions options;
    options.headless = headless;
    options.profileDirectory = m_dir.filePath(QStringLiteral("unused"));
    std::unique_ptr<WriterClient> client = libreoffice::makeClient(options);
    QVERIFY(client);
    client->setProcessPath(program.isEmpty() ? client->defaultProcessPath() : program);
    client->setProcessArgs(args);
    ApplicationPtr app = m_app; // must be cleared on failure
    QVERIFY(client->getApplication(&app) != 0);
    QVERIFY(!app);
    QVERIFY(!officeRunsOnProfile(options.profileDirectory));
}

void TestLibreOfficeHeadless::secondGetApplicationAnswersTheSameApplication()
{
    ApplicationPtr again;
    QCOMPARE(m_client->getApplication(&again), 0);
    QCOMPARE(again, m_app);
}

void TestLibreOfficeHeadless::closingDocuments()
{
    DocumentsPtr documents = m_app->documents();
    DocumentPtr first = documents->add();
    first->content()->setText(QStringLiteral("first"));
    DocumentPtr second = documents->add();
    second->content()->setText(QStringLiteral("second"));
    QVERIFY(m_app->selection());

    // Closing the active document makes the one added before it active.
    const long count = documents->count();
    second->close();
    QCOMPARE(documents->count(), count - 1);
    QCOMPARE(m_app->activeDocument()->content()->text(), QStringLiteral("first\r"));

    // A closed document's objects answer nothing.
    QVERIFY(!second->content());
    DocumentPropertiesPtr properties = second->customDocumentProperties();
    QVERIFY(!properties || properties->count() == 0);
    if (properties)
        QVERIFY(!properties->add(QStringLiteral("Late"), false, msoPropertyTypeString, "x"));
    second->close();

    for (int guard = 0; documents->count() > 0 && guard < 100; ++guard)
        documents->item(1)->close();
    QCOMPARE(documents->count(), 0L);
    QVERIFY(!m_app->activeDocument());
    QVERIFY(!m_app->selection());

    // The office goes on: a new document can be added.
    QVERIFY(documents->add());
    QVERIFY(m_app->activeDocument());
}

void TestLibreOfficeHeadless::profileInUseFallsBackToATemporaryOne()
{
    // One office per profile: a second client on the profile in use starts
    // its own office on a temporary profile and leaves the first alone.
    std::unique_ptr<WriterClient> client;
    ApplicationPtr second = start(m_profile, &client);
    QVERIFY(second);
    const qint64 pid = libreoffice::officeProcessId(second);
    QVERIFY(pid != libreoffice::officeProcessId(m_app));
    DocumentPtr document = second->documents()->add();
    QVERIFY(document);
    document->content()->setText(QStringLiteral("second office"));
    QCOMPARE(second->activeDocument()->content()->text(), QStringLiteral("second office\r"));
    second->quit();
    QVERIFY(!officetest::processRunning(pid));

    QVERIFY(m_app->documents()->add());
    QVERIFY(officeRunsOnProfile(m_profile));
}

// Quitting with unsaved documents ends the office at once and leaves every
// object empty; the next start on the same profile is a warm one.
void TestLibreOfficeHeadless::quitThenWarmStart()
{
    const QString profile = m_dir.filePath(QStringLiteral("quit"));
    std::unique_ptr<WriterClient> client;
    for (const char *kind : {"cold", "warm"}) {
        QElapsedTimer timer;
        timer.start();
        const ApplicationPtr app = start(profile, &client);
        QVERIFY(app);
        const DocumentPtr document = app->documents()->add();
        QVERIFY(document);
        qInfo("%s headless start: %lld ms to an editable document", kind, timer.elapsed());
        QVERIFY(officeRunsOnProfile(profile));
        document->content()->setText(QStringLiteral("unsaved text"));
        const qint64 pid = libreoffice::officeProcessId(app);
        timer.restart();
        app->quit(Variant(), Variant(), Variant());
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!officetest::processRunning(pid));
        QVERIFY(!officeRunsOnProfile(profile));
        QVERIFY(!app->documents() && !app->activeDocument() && !app->selection());
        QVERIFY(!app->applicationEx());
        QVERIFY(!document->content());
    }
}

QTEST_MAIN(TestLibreOfficeHeadless)
#include "tst_libreofficeheadless.moc"
