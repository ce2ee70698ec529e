#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    // Qt's own texts (standard buttons, file dialogs) in Chinese. Without the
    // catalogue Qt keeps its default texts.
    QTranslator translator(&app);
    const bool loaded = translator.load(QStringLiteral(":/translations/qt_zh_CN.qm"));
    Q_UNUSED(loaded)
    app.installTranslator(&translator);

    // Files named on the command line (as a desktop entry passes them) open
    // in the writer once the window is up.
    QStringList files;
    for (const QString &argument : app.arguments().mid(1)) {
        if (!argument.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            files << argument;
    }
    MainWindow window;
    window.show();
    window.openFiles(files);
    return app.exec();
}
