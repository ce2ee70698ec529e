#include "documentconverter.h"

#include "assembly/conversion.h"
#include "assembly/elementrecord.h"
#include "automation/application.h"
#include "automation/document.h"
#include "batchfields.h"
#include "elementinput.h"
#include "format/pageadaptation.h"
#include "libreoffice/libreofficeclient.h"
#include "libreoffice/lofiles.h"
#include "numbercounter.h"
#include "outputfile.h"
#include "templatestore.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QString openFailure(libreoffice::OpenStatus status, const QString &input)
{
    switch (status) {
    case libreoffice::OpenStatus::Opened:
        break;
    case libreoffice::OpenStatus::Missing:
        return QStringLiteral("找不到输入文件");
    case libreoffice::OpenStatus::Unreadable:
        return QStringLiteral("无法读取输入文件（不是普通文件，或没有读取权限）");
    case libreoffice::OpenStatus::NotADocument:
        return QStringLiteral("不是可以打开的文档（内容与扩展名“.%1”不符，或文件已损坏）")
            .arg(QFileInfo(input).suffix());
    case libreoffice::OpenStatus::PasswordProtected:
        return QStringLiteral("文档有密码保护，无法打开");
    case libreoffice::OpenStatus::NoOffice:
        return QStringLiteral("LibreOffice 意外退出");
    }
    return QString();
}

QString numberFailure(numbering::Status status, const numbering::Taken &taken)
{
    switch (status) {
    case numbering::Status::Recorded:
        break;
    case numbering::Status::NoTemplate:
        return QStringLiteral("没有选择红头模板");
    case numbering::Status::CounterAtEnd:
        return QStringLiteral("模板“%1”的文号已编到%2，不能再顺延：请用 --number 给出文号")
            .arg(taken.templateName)
            .arg(kLastRunningNumber);
    case numbering::Status::InvalidNumber:
        return QStringLiteral("发文字号无法识别或超出范围");
    case numbering::Status::Busy:
        return QStringLiteral("模板文件“%1”正被其他程序占用")
            .arg(TemplateStore::filePath(taken.kind));
    case numbering::Status::Unwritable:
        return QStringLiteral("模板文件“%1”无法写入，文号没有记下")
            .arg(TemplateStore::filePath(taken.kind));
    }
    return QString();
}

// A stored date the dialog can show, else today, as the dialog shows it.
QString dateOrToday(const QString &text)
{
    if (QDate::fromString(text, batchfield::dateFormat()).isValid())
        return text;
    return QDate::currentDate().toString(batchfield::dateFormat());
}

// The element list as the dialog of the kind would send it: what the
// document carries (what the conversion commands prefill), with the given
// elements over it.
assembly::ElementList elementsFor(const automation::ApplicationPtr &app, const ConvertJob &job)
{
    const auto value = [&](const char *field, const DocumentElement &stored) {
        const auto given = job.given.constFind(QLatin1String(field));
        return given != job.given.cend() ? *given
                                         : assembly::readElement(app, stored.id, stored.key());
    };
    const auto givenOnly = [&](const char *field) { return job.given.value(QLatin1String(field)); };
    const bool minutes = job.kind == QLatin1String(TemplateKind::Minutes);
    const bool upGoing = job.kind == QLatin1String(TemplateKind::UpGoing);

    assembly::ElementList e;
    e.kind = job.kind;
    e.templateName = job.templateName;
    e.level = value(batchfield::Level, Element::MiJi);
    e.period = value(batchfield::Period, Element::QiXian);
    e.urgency = value(batchfield::Urgency, Element::JinJi);
    e.title = value(batchfield::Title, Element::BiaoTi);
    e.recipient = value(batchfield::Recipient, Element::ZhuSong);
    // Copy-to and note are never stored: only what is given.
    e.copyTo = givenOnly(batchfield::CopyTo);
    e.note = minutes ? QString() : givenOnly(batchfield::Note);
    e.writtenOn = dateOrToday(value(batchfield::WrittenOn, Element::ChenWenDate));
    e.printedOn = dateOrToday(value(batchfield::PrintedOn, Element::YinFaDate));
    e.disclosure = value(batchfield::Disclosure, Element::GongKai);
    const TemplateValues values = readTemplateValues(job.kind, job.templateName);
    e.markText = values.markText;
    e.unit = values.unit;
    e.signature = values.signature;
    e.signer = upGoing ? value(batchfield::Signer, Element::QianFa) : QString();
    if (minutes) {
        e.attendees = givenOnly(batchfield::Attendees);
        e.nonVoting = givenOnly(batchfield::NonVoting);
        e.onLeave = givenOnly(batchfield::Absent);
    }
    return e;
}

