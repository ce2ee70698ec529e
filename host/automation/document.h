#pragma once

#include "forward.h"
#include "variant.h"

#include <QString>

#include <array>

namespace automation {

class Field : public Object
{
public:
    virtual int type() const = 0;
    virtual RangePtr result() = 0;
};

class Fields : public Object
{
public:
    virtual long count() const = 0;
    // Inserts a field at the range (replacing its text). A field counts as
    // one character in offsets.
    virtual FieldPtr add(const RangePtr &range, const Variant &type = Variant(),
                         const Variant &text = Variant(),
                         const Variant &preserveFormatting = Variant())
        = 0;
};

class Style : public Object
{
public:
    virtual QString nameLocal() const = 0;
    virtual FontPtr font() = 0;
    virtual ParagraphFormatPtr paragraphFormat() = 0;
    virtual BordersPtr borders() = 0;
};

class Styles : public Object
{
public:
    // By built-in index (wdStyleNormal -1, wdStyleHeader -32) or by name.
    virtual StylePtr item(const Variant &index) = 0;
};

class DocumentProperty : public Object
{
public:
    virtual QString name() const = 0;
    virtual int type() const = 0;
    // The locale argument is passed through as callers give it.
    virtual Variant value(long lcid = 0) const = 0;
    virtual void setValue(const Variant &value, long lcid = 0) = 0;
};

// Custom document properties; they are stored with the document.
class DocumentProperties : public Object
{
public:
    virtual long count() const = 0;
    // By name or by 1-based index; null when there is no such property.
    virtual DocumentPropertyPtr item(const Variant &index, long lcid = 0) = 0;
    virtual DocumentPropertyPtr add(const QString &name, bool linkToContent, int type,
                                    const Variant &value, const Variant &linkSource = Variant(),
                                    long lcid = 0)
        = 0;
};

// A named span of the body, stored with the document. Its range follows the
// edits: text inserted before it moves it, text inserted or deleted inside it
// widens or narrows it. Names are compared whole and case-sensitively.
class Bookmark : public Object
{
public:
    virtual QString name() const = 0;
    // The marked span as it is now; null once the bookmark is gone.
    virtual RangePtr range() = 0;
    // Removes the mark; the text stays (Delete in the object model).
    virtual void remove() = 0;
};

class Bookmarks : public Object
{
public:
    virtual long count() const = 0;
    // By name, or by 1-based index in the writer's order; null when there
    // is no such bookmark.
    virtual BookmarkPtr item(const Variant &index) = 0;
    virtual bool exists(const QString &name) const = 0;
    // Marks the range of the body under the name; a bookmark of the same
    // name is moved there, so a name is never there twice. Null when the
    // range is not one of the body.
    virtual BookmarkPtr add(const QString &name, const RangePtr &range) = 0;
};

// The eighteen optional arguments of Document.PrintOut, all missing unless set.
struct PrintOutOptions
{
    Variant background, append, range, outputFileName, from, to, item, copies, pages, pageType,
        printToFile, collate, activePrinterMacGX, manualDuplexPrint, printZoomColumn, printZoomRow,
        printZoomPaperWidth, printZoomPaperHeight;
};

class Document : public Object
{
public:
    virtual QString name() const = 0;
    virtual ParagraphsPtr paragraphs() = 0;
    virtual SectionsPtr sections() = 0;
    virtual FieldsPtr fields() = 0;
    virtual StylesPtr styles() = 0;
    virtual TablesPtr tables() = 0;
    virtual ShapesPtr shapes() = 0;
    virtual DocumentPropertiesPtr customDocumentProperties() = 0;
    virtual BookmarksPtr bookmarks() = 0;
    // A range of the body.
    virtual RangePtr range(long start, long end) = 0;
    virtual RangePtr content() = 0;
    // Prints the whole document once with the writer's current printer and
    // settings. False when the writer reports a failure.
    virtual bool printOut(const PrintOutOptions &options = PrintOutOptions()) = 0;
    // Closes the document; unsaved changes are discarded unless asked.
    virtual void close(const Variant &saveChanges = Variant()) = 0;

    // Saved: true while the document has no changes since it was opened,
    // made or last saved.
    virtual bool saved() const = 0;
    // Setting Saved: true marks the document as having no changes to save
    // (closing it does not ask), false as having some.
    virtual void setSaved(bool saved) = 0;
    // FullName: the file the document is stored in; empty for a document
    // that has never been saved.
    virtual QString fullName() const = 0;
    // Save: stores the document in its file. False when it has none or the
    // writer reports a failure.
    virtual bool save() = 0;
    // SaveAs2: stores the document as the file at path, in the format its
    // extension names (.docx unless .doc, .odt or .rtf), and makes that file
    // the document's own. False when the writer reports a failure.
    virtual bool saveAs(const QString &path) = 0;
    // Activate: makes the document the active one, shown in the writer.
    virtual void activate() = 0;
};

class Documents : public Object
{
public:
    virtual long count() const = 0;
    virtual DocumentPtr item(long index) = 0;
    // A new empty document, which becomes the active one.
    virtual DocumentPtr add() = 0;
    // Open: the document in the file at path, which becomes the active one;
    // null when the writer cannot read it.
    virtual DocumentPtr open(const QString &path) = 0;
};

} // namespace automation
