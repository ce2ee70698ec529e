#include "automation/automation.h"
#include "inprocess/inprocessapplication.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace automation;

Q_DECLARE_METATYPE(automation::Variant)

// What Quit does with unsaved changes, as told by its save argument and, when
// it asks, by the user's answers (the in-process writer keeps no format of
// its own: what it saves is the document's dump).
class TestQuitRules : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(questions, asked);
        // The change reached a file only when it was saved.
        QFile saved(hasFile ? file : chosen);
        const bool hasChange
            = saved.open(QIODevice::ReadOnly) && saved.readAll().contains("changed");
        QCOMPARE(hasChange, written);
    }
};

QTEST_MAIN(TestQuitRules)

#include "tst_quitrules.moc"
