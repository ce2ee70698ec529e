#include "wpsmainwindow.h"

#include "automation/application.h"
#include "commandtable.h"
#include "format/formatcommands.h"
#include "format/newdocument.h"
#include "input/conversioncommands.h"
#include "page/writerkeeper.h"
#include "printing/printcommands.h"
#include "systemcommands.h"

WPSMainWindow::WPSMainWindow(QWidget *parent, WriterClientFactory factory)
    : WriterPage(parent, std::move(factory))
    , m_commands(new SystemCommands(this), new FormatCommands(this), new PrintCommands(this),
                 new ConversionCommands(this))
{
}

void WPSMainWindow::slotButtonClick(const QString &label)
{
    for (const CommandGroup &group : commandTable()) {
        for (const Command &command : group.commands) {
            if (label != QString::fromUtf8(command.label))
                continue;
            if (group.needsWriter && !keeper()->writerAnswers())
                return;
            keeper()->beginCommand();
            command.run(*this);
            keeper()->endCommand();
            return;
        }
    }
}

void WPSMainWindow::startNewDocument()
{
    if (const automation::ApplicationPtr app = application())
        format::startAsOfficialBody(app->activeDocument(), format::LayoutSettings::read());
}

QString WPSMainWindow::readgwinfo(long id, const QString &name)
{
    return assembly::readElement(application(), id, name);
}

void WPSMainWindow::writegwinfo(long id, const QString &name, const QString &value)
{
    assembly::writeElement(application(), id, name, value);
}

print_window *WPSMainWindow::printDialog() const
{
    return commands<PrintCommands>().printDialog();
}

setPage_window *WPSMainWindow::pageAdaptationDialog() const
{
    return commands<FormatCommands>().pageAdaptationDialog();
}

input_window *WPSMainWindow::elementInputDialog() const
{
    return commands<ConversionCommands>().elementInputDialog();
}

jiyao_window *WPSMainWindow::minutesInputDialog() const
{
    return commands<ConversionCommands>().minutesInputDialog();
}
