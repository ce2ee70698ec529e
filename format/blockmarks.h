#pragma once

#include "automation/forward.h"

#include <QVector>

namespace format {

// The paragraphs a conversion writes into the user's document (the head
// above the text, the signature below it) carry marks, so that the next
// conversion replaces exactly them and the layout commands leave them as the
// conversion set them, whatever the user typed around them.
//
// A mark is a bookmark within one paragraph (over its text, or empty in an
// empty paragraph): such bookmarks survive a .docx file, while one spanning
// paragraphs does not. Their names start "_qvx_" (hidden in Word's bookmark
// list) and the block's name. A paragraph the user adds among the marked ones
// has no mark and stays; text typed into a marked paragraph goes with it.
enum class Block { Head, Signature };

// Marks paragraphs first .. last (1-based, inclusive) of the document as
// written by the block, in addition to the block's earlier marks.
void markParagraphs(const automation::DocumentPtr &document, Block block, long first, long last);

// The ranges of the paragraphs that carry a mark of the block, in document
// order, each over the whole paragraph with its mark.
QVector<automation::RangePtr> markedParagraphs(const automation::DocumentPtr &document,
                                               Block block);

// Deletes the block's marked paragraphs and their marks; the user's text
// around them stays. Answers how many paragraphs went.
int removeMarkedParagraphs(const automation::DocumentPtr &document, Block block);

} // namespace format
