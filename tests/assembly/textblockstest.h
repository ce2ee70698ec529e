#pragma once

#include "conformancetest.h"

// The title and signature blocks on any writer: their paragraphs, sparse
// documents, and each kind's exported pages measured.
class TextBlocksTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void titleBlock_data();
    void titleBlock();
    void signatureBlock_data();
    void signatureBlock();
    void badDocuments_data();
    void badDocuments();
    void pages_data();
    void pages();

private:
    // Each paragraph in the body format after page adaptation.
    void prepareBody(const QStringList &paragraphs);
    // Every paragraph as "text|alignment|exact spacing|first,left,right
    // character indents|first..last East Asian font size", blanks "{n}".
    QStringList describeAll() const;
};
