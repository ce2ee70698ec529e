#include "libreoffice/libreofficeclient.h"
#include "officetestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace automation;

Q_DECLARE_METATYPE(automation::Variant)

// The LibreOffice client without a window: start, documents, custom
// properties, body text, closing, quitting, and an office that dies under us.
class TestLibreOfficeHeadless : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startFailures_data();
    void startFailures();
    void secondGetApplicationAnswersTheSameApplication();
    void writtenPropertiesReadBack_data();
    void writtenPropertiesReadBack();
    void missingPropertiesAreNull();
    void propertiesByIndex();
    void addedPropertyTypes_data();
    void addedPropertyTypes();
    void contentTextRoundTrip_data();
    void contentTextRoundTrip();
    void insertAtBothEnds();
    void documentsCollection();
    void closingDocuments();
    void profileInUseFallsBackToATemporaryOne();
    void killedOfficeAnswersNothing_data();
    void killedOfficeAnswersNothing();
    void quitEndsTheOffice();
    void warmStartOnTheSameProfile();

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

void TestLibreOfficeHeadless::writtenPropertiesReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("document number") << QStringLiteral("WenHao") << 6004 << QStringLiteral("old")
                                     << QStringLiteral("国办发〔2024〕1号");
    QTest::newRow("overwritten with empty text")
        << QStringLiteral("BiaoTi") << 6005 << QStringLiteral("标题") << QString();
    QTest::newRow("same value twice")
        << QStringLiteral("MiJi") << 6001 << QStringLiteral("秘密") << QStringLiteral("秘密");
    QTest::newRow("long value") << QStringLiteral("ZhuSong") << 6006 << QString()
                                << QString(400, QChar(0x5355));
}

void TestLibreOfficeHeadless::writtenPropertiesReadBack()
{
    QFETCH(QString, name);
    QFETCH(int, id);
    QFETCH(QString, first);
    QFETCH(QString, second);

    QVERIFY(m_app->documents()->add());
    QVERIFY(officetest::writeProperty(m_app, id, name, first));
    QCOMPARE(officetest::readProperty(m_app, id, name), first);
    QVERIFY(officetest::writeProperty(m_app, id, name, second));
    QCOMPARE(officetest::readProperty(m_app, id, name), second);

    DocumentPropertiesPtr properties = m_app->activeDocument()->customDocumentProperties();
    QCOMPARE(properties->count(), 1L);
    DocumentPropertyPtr property = properties->item(name, id);
    QVERIFY(property);
    QCOMPARE(property->name(), name);
    QCOMPARE(property->type(), msoPropertyTypeString);
    QVERIFY(property->value(id).isString());

    // Adding the same name again replaces the property instead of doubling it.
    QVERIFY(properties->add(name, false, msoPropertyTypeString, QStringLiteral("third"), 0, id));
    QCOMPARE(properties->count(), 1L);
    QCOMPARE(officetest::readProperty(m_app, id, name), QStringLiteral("third"));
}

void TestLibreOfficeHeadless::missingPropertiesAreNull()
{
    QVERIFY(m_app->documents()->add());
    DocumentPropertiesPtr properties = m_app->activeDocument()->customDocumentProperties();
    QVERIFY(properties);
    QCOMPARE(properties->count(), 0L);
    QVERIFY(!properties->item(QStringLiteral("QianFa"), 6014));
    QVERIFY(!properties->item(1));
    QVERIFY(!properties->item(Variant()));
    QCOMPARE(officetest::readProperty(m_app, 6014, QStringLiteral("QianFa")), QString());
    // Linked properties are not supported: nothing is added.
    QVERIFY(!properties->add(QStringLiteral("Linked"), true, msoPropertyTypeString,
                             QStringLiteral("x"), QStringLiteral("bookmark")));
    QCOMPARE(properties->count(), 0L);
}

void TestLibreOfficeHeadless::propertiesByIndex()
{
    QVERIFY(m_app->documents()->add());
    DocumentPropertiesPtr properties = m_app->activeDocument()->customDocumentProperties();
    QVERIFY(properties->add(QStringLiteral("JinJi"), false, msoPropertyTypeString,
                            QStringLiteral("特急")));
    QVERIFY(properties->add(QStringLiteral("GongKai"), false, msoPropertyTypeString,
                            QStringLiteral("主动公开")));
    QCOMPARE(properties->count(), 2L);
    QSet<QString> names;
    for (long i = 1; i <= 2; ++i) {
        DocumentPropertyPtr property = properties->item(i);
        QVERIFY(property);
        names.insert(property->name());
    }
    QCOMPARE(names, (QSet<QString> {QStringLiteral("JinJi"), QStringLiteral("GongKai")}));
    QVERIFY(!properties->item(0));
    QVERIFY(!properties->item(3));
}

