#include "automation/measures.h"
#include "automation/variant.h"

#include <QtTest>

using namespace automation;

Q_DECLARE_METATYPE(automation::Variant)

// The shared value rules every command relies on: the centimetre-to-point
// conversion and the Variant coercions and comparisons.
class tst_AutomationValues : public QObject
{
    Q_OBJECT

private slots:
    void centimetersToPoints_data()
    {
        QTest::addColumn<double>("cm");
        QTest::addColumn<float>("points");
        QTest::newRow("type area left edge") << 2.8 << 79.370079f;
        QTest::newRow("type area width") << 15.6 << 442.204724f;
        QTest::newRow("page width") << 21.0 << 595.275591f;
        QTest::newRow("page height") << 29.7 << 841.889764f;
        QTest::newRow("inch") << 2.54 << 72.0f;
        QTest::newRow("negative offset") << -4.6 << -130.393701f;
        QTest::newRow("zero") << 0.0 << 0.0f;
    }

    // Lengths are computed in double precision and handed on in single
    // precision, so the result must equal the rounded double exactly.
    void centimetersToPoints()
    {
        QFETCH(double, cm);
        QFETCH(float, points);
        const float result = automation::centimetersToPoints(cm);
        QCOMPARE(result, static_cast<float>(cm / 2.54 * 72.0));
        QVERIFY(qAbs(result - points) < 1e-3f);
    }

    // A missing argument is its own kind, distinct from 0 and from "".
    void missingIsDistinct()
    {
        QVERIFY(Variant().isMissing());
        QVERIFY(Variant::missing() == Variant());
        QVERIFY(Variant(0) != Variant());
        QVERIFY(Variant(QString()) != Variant());
        QCOMPARE(Variant().toInt(), 0L);
        QCOMPARE(Variant().toString(), QString());
    }

    // Booleans and integers compare by kind as well as value: a page number
    // 1 is not the boolean true.
    void kindsCompareStrictly()
    {
        QVERIFY(Variant(true) != Variant(1));
        QVERIFY(Variant(false) != Variant(0));
        QVERIFY(Variant(3) == Variant(3L));
        QVERIFY(Variant(3) != Variant(4));
        QVERIFY(Variant(QStringLiteral("a")) == Variant("a"));
    }

    void conversions_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<long>("asInt");
        QTest::addColumn<bool>("asBool");
        QTest::addColumn<QString>("asString");
        QTest::newRow("text number")
            << Variant(QStringLiteral(" 42 ")) << 42L << true << QStringLiteral(" 42 ");
        QTest::newRow("text garbage")
            << Variant(QStringLiteral("abc")) << 0L << true << QStringLiteral("abc");
        QTest::newRow("text zero")
            << Variant(QStringLiteral("0")) << 0L << false << QStringLiteral("0");
        QTest::newRow("double") << Variant(2.75) << 2L << true << QStringLiteral("2.75");
        QTest::newRow("true") << Variant(true) << 1L << true << QStringLiteral("True");
        QTest::newRow("int") << Variant(-1) << -1L << true << QStringLiteral("-1");
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
