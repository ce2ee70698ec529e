#include "inprocess/inprocessapplication.h"
#include "textblockstest.h"

#include <QtTest>

// The title and signature blocks on the in-process writer.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    TextBlocksTest test([] { return inprocess::InProcessApplication::create(); });
    return QTest::qExec(&test, argc, argv);
}
