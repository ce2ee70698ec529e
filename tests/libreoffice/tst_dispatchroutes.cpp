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

        const int host = DispatchInterceptor::ToHost, office = DispatchInterceptor::ToOffice;
        const int nowhere = DispatchInterceptor::Nowhere;
        const std::tuple<const char *, const char *, const char *, int, int> rows[]
            = {{"Ctrl+O", ".uno:Open", "", host, WriterRequest::ChooseFile},
               {"Open with arguments", ".uno:Open?FileName:string=x", "", host,
                WriterRequest::ChooseFile},
               {"Ctrl+N", ".uno:AddDirect", "", host, WriterRequest::NewDocument},
               {"New > Text Document", "private:factory/swriter", "_default", host,
                WriterRequest::NewDocument},
               {"recent document", "file:///tmp/a.docx", "_default", host, WriterRequest::OpenUrl},
               {"dropped file", "file:///tmp/a.docx", "_blank", host, WriterRequest::OpenUrl},
               {"Exit", ".uno:Quit", "", host, WriterRequest::Quit},
               {"spreadsheet", "private:factory/scalc", "_blank", nowhere, -1},
               {"new window", ".uno:NewWindow", "", nowhere, -1},
               {"file into its own frame", "file:///tmp/a.docx", "_self", office, -1},
               {"editing", ".uno:Bold", "", office, -1},
               {"save", ".uno:Save", "", office, -1}};
        for (const auto &[name, url, target, route, kind] : rows)
            QTest::newRow(name) << QString(url) << QString(target) << route << kind;
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
