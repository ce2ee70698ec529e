#include "libreoffice/lodocumentstates.h"

#include <QtTest>

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

} // namespace

// What the bindings remember about a document goes with the document, and a
// later document (often at the same address) starts with nothing of it.
class TestDocumentStates : public QObject
{
    Q_OBJECT

private slots:
    void closedDocumentIsForgotten_data();
    void closedDocumentIsForgotten();
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

QTEST_GUILESS_MAIN(TestDocumentStates)
#include "tst_lodocumentstates.moc"
