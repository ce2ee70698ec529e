#pragma once

#include "conformancetest.h"

// Character offsets, paragraph marks, inserting and replacing text, live
// ranges, and the edit sequences the title and signature blocks perform.
class TextConformanceTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void insertedBreaksStartParagraphs_data();
    void insertedBreaksStartParagraphs();
    void insertAroundParagraphMarks_data();
    void insertAroundParagraphMarks();
    void setTextReplaces_data();
    void setTextReplaces();
    void joinedParagraphKeepsNextFormat();
    void newParagraphsTakeSplitFormat_data();
    void newParagraphsTakeSplitFormat();
    void rangesMoveWithEdits();
    void paragraphRangesFollowEdits();
};
