#include "lofiles.h"

#include "loapplication.h"
#include "lodrawing.h"
#include "office.h"
#include "unoutil.h"

#include <QFileInfo>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XStorable.hpp>

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
    office->releaseControllers();
    const auto store = [&] {
        return unoGuard(false, [&] {
            // Kept until the file is written (lodrawing.h).
            const auto boxes = drawing::fitBoxesToText(model);
            beans::PropertyValue filter;
            filter.Name = "FilterName";
            const bool odt = absolute.endsWith(QLatin1String(".odt"), Qt::CaseInsensitive);
            filter.Value <<= rtl::OUString::createFromAscii(odt ? "writer8" : "MS Word 2007 XML");
            // storeToURL writes a copy: the document stays what it was (a new
            // one keeps having no file, so closing it never overwrites this
            // one).
            Reference<frame::XStorable>(model, UNO_QUERY_THROW)
                ->storeToURL(toOUString(QUrl::fromLocalFile(absolute).toString()),
                             uno::Sequence<beans::PropertyValue>(&filter, 1));
            return true;
        });
    };
    // The embedded office's Word export now and then fails when stand-ins
    // of its shapes that we let go just before are taken down during it
    // (lodrawing.h); they are gone by a second try.
    const bool stored = store() || store();
    return stored && QFileInfo(absolute).size() > 0;
}

bool openDocument(const automation::ApplicationPtr &application, const QString &path)
{
    const std::shared_ptr<Office> office = officeOf(application);
    const QFileInfo file(path);
    if (!office || !file.isFile())
        return false;
    return office->openDocument(file.absoluteFilePath()).is();
}

} // namespace libreoffice
