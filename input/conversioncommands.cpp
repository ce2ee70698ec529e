#include "conversioncommands.h"

#include "assembly/conversion.h"
#include "assembly/elementrecord.h"
#include "automation/application.h"
#include "input_window.h"
#include "jiyao_window.h"
#include "messages/messages.h"
#include "optionsettings.h"
#include "page/writerpage.h"
#include "templatestore.h"

namespace {

// Prefills one of the two input dialogs with the stored elements (in the
// order of Element::all, the signer left out) and shows it over the whole
// application without waiting.
template<class Dialog>
void openInputDialog(Dialog *dialog, const QString &kind, const QStringList &stored,
                     const QString &signer)
{
    dialog->fromRootWin(kind, stored[0], stored[1], stored[2], stored[3], stored[4], stored[5],
                        QString(), QString(), stored[6], stored[7], stored[8], stored[9],
                        stored[10], signer);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

} // namespace

ConversionCommands::ConversionCommands(WriterPage *page)
    : QObject(page)
    , m_page(page)
    , m_inputWindow(new input_window)
    , m_jiyaoWindow(new jiyao_window)
{
    const auto convert = [this](const auto &...elements) { transtogw({elements...}); };
    connect(m_inputWindow, &input_window::sendSettings, this, convert);
    connect(m_jiyaoWindow, &jiyao_window::sendJYSettings, this, convert);
}

bool ConversionCommands::hasDocument()
{
    const automation::ApplicationPtr application = m_page->application();
    if (!application) {
        m_page->focusWriter();
        return false;
    }
    if (!application->activeDocument()) {
        showError(QStringLiteral("请确认是否已打开文档!"));
        m_page->focusWriter();
        return false;
    }
    return true;
}

void ConversionCommands::startConversion(const QString &kind)
{
    if (OptionSettings::unitName().size() < OptionSettings::minimumUnitLength) {
        showError(QStringLiteral("未设置印发单位名称!"));
        return;
    }
    if (!hasDocument())
        return;
    // Copy-to and note are never stored: they start empty. The signer is
    // offered again for up-going documents only.
    const automation::ApplicationPtr application = m_page->application();
    const auto stored = [&](const DocumentElement &element) {
        return assembly::readElement(application, element.id, element.key());
    };
    const bool upGoing = kind == QLatin1String(TemplateKind::UpGoing);
    const QString signer = upGoing ? stored(Element::QianFa) : QString();
    QStringList elements;
    for (const DocumentElement &element : Element::all) {
        if (element.id != Element::QianFa.id)
            elements.append(stored(element));
    }
    if (kind == QLatin1String(TemplateKind::Minutes))
        openInputDialog(m_jiyaoWindow, kind, elements, signer);
    else
        openInputDialog(m_inputWindow, kind, elements, signer);
}

void ConversionCommands::inserDownGW()
{
    startConversion(QLatin1String(TemplateKind::DownGoing));
}

void ConversionCommands::inserUpGW()
{
    startConversion(QLatin1String(TemplateKind::UpGoing));
}

void ConversionCommands::inserXH()
{
    startConversion(QLatin1String(TemplateKind::Letter));
}

void ConversionCommands::inserLH()
{
    startConversion(QLatin1String(TemplateKind::JointIssue));
}

void ConversionCommands::inserJY()
{
    startConversion(QLatin1String(TemplateKind::Minutes));
}

void ConversionCommands::transtogw(const QStringList &strings)
{
    if (!hasDocument())
        return;
    const assembly::ElementList elements = assembly::ElementList::fromStrings(strings);
    const QString &kind = elements.kind;
    const QString &templateName = elements.templateName;

    const assembly::ConversionOutcome outcome = assembly::recordAndConvert(
        m_page->application(), elements, assembly::ConversionSettings::read(kind, templateName));
    if (outcome.head.status == assembly::WrittenBlock::Status::TableAtStart)
        showError(QStringLiteral("文档以表格开头，标题等文字无法写在表格之前。"
                                 "请在表格前插入一个空行后重新套用。"));
    if (!outcome.headerDrawn)
        showError(QStringLiteral("未找到红头模板“%1”，未生成红头!").arg(templateName));
    m_page->focusWriter();
}
