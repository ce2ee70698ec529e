#pragma once

#include "convertjob.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

class QEventLoop;
class QProcess;

// Runs the jobs of a batch on office workers side by side: each worker is
// this program started again with the worker arguments, and runs one office
// (OfficeWorker, whose lines it speaks). Jobs are handed out in the batch's
// order as workers come free. Document numbers are taken in that order too:
// a job may take its number once every job before it has taken its own or
// has failed, so the numbers follow the batch whatever the workers' pace.
//
// A worker that dies takes only its current document with it and is
// replaced; one that works on a document longer than the time limit is
// ended the same way.
class BatchRunner : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        int workers = 1;
        QString program; // this program
        QStringList workerArguments; // the arguments that make it a worker
        int timeLimitSeconds = 600; // per document
    };

    BatchRunner(QList<ConvertJob> jobs, Options options, QObject *parent = nullptr);
    ~BatchRunner() override;

    // Runs until every job has its result. False when no office could be
    // started at all (startError() says why); the jobs left have failed.
    bool run();
    QString startError() const { return m_startError; }

signals:
    void jobStarted(const ConvertJob &job);
    void jobFinished(const ConvertJob &job, const JobResult &result);

private:
    struct Worker
    {
        QProcess *process = nullptr;
        int slot = 0;
        QByteArray pending; // a line not yet complete
        bool ready = false;
        bool timedOut = false;
        int job = -1; // index into m_jobs, -1 when idle
        QElapsedTimer sinceJob;
    };
    enum class Turn {
        Working, // not yet at its number
        Asking,
        Granted,
        Passed, // numbered or failed
    };

    void startWorker(int slot);
    void onOutput(Worker *worker);
    void onMessage(Worker *worker, const QJsonObject &message);
    void onWorkerEnded(Worker *worker);
    void dispatch(Worker *worker);
    void finish(int jobIndex, const JobResult &result);
    void grantTurns();
    void checkTimeLimits();
    void send(Worker *worker, const QJsonObject &message);
    int indexOf(int jobId) const;

    QList<ConvertJob> m_jobs;
    Options m_options;
    QList<Worker *> m_workers;
    int m_nextJob = 0;
    int m_done = 0;
    QMap<int, Turn> m_turns; // by job index, for the jobs handed out
    int m_nextTurn = 0; // the first job index whose turn has not passed
    int m_restarts = 0;
    bool m_anyReady = false;
    QString m_startError;
    QEventLoop *m_loop = nullptr;
};
