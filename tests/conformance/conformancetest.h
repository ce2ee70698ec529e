#pragma once

#include "automation/automation.h"

#include <QObject>
#include <QStringList>

#include <functional>

// A captureless function (const Subject &d, double v) for a property table:
// sets the property of the object the expression reaches from d to v, unless
// v is NaN (a row that reads what a new object has), and reads it back.
#define SET_AND_READ(Subject, object, getter, setter)                                              \
    [](const Subject &d, double v) {                                                               \
        if (!qIsNaN(v))                                                                            \
            (object)->setter(decltype((object)->getter())(v));                                     \
        return double((object)->getter());                                                         \
    }

// Base of the writer conformance tests: every test function of the derived
// classes gets a fresh writer from the factory and a new empty document in it.
class ConformanceTest : public QObject
{
    Q_OBJECT

public:
    using Factory = std::function<automation::ApplicationPtr()>;
    // Stores the active document as a file of the suffix's format (".docx",
    // ".odt") and opens it again. Writers without files have none.
    using Reopen = std::function<automation::DocumentPtr(const automation::ApplicationPtr &,
                                                         const QString &)>;

    explicit ConformanceTest(Factory factory, Reopen reopen = Reopen(), QObject *parent = nullptr);

protected:
    // {"a", "b"} -> {"a\r", "b\r"}: paragraph texts as a range reports them.
    static QStringList withMarks(const QStringList &texts);
    // The range text of every item; "<null>" for an item that is not given.
    static QStringList paragraphTexts(const automation::ParagraphsPtr &paragraphs);
    QStringList bodyParagraphs() const;
    // "4:abc\r": where a range starts and what it holds, to compare several
    // ranges at once.
    static QString startAndText(const automation::RangePtr &range);
    // Types the paragraphs into the new document's body; true when the body
    // then reads back as exactly these paragraphs.
    bool setBody(const QStringList &paragraphs);
    // Null when the document has no such paragraph.
    automation::ParagraphPtr paragraph(long index) const;
    automation::RangePtr paragraphRange(long index) const;

    automation::ApplicationPtr m_app;
    automation::DocumentPtr m_doc;
    Reopen m_reopen;

private slots:
    void init();
    void cleanup();

private:
    Factory m_factory;
};
