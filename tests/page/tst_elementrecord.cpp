#include "assembly/elementrecord.h"
#include "fakewriterclient.h"
#include "propertycalllog.h"
#include "watchedapplication.h"
#include "wpsmainwindow.h"

#include "automation/automation.h"
#include "inprocess/inprocessapplication.h"

#include <QtTest>

Q_DECLARE_METATYPE(automation::Variant)

namespace {

// The names and ids that documents converted before carry.
const std::pair<long, const char *> kStored[] = {
    {6001, "MiJi"},    {6002, "QiXian"},    {6003, "JinJi"},       {6004, "WenHao"},
    {6005, "BiaoTi"},  {6006, "ZhuSong"},   {6009, "ChenWenDate"}, {6010, "YinFaDate"},
    {6011, "GongKai"}, {6012, "FaWenUnit"}, {6013, "YinFaUnit"},   {6014, "QianFa"},
};

} // namespace

class TestElementRecord : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void namesAndIdsAreThoseDocumentsCarry();
    void missingKeyReadsEmpty_data();
    void missingKeyReadsEmpty();
    void everyKeyKeepsItsOwnValue();
    void writingTwiceLeavesOneProperty();
    void emptyTextIsStored();
    void otherTypesReadAsText_data();
    void otherTypesReadAsText();
    void noDocument();
    void callsCarryTheElementId();

private:
    automation::DocumentPropertiesPtr properties() const;

    std::shared_ptr<PropertyCallLog> m_log;
    std::shared_ptr<inprocess::InProcessApplication> m_inner;
    std::shared_ptr<FakeWriter> m_writer;
    std::unique_ptr<WPSMainWindow> m_page;
    automation::DocumentPtr m_document;
};

void TestElementRecord::init()
{
    m_log = std::make_shared<PropertyCallLog>();
    m_inner = inprocess::InProcessApplication::create();
    auto watched = std::make_shared<WatchedApplication>(m_inner);
    watched->recordPropertyCalls(m_log);
    m_writer = std::make_shared<FakeWriter>();
    m_writer->application = watched;
    m_page = std::make_unique<WPSMainWindow>(nullptr, fakeWriterFactory(m_writer));
    m_page->initApp();
    QVERIFY(m_page->application());

    // The test looks at the document past the logging wrapper.
    m_document = m_inner->activeDocument();
    if (!m_document)
        m_document = m_inner->documents()->add();
    QVERIFY(m_document);
    QCOMPARE(properties()->count(), 0L);
}

void TestElementRecord::cleanup()
{
    m_document.reset();
    m_page.reset();
    m_writer.reset();
    m_inner.reset();
    m_log.reset();
}

automation::DocumentPropertiesPtr TestElementRecord::properties() const
{
    return m_document->customDocumentProperties();
}

void TestElementRecord::namesAndIdsAreThoseDocumentsCarry()
{
    QCOMPARE(std::size(Element::all), std::size(kStored));
    for (size_t i = 0; i < std::size(kStored); ++i) {
        QCOMPARE(Element::all[i].id, kStored[i].first);
        QCOMPARE(Element::all[i].key(), QString::fromLatin1(kStored[i].second));
    }
}

void TestElementRecord::missingKeyReadsEmpty_data()
{
    QTest::addColumn<long>("id");
    QTest::addColumn<QString>("key");
    for (const DocumentElement &element : Element::all)
        QTest::newRow(element.name) << element.id << element.key();
}

void TestElementRecord::missingKeyReadsEmpty()
{
    QFETCH(long, id);
    QFETCH(QString, key);

    // Another element is there; the one asked for is not.
    const QString other
        = key == QLatin1String("MiJi") ? QStringLiteral("JinJi") : QStringLiteral("MiJi");
    m_page->writegwinfo(Element::MiJi.id, other, QStringLiteral("秘密"));

    const QString value = m_page->readgwinfo(id, key);
    QVERIFY(value.isEmpty());
    QCOMPARE(properties()->count(), 1L);
    QVERIFY(!properties()->item(automation::Variant(key)));
}

void TestElementRecord::everyKeyKeepsItsOwnValue()
{
    for (const DocumentElement &element : Element::all)
        m_page->writegwinfo(element.id, element.key(), QStringLiteral("值-%1").arg(element.id));

    QCOMPARE(properties()->count(), long(std::size(Element::all)));
    for (const DocumentElement &element : Element::all) {
        const QString key = element.key();
        QCOMPARE(m_page->readgwinfo(element.id, key), QStringLiteral("值-%1").arg(element.id));
        const automation::DocumentPropertyPtr property
            = properties()->item(automation::Variant(key));
        QVERIFY2(property, element.name);
        QCOMPARE(property->type(), automation::msoPropertyTypeString);
        QCOMPARE(property->value().toString(), QStringLiteral("值-%1").arg(element.id));
    }
}

