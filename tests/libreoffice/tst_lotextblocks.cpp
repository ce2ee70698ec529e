#include "sharedoffice.h"
#include "textblockstest.h"

#include <QApplication>
#include <QtTest>

// The title and signature blocks on LibreOffice: their paragraph tables and
// every kind's pages measured.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const auto status = officetest::missingLibreOfficeExit())
        return *status;
    SharedOffice office;
    TextBlocksTest test([&office] { return office.application(); });
    return QTest::qExec(&test, argc, argv);
}
