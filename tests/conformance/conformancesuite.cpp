#include "conformancesuite.h"

#include <QtTest>

int runConformanceSuite(const ConformanceTest::Factory &factory, int argc, char **argv,
                        const QStringList &classes, const ConformanceTest::Reopen &reopen)
{
    TextConformanceTest text(factory, reopen);
    FormatConformanceTest format(factory, reopen);
    DrawingConformanceTest drawing(factory, reopen);
    LayoutConformanceTest layout(factory, reopen);
    DocumentConformanceTest document(factory, reopen);
    int failed = 0;
    for (QObject *test :
         std::initializer_list<QObject *> {&text, &format, &drawing, &layout, &document}) {
        if (classes.isEmpty()
            || classes.contains(QString::fromLatin1(test->metaObject()->className())))
            failed += QTest::qExec(test, argc, argv);
    }
    return qMin(failed, 127);
}
