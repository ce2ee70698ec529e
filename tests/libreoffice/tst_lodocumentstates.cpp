#include "libreoffice/lodocumentstates.h"
#include "libreoffice/lowritebatch.h"

#include <QtTest>

#include <com/sun/star/beans/XMultiPropertySet.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <cppuhelper/implbase1.hxx>

using namespace css;
using namespace libreoffice;

namespace {

// A document that tells when it is gone; once closed, its calls throw as a
// closed office document's do.
class FakeDocument : public cppu::WeakImplHelper1<frame::XModel>
{
public:
    ~FakeDocument() override { *gone = true; }
    bool *gone = nullptr;
    bool closed = false;

    rtl::OUString SAL_CALL getURL() override
    {
        if (closed)
            throw lang::DisposedException();
        return {};
    }
    sal_Bool SAL_CALL attachResource(const rtl::OUString &,
                                     const uno::Sequence<beans::PropertyValue> &) override
    {
        return false;
    }
    uno::Sequence<beans::PropertyValue> SAL_CALL getArgs() override { return {}; }
    void SAL_CALL connectController(const uno::Reference<frame::XController> &) override { }
    void SAL_CALL disconnectController(const uno::Reference<frame::XController> &) override { }
    void SAL_CALL lockControllers() override { }
    void SAL_CALL unlockControllers() override { }
    sal_Bool SAL_CALL hasControllersLocked() override { return false; }
    uno::Reference<frame::XController> SAL_CALL getCurrentController() override { return {}; }
    void SAL_CALL setCurrentController(const uno::Reference<frame::XController> &) override { }
    uno::Reference<uno::XInterface> SAL_CALL getCurrentSelection() override { return {}; }
    void SAL_CALL dispose() override { }
    void SAL_CALL addEventListener(const uno::Reference<lang::XEventListener> &) override { }
    void SAL_CALL removeEventListener(const uno::Reference<lang::XEventListener> &) override { }
};

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

// What the bindings remember about a document goes with the document, and a
// later document (often at the same address) starts with nothing of it; what
// an office's write batch sends, when, and that it goes with the office.
class TestDocumentStates : public QObject
{
    Q_OBJECT

private slots:
    void closedDocumentIsForgotten_data();
    void closedDocumentIsForgotten();
    void writeBatchSends_data();
    void writeBatchSends();
};

void TestDocumentStates::closedDocumentIsForgotten_data()
{
    QTest::addColumn<bool>("byOffice"); // else by the user, found when another comes
    QTest::newRow("closed through the office") << true;
    QTest::newRow("closed by the user") << false;
}

void TestDocumentStates::closedDocumentIsForgotten()
{
    QFETCH(bool, byOffice);
    bool firstGone = false, laterGone = false; // outlive the states
    DocumentStates states;
    auto *first = new FakeDocument;
    first->gone = &firstGone;
    uno::Reference<frame::XModel> model(first);
    states.of(model).sections.setLinked(QStringLiteral("Standard"), false, 1, true);
    if (byOffice)
        states.drop(model);
    else
        first->closed = true;
    model.clear();

    auto *later = new FakeDocument;
    later->gone = &laterGone;
    const SectionNotes &notes = states.of(uno::Reference<frame::XModel>(later)).sections;
    QVERIFY(firstGone);
    QVERIFY(!notes.linked(QStringLiteral("Standard"), false, 1));
}

void TestDocumentStates::writeBatchSends_data()
{
    QTest::addColumn<bool>("dropBatch");
    QTest::newRow("the event loop sends the last target's writes") << false;
    QTest::newRow("a dropped batch sends nothing and lets its target go") << true;
}

// Writes to one target are one call in name order, the later value of a
// name winning; a write to another target sends the first one's.
void TestDocumentStates::writeBatchSends()
{
    QFETCH(bool, dropBatch);
    QStringList firstCalls, secondCalls;
    bool firstGone = false, secondGone = false;
    {
        const uno::Reference<beans::XMultiPropertySet> a(new Target(&firstCalls, &firstGone));
        const uno::Reference<beans::XMultiPropertySet> b(new Target(&secondCalls, &secondGone));
        auto batch = std::make_unique<WriteBatch>();
        batch->hold(a, values("Weight", 1));
        batch->hold(a, values("Height", 9));
        batch->hold(a, values("Weight", 7));
        QVERIFY(batch->holds(a) && firstCalls.isEmpty());
        batch->hold(b, values("Size", 3));
        QVERIFY(!batch->holds(a) && batch->holds(b));
        if (dropBatch)
            batch.reset();
        QCoreApplication::processEvents();
        QVERIFY(!batch || !batch->holds(b));
    }
    QCOMPARE(firstCalls, QStringList {"Height=9,Weight=7"});
    QCOMPARE(secondCalls, dropBatch ? QStringList() : QStringList {"Size=3"});
    QVERIFY(firstGone && secondGone);
}

QTEST_GUILESS_MAIN(TestDocumentStates)
#include "tst_lodocumentstates.moc"
