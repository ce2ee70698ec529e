#pragma once

// The object model's numeric constants, named once. Values follow the
// Word-compatible numbering that documents and the writers share.
namespace automation {

// Tri-state booleans of the object model.
constexpr int msoTrue = -1;
constexpr int msoFalse = 0;

// Answer of a getter over a range whose items disagree.
constexpr int wdUndefined = 9999999;

// Paragraph alignment.
constexpr int wdAlignParagraphLeft = 0;
constexpr int wdAlignParagraphCenter = 1;
constexpr int wdAlignParagraphRight = 2;
constexpr int wdAlignParagraphJustify = 3;
constexpr int wdAlignParagraphDistribute = 4;

// Line spacing rules.
constexpr int wdLineSpaceSingle = 0;
constexpr int wdLineSpace1pt5 = 1;
constexpr int wdLineSpaceDouble = 2;
constexpr int wdLineSpaceAtLeast = 3;
constexpr int wdLineSpaceExactly = 4;
constexpr int wdLineSpaceMultiple = 5;

// Border indexes (Borders.Item).
constexpr int wdBorderTop = -1;
constexpr int wdBorderLeft = -2;
constexpr int wdBorderBottom = -3;
constexpr int wdBorderRight = -4;
constexpr int wdBorderHorizontal = -5;
constexpr int wdBorderVertical = -6;

// Border line styles (Border.LineStyle).
constexpr int wdLineStyleNone = 0;
constexpr int wdLineStyleSingle = 1;

// Border line widths (Border.LineWidth codes, eighths of a point).
constexpr int wdLineWidth050pt = 4;
constexpr int wdLineWidth075pt = 6;
constexpr int wdLineWidth100pt = 8;
constexpr int wdLineWidth150pt = 12;
constexpr int wdLineWidth225pt = 18;

// Line styles of drawn lines and outlines (LineFormat.Style).
constexpr int msoLineSingle = 1;
constexpr int msoLineThinThin = 2;
constexpr int msoLineThinThick = 3;
constexpr int msoLineThickThin = 4;

// Dash styles (LineFormat.DashStyle).
constexpr int msoLineSolid = 1;
constexpr int msoLineSquareDot = 2;

// Positions of floating shapes relative to ... (RelativeVerticalPosition).
constexpr int wdRelativeVerticalPositionMargin = 0;
constexpr int wdRelativeVerticalPositionPage = 1;
constexpr int wdRelativeVerticalPositionParagraph = 2;
constexpr int wdRelativeVerticalPositionLine = 3;

// (RelativeHorizontalPosition).
constexpr int wdRelativeHorizontalPositionMargin = 0;
constexpr int wdRelativeHorizontalPositionPage = 1;
constexpr int wdRelativeHorizontalPositionColumn = 2;
constexpr int wdRelativeHorizontalPositionCharacter = 3;

// Special values of Shape.Left and Shape.Top.
constexpr float wdShapeCenter = -999995.0f;
constexpr float wdShapeRight = -999996.0f;
constexpr float wdShapeBottom = -999997.0f;
constexpr float wdShapeLeft = -999998.0f;
constexpr float wdShapeTop = -999999.0f;

// Shape kinds.
constexpr int msoShapeRectangle = 1;

// Text orientation of text boxes.
constexpr int msoTextOrientationHorizontal = 1;
constexpr int msoTextOrientationUpward = 2;
constexpr int msoTextOrientationDownward = 3;

// Colours. Font colours and ColorFormat.RGB are 0xBBGGRR values.
constexpr int wdColorBlack = 0;
constexpr int wdColorRed = 255;
constexpr int rgbWhite = 16777215;

// Custom document property types.
constexpr int msoPropertyTypeNumber = 1;
constexpr int msoPropertyTypeBoolean = 2;
constexpr int msoPropertyTypeDate = 3;
constexpr int msoPropertyTypeString = 4;
constexpr int msoPropertyTypeFloat = 5;

// Page orientation.
constexpr int wdOrientPortrait = 0;
constexpr int wdOrientLandscape = 1;

// Page layout grid (PageSetup.LayoutMode).
constexpr int wdLayoutModeDefault = 0;
constexpr int wdLayoutModeGrid = 1;
constexpr int wdLayoutModeLineGrid = 2;

// Field types.
constexpr int wdFieldPage = 33;

// Range.Information items.
constexpr int wdActiveEndPageNumber = 3;
constexpr int wdWithInTable = 12;

// WdLanguageID: Windows language ids.
constexpr int wdLanguageNone = 0;
constexpr int wdEnglishUS = 1033;
constexpr int wdSimplifiedChinese = 2052;

// Header and footer indexes.
constexpr int wdHeaderFooterPrimary = 1;
constexpr int wdHeaderFooterFirstPage = 2;
constexpr int wdHeaderFooterEvenPages = 3;

// Page number alignment (PageNumbers.Add).
constexpr int wdAlignPageNumberLeft = 0;
constexpr int wdAlignPageNumberCenter = 1;
constexpr int wdAlignPageNumberRight = 2;
constexpr int wdAlignPageNumberInside = 3;
constexpr int wdAlignPageNumberOutside = 4;

// Built-in styles (Styles.Item).
constexpr int wdStyleNormal = -1;
constexpr int wdStyleHeader = -32;

// Section start (Sections.Add).
constexpr int wdSectionContinuous = 0;
constexpr int wdSectionNewPage = 2;

// Table rows and cells.
constexpr int wdAlignRowLeft = 0;
constexpr int wdAlignRowCenter = 1;
constexpr int wdAlignRowRight = 2;
constexpr int wdCellAlignVerticalTop = 0;
constexpr int wdCellAlignVerticalCenter = 1;
constexpr int wdCellAlignVerticalBottom = 3;
constexpr int wdWord8TableBehavior = 0;
constexpr int wdAutoFitFixed = 0;

// Save options of Document.Close and Application.Quit.
constexpr int wdDoNotSaveChanges = 0;
constexpr int wdSaveChanges = -1;
constexpr int wdPromptToSaveChanges = -2;

} // namespace automation
