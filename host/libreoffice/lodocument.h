#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// A Writer document: its collections are bound by the text, layout and
// drawing parts of the LibreOffice writer (lotext, lolayout, loshapes,
// lotables), its custom properties here.
class LoDocument : public automation::Document
{
public:
    LoDocument(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

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
    // wdSaveChanges (-1) or true stores a document that has a file first;
    // anything else discards unsaved changes.
    void close(const automation::Variant &saveChanges) override;
    bool saved() const override;
    void setSaved(bool saved) override;
    QString fullName() const override;
    bool save() override;
    bool saveAs(const QString &path) override;
    void activate() override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

} // namespace libreoffice
