#include "objects.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace automation;

namespace inprocess {

namespace {

class FieldImpl : public automation::Field
{
public:
    FieldImpl(int type, RangePtr result)
        : m_type(type)
        , m_result(std::move(result))
    {
    }
    int type() const override { return m_type; }
    RangePtr result() override { return m_result; }

private:
    int m_type;
    RangePtr m_result;
};

class FieldsImpl : public Fields
{
public:
    explicit FieldsImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }
    long count() const override
    {
        long n = 0;
        for (const auto &p : m_doc->body->paragraphs) {
            for (const auto &c : p->chars)
                n += c.field ? 1 : 0;
        }
        return n;
    }
    // The field replaces the range's text and stands as one character.
    FieldPtr add(const RangePtr &range, const Variant &type, const Variant &,
                 const Variant &) override
    {
        auto r = std::dynamic_pointer_cast<RangeImpl>(range);
        if (!r)
            return nullptr;
        const StoryPtr story = r->story();
        story->deleteText(r->start(), r->end());
        const long at = story->insertText(r->start(), QString(QChar(model::kFieldChar)));
        long ps = 0;
        const int index = story->paragraphAt(at, &ps);
        const int fieldType = type.isMissing() ? -1 : int(type.toInt());
        story->paragraphs[index]->chars[at - ps].field
            = std::make_shared<model::Field>(model::Field {fieldType});
        r->setRange(at, at + 1);
        return std::make_shared<FieldImpl>(fieldType, RangeImpl::make(m_doc, story, at, at + 1));
    }

private:
    DocModel m_doc;
};

class StyleImpl : public automation::Style
{
public:
    StyleImpl(DocModel doc, int index)
        : m_doc(std::move(doc))
        , m_index(index)
    {
    }
    QString nameLocal() const override { return m_doc->styles.at(m_index).name; }
    FontPtr font() override
    {
        auto doc = m_doc;
        const int index = m_index;
        return std::make_shared<FontImpl>(m_doc, [doc, index] {
            return std::vector<model::CharFormat *> {&doc->styles.at(index).font};
        });
    }
    ParagraphFormatPtr paragraphFormat() override
    {
        auto doc = m_doc;
        const int index = m_index;
        return std::make_shared<ParagraphFormatImpl>(m_doc, [doc, index] {
            return std::vector<model::ParaFormat *> {&doc->styles.at(index).paragraph};
        });
    }
    BordersPtr borders() override
    {
        auto doc = m_doc;
        const int index = m_index;
        return std::make_shared<BordersImpl>(
            [doc, index] { return &doc->styles.at(index).borders; });
    }

private:
    DocModel m_doc;
    int m_index;
};

class StylesImpl : public Styles
{
public:
    explicit StylesImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }
    StylePtr item(const Variant &index) override
    {
        if (index.isString()) {
            for (const auto &[i, style] : m_doc->styles) {
                if (style.name == index.toString())
                    return std::make_shared<StyleImpl>(m_doc, i);
            }
            return nullptr;
        }
        const int i = int(index.toInt());
        if (!m_doc->styles.count(i))
            return nullptr;
        return std::make_shared<StyleImpl>(m_doc, i);
    }

private:
    DocModel m_doc;
};

model::Property *findProperty(model::Document &doc, const QString &name)
{
    for (auto &p : doc.properties) {
        if (p.name == name)
            return &p;
    }
    return nullptr;
}

Variant storedValue(int type, const Variant &value)
{
    return type == msoPropertyTypeString ? Variant(value.toString()) : value;
}

class DocumentPropertyImpl : public DocumentProperty
{
public:
    DocumentPropertyImpl(DocModel doc, QString name)
        : m_doc(std::move(doc))
        , m_name(std::move(name))
    {
    }
    QString name() const override { return m_name; }
    int type() const override
    {
        const model::Property *p = findProperty(*m_doc, m_name);
        return p ? p->type : 0;
    }
    Variant value(long) const override
    {
        const model::Property *p = findProperty(*m_doc, m_name);
        return p ? p->value : Variant();
    }
    void setValue(const Variant &value, long) override
    {
        if (model::Property *p = findProperty(*m_doc, m_name))
            p->value = storedValue(p->type, value);
    }

private:
    DocModel m_doc;
    QString m_name;
};

