#include "lolayout.h"

#include "lodrawing.h"
#include "lofields.h"
#include "loprintjob.h"
#include "losectionmap.h"
#include "losections.h"
#include "lostyles.h"
#include "office.h"
#include "unoutil.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/view/XPrintJobBroadcaster.hpp>
#include <com/sun/star/view/XPrintable.hpp>
#include <rtl/ref.hxx>

#include <vector>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

namespace {

// How long a job's end may take to be told once print has returned.
constexpr int kPrintJobNewsMs = 30000;

rtl::OUString fileUrl(const QString &path)
{
    return toOUString(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString());
}

// The name of the office's current printer; empty when it has none.
QString printerName(const Reference<view::XPrintable> &printable)
{
    const uno::Sequence<beans::PropertyValue> printer = printable->getPrinter();
    for (sal_Int32 i = 0; i < printer.getLength(); ++i) {
        rtl::OUString name;
        if (printer[i].Name == "Name" && (printer[i].Value >>= name))
            return toQString(name);
    }
    return QString();
}

// Without a print system the office offers its "Generic Printer", which
// hands PostScript to lpr: without lpr nothing would be printed.
bool hasPrinter(const QString &name)
{
    if (name.isEmpty())
        return false;
    if (name == QLatin1String("Generic Printer"))
        return !QStandardPaths::findExecutable(QStringLiteral("lpr")).isEmpty();
    return true;
}

bool print(const Reference<frame::XModel> &model, const automation::PrintOutOptions &options,
           const QString &fileName)
{
    std::vector<beans::PropertyValue> properties;
    // Printing runs to its end before the call returns.
    properties.push_back(propertyValue("Wait", Any(true)));
    if (!fileName.isEmpty())
        properties.push_back(propertyValue("FileName", Any(fileUrl(fileName))));
    if (!options.copies.isMissing() && options.copies.toInt() > 0)
        properties.push_back(propertyValue("CopyCount", Any(sal_Int16(options.copies.toInt()))));
    if (!options.pages.isMissing() && !options.pages.toString().isEmpty())
        properties.push_back(propertyValue("Pages", Any(toOUString(options.pages.toString()))));
    if (!options.collate.isMissing())
        properties.push_back(propertyValue("Collate", Any(options.collate.toBool())));
    // The office tells how the job ended to its listeners only: print
    // returns alike for a job that never reached the print system.
    const rtl::Reference<LoPrintJob> job(new LoPrintJob);
    const Reference<view::XPrintJobBroadcaster> broadcaster(model, UNO_QUERY_THROW);
    broadcaster->addPrintJobListener(job.get());
    LoPrintJob::End end = LoPrintJob::End::Failed;
    try {
        Reference<view::XPrintable>(model, UNO_QUERY_THROW)
            ->print(uno::Sequence<beans::PropertyValue>(properties.data(),
                                                        sal_Int32(properties.size())));
        // With Wait the job has been handed over when print returns; the
        // news of it may come a little later.
        end = job->waitForEnd(kPrintJobNewsMs);
    } catch (...) {
        broadcaster->removePrintJobListener(job.get());
        throw;
    }
    broadcaster->removePrintJobListener(job.get());
    if (end != LoPrintJob::End::Printed)
        return false;
    return fileName.isEmpty() || QFileInfo(fileName).size() > 0;
}

// A file name ending in ".pdf" asks for the document as PDF.
bool exportPdf(const Reference<frame::XModel> &model, const QString &fileName)
{
    const beans::PropertyValue filter
        = propertyValue("FilterName", Any(unoName("writer_pdf_Export")));
    Reference<frame::XStorable>(model, UNO_QUERY_THROW)
        ->storeToURL(fileUrl(fileName), uno::Sequence<beans::PropertyValue>(&filter, 1));
    return QFileInfo(fileName).size() > 0;
}

} // namespace

automation::SectionsPtr makeSections(const std::shared_ptr<Office> &office,
                                     const Reference<frame::XModel> &model)
{
    if (!office->isAlive() || !model.is())
        return nullptr;
    return std::make_shared<LoSections>(office, model);
}

automation::FieldsPtr makeFields(const std::shared_ptr<Office> &office,
                                 const Reference<frame::XModel> &model)
{
    if (!office->isAlive() || !model.is())
        return nullptr;
    return std::make_shared<LoFields>(office, model);
}

automation::StylesPtr makeStyles(const std::shared_ptr<Office> &office,
                                 const Reference<frame::XModel> &model)
{
    if (!office->isAlive() || !model.is())
        return nullptr;
    return std::make_shared<LoStyles>(office, model);
}

bool printDocument(const std::shared_ptr<Office> &office, const Reference<frame::XModel> &model,
                   const automation::PrintOutOptions &options)
{
    if (!office->isAlive() || !model.is())
        return false;
    const QString outputFile
        = options.outputFileName.isMissing() ? QString() : options.outputFileName.toString();
    office->releaseControllers(); // pages are printed as laid out
    return officeCall(*office, false, [&] {
        // Boxes as tall as their text (lodrawing.h).
        drawing::fitBoxesToText(office->shapeWrappers(), model);
        // Linked footers show what the footers they follow hold now.
        SectionMap::syncLinked(office->document(model));
        if (!outputFile.isEmpty()) {
            if (outputFile.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                return exportPdf(model, outputFile);
            return print(model, options, outputFile);
        }
        // Without a printer nothing can be printed: a failure to report,
        // not a job to throw away.
        Reference<view::XPrintable> printable(model, UNO_QUERY_THROW);
        if (!hasPrinter(printerName(printable)))
            return false;
        return print(model, options, QString());
    });
}

} // namespace libreoffice
