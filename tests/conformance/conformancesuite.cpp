#include "conformancesuite.h"

#include "documentconformancetest.h"
#include "drawingconformancetest.h"
#include "formatconformancetest.h"
#include "layoutconformancetest.h"
#include "textconformancetest.h"

#include <QtTest>

int runConformanceSuite(const ConformanceTest::Factory &factory, int argc, char **argv,
                        const QStringList &classes)
{
    TextConformanceTest text(factory);
    FormatConformanceTest format(factory);
    DrawingConformanceTest drawing(factory);
    LayoutConformanceTest layout(factory);
    DocumentConformanceTest document(factory);
    int failed = 0;
    for (QObject *test :
         std::initializer_list<QObject *> {&text, &format, &drawing, &layout, &document}) {
        if (classes.isEmpty()
            || classes.contains(QString::fromLatin1(test->metaObject()->className())))
            failed += QTest::qExec(test, argc, argv);
    }
    return qMin(failed, 127);
}
