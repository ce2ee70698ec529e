#include "officerecovery.h"

#include "unoutil.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/document/XDocumentRecovery.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XModifiable.hpp>

#include <unistd.h>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

const char listFile[] = "documents.json";
// The office's own format: a copy keeps everything the document holds.
const char copyFilter[] = "writer8";

QString filterOf(const Reference<frame::XModel> &model)
{
    const uno::Sequence<beans::PropertyValue> args = model->getArgs();
    for (const beans::PropertyValue &arg : args) {
        rtl::OUString name;
        if (arg.Name == "FilterName" && (arg.Value >>= name))
            return toQString(name);
    }
    return QString();
}

} // namespace

OfficeRecovery::OfficeRecovery(const QString &directory)
    : m_directory(directory)
    , m_prefix(QStringLiteral("%1-%2-").arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch()))
{
}

OfficeRecovery::~OfficeRecovery()
{
    stop();
}

std::vector<OfficeRecovery::Entry> OfficeRecovery::entries() const
{
    std::vector<Entry> result;
    QFile file(m_directory + QLatin1Char('/') + QLatin1String(listFile));
    if (!file.open(QIODevice::ReadOnly))
        return result;
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue &value : list) {
        const QJsonObject object = value.toObject();
        Entry entry;
        entry.copy = object.value(QStringLiteral("copy")).toString();
        entry.url = object.value(QStringLiteral("url")).toString();
        entry.filter = object.value(QStringLiteral("filter")).toString();
        if (QUrl(entry.url).toLocalFile().startsWith(m_directory + QLatin1Char('/')))
            entry.url.clear();
        // A copy that is gone cannot help; a document without copy or file
        // has nothing to come back from.
        if (!entry.copy.isEmpty() && !QFile::exists(m_directory + QLatin1Char('/') + entry.copy))
            entry.copy.clear();
        if (!entry.copy.isEmpty() || !entry.url.isEmpty())
            result.push_back(entry);
    }
    return result;
}

void OfficeRecovery::start(const Reference<frame::XDesktop2> &desktop, int intervalMs)
{
    stop();
    m_desktop = desktop;
    if (intervalMs <= 0 || !desktop.is() || !QDir().mkpath(m_directory))
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = false;
    }
    m_thread = std::thread([this, intervalMs] { run(intervalMs); });
}

void OfficeRecovery::stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void OfficeRecovery::run(int intervalMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_wake.wait_for(lock, std::chrono::milliseconds(intervalMs),
                            [this] { return m_stopping; })) {
        lock.unlock();
        round();
        lock.lock();
    }
}

void OfficeRecovery::saveNow()
{
    if (QDir().mkpath(m_directory))
        round();
}

void OfficeRecovery::round()
{
    // Runs beside the GUI thread: plain exception handling, no unoGuard
    // (that one sends the GUI thread's held writes).
    std::lock_guard<std::mutex> roundLock(m_roundMutex);
    if (!m_desktop.is())
        return;
    QJsonArray list;
    QSet<QString> kept;
    try {
        Reference<container::XIndexAccess> frames(m_desktop->getFrames(), UNO_QUERY_THROW);
        const sal_Int32 count = frames->getCount();
        for (sal_Int32 i = 0; i < count; ++i) {
            try {
                Reference<frame::XFrame> frame(frames->getByIndex(i), UNO_QUERY_THROW);
                Reference<frame::XController> controller = frame->getController();
                Reference<frame::XModel> model
                    = controller.is() ? controller->getModel() : Reference<frame::XModel>();
                if (!Reference<text::XTextDocument>(model, UNO_QUERY).is())
                    continue;
                const bool modified
                    = Reference<util::XModifiable>(model, UNO_QUERY_THROW)->isModified();
                // A document that still carries a copy's place (an office
                // before ours could leave one) has no file of its own.
                QString url = toQString(model->getURL());
                if (QUrl(url).toLocalFile().startsWith(m_directory + QLatin1Char('/')))
                    url.clear();
                QJsonObject entry;
                entry.insert(QStringLiteral("url"), url);
                entry.insert(QStringLiteral("filter"), filterOf(model));
                if (modified) {
                    const QString copy = m_prefix + toQString(frame->getName()) + ".odt";
                    const QString path = m_directory + QLatin1Char('/') + copy;
                    Reference<document::XDocumentRecovery> recovery(model, UNO_QUERY_THROW);
                    if (recovery->wasModifiedSinceLastSave() || !QFile::exists(path)) {
                        beans::PropertyValue filter;
                        filter.Name = "FilterName";
                        filter.Value <<= unoName(copyFilter);
                        recovery->storeToRecoveryFile(
                            toOUString(QUrl::fromLocalFile(path).toString()),
                            uno::Sequence<beans::PropertyValue>(&filter, 1));
                    }
                    entry.insert(QStringLiteral("copy"), copy);
                    kept.insert(copy);
                } else if (url.isEmpty()) {
                    continue;
                }
                list.append(entry);
            } catch (const uno::Exception &) {
                // A document closed meanwhile: it needs no recovery.
            }
        }
    } catch (const uno::Exception &) {
        // The office is gone: the last list stays as it was.
        return;
    }

    QSaveFile file(m_directory + QLatin1Char('/') + QLatin1String(listFile));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(list).toJson()) < 0
        || !file.commit())
        return;
    // Copies no document needs any more, also those of an office before
    // this one (the list no longer names them; one office per profile).
    const QStringList copies = QDir(m_directory).entryList({QStringLiteral("*.odt")}, QDir::Files);
    for (const QString &name : copies) {
        if (!kept.contains(name))
            QFile::remove(m_directory + QLatin1Char('/') + name);
    }
}

void OfficeRecovery::discard()
{
    stop();
    QDir(m_directory).removeRecursively();
}

} // namespace libreoffice
