#include "batchplan.h"

#include "batchfields.h"
#include "documentnumber.h"
#include "manifest.h"
#include "optionsettings.h"
#include "templatestore.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

namespace {

struct Source
{
    QString input; // as given
    QString output; // as given, may be empty
    QString base; // folder the two are relative to
    QMap<QString, QString> values;
    QString where; // "清单第N行" for a manifest row
};

QString absolute(const QString &base, const QString &path)
{
    return QFileInfo(QDir(base), path).absoluteFilePath();
}

// The template a document uses: the one named, or the one the dialog would
// select (the last used when it still exists, else the first).
QString templateFor(const QString &kind, const QString &named, QString *refusal)
{
    const QStringList names = TemplateStore::templateNames(kind);
    if (!named.isEmpty()) {
        if (!names.contains(named))
            *refusal
                = QStringLiteral("%1中没有名为“%2”的红头模板%3")
                      .arg(
                          TemplateStore::filePath(kind), named,
                          names.isEmpty()
                              ? QString()
                              : QStringLiteral("（有：%1）").arg(names.join(QStringLiteral("、"))));
        return named;
    }
    if (names.isEmpty()) {
        *refusal = QStringLiteral("%1中还没有红头模板：请先在程序中添加一个")
                       .arg(TemplateStore::filePath(kind));
        return QString();
    }
    const QString lastUsed = TemplateStore::lastUsed(kind);
    return names.contains(lastUsed) ? lastUsed : names.first();
}

// Whether a given number fits the fields of the kind's dialog.
bool numberFits(const QString &kind, const QString &number)
{
    if (kind == QLatin1String(TemplateKind::Minutes)) {
        const IssueNumber parts = splitIssueNumber(number);
        return parts.number >= kFirstRunningNumber && parts.number <= kLastRunningNumber;
    }
    BracketNumber parts;
    return parseBracketNumber(number, &parts) && parts.year >= kFirstNumberYear
        && parts.year <= kLastNumberYear && parts.number >= kFirstRunningNumber
        && parts.number <= kLastRunningNumber;
}

// Checks the values of one document and puts them into its job.
QString fillJob(ConvertJob *job, const QMap<QString, QString> &values)
{
    const QString kindText = values.value(QLatin1String(batchfield::Kind));
    if (kindText.isEmpty())
        return QStringLiteral("没有给出公文种类（--kind）");
    job->kind = batchfield::kindFile(kindText);
    if (job->kind.isEmpty())
        return QStringLiteral("公文种类“%1”无法识别").arg(kindText);
    QString refusal;
    job->templateName
        = templateFor(job->kind, values.value(QLatin1String(batchfield::Template)), &refusal);
    if (!refusal.isEmpty())
        return refusal;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (!batchfield::isElement(it.key()))
            continue;
        QString value = it.value();
        if (it.key() == QLatin1String(batchfield::WrittenOn)
            || it.key() == QLatin1String(batchfield::PrintedOn)) {
            value = batchfield::normalisedDate(it.value());
            if (value.isEmpty())
                return QStringLiteral("日期“%1”无法识别（请写成 2024年5月6日 或 2024-05-06）")
                    .arg(it.value());
        }
        if (it.key() == QLatin1String(batchfield::Number) && !numberFits(job->kind, value))
            return job->kind == QLatin1String(TemplateKind::Minutes)
                ? QStringLiteral("发文字号“%1”中没有 1 到 9999 的期号").arg(value)
                : QStringLiteral("发文字号“%1”不是“机关代字〔年份〕序号号”的形式，"
                                 "或年份、序号超出范围")
                      .arg(value);
        job->given.insert(it.key(), value);
    }
    return QString();
}

QString inputRefusal(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("找不到输入文件");
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("无法读取输入文件（不是普通文件，或没有读取权限）");
    if (!isInputSuffix(info.suffix()))
        return QStringLiteral("不支持“.%1”文件（可读 .docx、.odt、.doc、.txt）").arg(info.suffix());
    return QString();
}

// A folder takes files when a file can be made in it; it is made if needed.
bool folderTakesFiles(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.quorvex-convert-XXXXXX"));
    return probe.open();
}

// A document format the office reads but this program does not write out.
bool isUnwritableDocumentSuffix(const QString &suffix)
{
    return !isOutputSuffix(suffix)
        && (isInputSuffix(suffix)
            || QStringList {"rtf", "wps", "htm", "html", "ofd", "xml", "fodt"}.contains(
                suffix, Qt::CaseInsensitive));
}

} // namespace

bool isInputSuffix(const QString &suffix)
{
    return QStringList {"docx", "odt", "doc", "txt"}.contains(suffix, Qt::CaseInsensitive);
}

bool isOutputSuffix(const QString &suffix)
{
    return QStringList {"docx", "odt", "pdf"}.contains(suffix, Qt::CaseInsensitive);
}

