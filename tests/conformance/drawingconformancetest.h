#pragma once

#include "conformancetest.h"

// Floating shapes with their text frames, and tables in the body and in a
// text frame.
class DrawingConformanceTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void propertiesReadBack_data();
    void propertiesReadBack();
    void shapeKinds_data();
    void shapeKinds();
    void deleteNamedShapesWalkingDown_data();
    void deleteNamedShapesWalkingDown();
    void shapeAnchor_data();
    void shapeAnchor();
    void tableBeforeParagraph_data();
    void tableBeforeParagraph();
    void tableCellsAndRows();
    void editsAroundATable();
    void tableInTextFrame();
    void walkSelectingParagraphs();
};