// Closes the opened input, unsaved, whatever happens to the conversion.
class OpenedDocument
{
public:
    explicit OpenedDocument(automation::DocumentPtr document)
        : m_document(std::move(document))
    {
    }
    ~OpenedDocument()
    {
        if (m_document)
            m_document->close(automation::Variant(false));
    }
    OpenedDocument(const OpenedDocument &) = delete;
    OpenedDocument &operator=(const OpenedDocument &) = delete;

private:
    automation::DocumentPtr m_document;
};

} // namespace

DocumentConverter::DocumentConverter(automation::ApplicationPtr application)
    : m_application(std::move(application))
{
}

JobResult DocumentConverter::convert(const ConvertJob &job, const NumberTurn &turn)
{
    JobResult result;
    result.id = job.id;
    const auto fail = [&](const QString &message) {
        result.message = message;
        return result;
    };

    // An output that is there already is not touched unless asked; that is
    // known before anything is done.
    if (!job.replaceOutput && QFileInfo::exists(job.output))
        return fail(QStringLiteral("输出文件已存在（要替换请加 --overwrite）"));
    OutputFile output(job.output, job.replaceOutput);
    if (!output.open())
        return fail(
            QStringLiteral("无法在文件夹“%1”中写入文件").arg(QFileInfo(job.output).absolutePath()));

    // The office reads a private copy: it never puts a lock file beside the
    // input, nor refuses an input that another office (another worker, the
    // user's own) holds open.
    QTemporaryDir copyFolder;
    const QString copy = copyFolder.filePath(QFileInfo(job.input).fileName());
    if (!QFileInfo::exists(job.input))
        return fail(openFailure(libreoffice::OpenStatus::Missing, job.input));
    if (!copyFolder.isValid() || !QFile::copy(job.input, copy))
        return fail(openFailure(libreoffice::OpenStatus::Unreadable, job.input));
    const libreoffice::OpenStatus opened = libreoffice::openDocumentFile(m_application, copy);
    if (opened != libreoffice::OpenStatus::Opened)
        return fail(openFailure(opened, job.input));
    const OpenedDocument document(m_application->activeDocument());

    // The body formatted and its headings recognised before the blocks are
    // written, as the page layout command run before the conversion does.
    if (job.adaptPages)
        format::adaptPages(m_application, format::LayoutSettings::read(), true, true);
    assembly::ElementList elements = elementsFor(m_application, job);

    if (!turn.wait())
        return fail(QStringLiteral("转换已中止"));
    const numbering::Taken taken = numbering::take(
        {job.kind, job.templateName,
         assembly::readElement(m_application, Element::WenHao.id, Element::WenHao.key()),
         job.given.value(QLatin1String(batchfield::Number))});
    turn.done();
    if (taken.status != numbering::Status::Recorded)
        return fail(numberFailure(taken.status, taken));
    elements.number = taken.number;
    result.number = taken.number;

    const auto failWithNumber = [&](const QString &message) {
        result.numberLost = !numbering::giveBack(taken) && !taken.after.isEmpty();
        return fail(message);
    };
    const assembly::ConversionOutcome outcome = assembly::recordAndConvert(
        m_application, elements, assembly::ConversionSettings::read(job.kind, job.templateName));
    if (outcome.head.status == assembly::WrittenBlock::Status::TableAtStart)
        return failWithNumber(QStringLiteral("文档以表格开头，标题等文字无法写在表格之前："
                                             "请在表格前插入一个空行"));
    if (!libreoffice::saveDocumentAs(m_application, output.temporaryPath())) {
        if (libreoffice::officeProcessId(m_application) == 0)
            return failWithNumber(QStringLiteral("LibreOffice 意外退出"));
        return failWithNumber(QStringLiteral("无法写入输出文件（磁盘已满或文件夹不可写？）"));
    }
    switch (output.commit()) {
    case OutputFile::Commit::Done:
        result.converted = true;
        return result;
    case OutputFile::Commit::Exists:
        return failWithNumber(QStringLiteral("输出文件已存在（要替换请加 --overwrite）"));
    case OutputFile::Commit::Failed:
        break;
    }
    return failWithNumber(QStringLiteral("无法把输出文件改为最终名称"));
}
