#pragma once

#include "conformancetest.h"

// The whole conversion on any writer, made by the factory as in the
// conformance suite: each kind converted from a realistic body and converted
// again with other elements, as a user does after a correction. The document
// must then hold one head, one signature, one red header and one imprint,
// the second conversion's, and the user's body as it was.
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
