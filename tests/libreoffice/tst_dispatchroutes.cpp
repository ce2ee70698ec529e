#include "libreoffice/dispatchinterceptor.h"

#include <QtTest>

using libreoffice::DispatchInterceptor;
using libreoffice::WriterRequest;

// Which of the writer's commands stay with the office and which come to the
// host, so that no document opens in a window of the office's own.
class TestDispatchRoutes : public QObject
{
    Q_OBJECT

private slots:
    void route_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("kind"); // -1: no request

        const int host = DispatchInterceptor::ToHost;
        const int office = DispatchInterceptor::ToOffice;
        const int nowhere = DispatchInterceptor::Nowhere;
        QTest::newRow("Ctrl+O") << ".uno:Open"
                                << "" << host << int(WriterRequest::ChooseFile);
        QTest::newRow("Open with arguments") << ".uno:Open?FileName:string=x"
                                             << "" << host << int(WriterRequest::ChooseFile);
        QTest::newRow("Ctrl+N") << ".uno:AddDirect"
                                << "" << host << int(WriterRequest::NewDocument);
        QTest::newRow("New > Text Document")
            << "private:factory/swriter"
            << "_default" << host << int(WriterRequest::NewDocument);
        QTest::newRow("recent document") << "file:///tmp/a.docx"
                                         << "_default" << host << int(WriterRequest::OpenUrl);
        QTest::newRow("dropped file") << "file:///tmp/a.docx"
                                      << "_blank" << host << int(WriterRequest::OpenUrl);
        QTest::newRow("Exit") << ".uno:Quit"
                              << "" << host << int(WriterRequest::Quit);
        QTest::newRow("spreadsheet") << "private:factory/scalc"
                                     << "_blank" << nowhere << -1;
        QTest::newRow("new window") << ".uno:NewWindow"
                                    << "" << nowhere << -1;
        QTest::newRow("file into its own frame") << "file:///tmp/a.docx"
                                                 << "_self" << office << -1;
        QTest::newRow("editing") << ".uno:Bold"
                                 << "" << office << -1;
        QTest::newRow("save") << ".uno:Save"
                              << "" << office << -1;
    }

    void route()
    {
        QFETCH(QString, url);
        QFETCH(QString, target);
        QFETCH(int, route);
        QFETCH(int, kind);
        WriterRequest request {WriterRequest::Quit, QStringLiteral("unset")};
        QCOMPARE(int(DispatchInterceptor::route(url, target, &request)), route);
        if (kind >= 0) {
            QCOMPARE(int(request.kind), kind);
            QCOMPARE(request.url, kind == WriterRequest::OpenUrl ? url : QString());
        }
    }
};

QTEST_APPLESS_MAIN(TestDispatchRoutes)

#include "tst_dispatchroutes.moc"
