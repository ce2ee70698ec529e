#pragma once

#include "conformancetest.h"

// Each kind converted twice on any writer leaves the second run's head,
// signature, red header and imprint only, and the body once.
class ConversionTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void convertTwice_data();
    void convertTwice();

private:
    QStringList shapeNames() const;
};
