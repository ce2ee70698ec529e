#include "conformancesuite.h"
#include "sharedoffice.h"

#include <QApplication>

// The conformance suite's layout cases (shapes, tables, sections, footers,
// page numbers, fields, styles, pagination) on LibreOffice.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (const auto status = officetest::missingLibreOfficeExit())
        return *status;
    SharedOffice office;
    return runConformanceSuite(
        [&office] { return office.application(); }, argc, argv,
        {QStringLiteral("DrawingConformanceTest"), QStringLiteral("LayoutConformanceTest")});
}