class DocumentPropertiesImpl : public DocumentProperties
{
public:
    explicit DocumentPropertiesImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }
    long count() const override { return long(m_doc->properties.size()); }
    DocumentPropertyPtr item(const Variant &index, long) override
    {
        if (index.isString()) {
            if (!findProperty(*m_doc, index.toString()))
                return nullptr;
            return std::make_shared<DocumentPropertyImpl>(m_doc, index.toString());
        }
        const long i = index.toInt();
        if (i < 1 || i > count())
            return nullptr;
        return std::make_shared<DocumentPropertyImpl>(m_doc, m_doc->properties[i - 1].name);
    }
    // Adding a name that exists already overwrites it: a document never
    // carries two properties of one name.
    DocumentPropertyPtr add(const QString &name, bool, int type, const Variant &value,
                            const Variant &, long) override
    {
        if (name.isEmpty())
            return nullptr;
        if (model::Property *p = findProperty(*m_doc, name)) {
            p->type = type;
            p->value = storedValue(type, value);
        } else {
            m_doc->properties.push_back(model::Property {name, type, storedValue(type, value)});
        }
        return std::make_shared<DocumentPropertyImpl>(m_doc, name);
    }

private:
    DocModel m_doc;
};

class BookmarkImpl : public automation::Bookmark
{
public:
    BookmarkImpl(DocModel doc, QString name)
        : m_doc(std::move(doc))
        , m_name(std::move(name))
    {
    }
    QString name() const override { return m_name; }
    // A range of its own: moving it does not move the bookmark.
    RangePtr range() override
    {
        const model::Bookmark *mark = find();
        return mark ? RangeImpl::make(m_doc, m_doc->body, mark->span->start, mark->span->end)
                    : nullptr;
    }
    void remove() override
    {
        auto &marks = m_doc->bookmarks;
        marks.erase(std::remove_if(marks.begin(), marks.end(),
                                   [this](const model::Bookmark &b) { return b.name == m_name; }),
                    marks.end());
    }

private:
    const model::Bookmark *find() const
    {
        for (const model::Bookmark &mark : m_doc->bookmarks) {
            if (mark.name == m_name)
                return &mark;
        }
        return nullptr;
    }

    DocModel m_doc;
    QString m_name;
};

class BookmarksImpl : public Bookmarks
{
public:
    explicit BookmarksImpl(DocModel doc)
        : m_doc(std::move(doc))
    {
    }
    long count() const override { return long(m_doc->bookmarks.size()); }
    BookmarkPtr item(const Variant &index) override
    {
        if (index.isString())
            return exists(index.toString())
                ? std::make_shared<BookmarkImpl>(m_doc, index.toString())
                : nullptr;
        const long i = index.isMissing() ? 0 : long(index.toInt());
        if (i < 1 || i > count())
            return nullptr;
        return std::make_shared<BookmarkImpl>(m_doc, m_doc->bookmarks[i - 1].name);
    }
    bool exists(const QString &name) const override
    {
        return std::any_of(m_doc->bookmarks.begin(), m_doc->bookmarks.end(),
                           [&](const model::Bookmark &b) { return b.name == name; });
    }
    BookmarkPtr add(const QString &name, const RangePtr &range) override
    {
        auto r = std::dynamic_pointer_cast<RangeImpl>(range);
        if (!r || r->story() != m_doc->body || name.isEmpty())
            return nullptr;
        std::make_shared<BookmarkImpl>(m_doc, name)->remove();
        m_doc->bookmarks.push_back({name, m_doc->body->newRange(r->start(), r->end())});
        return std::make_shared<BookmarkImpl>(m_doc, name);
    }

private:
    DocModel m_doc;
};

