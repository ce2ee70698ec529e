#include "automation/variant.h"

#include <QtTest>

using namespace automation;

Q_DECLARE_METATYPE(automation::Variant)

// The Variant coercions and comparisons every command relies on (the
// centimetre-to-point rule is the conformance suite's).
class tst_AutomationValues : public QObject
{
    Q_OBJECT

private slots:
    // A missing argument is its own kind; kinds compare as well as values:
    // a page number 1 is not the boolean true.
    void equality_data()
    {
        QTest::addColumn<Variant>("a");
        QTest::addColumn<Variant>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("missing") << Variant() << Variant::missing() << true;
        QTest::newRow("missing, 0") << Variant() << Variant(0) << false;
        QTest::newRow("missing, empty text") << Variant() << Variant(QString()) << false;
        QTest::newRow("true, 1") << Variant(true) << Variant(1) << false;
        QTest::newRow("false, 0") << Variant(false) << Variant(0) << false;
        QTest::newRow("int, long") << Variant(3) << Variant(3L) << true;
        QTest::newRow("3, 4") << Variant(3) << Variant(4) << false;
        QTest::newRow("texts") << Variant(QStringLiteral("a")) << Variant("a") << true;
    }

    void equality()
    {
        QFETCH(Variant, a);
        QFETCH(Variant, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
        QCOMPARE(a != b, !equal);
    }

    void conversions_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<long>("asInt");
        QTest::addColumn<bool>("asBool");
        QTest::addColumn<QString>("asString");
        QTest::newRow("missing") << Variant() << 0L << false << QString();
        QTest::newRow("text number") << Variant(" 42 ") << 42L << true << " 42 ";
        QTest::newRow("text garbage") << Variant("abc") << 0L << true << "abc";
        QTest::newRow("text zero") << Variant("0") << 0L << false << "0";
        QTest::newRow("double") << Variant(2.75) << 2L << true << "2.75";
        QTest::newRow("true") << Variant(true) << 1L << true << "True";
        QTest::newRow("int") << Variant(-1) << -1L << true << "-1";
    }

    void conversions()
    {
        QFETCH(Variant, value);
        QFETCH(long, asInt);
        QFETCH(bool, asBool);
        QFETCH(QString, asString);
        QCOMPARE(value.toInt(), asInt);
        QCOMPARE(value.toBool(), asBool);
        QCOMPARE(value.toString(), asString);
    }
};

QTEST_APPLESS_MAIN(tst_AutomationValues)
#include "tst_automationvalues.moc"
