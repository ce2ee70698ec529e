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

    MainWindow window;
    window.show();
    return app.exec();
}
