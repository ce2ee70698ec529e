#include "officeworker.h"

#include "automation/application.h"
#include "documentconverter.h"
#include "libreoffice/libreofficeclient.h"
#include "outputfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

void send(QFile &out, const QJsonObject &message)
{
    out.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    out.flush();
}

QJsonObject receive(QFile &in)
{
    const QByteArray line = in.readLine();
    return QJsonDocument::fromJson(line).object();
}

} // namespace

OfficeWorker::OfficeWorker(int slot)
    : m_slot(slot)
{
}

OfficeWorker::~OfficeWorker()
{
    if (m_application)
        m_application->quit(automation::Variant(), automation::Variant(), automation::Variant());
}

QString OfficeWorker::profileDirectory(int slot)
{
    // A profile of its own per slot, kept between batches so that an office
    // starts warm; a profile in use by another batch is replaced by a
    // temporary one (OfficeProfile).
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quorvex/convert-profile-%1").arg(slot);
}

bool OfficeWorker::startOffice()
{
    if (m_application && libreoffice::officeProcessId(m_application) != 0)
        return true;
    // A dead office is never revived: a new client starts a new one.
    m_application.reset();
    m_client.reset();
    libreoffice::ClientOptions options;
    options.headless = true;
    options.profileDirectory = profileDirectory(m_slot);
    m_client = libreoffice::makeClient(options);
    if (!m_client) {
        m_startError = QStringLiteral("没有安装 LibreOffice Writer");
        return false;
    }
    const int status = m_client->getApplication(&m_application);
    if (status != 0 || !m_application) {
        m_startError = QStringLiteral("LibreOffice 无法启动（错误 %1）").arg(status);
        m_application.reset();
        return false;
    }
    return true;
}

int OfficeWorker::run(QFile &in, QFile &out)
{
    OutputFile::removeOnSignals();
    if (!startOffice()) {
        send(out, {{"failed", m_startError}});
        return 1;
    }
    send(out, {{"ready", true}});
    for (;;) {
        const QJsonObject message = receive(in);
        if (message.isEmpty())
            return 0;
        const ConvertJob job = ConvertJob::fromJson(message.value(QLatin1String("job")).toObject());
        JobResult result;
        result.id = job.id;
        if (!startOffice()) {
            result.message = m_startError;
        } else {
            DocumentConverter::NumberTurn turn;
            turn.wait = [&] {
                send(out, {{"turn", job.id}});
                return receive(in).value(QLatin1String("turn")).toInt() == job.id;
            };
            turn.done = [&] { send(out, {{"numbered", job.id}}); };
            result = DocumentConverter(m_application).convert(job, turn);
        }
        send(out, {{"result", result.toJson()}});
        // What the office queued for us (a lost bridge) is seen before the
        // next job.
        QCoreApplication::processEvents();
    }
}