void TestLibreOfficeHeadless::addedPropertyTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Variant>("value");
    QTest::addColumn<Variant>("expected");
    QTest::addColumn<Variant>("written");
    QTest::addColumn<Variant>("expectedAfterWrite");

    QTest::newRow("text") << msoPropertyTypeString << Variant("abc") << Variant("abc") << Variant(7)
                          << Variant("7");
    QTest::newRow("number") << msoPropertyTypeNumber << Variant(42) << Variant(42L) << Variant("17")
                            << Variant(17L);
    QTest::newRow("boolean") << msoPropertyTypeBoolean << Variant(true) << Variant(true)
                             << Variant(0) << Variant(false);
    QTest::newRow("float") << msoPropertyTypeFloat << Variant(2.5) << Variant(2.5)
                           << Variant("0.25") << Variant(0.25);
}

void TestLibreOfficeHeadless::addedPropertyTypes()
{
    QFETCH(int, type);
    QFETCH(Variant, value);
    QFETCH(Variant, expected);
    QFETCH(Variant, written);
    QFETCH(Variant, expectedAfterWrite);

    QVERIFY(m_app->documents()->add());
    DocumentPropertiesPtr properties = m_app->activeDocument()->customDocumentProperties();
    DocumentPropertyPtr property = properties->add(QStringLiteral("Typed"), false, type, value);
    QVERIFY(property);
    QCOMPARE(property->type(), type);
    QVERIFY(property->value() == expected);
    // A written value takes the property's type.
    property->setValue(written);
    QCOMPARE(property->type(), type);
    QVERIFY(property->value() == expectedAfterWrite);
}

void TestLibreOfficeHeadless::contentTextRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // The whole body as a fresh content range reads it, last mark included.
    QTest::newRow("one paragraph") << QStringLiteral("abc") << QStringLiteral("abc\r");
    QTest::newRow("carriage returns") << QStringLiteral("a\rb\rc") << QStringLiteral("a\rb\rc\r");
    QTest::newRow("line feeds") << QStringLiteral("a\nb") << QStringLiteral("a\rb\r");
    QTest::newRow("CR LF pairs") << QStringLiteral("a\r\nb") << QStringLiteral("a\rb\r");
    QTest::newRow("ends with a mark") << QStringLiteral("abc\r") << QStringLiteral("abc\r\r");
    QTest::newRow("empty") << QString() << QStringLiteral("\r");
    QTest::newRow("Chinese") << QStringLiteral("关于印发《办法》的通知\r各有关单位：")
                             << QStringLiteral("关于印发《办法》的通知\r各有关单位：\r");
}

// Replacing the whole body keeps its last mark; the range that did it then
// spans the new text only, as every writer's ranges do.
void TestLibreOfficeHeadless::contentTextRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QVERIFY(m_app->documents()->add());
    RangePtr content = m_app->activeDocument()->content();
    QVERIFY(content);
    content->setText(QStringLiteral("to be replaced\rentirely"));
    content->setText(text);
    QCOMPARE(m_app->activeDocument()->content()->text(), expected);
    QCOMPARE(content->text(), expected.chopped(1));
    QCOMPARE(content->start(), 0L);
    QCOMPARE(content->end(), static_cast<long>(expected.size() - 1));
}

void TestLibreOfficeHeadless::insertAtBothEnds()
{
    QVERIFY(m_app->documents()->add());
    RangePtr content = m_app->activeDocument()->content();
    content->setText(QStringLiteral("正文"));
    content->insertBefore(QStringLiteral("标题\r"));
    content->insertAfter(QStringLiteral("\r落款"));
    QCOMPARE(content->text(), QStringLiteral("标题\r正文\r落款"));
    QCOMPARE(m_app->activeDocument()->content()->text(), QStringLiteral("标题\r正文\r落款\r"));
}

