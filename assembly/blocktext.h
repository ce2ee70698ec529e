#pragma once

#include "automation/forward.h"
#include "writtenblock.h"

#include <QString>

// Paragraph-level steps the block writers share. Every helper takes null
// objects quietly: a writer that gives no object for a paragraph leaves that
// step undone, never the whole block.
namespace assembly::blocktext {

// The application's active document when it has paragraphs (Written), or
// what is missing.
WrittenBlock::Status activeDocument(const automation::ApplicationPtr &app,
                                    automation::DocumentPtr *document);

// Paragraph `index` (1-based) of the body, asked afresh: a writer's
// Paragraphs collection may be a snapshot taken before the last edit.
automation::ParagraphPtr paragraph(const automation::DocumentPtr &document, long index);
long paragraphCount(const automation::DocumentPtr &document);
// The paragraph's text without its mark; empty for a missing paragraph.
QString text(const automation::ParagraphPtr &paragraph);

void setExactSpacing(const automation::ParagraphPtr &paragraph, float points);
// Point and character-unit indents alike.
void clearIndents(const automation::ParagraphPtr &paragraph);
// Justified to both sides including the last line, one character in from
// each side of the type area.
void distributeWithinOneCharacter(const automation::ParagraphPtr &paragraph);
// Font.Name (every script) of the paragraph's text, or of `length`
// characters from `offset` in it when a length is given.
void setFontName(const automation::ParagraphPtr &paragraph, const QString &name, long offset = 0,
                 long length = -1);

} // namespace assembly::blocktext
