#pragma once

#include "automation/document.h"

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// The document's bookmarks (Insert > Bookmark), stored with the document.
// The Word format keeps a bookmark that lies within one paragraph; one that
// spans paragraphs comes back cut short (the office's export writes a second
// start for it in every paragraph), so marks that must survive a .docx file
// are kept within a paragraph. A bookmark is found by its name at every call, so
// an object held across edits, saves and reloads still answers for it. A
// bookmark outside the body's own text (in a table cell, a frame, a footer)
// has no range here.
class LoBookmarks : public automation::Bookmarks
{
public:
    LoBookmarks(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model);

    long count() const override;
    automation::BookmarkPtr item(const automation::Variant &index) override;
    bool exists(const QString &name) const override;
    automation::BookmarkPtr add(const QString &name, const automation::RangePtr &range) override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
};

class LoBookmark : public automation::Bookmark
{
public:
    LoBookmark(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
               QString name);

    QString name() const override { return m_name; }
    automation::RangePtr range() override;
    void remove() override;

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_name;
};

} // namespace libreoffice
