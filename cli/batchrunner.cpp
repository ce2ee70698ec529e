#include "batchrunner.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

namespace {

// A worker asked to stop gets this long to end its document's temporary
// file and its office before it is killed.
const int kStopGraceMs = 3000;

} // namespace

BatchRunner::BatchRunner(QList<ConvertJob> jobs, Options options, QObject *parent)
    : QObject(parent)
    , m_jobs(std::move(jobs))
    , m_options(std::move(options))
{
}

BatchRunner::~BatchRunner()
{
    for (Worker *worker : qAsConst(m_workers)) {
        worker->process->disconnect(this);
        worker->process->closeWriteChannel();
        if (!worker->process->waitForFinished(kStopGraceMs))
            worker->process->kill();
        worker->process->waitForFinished(kStopGraceMs);
        delete worker->process;
        delete worker;
    }
}

bool BatchRunner::run()
{
    if (m_jobs.isEmpty())
        return true;
    QEventLoop loop;
    m_loop = &loop;
    const int workers = qBound(1, m_options.workers, int(m_jobs.size()));
    for (int slot = 1; slot <= workers; ++slot)
        startWorker(slot);
    QTimer clock;
    connect(&clock, &QTimer::timeout, this, &BatchRunner::checkTimeLimits);
    clock.start(1000);
    if (m_done < m_jobs.size())
        loop.exec();
    m_loop = nullptr;
    return m_anyReady;
}

void BatchRunner::startWorker(int slot)
{
    auto *worker = new Worker;
    worker->slot = slot;
    worker->process = new QProcess;
    worker->process->setProgram(m_options.program);
    worker->process->setArguments(m_options.workerArguments
                                  + QStringList {QStringLiteral("--slot"), QString::number(slot)});
    // What the office prints is no part of the batch's output.
    worker->process->setStandardErrorFile(QProcess::nullDevice());
    connect(worker->process, &QProcess::readyReadStandardOutput, this,
            [this, worker] { onOutput(worker); });
    connect(worker->process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this, worker] { onWorkerEnded(worker); });
    connect(worker->process, &QProcess::errorOccurred, this,
            [this, worker](QProcess::ProcessError e) {
                if (e == QProcess::FailedToStart)
                    onWorkerEnded(worker);
            });
    m_workers.append(worker);
    worker->process->start();
}

void BatchRunner::onOutput(Worker *worker)
{
    worker->pending += worker->process->readAllStandardOutput();
    int end;
    while ((end = worker->pending.indexOf('\n')) >= 0) {
        const QByteArray line = worker->pending.left(end);
        worker->pending.remove(0, end + 1);
        onMessage(worker, QJsonDocument::fromJson(line).object());
    }
}

void BatchRunner::onMessage(Worker *worker, const QJsonObject &message)
{
    if (message.contains(QLatin1String("ready"))) {
        worker->ready = true;
        m_anyReady = true;
        dispatch(worker);
    } else if (message.contains(QLatin1String("failed"))) {
        m_startError = message.value(QLatin1String("failed")).toString();
    } else if (message.contains(QLatin1String("turn"))) {
        const int index = indexOf(message.value(QLatin1String("turn")).toInt());
        if (index >= 0 && m_turns.value(index) == Turn::Working)
            m_turns[index] = Turn::Asking;
        grantTurns();
    } else if (message.contains(QLatin1String("numbered"))) {
        const int index = indexOf(message.value(QLatin1String("numbered")).toInt());
        if (index >= 0)
            m_turns[index] = Turn::Passed;
        grantTurns();
    } else if (message.contains(QLatin1String("result")) && worker->job >= 0) {
        const int index = worker->job;
        worker->job = -1;
        JobResult result = JobResult::fromJson(message.value(QLatin1String("result")).toObject());
        result.id = m_jobs.at(index).id;
        finish(index, result);
        dispatch(worker);
    }
}

void BatchRunner::onWorkerEnded(Worker *worker)
{
    if (!m_workers.contains(worker))
        return;
    m_workers.removeOne(worker);
    worker->process->disconnect(this);
    worker->process->deleteLater();
    if (worker->job >= 0) {
        JobResult result;
        result.id = m_jobs.at(worker->job).id;
        result.message = worker->timedOut
            ? QStringLiteral("超过%1秒仍未完成，已中止").arg(m_options.timeLimitSeconds)
            : QStringLiteral("转换进程意外退出");
        finish(worker->job, result);
    }
    const bool wasReady = worker->ready;
    const int slot = worker->slot;
    delete worker;
    if (m_nextJob >= m_jobs.size())
        return;
    // A worker that ran and then died is replaced, once per document at
    // most; one whose office never started is not.
    if (wasReady && m_restarts < m_jobs.size()) {
        ++m_restarts;
        startWorker(slot);
        return;
    }
    if (!m_workers.isEmpty())
        return;
    // No office to run the rest on.
    if (m_startError.isEmpty())
        m_startError = QStringLiteral("转换进程无法启动");
    while (m_nextJob < m_jobs.size()) {
        const int index = m_nextJob++;
        m_turns[index] = Turn::Passed;
        JobResult result;
        result.id = m_jobs.at(index).id;
        result.message = m_startError;
        emit jobStarted(m_jobs.at(index));
        finish(index, result);
    }
}

void BatchRunner::dispatch(Worker *worker)
{
    if (m_nextJob >= m_jobs.size()) {
        // Nothing left: the end of its lines ends the worker.
        worker->process->closeWriteChannel();
        return;
    }
    const int index = m_nextJob++;
    worker->job = index;
    worker->sinceJob.start();
    m_turns[index] = Turn::Working;
    emit jobStarted(m_jobs.at(index));
    send(worker, {{"job", m_jobs.at(index).toJson()}});
}

void BatchRunner::finish(int index, const JobResult &result)
{
    m_turns[index] = Turn::Passed;
    grantTurns();
    ++m_done;
    emit jobFinished(m_jobs.at(index), result);
    if (m_done >= m_jobs.size() && m_loop)
        m_loop->quit();
}

void BatchRunner::grantTurns()
{
    while (m_nextTurn < m_nextJob) {
        const Turn turn = m_turns.value(m_nextTurn);
        if (turn == Turn::Passed) {
            ++m_nextTurn;
            continue;
        }
        if (turn == Turn::Asking) {
            for (Worker *worker : qAsConst(m_workers)) {
                if (worker->job == m_nextTurn) {
                    m_turns[m_nextTurn] = Turn::Granted;
                    send(worker, {{"turn", m_jobs.at(m_nextTurn).id}});
                }
            }
        }
        return;
    }
}

void BatchRunner::checkTimeLimits()
{
    for (Worker *worker : qAsConst(m_workers)) {
        if (worker->job < 0 || worker->timedOut
            || worker->sinceJob.elapsed() < qint64(m_options.timeLimitSeconds) * 1000)
            continue;
        worker->timedOut = true;
        // The worker removes its temporary file on the way out.
        worker->process->terminate();
        QProcess *process = worker->process;
        QTimer::singleShot(kStopGraceMs, process, [process] { process->kill(); });
    }
}

void BatchRunner::send(Worker *worker, const QJsonObject &message)
{
    worker->process->write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
}

int BatchRunner::indexOf(int jobId) const
{
    for (int i = 0; i < m_jobs.size(); ++i) {
        if (m_jobs.at(i).id == jobId)
            return i;
    }
    return -1;
}