void TestLibreOfficeHeadless::documentsCollection()
{
    DocumentsPtr documents = m_app->documents();
    QVERIFY(documents);
    const long before = documents->count();
    DocumentPtr added = documents->add();
    QVERIFY(added);
    added->content()->setText(QStringLiteral("collection marker"));
    QCOMPARE(documents->count(), before + 1);
    QCOMPARE(m_app->activeDocument()->content()->text(), QStringLiteral("collection marker\r"));

    QStringList texts;
    for (long i = 1; i <= documents->count(); ++i) {
        DocumentPtr document = documents->item(i);
        QVERIFY(document);
        texts << document->content()->text();
    }
    QVERIFY(texts.contains(QStringLiteral("collection marker\r")));
    QVERIFY(!documents->item(0));
    QVERIFY(!documents->item(documents->count() + 1));
    QVERIFY(!added->name().isEmpty());
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
    QVERIFY(!officetest::writeProperty(m_app, 6001, QStringLiteral("MiJi"), QStringLiteral("x")));
    QCOMPARE(officetest::readProperty(m_app, 6001, QStringLiteral("MiJi")), QString());

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

void TestLibreOfficeHeadless::killedOfficeAnswersNothing_data()
{
    QTest::addColumn<bool>("letEventsRun");
    QTest::newRow("before the Qt thread hears of it") << false;
    QTest::newRow("after the Qt thread heard of it") << true;
}

void TestLibreOfficeHeadless::killedOfficeAnswersNothing()
{
    QFETCH(bool, letEventsRun);

    QTemporaryDir dir;
    std::unique_ptr<WriterClient> client;
    ApplicationPtr app = start(dir.filePath(QStringLiteral("profile")), &client);
    QVERIFY(app);
    DocumentsPtr documents = app->documents();
    DocumentPtr document = documents->add();
    QVERIFY(document);
    RangePtr content = document->content();
    content->setText(QStringLiteral("before"));
    DocumentPropertiesPtr properties = document->customDocumentProperties();
    DocumentPropertyPtr property
        = properties->add(QStringLiteral("WenHao"), false, msoPropertyTypeString, "1");
    QVERIFY(property);

    const qint64 pid = libreoffice::officeProcessId(app);
    QVERIFY(officetest::processRunning(pid));
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(officetest::waitUntilGone(pid, 5000));
    if (letEventsRun)
        QTest::qWait(300);

    // Objects obtained before the death answer empty values and do nothing.
    QCOMPARE(documents->count(), 0L);
    QVERIFY(!documents->item(1));
    QVERIFY(!documents->add());
    QCOMPARE(content->text(), QString());
    content->setText(QStringLiteral("after"));
    content->insertBefore(QStringLiteral("x"));
    content->insertAfter(QStringLiteral("y"));
    QCOMPARE(document->name(), QString());
    // Until the bridge has noticed the death, a new object may still come
    // back; whatever comes back is empty and does nothing.
    const RangePtr lateContent = document->content();
    QVERIFY(!lateContent || lateContent->text().isEmpty());
    const DocumentPropertiesPtr lateProperties = document->customDocumentProperties();
    QVERIFY(!lateProperties
            || (lateProperties->count() == 0 && !lateProperties->item(QStringLiteral("WenHao"))));
    if (letEventsRun) {
        QVERIFY(!document->content());
        QVERIFY(!document->customDocumentProperties());
    }
    QCOMPARE(properties->count(), 0L);
    QVERIFY(!properties->item(QStringLiteral("WenHao")));
    QVERIFY(!properties->add(QStringLiteral("JinJi"), false, msoPropertyTypeString, "x"));
    QVERIFY(property->value().isMissing());
    QCOMPARE(property->type(), 0);
    property->setValue(QStringLiteral("2"));
    document->close();

    // The application answers null objects.
    QVERIFY(!app->activeDocument());
    QVERIFY(!app->selection());
    if (letEventsRun) {
        QVERIFY(!app->documents());
        QVERIFY(!app->applicationEx());
    } else {
        // The bridge may still be winding down: whatever comes back is empty.
        DocumentsPtr late = app->documents();
        QVERIFY(!late || (late->count() == 0 && !late->add()));
    }
    QCOMPARE(officetest::readProperty(app, 6004, QStringLiteral("WenHao")), QString());
    QVERIFY(!officetest::writeProperty(app, 6004, QStringLiteral("WenHao"), "3"));
    if (!letEventsRun) {
        // Before the death is known these may still try; they must not crash.
        libreoffice::focusWriter(app);
        QTest::qWait(300);
    }
    QVERIFY(!libreoffice::focusWriter(app));
    QCOMPARE(libreoffice::officeProcessId(app), 0LL);

    // No second start from the same client, and quitting is quick.
    ApplicationPtr again;
    QVERIFY(client->getApplication(&again) != 0);
    QVERIFY(!again);
    QElapsedTimer timer;
    timer.start();
    app->quit();
    QVERIFY(timer.elapsed() < 2000);
    QVERIFY(!officeRunsOnProfile(dir.filePath(QStringLiteral("profile"))));
}

void TestLibreOfficeHeadless::quitEndsTheOffice()
{
    DocumentPtr document = m_app->documents()->add();
    document->content()->setText(QStringLiteral("unsaved text"));
    const qint64 pid = libreoffice::officeProcessId(m_app);
    QVERIFY(officetest::processRunning(pid));

    QElapsedTimer timer;
    timer.start();
    m_app->quit(Variant(), Variant(), Variant());
    qInfo("quit with unsaved documents took %lld ms", timer.elapsed());
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(!officetest::processRunning(pid));
    QVERIFY(!officeRunsOnProfile(m_profile));

    QVERIFY(!m_app->documents());
    QVERIFY(!m_app->activeDocument());
    QVERIFY(!m_app->selection());
    QVERIFY(!m_app->applicationEx());
    QVERIFY(!document->content());
    m_app->quit();
}

void TestLibreOfficeHeadless::warmStartOnTheSameProfile()
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<WriterClient> client;
    ApplicationPtr app = start(m_profile, &client);
    QVERIFY(app);
    const qint64 started = timer.elapsed();
    QVERIFY(app->documents()->add());
    qInfo("warm headless start: %lld ms to the application, %lld ms to an editable document",
          started, timer.elapsed());
    // Warm means on the profile the first office used and released.
    QVERIFY(officeRunsOnProfile(m_profile));
    const qint64 pid = libreoffice::officeProcessId(app);
    app->quit();
    QVERIFY(!officetest::processRunning(pid));
}

QTEST_MAIN(TestLibreOfficeHeadless)
#include "tst_libreofficeheadless.moc"
