#include "conversiontest.h"
#include "sharedoffice.h"
#include "textblockstest.h"

#include <QApplication>
#include <QtTest>

// The title and signature blocks (their paragraph tables and every kind's
// pages measured), then the whole conversion, on LibreOffice.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const auto status = officetest::missingLibreOfficeExit())
        return *status;
    SharedOffice office;
    const auto application = [&office] { return office.application(); };
    TextBlocksTest blocks(application);
    ConversionTest conversion(application);
    return QTest::qExec(&blocks, argc, argv) | QTest::qExec(&conversion, argc, argv);
}
