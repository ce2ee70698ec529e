// The five conversion commands of the page ("套下行文", "套上行文", "信函格式",
// "联合发文", "纪要简报"): each checks that a printing-issuing unit is set and a
// document is open, prefills the input dialog of its kind with the elements
// the document carries from an earlier conversion, and shows the dialog. The
// conversion itself runs when the dialog sends its element list (transtogw).
#include "assembly/elementrecord.h"
#include "page/messages.h"
#include "page/wpsmainwindow.h"

#include "automation/application.h"
#include "input_window.h"
#include "jiyao_window.h"
#include "optionsettings.h"
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

bool WPSMainWindow::readyToConvert()
{
    if (OptionSettings::unitName().size() < OptionSettings::minimumUnitLength) {
        showError(QStringLiteral("未设置印发单位名称!"));
        return false;
    }
    if (!m_application) {
        focusWriter();
        return false;
    }
    if (!m_application->activeDocument()) {
        showError(QStringLiteral("请确认是否已打开文档!"));
        focusWriter();
        return false;
    }
    return true;
}

void WPSMainWindow::startConversion(const QString &kind)
{
    if (!readyToConvert())
        return;
    // Copy-to and note are never stored: they start empty. The signer is
    // offered again for up-going documents only.
    const bool upGoing = kind == QLatin1String(TemplateKind::UpGoing);
    const QString signer = upGoing ? readgwinfo(Element::QianFa) : QString();
    QStringList stored;
    for (const DocumentElement &element : Element::all) {
        if (element.id != Element::QianFa.id)
            stored.append(readgwinfo(element));
    }
    if (kind == QLatin1String(TemplateKind::Minutes))
        openInputDialog(m_jiyaoWindow, kind, stored, signer);
    else
        openInputDialog(m_inputWindow, kind, stored, signer);
}

// 套下行文
void WPSMainWindow::inserDownGW()
{
    startConversion(QLatin1String(TemplateKind::DownGoing));
}

// 套上行文
void WPSMainWindow::inserUpGW()
{
    startConversion(QLatin1String(TemplateKind::UpGoing));
}

// 信函格式
void WPSMainWindow::inserXH()
{
    startConversion(QLatin1String(TemplateKind::Letter));
}

// 联合发文
void WPSMainWindow::inserLH()
{
    startConversion(QLatin1String(TemplateKind::JointIssue));
}

// 纪要简报
void WPSMainWindow::inserJY()
{
    startConversion(QLatin1String(TemplateKind::Minutes));
}