BatchPlan planBatch(const BatchOptions &options)
{
    BatchPlan plan;
    const auto stop = [&](const QString &why) {
        plan.documents.clear();
        plan.fatal = why;
        return plan;
    };

    QList<Source> sources;
    for (const QString &input : options.inputs)
        sources.append({input, QString(), QDir::currentPath(), options.values, QString()});
    if (!options.manifest.isEmpty()) {
        const Manifest manifest = readManifest(options.manifest);
        if (!manifest.error.isEmpty())
            return stop(manifest.error);
        const QString base = QFileInfo(options.manifest).absolutePath();
        for (const ManifestRow &row : manifest.rows) {
            QMap<QString, QString> values = options.values;
            for (auto it = row.values.cbegin(); it != row.values.cend(); ++it)
                values.insert(it.key(), it.value());
            sources.append({row.values.value(QLatin1String(batchfield::Input)),
                            row.values.value(QLatin1String(batchfield::Output)), base, values,
                            QStringLiteral("清单第%1行").arg(row.line)});
        }
    }
    if (sources.isEmpty())
        return stop(QStringLiteral("没有要转换的文档：请给出输入文件或 --manifest 清单"));
    if (sources.size() > 1 && options.values.contains(QLatin1String(batchfield::Number)))
        return stop(QStringLiteral("--number 只能用于一个文档；多个文档请在清单中给出各自的文号"));
    if (!isOutputSuffix(options.format))
        return stop(
            QStringLiteral("不支持输出格式“%1”（可用 docx、odt、pdf）").arg(options.format));
    if (OptionSettings::unitName().size() < OptionSettings::minimumUnitLength)
        return stop(QStringLiteral("未设置印发单位名称：请先在程序的“系统设置”中设置（%1）")
                        .arg(OptionSettings::settingsFilePath()));

    // -o names the output file of a single document when it looks like one;
    // otherwise it is the folder of all outputs named after their inputs.
    const QFileInfo outputInfo(options.output);
    // Mended: "-o letter.rtf" made a folder of that name and wrote
    // letter.rtf/letter.docx into it. A name with a document format this
    // program cannot write is a mistake, not a folder.
    const bool namesFile = !options.output.endsWith(QLatin1Char('/')) && !outputInfo.isDir();
    if (namesFile && isUnwritableDocumentSuffix(outputInfo.suffix()))
        return stop(QStringLiteral("不支持输出“.%1”文件（可写 .docx、.odt、.pdf）")
                        .arg(outputInfo.suffix()));
    const bool outputIsFile = sources.size() == 1 && !options.output.isEmpty()
        && !options.output.endsWith(QLatin1Char('/')) && !outputInfo.isDir()
        && isOutputSuffix(outputInfo.suffix());

    QSet<QString> outputs;
    QSet<QString> folders;
    for (int i = 0; i < sources.size(); ++i) {
        const Source &source = sources.at(i);
        PlannedDocument document;
        document.job.id = i + 1;
        document.job.adaptPages = options.adaptPages;
        document.job.replaceOutput = options.replaceOutputs;
        const auto refuse = [&](const QString &why) {
            document.refusal
                = source.where.isEmpty() ? why : source.where + QStringLiteral("：") + why;
        };
        document.job.input
            = source.input.isEmpty() ? QString() : absolute(source.base, source.input);
        if (source.input.isEmpty()) {
            refuse(QStringLiteral("没有给出输入文件"));
        } else if (!source.output.isEmpty()) {
            document.job.output = absolute(source.base, source.output);
        } else if (outputIsFile) {
            document.job.output = outputInfo.absoluteFilePath();
        } else if (!options.output.isEmpty()) {
            document.job.output = QDir(outputInfo.absoluteFilePath())
                                      .filePath(QFileInfo(source.input).completeBaseName()
                                                + QLatin1Char('.') + options.format.toLower());
        } else {
            return stop(QStringLiteral("请用 -o 指定输出文件或文件夹"));
        }

        const QString canonicalInput = QFileInfo(document.job.input).canonicalFilePath();
        const QFileInfo out(document.job.output);
        if (!document.refusal.isEmpty()) {
        } else if (QString why = inputRefusal(document.job.input); !why.isEmpty()) {
            refuse(why);
        } else if (!isOutputSuffix(out.suffix())) {
            refuse(
                QStringLiteral("不支持输出“.%1”文件（可写 .docx、.odt、.pdf）").arg(out.suffix()));
        } else if (out.exists() && out.canonicalFilePath() == canonicalInput) {
            refuse(QStringLiteral("输出文件就是输入文件：输入文件不会被改写"));
        } else if (outputs.contains(document.job.output)) {
            refuse(QStringLiteral("输出文件“%1”与前面的文档相同").arg(document.job.output));
        } else if (out.exists() && !options.replaceOutputs) {
            refuse(QStringLiteral("输出文件已存在（要替换请加 --overwrite）"));
        } else if (QString why = fillJob(&document.job, source.values); !why.isEmpty()) {
            refuse(why);
        }
        if (document.refusal.isEmpty()) {
            outputs.insert(document.job.output);
            folders.insert(out.absolutePath());
        }
        plan.documents.append(document);
    }

    // Known before any number is taken or any office started.
    for (const QString &folder : qAsConst(folders)) {
        if (!folderTakesFiles(folder))
            return stop(QStringLiteral("输出文件夹“%1”无法写入").arg(folder));
    }
    return plan;
}
