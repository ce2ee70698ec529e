#include "officeclient.h"

#include "loapplication.h"
#include "office.h"

namespace libreoffice {

namespace {

const char sofficePath[] = "/usr/lib/libreoffice/program/soffice.bin";

} // namespace

OfficeClient::OfficeClient(const ClientOptions &options)
    : m_options(options)
    , m_processPath(QString::fromLatin1(sofficePath))
{
}

OfficeClient::~OfficeClient() = default;

QString OfficeClient::defaultProcessPath() const
{
    return QString::fromLatin1(sofficePath);
}

void OfficeClient::setProcessPath(const QString &path)
{
    m_processPath = path;
}

void OfficeClient::setProcessArgs(const QStringList &args)
{
    const int at = args.indexOf(QStringLiteral("-x11embed"));
    if (at < 0 || at + 3 >= args.size()) {
        m_hostWindow = 0;
        return;
    }
    m_hostWindow = args.at(at + 1).toULongLong();
    m_hostSize = QSize(args.at(at + 2).toInt(), args.at(at + 3).toInt());
}

int OfficeClient::getApplication(automation::ApplicationPtr *application)
{
    if (!application)
        return Office::NoProgram;
    *application = nullptr;
    if (m_office) {
        if (!m_application || !m_office->isAlive())
            return m_startResult != Office::Started ? m_startResult : Office::LaunchFailed;
        *application = m_application;
        return Office::Started;
    }
    m_office = std::make_shared<Office>(m_options.headless, m_options.profileDirectory,
                                        m_options.headless ? 0 : m_options.recoveryIntervalMs);
    if (WriterObserver *observer = m_observer) {
        m_office->setEvents({[observer] { observer->writerEnded(); },
                             [observer] { observer->writerNotResponding(); },
                             [observer] { observer->writerRespondingAgain(); },
                             [observer] { observer->writerDocumentsChanged(); },
                             [observer] { observer->writerWantsFile(); },
                             [observer] { observer->writerWantsQuit(); },
                             [observer] { observer->writerMadeDocument(); }});
    }
    const Office::StartResult result = m_office->start(m_processPath, m_hostWindow, m_hostSize);
    m_startResult = result;
    if (result != Office::Started)
        return result;
    m_application = std::make_shared<LoApplication>(m_office);
    *application = m_application;
    return Office::Started;
}

void OfficeClient::focusWriter()
{
    libreoffice::focusWriter(m_application);
}

bool OfficeClient::waitForAnswer(int timeoutMs)
{
    return m_office && m_office->waitForAnswer(timeoutMs);
}

bool OfficeClient::wasCutOff() const
{
    return m_office && m_office->wasCutOff();
}

int OfficeClient::recoveredDocuments() const
{
    return m_office ? m_office->recoveredDocuments() : 0;
}

} // namespace libreoffice
