#include "libreoffice/lowritebatch.h"

#include <QtTest>

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <cppuhelper/implbase1.hxx>

using namespace css;
using namespace libreoffice;

namespace {

// A target that records every setPropertyValues as "name=value,...".
class Target : public cppu::WeakImplHelper1<beans::XMultiPropertySet>
{
public:
    explicit Target(QStringList *calls, bool *gone)
        : m_calls(calls)
        , m_gone(gone)
    {
    }
    ~Target() override { *m_gone = true; }

    void SAL_CALL setPropertyValues(const uno::Sequence<rtl::OUString> &names,
                                    const uno::Sequence<uno::Any> &values) override
    {
        QStringList call;
        for (sal_Int32 i = 0; i < names.getLength(); ++i)
            call << QString::fromUtf16(names[i].getStr()) + '='
                    + QString::number(values[i].get<sal_Int32>());
        *m_calls << call.join(',');
    }
    uno::Reference<beans::XPropertySetInfo> SAL_CALL getPropertySetInfo() override { return {}; }
    uno::Sequence<uno::Any>
        SAL_CALL getPropertyValues(const uno::Sequence<rtl::OUString> &) override
    {
        return {};
    }
    void SAL_CALL
    addPropertiesChangeListener(const uno::Sequence<rtl::OUString> &,
                                const uno::Reference<beans::XPropertiesChangeListener> &) override
    {
    }
    void SAL_CALL removePropertiesChangeListener(
        const uno::Reference<beans::XPropertiesChangeListener> &) override
    {
    }
    void SAL_CALL
    firePropertiesChangeEvent(const uno::Sequence<rtl::OUString> &,
                              const uno::Reference<beans::XPropertiesChangeListener> &) override
    {
    }

private:
    QStringList *m_calls;
    bool *m_gone;
};

WriteBatch::Values values(const char *name, sal_Int32 value)
{
    return {{rtl::OUString::createFromAscii(name), uno::Any(value)}};
}

} // namespace

// What an office's batch sends, when, and that it goes with the office.
class TestLoWriteBatch : public QObject
{
    Q_OBJECT

private slots:
    void sends_data();
    void sends();
};

void TestLoWriteBatch::sends_data()
{
    QTest::addColumn<bool>("dropBatch");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    // Writes to one target are one call in name order, the later value of
    // a name winning; a write to another target sends the first one's.
    QTest::newRow("the event loop sends the last target's writes")
        << false << QStringList {"Height=9,Weight=7"} << QStringList {"Size=3"};
    QTest::newRow("a dropped batch sends nothing and lets its target go")
        << true << QStringList {"Height=9,Weight=7"} << QStringList();
}

void TestLoWriteBatch::sends()
{
    QFETCH(bool, dropBatch);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QStringList firstCalls, secondCalls;
    bool firstGone = false, secondGone = false;
    {
        const uno::Reference<beans::XMultiPropertySet> a(new Target(&firstCalls, &firstGone));
        const uno::Reference<beans::XMultiPropertySet> b(new Target(&secondCalls, &secondGone));
        auto batch = std::make_unique<WriteBatch>();
        batch->hold(a, values("Weight", 1));
        batch->hold(a, values("Height", 9));
        batch->hold(a, values("Weight", 7));
        QVERIFY(batch->holds(a));
        QVERIFY(firstCalls.isEmpty());
        batch->hold(b, values("Size", 3));
        QVERIFY(!batch->holds(a) && batch->holds(b));
        if (dropBatch)
            batch.reset();
        QCoreApplication::processEvents();
        QVERIFY(!batch || !batch->holds(b));
    }
    QCOMPARE(firstCalls, first);
    QCOMPARE(secondCalls, second);
    QVERIFY(firstGone && secondGone);
}

QTEST_GUILESS_MAIN(TestLoWriteBatch)
#include "tst_lowritebatch.moc"
