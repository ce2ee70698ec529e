#include "fakewriterclient.h"

#include "automation/application.h"

FakeWriterClient::FakeWriterClient(std::shared_ptr<FakeWriter> writer)
    : m_writer(std::move(writer))
{
    ++m_writer->clientsAlive;
}

FakeWriterClient::~FakeWriterClient()
{
    --m_writer->clientsAlive;
}

QString FakeWriterClient::processPath()
{
    return QStringLiteral("/opt/fake/writer");
}

QString FakeWriterClient::defaultProcessPath() const
{
    return processPath();
}

void FakeWriterClient::setProcessPath(const QString &path)
{
    m_writer->processPath = path;
}

void FakeWriterClient::setProcessArgs(const QStringList &args)
{
    m_writer->processArgs = args;
}

int FakeWriterClient::getApplication(automation::ApplicationPtr *application)
{
    ++m_writer->getApplicationCalls;
    if (m_writer->status != 0) {
        application->reset();
        return m_writer->status;
    }
    *application = m_writer->application;
    return 0;
}

WriterClientFactory fakeWriterFactory(const std::shared_ptr<FakeWriter> &writer)
{
    return [writer]() -> std::unique_ptr<WriterClient> {
        ++writer->factoryCalls;
        return std::make_unique<FakeWriterClient>(writer);
    };
}

WriterClientFactory missingWriterFactory()
{
    return []() -> std::unique_ptr<WriterClient> { return nullptr; };
}
