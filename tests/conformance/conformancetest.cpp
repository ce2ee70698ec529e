#include "conformancetest.h"

#include <QtTest>

using namespace automation;

ConformanceTest::ConformanceTest(Factory factory, Reopen reopen, QObject *parent)
    : QObject(parent)
    , m_reopen(std::move(reopen))
    , m_factory(std::move(factory))
{
}

void ConformanceTest::init()
{
    m_app = m_factory();
    QVERIFY2(m_app, "the factory gave no writer");
    m_doc = m_app->documents()->add();
    QVERIFY2(m_doc, "Documents::add gave no document");
}

void ConformanceTest::cleanup()
{
    m_doc.reset();
    if (m_app)
        m_app->quit(Variant(false));
    m_app.reset();
}

QStringList ConformanceTest::withMarks(const QStringList &texts)
{
    QStringList marked;
    for (const QString &text : texts)
        marked.append(text + QLatin1Char('\r'));
    return marked;
}

QStringList ConformanceTest::paragraphTexts(const ParagraphsPtr &paragraphs)
{
    QStringList texts;
    if (!paragraphs)
        return {QStringLiteral("<no paragraphs>")};
    for (long i = 1, count = paragraphs->count(); i <= count; ++i) {
        const ParagraphPtr paragraph = paragraphs->item(i);
        const RangePtr range = paragraph ? paragraph->range() : nullptr;
        texts.append(range ? range->text() : QStringLiteral("<null>"));
    }
    return texts;
}

QString ConformanceTest::startAndText(const RangePtr &range)
{
    return range ? QStringLiteral("%1:%2").arg(range->start()).arg(range->text())
                 : QStringLiteral("<null>");
}

QStringList ConformanceTest::bodyParagraphs() const
{
    return paragraphTexts(m_doc->paragraphs());
}

bool ConformanceTest::setBody(const QStringList &paragraphs)
{
    const RangePtr content = m_doc->content();
    if (!content)
        return false;
    content->insertBefore(paragraphs.join(QLatin1Char('\n')));
    return bodyParagraphs() == withMarks(paragraphs);
}

ParagraphPtr ConformanceTest::paragraph(long index) const
{
    const ParagraphsPtr paragraphs = m_doc->paragraphs();
    return paragraphs ? paragraphs->item(index) : nullptr;
}

RangePtr ConformanceTest::paragraphRange(long index) const
{
    const ParagraphPtr p = paragraph(index);
    return p ? p->range() : nullptr;
}
