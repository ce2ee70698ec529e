#pragma once

#include "conformancetest.h"

// The title and signature blocks on any writer, made by the factory as in
// the conformance suite: the paragraphs they leave (text, alignment, exact
// spacing, character indents, fonts) after a small body, documents that give
// them little to work with, and on a writer that exports PDF every kind
// written as a conversion writes it on a realistic body, measured against
// the type area and the spacings (the pages are kept for a look).
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
    // character indents|font", blank runs written "{n}", the font being the
    // East Asian font of the first character and, when it differs, ".." and
    // that of the last, then the size ("-" for an empty paragraph).
    QStringList describeAll() const;
};
