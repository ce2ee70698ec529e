#include "conformancesuite.h"
#include "libreoffice/lofiles.h"
#include "sharedoffice.h"

#include <QApplication>
#include <QTemporaryDir>

// The conformance suite's text, format and document cases on LibreOffice.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SharedOffice office;
    QTemporaryDir files;
    const auto reopen = [&](const automation::ApplicationPtr &app, const QString &suffix) {
        const QString path = files.filePath(QStringLiteral("reopened") + suffix);
        if (!libreoffice::saveDocumentAs(office.officeApplication(), path))
            return automation::DocumentPtr();
        app->activeDocument()->close(automation::Variant(false));
        return libreoffice::openDocument(office.officeApplication(), path) ? app->activeDocument()
                                                                           : nullptr;
    };
    return runConformanceSuite([&office] { return office.application(); }, argc, argv,
                               {QStringLiteral("TextConformanceTest"),
                                QStringLiteral("FormatConformanceTest"),
                                QStringLiteral("DocumentConformanceTest")},
                               reopen);
}
