#include "conversiontest.h"
#include "inprocess/inprocessapplication.h"

#include <QtTest>

// The whole conversion on the in-process writer.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ConversionTest test([] { return inprocess::InProcessApplication::create(); });
    return QTest::qExec(&test, argc, argv);
}
