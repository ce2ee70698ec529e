// Measures quorvex-convert on a batch of three-page notices converted to PDF,
// against the floor: LibreOffice alone opening and exporting the same files
// (soffice --convert-to pdf, one office for the whole batch).
//
//   convertbench [--documents N] [--jobs 1,2]
//
// Each run is timed from start to end, office start included, after a run
// of two documents that warms the offices' profiles. The settings are those
// of the README's example (cli/example), in a temporary copy.
#include "automation/automation.h"
#include "libreoffice/libreofficeclient.h"
#include "libreoffice/lofiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

using namespace automation;

namespace {

// A down-going notice of three pages as a user types it: headings of both
// levels and body paragraphs with their first-line indent.
QString noticeText()
{
    static const QString numerals = QStringLiteral("一二三四五六七八九十");
    QStringList paragraphs;
    for (int i = 0; i < 6; ++i) {
        paragraphs << QStringLiteral("　　") + numerals.at(i) + QStringLiteral("、工作要求");
        for (int j = 0; j < 3; ++j)
            paragraphs << QStringLiteral("　　（") + numerals.at(j)
                    + QStringLiteral(
                              "）各单位要高度重视安全生产工作，切实落实主体责任，加强隐患排查"
                              "治理，确保不发生重大生产安全事故，保障人民群众生命财产安全。");
    }
    return paragraphs.join(QLatin1Char('\n'));
}

bool makeInputs(const QString &folder, int count)
{
    QTemporaryDir profile;
    libreoffice::ClientOptions options;
    options.headless = true;
    options.profileDirectory = profile.path();
    const auto client = libreoffice::makeClient(options);
    ApplicationPtr app;
    if (!client || client->getApplication(&app) != 0)
        return false;
    const DocumentPtr document = app->documents()->add();
    document->content()->insertAfter(noticeText());
    const QString first = QDir(folder).filePath(QStringLiteral("notice-001.docx"));
    const bool saved = libreoffice::saveDocumentAs(app, first);
    app->quit(Variant(), Variant(), Variant());
    for (int i = 2; saved && i <= count; ++i)
        QFile::copy(first,
                    QDir(folder).filePath(
                        QStringLiteral("notice-%1.docx").arg(i, 3, 10, QLatin1Char('0'))));
    return saved;
}

// The pages of a PDF, as pdfinfo counts them; 0 when it cannot be read.
int pageCount(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished())
        return 0;
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(info.readAllStandardOutput())).captured(1).toInt();
}

// Seconds of a program's run; negative when it failed.
double timed(const QString &program, const QStringList &arguments, const QString &home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return -1;
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = QCoreApplication::arguments();
    const int at = args.indexOf(QStringLiteral("--documents"));
    const int count = at > 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : 100;
    const int jobsAt = args.indexOf(QStringLiteral("--jobs"));
    const QStringList jobs = jobsAt > 0 && jobsAt + 1 < args.size()
        ? args.at(jobsAt + 1).split(QLatin1Char(','))
        : QStringList {QStringLiteral("1"), QStringLiteral("2")};

    QTemporaryDir work;
    const QDir dir(work.path());
    for (const char *sub : {"home", "in", "warm", "settings"})
        dir.mkpath(QLatin1String(sub));
    for (const QFileInfo &file : QDir(QStringLiteral(QVX_EXAMPLE_DIR)).entryInfoList({"*.ini"}))
        QFile::copy(file.filePath(), dir.filePath(QStringLiteral("settings/") + file.fileName()));
    if (!makeInputs(dir.filePath(QStringLiteral("in")), count)) {
        out << "LibreOffice did not start\n";
        return 1;
    }
    QStringList inputs = QDir(dir.filePath(QStringLiteral("in"))).entryList({"*.docx"});
    for (QString &input : inputs)
        input = dir.filePath(QStringLiteral("in/") + input);
    const QStringList warmInputs = inputs.mid(0, 2);
    const QString home = dir.filePath(QStringLiteral("home"));

    // The floor: the office's own batch conversion, on a warm profile.
    const QString profile = QStringLiteral("-env:UserInstallation=file://") + dir.filePath("lo");
    const QStringList soffice {QStringLiteral("--headless"), QStringLiteral("--norestore"), profile,
                               QStringLiteral("--convert-to"), QStringLiteral("pdf")};
    timed(QStringLiteral("soffice"),
          soffice + QStringList {QStringLiteral("--outdir"), dir.filePath("warm")} + warmInputs,
          home);
    const double floor = timed(
        QStringLiteral("soffice"),
        soffice + QStringList {QStringLiteral("--outdir"), dir.filePath("floor")} + inputs, home);
    out << QStringLiteral("%1 three-page notices to PDF\n").arg(inputs.size());
    out << QStringLiteral("floor (soffice --convert-to pdf)   %1 s  %2 documents/s  (%3 pages)\n")
               .arg(floor, 6, 'f', 1)
               .arg(inputs.size() / floor, 6, 'f', 2)
               .arg(pageCount(dir.filePath(QStringLiteral("floor/notice-001.pdf"))));
    out.flush();

    const QString program = QStringLiteral(QVX_CONVERT_PROGRAM);
    const QStringList common {QStringLiteral("--settings-dir"), dir.filePath("settings"),
                              QStringLiteral("--kind"),         QStringLiteral("xiaxing"),
                              QStringLiteral("--format"),       QStringLiteral("pdf")};
    for (const QString &n : jobs) {
        const QStringList run = common + QStringList {QStringLiteral("--jobs"), n};
        timed(program,
              run + QStringList {QStringLiteral("-o"), dir.filePath("warm" + n)} + warmInputs,
              home);
        const double seconds = timed(
            program, run + QStringList {QStringLiteral("-o"), dir.filePath("out" + n)} + inputs,
            home);
        out << QStringLiteral(
                   "quorvex-convert --jobs %1           %2 s  %3 documents/s  %4x floor  (%5 "
                   "pages)\n")
                   .arg(n)
                   .arg(seconds, 6, 'f', 1)
                   .arg(inputs.size() / seconds, 6, 'f', 2)
                   .arg(seconds / floor, 0, 'f', 2)
                   .arg(pageCount(dir.filePath(QStringLiteral("out%1/notice-001.pdf").arg(n))));
        out.flush();
    }
    return 0;
}
