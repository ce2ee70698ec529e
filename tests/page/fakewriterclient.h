#pragma once

#include "automation/forward.h"
#include "writerclient.h"

#include <QString>
#include <QStringList>

#include <memory>

// The writer as the tests set it up, and what the host did with it.
struct FakeWriter
{
    // What getApplication hands out; with a status other than 0 it hands out
    // nothing and returns the status.
    automation::ApplicationPtr application;
    int status = 0;

    int factoryCalls = 0;
    int clientsAlive = 0;
    int getApplicationCalls = 0;
    QString processPath;
    QStringList processArgs;
};

// A writer client that reports to a FakeWriter.
class FakeWriterClient : public WriterClient
{
public:
    explicit FakeWriterClient(std::shared_ptr<FakeWriter> writer)
        : m_writer(std::move(writer))
    {
        ++m_writer->clientsAlive;
    }
    ~FakeWriterClient() override { --m_writer->clientsAlive; }

    QString defaultProcessPath() const override { return processPath(); }
    void setProcessPath(const QString &path) override { m_writer->processPath = path; }
    void setProcessArgs(const QStringList &args) override { m_writer->processArgs = args; }
    int getApplication(automation::ApplicationPtr *application) override;

    static QString processPath() { return QStringLiteral("/opt/fake/writer"); }

private:
    std::shared_ptr<FakeWriter> m_writer;
};

// A factory that makes FakeWriterClients for `writer`.
WriterClientFactory fakeWriterFactory(const std::shared_ptr<FakeWriter> &writer);

// A factory that makes no client, as when no writer is installed.
WriterClientFactory missingWriterFactory();
