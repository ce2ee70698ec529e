#pragma once

#include "automation/forward.h"
#include "writerclient.h"

#include <QString>

#include <memory>

class QFile;

// One office of a batch, in a process of its own (the converter started
// with --worker): it runs the jobs its batch sends, one at a time, and
// answers each with its result. The office starts once and is started again
// only when it has died, so that one crash costs one document.
//
// The batch and the worker talk in lines of JSON:
//   worker -> batch  {"ready":true}          the office runs; send a job
//                    {"failed":"<why>"}      no office could be started
//                    {"turn":<id>}           the job may take its number?
//                    {"numbered":<id>}       it has taken it
//                    {"result":{...}}        JobResult; send the next job
//   batch -> worker  {"job":{...}}           ConvertJob
//                    {"turn":<id>}           take the number now
// The end of the batch's lines ends the worker.
class OfficeWorker
{
public:
    // `slot` picks the office profile, one per worker of a batch.
    explicit OfficeWorker(int slot);
    ~OfficeWorker();

    // Serves the batch until its lines end; the exit status of the process.
    int run(QFile &in, QFile &out);

    // The profile directory of a worker slot.
    static QString profileDirectory(int slot);

private:
    bool startOffice();

    int m_slot;
    std::unique_ptr<WriterClient> m_client;
    automation::ApplicationPtr m_application;
    QString m_startError;
};