void TestElementRecord::writingTwiceLeavesOneProperty()
{
    m_page->writegwinfo(Element::WenHao, QStringLiteral("国办发〔2024〕1号"));
    m_page->writegwinfo(Element::WenHao, QStringLiteral("国办发〔2024〕2号"));

    QCOMPARE(properties()->count(), 1L);
    QCOMPARE(m_page->readgwinfo(Element::WenHao), QStringLiteral("国办发〔2024〕2号"));
    QCOMPARE(properties()->item(automation::Variant(QStringLiteral("WenHao")))->value().toString(),
             QStringLiteral("国办发〔2024〕2号"));
}

void TestElementRecord::emptyTextIsStored()
{
    m_page->writegwinfo(Element::GongKai, QString());

    QCOMPARE(properties()->count(), 1L);
    const automation::DocumentPropertyPtr property
        = properties()->item(automation::Variant(QStringLiteral("GongKai")));
    QVERIFY(property);
    QCOMPARE(property->type(), automation::msoPropertyTypeString);
    QVERIFY(property->value().toString().isEmpty());
    QVERIFY(m_page->readgwinfo(Element::GongKai).isEmpty());

    // Overwriting an empty value with text, and text with empty text.
    m_page->writegwinfo(Element::GongKai, QStringLiteral("主动公开"));
    QCOMPARE(m_page->readgwinfo(Element::GongKai), QStringLiteral("主动公开"));
    m_page->writegwinfo(Element::GongKai, QString());
    QVERIFY(m_page->readgwinfo(Element::GongKai).isEmpty());
    QCOMPARE(properties()->count(), 1L);
}

void TestElementRecord::otherTypesReadAsText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<automation::Variant>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("number") << automation::msoPropertyTypeNumber << automation::Variant(42)
                            << QStringLiteral("42");
    QTest::newRow("float") << automation::msoPropertyTypeFloat << automation::Variant(2.5)
                           << QStringLiteral("2.5");
}

void TestElementRecord::otherTypesReadAsText()
{
    QFETCH(int, type);
    QFETCH(automation::Variant, value);
    QFETCH(QString, text);

    // Set by some other program.
    properties()->add(QStringLiteral("JinJi"), false, type, value);

    QCOMPARE(m_page->readgwinfo(Element::JinJi), text);
}

void TestElementRecord::noDocument()
{
    m_page->writegwinfo(Element::MiJi, QStringLiteral("机密"));
    m_document->close();
    m_document.reset();
    QVERIFY(!m_inner->activeDocument());

    QVERIFY(m_page->readgwinfo(Element::MiJi).isEmpty());
    m_page->writegwinfo(Element::JinJi, QStringLiteral("特急"));

    // The write was not kept for a document opened later.
    m_document = m_inner->documents()->add();
    QVERIFY(m_document);
    QCOMPARE(properties()->count(), 0L);
    QVERIFY(m_page->readgwinfo(Element::JinJi).isEmpty());
}

void TestElementRecord::callsCarryTheElementId()
{
    const QString item = QStringLiteral("item String:QianFa 6014");

    m_log->calls.clear();
    QVERIFY(m_page->readgwinfo(Element::QianFa).isEmpty());
    QCOMPARE(m_log->calls, QStringList {item});

    m_log->calls.clear();
    m_page->writegwinfo(Element::QianFa, QStringLiteral("张三"));
    QCOMPARE(m_log->calls,
             (QStringList {item,
                           QStringLiteral("add QianFa link=0 type=4 value=String:张三 "
                                          "source=Int:0 6014")}));

    m_log->calls.clear();
    m_page->writegwinfo(Element::QianFa, QStringLiteral("李四"));
    QCOMPARE(m_log->calls, (QStringList {item, QStringLiteral("setValue String:李四 6014")}));

    m_log->calls.clear();
    QCOMPARE(m_page->readgwinfo(Element::QianFa), QStringLiteral("李四"));
    QCOMPARE(m_log->calls, (QStringList {item, QStringLiteral("value 6014")}));
}

QTEST_MAIN(TestElementRecord)
#include "tst_elementrecord.moc"
