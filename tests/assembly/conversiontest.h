#pragma once

#include "conformancetest.h"

// The whole conversion on any writer, made by the factory as in the
// conformance suite: each kind converted twice, as after a correction, leaves
// one head, signature, red header and imprint, the second's, and the body.
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
