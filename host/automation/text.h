#pragma once

#include "forward.h"
#include "variant.h"

#include <QString>

namespace automation {

// Character formatting of a range or selection. A getter over a range whose
// characters differ answers wdUndefined (numbers) or an empty text (names).
// Bold and Italic answer msoTrue (-1) or msoFalse (0); any non-zero value set
// means true. Color is a 0xBBGGRR value (255 is red).
class Font : public Object
{
public:
    // Name sets the font of every script (Western and East Asian); reading it
    // answers the Western font.
    virtual QString name() const = 0;
    virtual void setName(const QString &name) = 0;
    virtual QString nameFarEast() const = 0;
    virtual void setNameFarEast(const QString &name) = 0;
    virtual QString nameAscii() const = 0;
    virtual void setNameAscii(const QString &name) = 0;
    virtual float size() const = 0;
    virtual void setSize(float points) = 0;
    virtual int bold() const = 0;
    virtual void setBold(int value) = 0;
    virtual int italic() const = 0;
    virtual void setItalic(int value) = 0;
    virtual int color() const = 0;
    virtual void setColor(int bgr) = 0;
    // Horizontal scaling in percent (100 is normal).
    virtual int scaling() const = 0;
    virtual void setScaling(int percent) = 0;
};

// Paragraph formatting of every paragraph a range touches. Indents exist in
// points and in character units; a non-zero character-unit indent takes
// precedence over the point indent of the same side in the layout, and both
// values are kept and read back as set.
class ParagraphFormat : public Object
{
public:
    // Back to the paragraph style's format (left, single spacing, no indents).
    virtual void reset() = 0;
    virtual int alignment() const = 0;
    virtual void setAlignment(int alignment) = 0;
    virtual int lineSpacingRule() const = 0;
    virtual void setLineSpacingRule(int rule) = 0;
    virtual float lineSpacing() const = 0;
    virtual void setLineSpacing(float points) = 0;
    virtual float firstLineIndent() const = 0;
    virtual void setFirstLineIndent(float points) = 0;
    virtual float leftIndent() const = 0;
    virtual void setLeftIndent(float points) = 0;
    virtual float rightIndent() const = 0;
    virtual void setRightIndent(float points) = 0;
    virtual float characterUnitFirstLineIndent() const = 0;
    virtual void setCharacterUnitFirstLineIndent(float chars) = 0;
    virtual float characterUnitLeftIndent() const = 0;
    virtual void setCharacterUnitLeftIndent(float chars) = 0;
    virtual float characterUnitRightIndent() const = 0;
    virtual void setCharacterUnitRightIndent(float chars) = 0;
};

// A contiguous span of one story (the body, a footer, a text box), in
// character offsets where every paragraph mark counts as one character.
// Ranges are live: they move with edits made elsewhere in their story.
class Range : public Object
{
public:
    // The text, each paragraph mark as "\r".
    virtual QString text() const = 0;
    // Replaces the range's text. "\n" (or "\r") in the new text starts a new
    // paragraph with the formats of the paragraph it splits. A replaced
    // paragraph mark is removed, joining its paragraph with the next one,
    // except the last mark of a story or of a table cell, which stays. The
    // range then spans the new text. Replacing the whole text of the body or
    // of a header or footer also removes the shapes anchored in it.
    virtual void setText(const QString &text) = 0;
    virtual long start() const = 0;
    virtual long end() const = 0;
    virtual void setRange(long start, long end) = 0;
    virtual void select() = 0;
    // Insert at the start or at the end of the range; the range grows to
    // include the new text. Inserting after a paragraph mark puts the text at
    // the start of the next paragraph; after the last mark of a story, the
    // text starts a new last paragraph, and a paragraph break it ends with
    // becomes the story's last mark ("\n0\n\n\n" after the last paragraph
    // adds four paragraphs: "", "0", "", "").
    virtual void insertBefore(const QString &text) = 0;
    virtual void insertAfter(const QString &text) = 0;
    virtual FontPtr font() = 0;
    virtual ParagraphFormatPtr paragraphFormat() = 0;
    // The paragraphs that the range touches.
    virtual ParagraphsPtr paragraphs() = 0;
    // wdActiveEndPageNumber (3): page number, an integer Variant;
    // wdWithInTable (12): a boolean Variant.
    virtual Variant information(int item) = 0;
    // LanguageIDFarEast: the language of the range's East Asian text as a
    // Windows language id (wdSimplifiedChinese 2052); wdLanguageNone (0)
    // when the writer names none.
    virtual int languageIdFarEast() const = 0;
};

class Paragraphs : public Object
{
public:
    virtual long count() const = 0;
    // 1-based; null outside 1..count.
    virtual ParagraphPtr item(long index) = 0;
};

// A paragraph carries its format directly (as ParagraphFormat does for a
// range) and gives its range, mark included.
class Paragraph : public ParagraphFormat
{
public:
    virtual RangePtr range() = 0;
    virtual ParagraphFormatPtr format() = 0;
};

// The document's insertion point or highlighted span.
class Selection : public Object
{
public:
    virtual RangePtr range() = 0;
    virtual long start() const = 0;
    virtual long end() const = 0;
    virtual FontPtr font() = 0;
    virtual ParagraphFormatPtr paragraphFormat() = 0;
    // Page setup of the section holding the insertion point.
    virtual PageSetupPtr pageSetup() = 0;
    virtual Variant information(int item) = 0;
};

class Border : public Object
{
public:
    virtual int lineStyle() const = 0;
    virtual void setLineStyle(int style) = 0;
    // Width code: wdLineWidth050pt (4) ... wdLineWidth225pt (18).
    virtual int lineWidth() const = 0;
    virtual void setLineWidth(int code) = 0;
};

class Borders : public Object
{
public:
    // wdBorderTop (-1), wdBorderLeft (-2), wdBorderBottom (-3), wdBorderRight (-4).
    virtual BorderPtr item(int index) = 0;
};

} // namespace automation
