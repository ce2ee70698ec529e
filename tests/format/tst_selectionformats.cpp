#include "automation/automation.h"
#include "format/linespacing.h"
#include "format/rolestyles.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;
using format::Outcome;
using format::Role;

Q_DECLARE_METATYPE(format::Role)

// The style and line-spacing commands on the selection.
class tst_SelectionFormats : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
    format::LayoutSettings m_settings;

    void selectParagraphs(int first, int last)
    {
        RangePtr r = m_doc->paragraphs()->item(first)->range();
        r->setRange(r->start(), m_doc->paragraphs()->item(last)->range()->end());
        r->select();
    }

    QString dump() const { return inprocess::InProcessApplication::dumpDocument(m_doc); }

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("第一段\n第二段\n第三段"));
    }

    void roles_data()
    {
        QTest::addColumn<Role>("role");
        QTest::addColumn<QString>("farEast");
        QTest::addColumn<QString>("ascii");
        QTest::addColumn<float>("size");
        QTest::addColumn<int>("bold");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<float>("spacing");
        QTest::addColumn<float>("firstIndentChars");
        const format::LayoutSettings s;
        QTest::newRow("big title")
            << Role::BigTitle << s.titleFont << s.titleFont << 22.0f << int(msoFalse)
            << wdAlignParagraphCenter << s.titleSpacing << 0.0f;
        QTest::newRow("first heading")
            << Role::FirstHeading << s.headingFont << s.headingFont << 16.0f << int(msoFalse)
            << wdAlignParagraphLeft << s.bodySpacing << 2.0f;
        QTest::newRow("second heading")
            << Role::SecondHeading << s.subheadingFont << s.subheadingFont << 16.0f << int(msoFalse)
            << wdAlignParagraphLeft << s.bodySpacing << 2.0f;
        QTest::newRow("body") << Role::Body << s.bodyFont << s.westernFont << 16.0f << int(msoFalse)
                              << wdAlignParagraphLeft << s.bodySpacing << 2.0f;
        QTest::newRow("bold body") << Role::BoldBody << s.bodyFont << s.westernFont << 16.0f
                                   << int(msoTrue) << wdAlignParagraphLeft << s.bodySpacing << 2.0f;
    }

    // Every selected paragraph gets the role; a second run changes nothing.
    void roles()
    {
        QFETCH(Role, role);
        QFETCH(QString, farEast);
        QFETCH(QString, ascii);
        QFETCH(float, size);
        QFETCH(int, bold);
        QFETCH(int, alignment);
        QFETCH(float, spacing);
        QFETCH(float, firstIndentChars);
        m_doc->paragraphs()->item(2)->setLeftIndent(30);
        m_doc->paragraphs()->item(2)->setCharacterUnitRightIndent(3);
        selectParagraphs(1, 2);
        QCOMPARE(format::applyRole(m_app, role, m_settings), Outcome::Done);
        const QString once = dump();
        QCOMPARE(format::applyRole(m_app, role, m_settings), Outcome::Done);
        QCOMPARE(dump(), once);

        for (int i : {1, 2}) {
            ParagraphPtr p = m_doc->paragraphs()->item(i);
            RangePtr text = p->range();
            text->setRange(text->start(), text->end() - 1);
            QCOMPARE(text->font()->nameFarEast(), farEast);
            QCOMPARE(text->font()->nameAscii(), ascii);
            QCOMPARE(text->font()->size(), size);
            QCOMPARE(text->font()->bold(), bold);
            QCOMPARE(text->font()->italic(), int(msoFalse));
            QCOMPARE(p->alignment(), alignment);
            QCOMPARE(p->lineSpacingRule(), wdLineSpaceExactly);
            QCOMPARE(p->lineSpacing(), spacing);
            QCOMPARE(p->characterUnitFirstLineIndent(), firstIndentChars);
            QCOMPARE(p->leftIndent(), 0.0f);
            QCOMPARE(p->characterUnitRightIndent(), 0.0f);
        }
        // The paragraph outside the selection is untouched.
        QCOMPARE(m_doc->paragraphs()->item(3)->lineSpacingRule(), wdLineSpaceSingle);
    }

    void steps_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<float>("before");
        QTest::addColumn<float>("step");
        QTest::addColumn<float>("after");
        QTest::newRow("decrease to the floor") << wdLineSpaceExactly << 1.5f << -1.0f << 1.0f;
        QTest::newRow("decrease at the floor") << wdLineSpaceExactly << 1.0f << -1.0f << 1.0f;
        QTest::newRow("decrease") << wdLineSpaceExactly << 29.65f << -1.0f << 28.65f;
        QTest::newRow("increase") << wdLineSpaceExactly << 29.65f << 1.0f << 30.65f;
        // Single spacing reports 12 pt once switched to exact.
        QTest::newRow("increase from single") << wdLineSpaceSingle << 12.0f << 1.0f << 13.0f;
    }

    void steps()
    {
        QFETCH(int, rule);
        QFETCH(float, before);
        QFETCH(float, step);
        QFETCH(float, after);
        ParagraphPtr p = m_doc->paragraphs()->item(1);
        p->setLineSpacingRule(rule);
        if (rule == wdLineSpaceExactly)
            p->setLineSpacing(before);
        selectParagraphs(1, 1);
        QCOMPARE(format::stepExactSpacing(m_app, step), Outcome::Done);
        QCOMPARE(p->lineSpacingRule(), wdLineSpaceExactly);
        QCOMPARE(p->lineSpacing(), after);
    }

    // Paragraphs with different spacings each step from their own value
    // instead of all taking the "mixed" answer plus one.
    void mixedSelectionStepsEachParagraph()
    {
        m_doc->paragraphs()->item(1)->setLineSpacingRule(wdLineSpaceExactly);
        m_doc->paragraphs()->item(1)->setLineSpacing(20);
        m_doc->paragraphs()->item(2)->setLineSpacingRule(wdLineSpaceExactly);
        m_doc->paragraphs()->item(2)->setLineSpacing(30);
        selectParagraphs(1, 2);
        format::stepExactSpacing(m_app, 1.0f);
        QCOMPARE(m_doc->paragraphs()->item(1)->lineSpacing(), 21.0f);
        QCOMPARE(m_doc->paragraphs()->item(2)->lineSpacing(), 31.0f);
        // "设为一行" sets one spacing on all.
        format::setExactSpacing(m_app, 15.6f);
        QCOMPARE(m_doc->paragraphs()->item(1)->lineSpacing(), 15.6f);
        QCOMPARE(m_doc->paragraphs()->item(2)->lineSpacing(), 15.6f);
    }

    // Without a document there is no selection; without a writer nothing.
    void missingDocumentOrWriter()
    {
        m_doc->close();
        QCOMPARE(format::applyRole(m_app, Role::Body, m_settings), Outcome::NoDocument);
        QCOMPARE(format::stepExactSpacing(m_app, 1.0f), Outcome::NoDocument);
        QCOMPARE(format::setExactSpacing(m_app, 15.6f), Outcome::NoDocument);
        QCOMPARE(format::applyRole(nullptr, Role::Body, m_settings), Outcome::NoApplication);
        QCOMPARE(format::setExactSpacing(nullptr, 15.6f), Outcome::NoApplication);
    }
};

QTEST_APPLESS_MAIN(tst_SelectionFormats)
#include "tst_selectionformats.moc"
