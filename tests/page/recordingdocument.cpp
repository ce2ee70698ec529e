#include "recordingdocument.h"

#include "recordingproperties.h"

RecordingDocument::RecordingDocument(automation::DocumentPtr inner,
                                     std::shared_ptr<PropertyCallLog> log)
    : m_inner(std::move(inner))
    , m_log(std::move(log))
{
}

QString RecordingDocument::name() const
{
    return m_inner->name();
}

automation::ParagraphsPtr RecordingDocument::paragraphs()
{
    return m_inner->paragraphs();
}

automation::SectionsPtr RecordingDocument::sections()
{
    return m_inner->sections();
}

automation::FieldsPtr RecordingDocument::fields()
{
    return m_inner->fields();
}

automation::StylesPtr RecordingDocument::styles()
{
    return m_inner->styles();
}

automation::TablesPtr RecordingDocument::tables()
{
    return m_inner->tables();
}

automation::ShapesPtr RecordingDocument::shapes()
{
    return m_inner->shapes();
}

automation::DocumentPropertiesPtr RecordingDocument::customDocumentProperties()
{
    automation::DocumentPropertiesPtr properties = m_inner->customDocumentProperties();
    if (!properties)
        return nullptr;
    return std::make_shared<RecordingProperties>(std::move(properties), m_log);
}

automation::BookmarksPtr RecordingDocument::bookmarks()
{
    return m_inner->bookmarks();
}

automation::RangePtr RecordingDocument::range(long start, long end)
{
    return m_inner->range(start, end);
}

automation::RangePtr RecordingDocument::content()
{
    return m_inner->content();
}

bool RecordingDocument::printOut(const automation::PrintOutOptions &options)
{
    return m_inner->printOut(options);
}

void RecordingDocument::close(const automation::Variant &saveChanges)
{
    m_inner->close(saveChanges);
}
