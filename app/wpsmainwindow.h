#pragma once

#include "assembly/elementrecord.h"
#include "page/writerpage.h"

#include <QString>

#include <tuple>

class ConversionCommands;
class FormatCommands;
class PrintCommands;
class SystemCommands;
class input_window;
class jiyao_window;
class print_window;
class setPage_window;

// The writer's page with the program's commands: slotButtonClick runs the
// command of a label from the command table (commandtable.cpp), whose row
// names the command object and operation that carry it out.
class WPSMainWindow : public WriterPage
{
    Q_OBJECT

public:
    explicit WPSMainWindow(QWidget *parent = nullptr,
                           WriterClientFactory factory = defaultWriterClientFactory());

    // Runs the command whose label is given; any other text is ignored.
    // Every command but those of "系统设置" first makes sure the writer
    // answers (page/writerkeeper.h).
    void slotButtonClick(const QString &label);

    // The page's command objects, one per folder of commands.
    template<class Commands> Commands &commands() const
    {
        return *std::get<Commands *>(m_commands);
    }

    void startNewDocument() override;

    // The element record: custom text properties of the active document,
    // each with a fixed name and element id (assembly/elementrecord.h).
    QString readgwinfo(long id, const QString &name);
    void writegwinfo(long id, const QString &name, const QString &value);
    QString readgwinfo(const DocumentElement &element)
    {
        return readgwinfo(element.id, element.key());
    }
    void writegwinfo(const DocumentElement &element, const QString &value)
    {
        writegwinfo(element.id, element.key(), value);
    }

    // The long-lived dialogs of the commands.
    print_window *printDialog() const;
    setPage_window *pageAdaptationDialog() const;
    input_window *elementInputDialog() const;
    jiyao_window *minutesInputDialog() const;

private:
    std::tuple<SystemCommands *, FormatCommands *, PrintCommands *, ConversionCommands *>
        m_commands;
};
