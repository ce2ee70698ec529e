#pragma once

#include "automation/document.h"
#include "propertycalllog.h"

#include <memory>

// A document that forwards everything and hands out custom properties that
// log their calls.
class RecordingDocument : public automation::Document
{
public:
    RecordingDocument(automation::DocumentPtr inner, std::shared_ptr<PropertyCallLog> log);

    QString name() const override;
    automation::ParagraphsPtr paragraphs() override;
    automation::SectionsPtr sections() override;
    automation::FieldsPtr fields() override;
    automation::StylesPtr styles() override;
    automation::TablesPtr tables() override;
    automation::ShapesPtr shapes() override;
    automation::DocumentPropertiesPtr customDocumentProperties() override;
    automation::BookmarksPtr bookmarks() override;
    automation::RangePtr range(long start, long end) override;
    automation::RangePtr content() override;
    bool printOut(const automation::PrintOutOptions &options) override;
    void close(const automation::Variant &saveChanges) override;
    bool saved() const override { return m_inner->saved(); }
    void setSaved(bool saved) override { m_inner->setSaved(saved); }
    QString fullName() const override { return m_inner->fullName(); }
    bool save() override { return m_inner->save(); }
    bool saveAs(const QString &path) override { return m_inner->saveAs(path); }
    void activate() override { m_inner->activate(); }

private:
    automation::DocumentPtr m_inner;
    std::shared_ptr<PropertyCallLog> m_log;
};
