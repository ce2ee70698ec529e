// quorvex-convert: converts documents into official documents from the
// command line, with the program's own conversion on headless LibreOffice.
// This file reads the arguments and reports; the batch is batchplan.h,
// batchrunner.h and, in each office worker, officeworker.h.
#include "batchfields.h"
#include "batchplan.h"
#include "batchrunner.h"
#include "officeworker.h"
#include "optionsettings.h"
#include "progressreport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include <cstdio>

namespace {

// Exit statuses.
const int kAllConverted = 0;
const int kSomeFailed = 1;
const int kNothingRun = 2; // bad arguments or settings: no document touched

const char kDescription[]
    = R"(把文档按红头模板转换为公文：与程序中“套下行文”“套上行文”“信函格式”“联合发文”“纪要简报”
命令做同样的转换，使用同样的设置和模板文件（~/Quorvex，或 --settings-dir 给出的文件夹），
在不显示窗口的 LibreOffice 中进行。

输入：.docx .odt .doc .txt（UTF-8 或 GB18030）。输出：.docx .odt .pdf，由输出文件的扩展名
或 --format 决定。输入文件只读不写；输出先写入临时文件，完成后才改为最终名称；已有的输出
文件不会被替换，除非加 --overwrite。

公文要素：来自选项或清单；没有给出的要素取文档中已保存的要素（再次转换时），否则为空，
日期为今天。文号：没有给出时，文档已带的文号保留，否则取模板的下一个文号；文号与对话框
确定时一样记入模板，同时运行的多个转换不会取到相同的文号。

清单（--manifest）：CSV 文件（UTF-8 或 GB18030，可用 Excel、WPS 表格保存），每个文档一行，
第一行为列名：input、output、kind、template，以及下列要素选项的名称（不带“--”），也可用
中文列名（输入、输出、公文种类、模板、发文字号、公文标题、主送单位、抄送单位、附注、成文日期、
印发日期、公文密级、期限、紧急、公开方式、签发、出席、列席、请假）。路径相对于清单所在文件夹；
空格表示未给出，取命令行选项的值。

示例：
  quorvex-convert --kind 下行文 --title "关于做好安全生产工作的通知" --recipient 各区县人民政府 \
      通知.docx -o 通知.pdf
  quorvex-convert --kind xiaxing --template 市政府文件 --format pdf -o 归档/ 2024/*.docx
  quorvex-convert --manifest 发文清单.csv -o 输出/ --jobs 2 --adapt-pages

退出状态：0 全部转换成功；1 有文档没有转换；2 参数或设置有误，没有转换任何文档。)";

void printError(const QString &text)
{
    std::fputs(
        (QStringLiteral("quorvex-convert：") + text + QLatin1Char('\n')).toUtf8().constData(),
        stderr);
}

QString optionName(const char *field)
{
    return QLatin1String(field);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvex-convert"));
    QTranslator translator;
    if (translator.load(QStringLiteral(":/translations/qt_zh_CN.qm")))
        QCoreApplication::installTranslator(&translator);

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("输入文件"), QStringLiteral("要转换的文档"),
                                 QStringLiteral("[输入文件...]"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("输出文件（一个文档时），或输出文件夹"),
                                    QStringLiteral("路径"));
    const QCommandLineOption manifest(QStringLiteral("manifest"),
                                      QStringLiteral("CSV 清单，每个文档一行（见上）"),
                                      QStringLiteral("文件"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("输出到文件夹时的格式：docx（默认）、odt、pdf"),
                                    QStringLiteral("格式"), QStringLiteral("docx"));
    const QCommandLineOption adapt(QStringLiteral("adapt-pages"),
                                   QStringLiteral("先做完整的页面设置，包括识别各级标题"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"),
                                       QStringLiteral("替换已有的输出文件"));
    const QCommandLineOption settingsDir(
        QStringLiteral("settings-dir"),
        QStringLiteral("设置和模板文件所在的文件夹（默认 ~/Quorvex）"), QStringLiteral("文件夹"));
    const QCommandLineOption jobs(QStringLiteral("jobs"),
                                  QStringLiteral("同时运行的 LibreOffice 个数（默认 1）"),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption timeLimit(
        QStringLiteral("time-limit"), QStringLiteral("每个文档最多用时，超过即中止（默认 600 秒）"),
        QStringLiteral("秒"), QStringLiteral("600"));
    parser.addOptions({output, manifest, format, adapt, overwrite, settingsDir, jobs, timeLimit});
    QList<QCommandLineOption> fieldOptions;
    for (const batchfield::Field &field : batchfield::all()) {
        const QString name = optionName(field.name);
        if (name == QLatin1String(batchfield::Input) || name == QLatin1String(batchfield::Output))
            continue;
        QString text = QString::fromUtf8(field.help);
        if (name == QLatin1String(batchfield::Kind))
            text += QStringLiteral(
                "：xiaxing（下行文、平行文）、shangxing（上行文）、xinhan（信函）、"
                "lianhe（联合发文）、jiyao（纪要、简报）");
        if (name == QLatin1String(batchfield::Template))
            text += QStringLiteral("（默认：上次使用的模板）");
        fieldOptions.append(QCommandLineOption(name, text, QStringLiteral("文本")));
    }
    parser.addOptions(fieldOptions);
    // The office workers of a batch: this program started again.
    QCommandLineOption worker(QStringLiteral("worker"));
    worker.setFlags(QCommandLineOption::HiddenFromHelp);
    QCommandLineOption slot(QStringLiteral("slot"), QString(), QStringLiteral("n"),
                            QStringLiteral("1"));
    slot.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({worker, slot});

    if (!parser.parse(QCoreApplication::arguments())) {
        printError(parser.errorText() + QStringLiteral("（用 --help 查看用法）"));
        return kNothingRun;
    }
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return kAllConverted;
    }
    if (parser.isSet(settingsDir)) {
        if (!QFileInfo(parser.value(settingsDir)).isDir()) {
            printError(QStringLiteral("设置文件夹“%1”不存在").arg(parser.value(settingsDir)));
            return kNothingRun;
        }
        OptionSettings::setDirectoryPath(parser.value(settingsDir));
    }

    if (parser.isSet(worker)) {
        QFile in;
        QFile out;
        in.open(stdin, QIODevice::ReadOnly);
        out.open(stdout, QIODevice::WriteOnly);
        return OfficeWorker(parser.value(slot).toInt()).run(in, out);
    }

    bool jobsOk = false;
    const int jobCount = parser.value(jobs).toInt(&jobsOk);
    if (!jobsOk || jobCount < 1 || jobCount > 16) {
        printError(QStringLiteral("--jobs 应为 1 到 16"));
        return kNothingRun;
    }
    bool limitOk = false;
    const int limit = parser.value(timeLimit).toInt(&limitOk);
    if (!limitOk || limit < 1) {
        printError(QStringLiteral("--time-limit 应为正整数（秒）"));
        return kNothingRun;
    }

    BatchOptions options;
    options.inputs = parser.positionalArguments();
    options.manifest = parser.value(manifest);
    options.output = parser.value(output);
    options.format = parser.value(format).toLower();
    options.adaptPages = parser.isSet(adapt);
    options.replaceOutputs = parser.isSet(overwrite);
    for (const QCommandLineOption &option : qAsConst(fieldOptions)) {
        if (parser.isSet(option))
            options.values.insert(option.names().first(), parser.value(option).trimmed());
    }
    const BatchPlan plan = planBatch(options);
    if (!plan.fatal.isEmpty()) {
        printError(plan.fatal);
        return kNothingRun;
    }

    ProgressReport report(plan.documents.size());
    QList<ConvertJob> jobList;
    for (const PlannedDocument &document : plan.documents) {
        if (document.refusal.isEmpty())
            jobList.append(document.job);
        else
            report.refused(document.job, document.refusal);
    }
    BatchRunner::Options runOptions;
    runOptions.workers = jobCount;
    runOptions.program = QCoreApplication::applicationFilePath();
    runOptions.workerArguments = QStringList {QStringLiteral("--worker")};
    if (parser.isSet(settingsDir))
        runOptions.workerArguments << QStringLiteral("--settings-dir")
                                   << QDir(parser.value(settingsDir)).absolutePath();
    runOptions.timeLimitSeconds = limit;
    BatchRunner runner(jobList, runOptions);
    QObject::connect(&runner, &BatchRunner::jobStarted,
                     [&](const ConvertJob &job) { report.started(job); });
    QObject::connect(
        &runner, &BatchRunner::jobFinished,
        [&](const ConvertJob &job, const JobResult &result) { report.finished(job, result); });
    const bool ran = runner.run();
    const int failed = report.summarise();
    if (!ran) {
        printError(runner.startError());
        return kNothingRun;
    }
    return failed > 0 ? kSomeFailed : kAllConverted;
}