class DocumentImpl : public automation::Document
{
public:
    DocumentImpl(std::shared_ptr<AppState> app, DocModel doc)
        : m_app(std::move(app))
        , m_doc(std::move(doc))
    {
    }

    QString name() const override { return m_doc->name; }
    ParagraphsPtr paragraphs() override
    {
        return std::make_shared<ParagraphsImpl>(m_doc, m_doc->body, nullptr);
    }
    SectionsPtr sections() override { return makeSections(m_doc); }
    FieldsPtr fields() override { return std::make_shared<FieldsImpl>(m_doc); }
    StylesPtr styles() override { return std::make_shared<StylesImpl>(m_doc); }
    TablesPtr tables() override { return makeTables(m_doc); }
    ShapesPtr shapes() override
    {
        auto doc = m_doc;
        return makeShapes(
            m_doc, [doc]() -> model::ShapeList * { return &doc->shapes; },
            [doc] { return doc->body; });
    }
    DocumentPropertiesPtr customDocumentProperties() override
    {
        return std::make_shared<DocumentPropertiesImpl>(m_doc);
    }
    BookmarksPtr bookmarks() override { return std::make_shared<BookmarksImpl>(m_doc); }
    RangePtr range(long start, long end) override
    {
        return RangeImpl::make(m_doc, m_doc->body, start, end);
    }
    RangePtr content() override
    {
        return RangeImpl::make(m_doc, m_doc->body, 0, m_doc->body->length());
    }

    bool printOut(const PrintOutOptions &) override
    {
        auto app = m_app.lock();
        if (!app || m_doc->closed)
            return false;
        ++app->printCalls;
        PrintJob job;
        job.documentName = m_doc->name;
        for (const auto &s : m_doc->shapes) {
            if (!s->name.isEmpty() && s->frame.story)
                job.shapeTexts.insert(s->name, storyText(*s->frame.story));
        }
        auto self = std::make_shared<DocumentImpl>(app, m_doc);
        job.dump = InProcessApplication::dumpDocument(self);
        job.succeeded = app->failPrintFrom <= 0 || app->printCalls < app->failPrintFrom;
        app->printJobs.push_back(job);
        return job.succeeded;
    }

    void close(const Variant &) override
    {
        if (auto app = m_app.lock())
            app->closeDocument(m_doc);
    }

    bool saved() const override { return dump() == m_doc->savedDump; }
    // No document dumps as a lone blank.
    void setSaved(bool saved) override { m_doc->savedDump = saved ? dump() : QStringLiteral(" "); }
    QString fullName() const override { return m_doc->path; }
    bool save() override { return !m_doc->path.isEmpty() && saveAs(m_doc->path); }
    // The stand-in writer has no file format: it stores the document's dump.
    bool saveAs(const QString &path) override
    {
        const QString text = dump();
        QSaveFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0
            || !file.commit())
            return false;
        m_doc->path = QFileInfo(path).absoluteFilePath();
        m_doc->name = QFileInfo(path).fileName();
        m_doc->savedDump = dump();
        return true;
    }
    void activate() override
    {
        auto app = m_app.lock();
        if (!app)
            return;
        const auto it = std::find(app->documents.begin(), app->documents.end(), m_doc);
        if (it != app->documents.end())
            app->active = int(it - app->documents.begin());
    }

    const DocModel &model() const { return m_doc; }

private:
    QString dump() const
    {
        auto app = m_app.lock();
        return app ? InProcessApplication::dumpDocument(std::make_shared<DocumentImpl>(app, m_doc))
                   : QString();
    }

    std::weak_ptr<AppState> m_app;
    DocModel m_doc;
};

