#pragma once

#include "automation/application.h"
#include "writerclient.h"

#include <QElapsedTimer>
#include <QObject>

class WriterPage;

// Keeps the user's work through whatever happens to the writer behind the
// page:
// - a writer that ends by itself (crash, kill, cut off while not answering)
//   is started again at once, or as soon as the running command is over,
//   and brings back its documents from their recovery copies; the user is
//   told what happened;
// - a command is only started once the writer has answered; when it does
//   not, the user is told and may wait or restart it;
// - closing asks about each document with unsaved changes (save, discard or
//   cancel), and where to save one that has no file yet;
// - File > Open and File > Exit inside the writer come here (the writer's
//   own way would open a window outside ours or end the writer).
class WriterKeeper : public QObject, public WriterObserver
{
    Q_OBJECT

public:
    // How long a command waits for the writer's answer before the user is
    // told that it does not answer.
    static const int answerWaitMs = 1500;

    explicit WriterKeeper(WriterPage *page);

    // Before a command that works on the writer: true when it answers;
    // otherwise the user was told (and may have restarted it).
    bool writerAnswers();
    // Around every command: a writer that ends meanwhile is restarted when
    // the outermost command is over.
    void beginCommand();
    void endCommand();

    // Settles the unsaved documents and ends the writer; false when the user
    // cancelled, and the program stays open with nothing lost.
    bool closeWriter();

    // The questions Quit asks through.
    automation::SaveChangesPrompt savePrompt();
    static QString askWhereToSave(const QString &documentName);

    // After every start of the writer: documents the start brought back
    // from an earlier run's recovery copies are reported to the user (a
    // restart reports its own).
    void writerStarted();

    void writerEnded() override;
    void writerNotResponding() override;
    void writerRespondingAgain() override;
    void writerDocumentsChanged() override;
    void writerWantsFile() override;
    void writerWantsQuit() override;
    void writerMadeDocument() override;

private:
    void restart(bool wasCutOff);

    WriterPage *m_page;
    int m_commands = 0;
    bool m_restartPending = false;
    bool m_restarting = false;
    bool m_notResponding = false;
    QElapsedTimer m_endedAt;
};
