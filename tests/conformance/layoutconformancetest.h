#pragma once

#include "conformancetest.h"

// Sections with their page setup and footers, page numbers and fields,
// built-in styles, and which page text lands on.
class LayoutConformanceTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void pageSetupReadsBack_data();
    void pageSetupReadsBack();
    void newSectionCopiesPageSetup();
    void footerLinking();
    void pageNumberFooter();
    void pageFieldInFooterTextBox();
    void pageFieldCountsAsOneCharacter();
    void pagination_data();
    void pagination();
    void builtInStyles();
    void emptyingFooterRemovesItsBoxes();
    void orientationTurnsThePage();
};
