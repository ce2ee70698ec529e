#pragma once

#include "convertjob.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// What the user sees of a batch. On a terminal a batch of several documents
// shows a progress bar (on standard error) and a line for each failure;
// otherwise every document gets a plain line on standard output. A summary
// closes the batch.
class ProgressReport
{
public:
    explicit ProgressReport(int documents);

    void refused(const ConvertJob &job, const QString &why);
    void started(const ConvertJob &job);
    void finished(const ConvertJob &job, const JobResult &result);
    // The summary line; the count of documents that did not convert.
    int summarise();

private:
    void line(const QString &text, bool always);
    void drawBar();
    void clearBar();

    int m_documents;
    int m_done = 0;
    int m_failed = 0;
    QString m_current;
    bool m_bar; // a progress bar on standard error
    bool m_quietSuccess; // converted documents need no line of their own
    QElapsedTimer m_clock;
};