class DocumentsImpl : public Documents
{
public:
    explicit DocumentsImpl(std::shared_ptr<AppState> app)
        : m_app(std::move(app))
    {
    }
    long count() const override { return long(m_app->documents.size()); }
    DocumentPtr item(long index) override
    {
        if (index < 1 || index > count())
            return nullptr;
        return makeDocument(m_app, m_app->documents[index - 1]);
    }
    DocumentPtr add() override
    {
        auto doc = std::make_shared<model::Document>();
        doc->name = QStringLiteral("文档%1").arg(m_app->nextDocumentNumber++);
        m_app->documents.push_back(doc);
        m_app->active = int(m_app->documents.size()) - 1;
        DocumentPtr document = makeDocument(m_app, doc);
        doc->savedDump = InProcessApplication::dumpDocument(document);
        return document;
    }
    // The stand-in writer reads no document files.
    DocumentPtr open(const QString &) override { return nullptr; }

private:
    std::shared_ptr<AppState> m_app;
};

class ApplicationExImpl : public ApplicationEx
{
public:
    explicit ApplicationExImpl(std::shared_ptr<AppState> app)
        : m_app(std::move(app))
    {
    }
    std::uint64_t mainWindowId() override { return m_app->windowId; }

private:
    std::shared_ptr<AppState> m_app;
};

} // namespace

void AppState::closeDocument(const DocModel &doc)
{
    auto it = std::find(documents.begin(), documents.end(), doc);
    if (it == documents.end())
        return;
    doc->closed = true;
    documents.erase(it);
    active = documents.empty() ? -1 : int(documents.size()) - 1;
}

DocumentPtr makeDocument(const std::shared_ptr<AppState> &app, const DocModel &doc)
{
    return std::make_shared<DocumentImpl>(app, doc);
}

DocumentsPtr makeDocuments(const std::shared_ptr<AppState> &app)
{
    return std::make_shared<DocumentsImpl>(app);
}

// ---------------------------------------------------------------- Application

InProcessApplication::InProcessApplication()
    : m_state(std::make_shared<AppState>())
{
}

InProcessApplication::~InProcessApplication() = default;

std::shared_ptr<InProcessApplication> InProcessApplication::create()
{
    return std::make_shared<InProcessApplication>();
}

DocumentsPtr InProcessApplication::documents()
{
    return makeDocuments(m_state);
}

DocumentPtr InProcessApplication::activeDocument()
{
    if (m_state->active < 0 || m_state->active >= int(m_state->documents.size()))
        return nullptr;
    return makeDocument(m_state, m_state->documents[m_state->active]);
}

SelectionPtr InProcessApplication::selection()
{
    if (m_state->active < 0 || m_state->active >= int(m_state->documents.size()))
        return nullptr;
    return std::make_shared<SelectionImpl>(m_state->documents[m_state->active]);
}

ApplicationExPtr InProcessApplication::applicationEx()
{
    if (!m_state->windowId)
        return nullptr;
    return std::make_shared<ApplicationExImpl>(m_state);
}

void InProcessApplication::quit(const Variant &saveChanges, const Variant &originalFormat,
                                const Variant &routeDocument)
{
    m_state->quitCalls.push_back(QuitCall {saveChanges, originalFormat, routeDocument});
    if (!settleUnsavedChanges(saveChanges))
        return;
    while (!m_state->documents.empty())
        m_state->closeDocument(m_state->documents.back());
}

void InProcessApplication::setMainWindowId(std::uint64_t id)
{
    m_state->windowId = id;
}

const std::vector<PrintJob> &InProcessApplication::printJobs() const
{
    return m_state->printJobs;
}

void InProcessApplication::clearPrintJobs()
{
    m_state->printJobs.clear();
}

void InProcessApplication::failPrintOutAt(int n)
{
    m_state->failPrintFrom = n > 0 ? m_state->printCalls + n : 0;
}

const std::vector<QuitCall> &InProcessApplication::quitCalls() const
{
    return m_state->quitCalls;
}

DocModel modelOf(const DocumentPtr &document)
{
    auto impl = std::dynamic_pointer_cast<DocumentImpl>(document);
    return impl ? impl->model() : nullptr;
}

} // namespace inprocess
