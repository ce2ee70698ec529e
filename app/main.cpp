#include <QCoreApplication>
#include <QTextStream>

// Until the main window exists, the program only proves that it is built and
// linked against the writer layer.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "quorvex is built; the main window is not part of this build yet."
                        << Qt::endl;
    return 0;
}
