#pragma once

#include "conformancetest.h"

#include <QStringList>

// Runs the test classes below (or those named, for a writer that implements
// part of the object model) against writers made by the factory, with their
// Reopen when they have files; gives the failed count (at most 127) to exit with.
int runConformanceSuite(const ConformanceTest::Factory &factory, int argc, char **argv,
                        const QStringList &classes = QStringList(),
                        const ConformanceTest::Reopen &reopen = ConformanceTest::Reopen());

// Offsets, paragraph marks, inserting and replacing text, live ranges.
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

// Character and paragraph formats: what a setter reaches, mixed values, reset, indents.
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
    void characterIndentsComeBackFromFiles_data();
    void characterIndentsComeBackFromFiles();
    void rangeParagraphs();
    void fontOverCharacters_data();
    void fontOverCharacters();
    void fontNameSetsBothScripts();
    void lineSpacingRules_data();
    void lineSpacingRules();
    void alignmentChanges();
    void heldWritesReachTheOffice();
};

// Floating shapes with their text frames, tables in the body and in a frame.
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

// Sections' page setup and footers, page numbers, fields, styles, pagination.
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
};

// Documents, the selection, custom document properties and bookmarks.
class DocumentConformanceTest : public ConformanceTest
{
    Q_OBJECT

public:
    using ConformanceTest::ConformanceTest;

private slots:
    void customPropertyWrittenTwice_data();
    void customPropertyWrittenTwice();
    void documentsAddAndClose();
    void selectionFollowsRange_data();
    void selectionFollowsRange();
    void selectionFormats();
    void bookmarkFollowsEdits_data();
    void bookmarkFollowsEdits();
    void bookmarkNames();
    void addedPropertyTypes_data();
    void addedPropertyTypes();
};
