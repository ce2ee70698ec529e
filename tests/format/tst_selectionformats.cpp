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
        const format::LayoutSettings s;
        QTest::newRow("big title") << Role::BigTitle << s.titleFont << s.titleFont;
        QTest::newRow("first heading") << Role::FirstHeading << s.headingFont << s.headingFont;
        QTest::newRow("second heading")
            << Role::SecondHeading << s.subheadingFont << s.subheadingFont;
        QTest::newRow("body") << Role::Body << s.bodyFont << s.westernFont;
        QTest::newRow("bold body") << Role::BoldBody << s.bodyFont << s.westernFont;
    }

    // Every selected paragraph gets the role, indents cleared; once is enough.
    void roles()
    {
        QFETCH(Role, role);
        QFETCH(QString, farEast);
        QFETCH(QString, ascii);
        const bool title = role == Role::BigTitle;
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
            QList<float> got, expected;
            got << text->font()->size() << text->font()->bold() << text->font()->italic()
                << p->alignment() << p->lineSpacingRule() << p->lineSpacing()
                << p->characterUnitFirstLineIndent() << p->leftIndent()
                << p->characterUnitRightIndent();
            expected << (title ? 22 : 16) << (role == Role::BoldBody ? msoTrue : msoFalse)
                     << msoFalse << (title ? wdAlignParagraphCenter : wdAlignParagraphLeft)
                     << wdLineSpaceExactly
                     << (title ? m_settings.titleSpacing : m_settings.bodySpacing)
                     << (title ? 0 : 2) << 0 << 0;
            QCOMPARE(got, expected);
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

    // Paragraphs of different spacings each step from their own.
    void mixedSelectionStepsEachParagraph()
    {
        const ParagraphsPtr all = m_doc->paragraphs();
        for (int i : {1, 2}) {
            all->item(i)->setLineSpacingRule(wdLineSpaceExactly);
            all->item(i)->setLineSpacing(10.0f + 10 * i);
        }
        selectParagraphs(1, 2);
        format::stepExactSpacing(m_app, 1.0f);
        QCOMPARE(all->item(1)->lineSpacing(), 21.0f);
        QCOMPARE(all->item(2)->lineSpacing(), 31.0f);
        // "设为一行" sets one spacing on all.
        format::setExactSpacing(m_app, 15.6f);
        QCOMPARE(all->item(1)->lineSpacing(), 15.6f);
        QCOMPARE(all->item(2)->lineSpacing(), 15.6f);
    }
};

QTEST_APPLESS_MAIN(tst_SelectionFormats)
#include "tst_selectionformats.moc"
