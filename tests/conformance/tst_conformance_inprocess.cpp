#include "conformancesuite.h"

#include "inprocess/inprocessapplication.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return runConformanceSuite([] { return inprocess::InProcessApplication::create(); }, argc,
                               argv);
}
