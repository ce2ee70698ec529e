#include "conformancesuite.h"

#include "documentconformancetest.h"
#include "drawingconformancetest.h"
#include "formatconformancetest.h"
#include "layoutconformancetest.h"
#include "textconformancetest.h"

#include <QtTest>

int runConformanceSuite(const ConformanceTest::Factory &factory, int argc, char **argv)
{
    TextConformanceTest text(factory);
    FormatConformanceTest format(factory);
    DrawingConformanceTest drawing(factory);
    LayoutConformanceTest layout(factory);
    DocumentConformanceTest document(factory);
    int failed = 0;
    for (QObject *test :
         std::initializer_list<QObject *> {&text, &format, &drawing, &layout, &document})
        failed += QTest::qExec(test, argc, argv);
    return qMin(failed, 127);
}
