#pragma once

#include "conformancetest.h"

// The title and signature blocks on any writer: the paragraphs they leave
// (text, alignment, exact spacing, character indents, fonts) after a small
// body, and documents that give them little to work with. The writer comes
// from the factory, as in the conformance suite.
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

private:
    // Types the body, each paragraph in the body format after page
    // adaptation: 16 pt, exact 29.65 pt, two-character first-line indent.
    void prepareBody(const QStringList &paragraphs);
    // "text|alignment|exact spacing|first,left,right character indents|font
    // size"; runs of blanks in the text are written "{n}", the font is the
    // East Asian font of the first character and, when it differs, ".." and
    // that of the last.
    QString describe(long index) const;
    QStringList describeAll() const;
};
