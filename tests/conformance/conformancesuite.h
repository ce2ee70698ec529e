#pragma once

#include "conformancetest.h"

#include <QStringList>

// Runs the conformance test classes against writers made by the factory and
// gives the number of failed tests (capped at 127) as the exit code. With a
// list of class names, only those classes run (for a writer that implements
// part of the object model so far), and with files, their Reopen.
int runConformanceSuite(const ConformanceTest::Factory &factory, int argc, char **argv,
                        const QStringList &classes = QStringList(),
                        const ConformanceTest::Reopen &reopen = ConformanceTest::Reopen());
