#pragma once

#include "automation/automation.h"

#include <QObject>
#include <QStringList>

#include <functional>

// Base of the writer conformance tests. Every test function gets a fresh
// writer from the factory and a new empty document in it, so the same tests
// run against any writer that implements the object model. The test functions
// live in the derived classes, one area each; this class has none of its own,
// so QtTest runs nothing twice.
class ConformanceTest : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<automation::ApplicationPtr()>;
    // Stores the application's active document in a file of the format the
    // suffix names (".docx", ".odt") and opens that file again; gives the
    // opened document. Writers without files have none.
    using Reopen = std::function<automation::DocumentPtr(const automation::ApplicationPtr &,
                                                         const QString &)>;

    explicit ConformanceTest(Factory factory, Reopen reopen = Reopen(), QObject *parent = nullptr);

protected:
    // {"a", "b"} -> {"a\r", "b\r"}: paragraph texts as a range reports them.
    static QStringList withMarks(const QStringList &texts);
    // The range text of every item; "<null>" for an item that is not given.
    static QStringList paragraphTexts(const automation::ParagraphsPtr &paragraphs);
    QStringList bodyParagraphs() const;
    // Types the paragraphs into the new document's body; true when the body
    // then reads back as exactly these paragraphs.
    bool setBody(const QStringList &paragraphs);
    // The document stored and opened again (it becomes m_doc); skips the
    // test for a writer without files.
    bool reopen(const QString &suffix);
    // Null when the document has no such paragraph.
    automation::ParagraphPtr paragraph(long index) const;
    automation::RangePtr paragraphRange(long index) const;

    automation::ApplicationPtr m_app;
    automation::DocumentPtr m_doc;

private slots:
    void init();
    void cleanup();

private:
    Factory m_factory;
    Reopen m_reopen;
};
