#include "lofiles.h"

#include "loadinteraction.h"
#include "loapplication.h"
#include "lodrawing.h"
#include "lolayout.h"
#include "office.h"
#include "unoutil.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XStorable.hpp>

#include <vector>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

std::shared_ptr<Office> officeOf(const automation::ApplicationPtr &application)
{
    auto ours = std::dynamic_pointer_cast<LoApplication>(application);
    if (!ours)
        return nullptr;
    std::shared_ptr<Office> office = ours->office();
    return office && office->isAlive() ? office : nullptr;
}

// A text file as UTF-8 without a byte order mark: the text filter is told the
// encoding, so that it neither asks nor guesses. False when the bytes are no
// text (they hold NUL) or the copy cannot be written.
bool copyAsUtf8(const QString &path, const QString &copy)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = in.readAll();
    if (bytes.contains('\0'))
        return false;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QTextCodec::ConverterState state;
    const QString utf8
        = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    const QString text
        = state.invalidChars == 0 ? utf8 : QTextCodec::codecForName("GB18030")->toUnicode(bytes);
    QFile out(copy);
    return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) >= 0 && out.flush();
}

} // namespace

bool saveDocumentAs(const automation::ApplicationPtr &application, const QString &path)
{
    const std::shared_ptr<Office> office = officeOf(application);
    if (!office || path.isEmpty())
        return false;
    const Reference<frame::XModel> model = office->activeDocument();
    if (!model.is())
        return false;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf")) {
        // The same export as printing into a PDF file.
        automation::PrintOutOptions options;
        options.outputFileName = automation::Variant(absolute);
        return printDocument(office, model, options);
    }
    const std::vector<beans::PropertyValue> filter = suffix == QLatin1String("txt")
        ? std::vector<beans::PropertyValue>()
        : filterArguments(path);
    if (filter.empty())
        return false;
    office->releaseControllers();
    const auto store = [&] {
        return officeCall(*office, false, [&] {
            drawing::fitBoxesToText(office->shapeWrappers(), model);
            // storeToURL writes a copy: the document stays what it was (a new
            // one keeps having no file, so closing it never overwrites this
            // one).
            Reference<frame::XStorable>(model, UNO_QUERY_THROW)
                ->storeToURL(
                    toOUString(QUrl::fromLocalFile(absolute).toString()),
                    uno::Sequence<beans::PropertyValue>(filter.data(), sal_Int32(filter.size())));
            return true;
        });
    };
    // The embedded office's Word export now and then fails when stand-ins
    // of its shapes that we let go just before are taken down during it
    // (lodrawing.h); they are gone by a second try.
    const bool stored = store() || store();
    return stored && QFileInfo(absolute).size() > 0;
}

OpenStatus openDocumentFile(const automation::ApplicationPtr &application, const QString &path)
{
    const std::shared_ptr<Office> office = officeOf(application);
    if (!office)
        return OpenStatus::NoOffice;
    const QFileInfo file(path);
    if (!file.exists())
        return OpenStatus::Missing;
    QFile probe(file.absoluteFilePath());
    if (!file.isFile() || !probe.open(QIODevice::ReadOnly))
        return OpenStatus::Unreadable;
    probe.close();

    QString source = file.absoluteFilePath();
    std::vector<beans::PropertyValue> arguments;
    // Without a window to ask in, every question of the load is cancelled;
    // a password asked for tells a protected file from a broken one.
    auto *interaction = new LoadInteraction;
    const Reference<task::XInteractionHandler> handler(interaction);
    const auto passwordAsked = interaction->passwordAsked();
    arguments.push_back(propertyValue("InteractionHandler", Any(handler)));
    QTemporaryDir recoded;
    const std::vector<beans::PropertyValue> filter = filterArguments(path);
    arguments.insert(arguments.end(), filter.begin(), filter.end());
    if (!filter.empty() && file.suffix().toLower() == QLatin1String("txt")) {
        source = recoded.filePath(file.fileName());
        if (!recoded.isValid() || !copyAsUtf8(path, source))
            return OpenStatus::NotADocument;
    }
    const Reference<frame::XModel> model = office->openDocument(
        source, uno::Sequence<beans::PropertyValue>(arguments.data(), sal_Int32(arguments.size())));
    if (model.is())
        return OpenStatus::Opened;
    if (!office->isAlive())
        return OpenStatus::NoOffice;
    return passwordAsked->load() ? OpenStatus::PasswordProtected : OpenStatus::NotADocument;
}

bool openDocument(const automation::ApplicationPtr &application, const QString &path)
{
    return openDocumentFile(application, path) == OpenStatus::Opened;
}

} // namespace libreoffice
