#pragma once

#include "conformancetest.h"

// Runs every conformance test class against writers made by the factory and
// gives the number of failed tests (capped at 127) as the exit code.
int runConformanceSuite(const ConformanceTest::Factory &factory, int argc, char **argv);
