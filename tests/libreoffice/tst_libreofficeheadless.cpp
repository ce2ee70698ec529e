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
    static bool officeRunsOnProfile(const QString &profile);

    QTemporaryDir m_dir;
    QString m_profile;
    std::unique_ptr<WriterClient> m_client;
    ApplicationPtr m_app;
};

bool TestLibreOfficeHeadless::officeRunsOnProfile(const QString &profile)
{
    const QByteArray marker = QDir(profile).absolutePath().toUtf8();
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (entry.toLongLong() > 0 && cmdline.open(QIODevice::ReadOnly)
            && cmdline.readAll().contains(marker) && officetest::processRunning(entry.toLongLong()))
            return true;
    }
    return false;
}

void TestLibreOfficeHeadless::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_dir.isValid());
    m_profile = m_dir.filePath(QStringLiteral("profile"));

    m_app = officetest::startOffice(m_profile, &m_client);
    QVERIFY(m_app && m_app->documents()->add());
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

// A closed document's objects answer nothing; closing it twice is harmless.
// (Which document is active after a close: the conformance suite.)
void TestLibreOfficeHeadless::closingDocuments()
{
    DocumentPtr second = m_app->documents()->add();
    second->content()->setText(QStringLiteral("second"));
    second->close();
    QVERIFY(!second->content());
    DocumentPropertiesPtr properties = second->customDocumentProperties();
    QVERIFY(!properties || properties->count() == 0);
    if (properties)
        QVERIFY(!properties->add(QStringLiteral("Late"), false, msoPropertyTypeString, "x"));
    second->close();
    QVERIFY(m_app->documents()->add());
}

void TestLibreOfficeHeadless::profileInUseFallsBackToATemporaryOne()
{
    // One office per profile: a second client on the profile in use starts
    // its own office on a temporary profile and leaves the first alone.
    std::unique_ptr<WriterClient> client;
    ApplicationPtr second = officetest::startOffice(m_profile, &client);
    QVERIFY(second);
    const qint64 pid = libreoffice::officeProcessId(second);
    QVERIFY(pid != libreoffice::officeProcessId(m_app));
    QVERIFY(second->documents()->add());
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
        const ApplicationPtr app = officetest::startOffice(profile, &client);
        const DocumentPtr document = app ? app->documents()->add() : nullptr;
        QVERIFY(document);
        qInfo("%s headless start: %lld ms to an editable document", kind, timer.elapsed());
        QVERIFY(officeRunsOnProfile(profile));
        document->content()->setText(QStringLiteral("unsaved text"));
        const qint64 pid = libreoffice::officeProcessId(app);
        timer.restart();
        app->quit(Variant(), Variant(), Variant());
        QVERIFY(timer.elapsed() < 5000);
        QVERIFY(!officetest::processRunning(pid) && !officeRunsOnProfile(profile));
        QVERIFY(!app->documents() && !app->activeDocument() && !app->selection());
        QVERIFY(!app->applicationEx() && !document->content());
    }
}

QTEST_MAIN(TestLibreOfficeHeadless)
#include "tst_libreofficeheadless.moc"
