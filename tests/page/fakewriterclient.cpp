#include "fakewriterclient.h"

#include "automation/application.h"

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
