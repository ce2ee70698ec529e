#include "conversiontest.h"
#include "sharedoffice.h"

#include <QApplication>
#include <QtTest>

// The whole conversion on LibreOffice.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const auto status = officetest::missingLibreOfficeExit())
        return *status;
    SharedOffice office;
    ConversionTest test([&office] { return office.application(); });
    return QTest::qExec(&test, argc, argv);
}
