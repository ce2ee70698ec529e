#include "automation/automation.h"
#include "inprocessapplication.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace automation;
using inprocess::InProcessApplication;

Q_DECLARE_METATYPE(automation::Variant)

// What only the stand-in writer offers: quitting with its questions, its documented
// pagination, and the copies made when a footer stops linking to the
// previous one. The object model's shared rules are covered by the
// conformance suite; recorded printing by tst_copynumbering.
class tst_InProcessWriter : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<InProcessApplication> m_app;
    DocumentPtr m_doc;

    ShapePtr addNamedBox(const QString &name, const QString &text)
    {
        ShapePtr shape = m_doc->shapes()->addShape(msoShapeRectangle, 0, 0, 100, 20,
                                                   Variant(m_doc->range(0, 0)));
        shape->setName(name);
        shape->textFrame()->textRange()->setText(text);
        return shape;
    }

    static QString paragraphOfLength(int n) { return QString(n, QChar(u'字')); }

private slots:
    void init()
    {
        m_app = InProcessApplication::create();
        m_doc = m_app->documents()->add();
    }

    // What Quit does with unsaved changes, as told by its save argument and,
    // when it asks, by the user's answers (the in-process writer keeps no
    // format of its own: what it saves is the document's dump). Quit is
    // recorded with its arguments, and a document held past it stays harmless.
    void quit_data()
    {
        QTest::addColumn<Variant>("saveChanges");
        QTest::addColumn<bool>("prompt");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("giveAPath");
        QTest::addColumn<bool>("ended");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("asked");

        const int save = SaveChangesPrompt::Save;
        const int discard = SaveChangesPrompt::Discard;
        const int cancel = SaveChangesPrompt::Cancel;
        const Variant missing;
        QTest::newRow("no one to ask: discarded")
            << missing << false << save << false << true << true << false << 0;
        QTest::newRow("save asks where")
            << missing << true << save << false << true << true << true << 1;
        QTest::newRow("no place given: kept")
            << missing << true << save << false << false << false << false << 1;
        QTest::newRow("discard") << missing << true << discard << true << true << true << false
                                 << 1;
        QTest::newRow("cancel keeps all")
            << missing << true << cancel << true << true << false << false << 1;
        QTest::newRow("prompt constant")
            << Variant(wdPromptToSaveChanges) << true << save << true << true << true << true << 1;
        QTest::newRow("save without asking")
            << Variant(wdSaveChanges) << true << cancel << true << true << true << true << 0;
        QTest::newRow("true saves")
            << Variant(true) << false << cancel << true << true << true << true << 0;
        QTest::newRow("never saved, save, nowhere to ask")
            << Variant(wdSaveChanges) << false << save << false << true << false << false << 0;
        QTest::newRow("discard without asking")
            << Variant(wdDoNotSaveChanges) << true << save << true << true << true << false << 0;
    }

    void quit()
    {
        QFETCH(Variant, saveChanges);
        QFETCH(bool, prompt);
        QFETCH(int, answer);
        QFETCH(bool, hasFile);
        QFETCH(bool, giveAPath);
        QFETCH(bool, ended);
        QFETCH(bool, written);
        QFETCH(int, asked);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("kept.docx"));
        const QString chosen = dir.filePath(QStringLiteral("chosen.docx"));
        auto app = inprocess::InProcessApplication::create();
        // An untouched document is never asked about.
        app->documents()->add();
        DocumentPtr changed = app->documents()->add();
        if (hasFile)
            QVERIFY(changed->saveAs(file));
        changed->content()->setText(QStringLiteral("changed"));
        QVERIFY(!changed->saved());

        int questions = 0;
        if (prompt) {
            SaveChangesPrompt questionsAsked;
            questionsAsked.askToSave = [&](const QString &) {
                ++questions;
                return SaveChangesPrompt::Answer(answer);
            };
            questionsAsked.askWhereToSave
                = [&](const QString &) { return giveAPath ? chosen : QString(); };
            app->setSaveChangesPrompt(questionsAsked);
        }
        static_cast<Application &>(*app).quit(saveChanges);

        QCOMPARE(app->documents()->count() == 0, ended);
        QCOMPARE(app->quitCalls().size(), size_t(1));
        QVERIFY(app->quitCalls()[0].saveChanges == saveChanges);
        if (ended) {
            QVERIFY(!app->activeDocument() && !app->selection());
            QVERIFY(!changed->printOut());
            changed->content()->setText(QStringLiteral("still usable"));
        }
        QCOMPARE(questions, asked);
        // The change reached a file only when it was saved.
        QFile saved(hasFile ? file : chosen);
        const bool hasChange
            = saved.open(QIODevice::ReadOnly) && saved.readAll().contains("changed");
        QCOMPARE(hasChange, written);
    }
    void pagination_data()
    {
        QTest::addColumn<QStringList>("paragraphs");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<int>("page");
        QStringList lines;
        for (int i = 0; i < 23; ++i)
            lines << QStringLiteral("x");
        QTest::newRow("line 22 on page 1") << lines << 22 << 1;
        QTest::newRow("line 23 on page 2") << lines << 23 << 2;
        QStringList longOnes;
        for (int i = 0; i < 12; ++i)
            longOnes << paragraphOfLength(29); // two lines each
        QTest::newRow("two-line paragraphs: 11th on page 1") << longOnes << 11 << 1;
        QTest::newRow("two-line paragraphs: 12th on page 2") << longOnes << 12 << 2;
        QTest::newRow("exactly 28 characters is one line")
            << (QStringList() << paragraphOfLength(28) << QStringLiteral("y")) << 2 << 1;
    }

    // The stand-in writer paginates 22 lines of 28 characters per page; each
    // paragraph takes at least one line.
    void pagination()
    {
        QFETCH(QStringList, paragraphs);
        QFETCH(int, paragraph);
        QFETCH(int, page);
        m_doc->content()->setText(paragraphs.join(QLatin1Char('\n')));
        RangePtr r = m_doc->paragraphs()->item(paragraph)->range();
        r->setRange(r->start(), r->start());
        QCOMPARE(r->information(wdActiveEndPageNumber), Variant(page));
    }

    // A section starts a new page; page-number fields run on across sections
    // unless a section restarts its numbering.
    void sectionsStartPagesAndNumberingRunsOn()
    {
        m_doc->content()->setText(QStringLiteral("一\n二\n三"));
        SectionPtr second
            = m_doc->sections()->add(Variant(m_doc->paragraphs()->item(3)->range()), Variant(2));
        QVERIFY(second);
        QCOMPARE(m_doc->sections()->count(), 2L);
        RangePtr third = m_doc->paragraphs()->item(4)->range();
        QCOMPARE(third->text(), QStringLiteral("三\r"));
        QCOMPARE(third->information(wdActiveEndPageNumber), Variant(2));

        HeaderFooterPtr footer = second->footers()->item(wdHeaderFooterPrimary);
        footer->setLinkToPrevious(0);
        footer->range()->setText(QString());
        footer->pageNumbers()->add(Variant(wdAlignPageNumberOutside), Variant(true));
        QCOMPARE(footer->range()->text(), QStringLiteral("2\r\r"));

        footer->pageNumbers()->setRestartNumberingAtSection(-1);
        footer->pageNumbers()->setStartingNumber(1);
        QCOMPARE(footer->range()->text(), QStringLiteral("1\r\r"));
    }

    // Unlinking a footer gives it its own copy of what it showed, text and
    // shapes; editing the copy leaves the earlier section's footer alone.
    void unlinkingCopiesTheFooter()
    {
        m_doc->content()->setText(QStringLiteral("一\n二"));
        HeaderFooterPtr first
            = m_doc->sections()->item(1)->footers()->item(wdHeaderFooterEvenPages);
        first->range()->setText(QStringLiteral("偶数页"));
        first->shapes()
            ->addTextbox(msoTextOrientationDownward, 0, 0, 34, 56)
            ->setName(QStringLiteral("side"));

        SectionPtr second
            = m_doc->sections()->add(Variant(m_doc->paragraphs()->item(2)->range()), Variant(2));
        HeaderFooterPtr linked = second->footers()->item(wdHeaderFooterEvenPages);
        QCOMPARE(linked->linkToPrevious(), msoTrue);
        QCOMPARE(linked->range()->text(), QStringLiteral("偶数页\r"));

        linked->setLinkToPrevious(0);
        QCOMPARE(linked->shapes()->count(), 1L);
        QCOMPARE(linked->shapes()->item(1)->name(), QStringLiteral("side"));
        linked->shapes()->item(1)->remove();
        linked->range()->setText(QStringLiteral("第二节"));

        HeaderFooterPtr before
            = m_doc->sections()->item(1)->footers()->item(wdHeaderFooterEvenPages);
        QCOMPARE(before->range()->text(), QStringLiteral("偶数页\r"));
        QCOMPARE(before->shapes()->count(), 1L);
    }

    // Emptying a whole footer removes the boxes anchored in it, so rewriting
    // a footer never stacks a second page-number box on the first; text
    // edits inside the footer keep them.
    void emptyingAFooterRemovesItsBoxes()
    {
        HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(wdHeaderFooterPrimary);
        footer->range()->setText(QStringLiteral("页脚"));
        footer->shapes()->addTextbox(msoTextOrientationDownward, 0, 0, 34, 56,
                                     Variant(footer->range()));
        ShapePtr bodyBox = addNamedBox(QStringLiteral("WJBT"), QStringLiteral("红头"));

        RangePtr part = footer->range();
        part->setRange(0, 1);
        part->setText(QString());
        QCOMPARE(footer->shapes()->count(), 1L);

        footer->range()->setText(QString());
        QCOMPARE(footer->shapes()->count(), 0L);
        QCOMPARE(m_doc->shapes()->count(), 1L);
    }
};

QTEST_GUILESS_MAIN(tst_InProcessWriter)
#include "tst_inprocesswriter.moc"
