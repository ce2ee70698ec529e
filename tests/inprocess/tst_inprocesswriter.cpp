#include "automation/automation.h"
#include "inprocessapplication.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace automation;
using inprocess::InProcessApplication;

Q_DECLARE_METATYPE(automation::Variant)

// What only the stand-in writer offers: quitting with its questions, its
// documented pagination, page numbers across sections and the copies made
// when a footer stops linking to the previous one. The object model's shared
// rules are the conformance suite's; recorded printing is tst_copynumbering's.
class tst_InProcessWriter : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<InProcessApplication> m_app;
    DocumentPtr m_doc;

private slots:
    void init()
    {
        m_app = InProcessApplication::create();
        m_doc = m_app->documents()->add();
    }

    // What Quit does with unsaved changes, as told by its save argument and,
    // when it asks, by the user's answers (what it saves is the document's
    // dump). Quit is recorded, and a document held past it stays harmless.
    void quit_data()
    {
        QTest::addColumn<Variant>("saveChanges");
        QTest::addColumn<int>("answer");
        // p: someone to ask, f: the document has a file, g: a place is given
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("outcome"); // e: the writer ended, w: the change written
        QTest::addColumn<int>("asked");
        const int save = SaveChangesPrompt::Save;
        const int discard = SaveChangesPrompt::Discard;
        const int cancel = SaveChangesPrompt::Cancel;
        const Variant missing;
        QTest::newRow("no one to ask: discarded") << missing << save << "g"
                                                  << "e" << 0;
        QTest::newRow("save asks where") << missing << save << "pg"
                                         << "ew" << 1;
        QTest::newRow("no place given: kept") << missing << save << "p"
                                              << "" << 1;
        QTest::newRow("discard") << missing << discard << "pfg"
                                 << "e" << 1;
        QTest::newRow("cancel keeps all") << missing << cancel << "pfg"
                                          << "" << 1;
        QTest::newRow("prompt constant") << Variant(wdPromptToSaveChanges) << save << "pfg"
                                         << "ew" << 1;
        QTest::newRow("save without asking") << Variant(wdSaveChanges) << cancel << "pfg"
                                             << "ew" << 0;
        QTest::newRow("true saves") << Variant(true) << cancel << "fg"
                                    << "ew" << 0;
        QTest::newRow("never saved, save, nowhere to ask") << Variant(wdSaveChanges) << save << "g"
                                                           << "" << 0;
        QTest::newRow("discard without asking") << Variant(wdDoNotSaveChanges) << save << "pfg"
                                                << "e" << 0;
    }

    void quit()
    {
        QFETCH(Variant, saveChanges);
        QFETCH(int, answer);
        QFETCH(QString, setup);
        QFETCH(QString, outcome);
        QFETCH(int, asked);
        QTemporaryDir dir;
        const QString file = dir.filePath(setup.contains('f') ? "kept.docx" : "chosen.docx");
        // An untouched document is never asked about.
        m_app->documents()->add();
        if (setup.contains('f'))
            QVERIFY(m_doc->saveAs(file));
        m_doc->content()->setText(QStringLiteral("changed"));
        QVERIFY(!m_doc->saved());
        int questions = 0;
        if (setup.contains('p')) {
            SaveChangesPrompt prompt;
            prompt.askToSave = [&](const QString &) {
                ++questions;
                return SaveChangesPrompt::Answer(answer);
            };
            prompt.askWhereToSave
                = [&](const QString &) { return setup.contains('g') ? file : QString(); };
            m_app->setSaveChangesPrompt(prompt);
        }
        static_cast<Application &>(*m_app).quit(saveChanges);

        const bool ended = outcome.contains('e');
        QCOMPARE(m_app->documents()->count() == 0, ended);
        QCOMPARE(m_app->quitCalls().size(), size_t(1));
        QVERIFY(m_app->quitCalls()[0].saveChanges == saveChanges);
        if (ended) {
            QVERIFY(!m_app->activeDocument() && !m_app->selection());
            QVERIFY(!m_doc->printOut());
            m_doc->content()->setText(QStringLiteral("still usable"));
        }
        QCOMPARE(questions, asked);
        QFile saved(file);
        QCOMPARE(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("changed"),
                 outcome.contains('w'));
    }

    // 22 lines of 28 characters a page, each paragraph at least one line (one
    // character a line is the conformance suite's).
    void pagination_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<int>("page");
        QTest::newRow("28 characters: one line") << 28 << 22 << 1;
        QTest::newRow("29 characters: two lines, 11th on page 1") << 29 << 11 << 1;
        QTest::newRow("29 characters: two lines, 12th on page 2") << 29 << 12 << 2;
    }

    void pagination()
    {
        QFETCH(int, length);
        QFETCH(int, paragraph);
        QFETCH(int, page);
        m_doc->content()->setText((QString(length, QChar(u'字')) + '\n').repeated(23).chopped(1));
        RangePtr r = m_doc->paragraphs()->item(paragraph)->range();
        r->setRange(r->start(), r->start());
        QCOMPARE(r->information(wdActiveEndPageNumber), Variant(page));
    }

    // Page-number fields run on across sections unless a section restarts
    // its numbering.
    void numberingRunsOnAcrossSections()
    {
        m_doc->content()->setText(QStringLiteral("一\n二\n三"));
        SectionPtr second
            = m_doc->sections()->add(Variant(m_doc->paragraphs()->item(3)->range()), Variant(2));
        QVERIFY(second);
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
        const auto evenFooter = [](const SectionPtr &section) {
            return section->footers()->item(wdHeaderFooterEvenPages);
        };
        const HeaderFooterPtr first = evenFooter(m_doc->sections()->item(1));
        first->range()->setText(QStringLiteral("偶数页"));
        first->shapes()
            ->addTextbox(msoTextOrientationDownward, 0, 0, 34, 56)
            ->setName(QStringLiteral("side"));
        HeaderFooterPtr linked = evenFooter(
            m_doc->sections()->add(Variant(m_doc->paragraphs()->item(2)->range()), Variant(2)));
        QCOMPARE(linked->linkToPrevious(), msoTrue);
        linked->setLinkToPrevious(0);
        QCOMPARE(linked->shapes()->count(), 1L);
        QCOMPARE(linked->shapes()->item(1)->name(), QStringLiteral("side"));
        linked->shapes()->item(1)->remove();
        linked->range()->setText(QStringLiteral("第二节"));
        const HeaderFooterPtr before = evenFooter(m_doc->sections()->item(1));
        QCOMPARE(before->range()->text(), QStringLiteral("偶数页\r"));
        QCOMPARE(before->shapes()->count(), 1L);
    }
};

QTEST_GUILESS_MAIN(tst_InProcessWriter)
#include "tst_inprocesswriter.moc"
