#pragma once

#include <memory>

// Forward declarations of the object model's interfaces and their shared
// pointer types. An object that the writer does not give back is a null
// pointer; holders release objects by dropping their pointers.
namespace automation {

#define AUTOMATION_DECLARE(Name)                                                                   \
    class Name;                                                                                    \
    using Name##Ptr = std::shared_ptr<Name>;

AUTOMATION_DECLARE(Application)
AUTOMATION_DECLARE(ApplicationEx)
AUTOMATION_DECLARE(Documents)
AUTOMATION_DECLARE(Document)
AUTOMATION_DECLARE(Selection)
AUTOMATION_DECLARE(Range)
AUTOMATION_DECLARE(Font)
AUTOMATION_DECLARE(ParagraphFormat)
AUTOMATION_DECLARE(Paragraphs)
AUTOMATION_DECLARE(Paragraph)
AUTOMATION_DECLARE(Borders)
AUTOMATION_DECLARE(Border)
AUTOMATION_DECLARE(Shapes)
AUTOMATION_DECLARE(Shape)
AUTOMATION_DECLARE(FillFormat)
AUTOMATION_DECLARE(LineFormat)
AUTOMATION_DECLARE(ColorFormat)
AUTOMATION_DECLARE(TextFrame)
AUTOMATION_DECLARE(Tables)
AUTOMATION_DECLARE(Table)
AUTOMATION_DECLARE(Rows)
AUTOMATION_DECLARE(Row)
AUTOMATION_DECLARE(Cells)
AUTOMATION_DECLARE(Cell)
AUTOMATION_DECLARE(Sections)
AUTOMATION_DECLARE(Section)
AUTOMATION_DECLARE(PageSetup)
AUTOMATION_DECLARE(HeadersFooters)
AUTOMATION_DECLARE(HeaderFooter)
AUTOMATION_DECLARE(PageNumbers)
AUTOMATION_DECLARE(PageNumber)
AUTOMATION_DECLARE(Fields)
AUTOMATION_DECLARE(Field)
AUTOMATION_DECLARE(Styles)
AUTOMATION_DECLARE(Style)
AUTOMATION_DECLARE(DocumentProperties)
AUTOMATION_DECLARE(DocumentProperty)
AUTOMATION_DECLARE(Bookmarks)
AUTOMATION_DECLARE(Bookmark)

#undef AUTOMATION_DECLARE

// Base of every interface: objects are only used through pointers.
class Object
{
public:
    virtual ~Object() = default;

protected:
    Object() = default;
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;
};

} // namespace automation
