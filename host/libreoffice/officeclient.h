#pragma once

#include "libreofficeclient.h"

#include <QSize>

#include <cstdint>
#include <memory>

namespace libreoffice {

class LoApplication;
class Office;

// WriterClient for LibreOffice Writer: starts soffice.bin with a profile of
// its own, connects over a UNO pipe and, unless headless, embeds the writer
// into the host window named by the start arguments.
class OfficeClient : public WriterClient
{
public:
    explicit OfficeClient(const ClientOptions &options);
    ~OfficeClient() override;

    QString defaultProcessPath() const override;
    void setProcessPath(const QString &path) override;
    // Reads the host window's id, width and height that follow "-x11embed";
    // the other arguments mean nothing to this writer.
    void setProcessArgs(const QStringList &args) override;
    // 0, or one of Office::StartResult; a second call answers the same
    // application while its office runs.
    int getApplication(automation::ApplicationPtr *application) override;
    void focusWriter() override;
    void setObserver(WriterObserver *observer) override { m_observer = observer; }
    bool waitForAnswer(int timeoutMs) override;
    bool wasCutOff() const override;
    int recoveredDocuments() const override;

private:
    ClientOptions m_options;
    QString m_processPath;
    std::uint64_t m_hostWindow = 0;
    QSize m_hostSize;
    std::shared_ptr<Office> m_office;
    std::shared_ptr<LoApplication> m_application;
    int m_startResult = 0;
    WriterObserver *m_observer = nullptr;
};

} // namespace libreoffice
