#pragma once

#include "conformancetest.h"

// Character and paragraph formats of ranges and paragraphs: what a setter
// reaches, what a getter answers over mixed values, reset and indents.
class FormatConformanceTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void paragraphFormatReachesTouchedParagraphs();
    void paragraphFormatMixedIsUndefined_data();
    void paragraphFormatMixedIsUndefined();
    void paragraphFormatReset();
    void pointAndCharacterIndentsAreIndependent_data();
    void pointAndCharacterIndentsAreIndependent();
    void paragraphCarriesItsFormat();
    void characterIndentsComeBackFromFiles_data();
    void characterIndentsComeBackFromFiles();
    void rangeParagraphs();
    void fontOverCharacters_data();
    void fontOverCharacters();
    void fontNameSetsBothScripts();
    void lineSpacingRules_data();
    void lineSpacingRules();
    void alignmentChanges_data();
    void alignmentChanges();
    void heldWritesReachTheOffice();
};
