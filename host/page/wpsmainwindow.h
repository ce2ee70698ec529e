#pragma once

#include "automation/forward.h"
#include "defaultwriter.h"
#include "elementrecord.h"
#include "writerclient.h"

#include <QString>
#include <QWidget>

class QHBoxLayout;
class WPSWindow;
class input_window;
class jiyao_window;
class setPage_window;

// The page of the main window. It owns the writer host and the writer's
// automation objects; every command of the command tree is one of its
// operations, reached through slotButtonClick with the command's label.
class WPSMainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WPSMainWindow(QWidget *parent = nullptr,
                           WriterClientFactory factory = defaultWriterClientFactory());
    // Asks the writer to quit, then takes the host down.
    ~WPSMainWindow() override;

    // Starts the writer, binds its Application and Documents objects and
    // embeds its window. Does nothing once the application is bound.
    void initApp();

    automation::ApplicationPtr application() const;
    WPSWindow *host() const;

    // Runs the operation whose command label is given; any other text is
    // ignored.
    void slotButtonClick(const QString &label);
    // How often the dialogs' results have been connected to the operations
    // that carry them out (once per process, at the first command).
    static int dialogWiringCount();

    // The element record: custom text properties of the active document,
    // each with a fixed name and element id.
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

    // Commands of the "系统设置" group.
    void openSettings();
    void aboutMe();
    void openHelp();

    // Styles and line spacing of the selection.
    void setBT();
    void setIBT();
    void setIIBT();
    void setZW();
    void setZWB();
    void setLine();
    void setLine2();
    void incSpace();
    void decSpace();
    // Page layout.
    void setPageOption();
    void insertHPpage();

    // Blocks of a conversion (assembly/conversioncommands.cpp).
    // The title block: kind (template file), template name, document number,
    // security level line, urgency, title, main recipient, signer, date of
    // writing.
    void insetwt(const QString &kind, const QString &templateName, const QString &number,
                 const QString &level, const QString &urgency, const QString &title,
                 const QString &recipient, const QString &signer, const QString &date);
    // The signature block: kind, signature unit, date of writing, note, and
    // for minutes the attendees, those on leave and those attending without
    // vote.
    void insetlk(const QString &kind, const QString &unit, const QString &date, const QString &note,
                 const QString &attendees, const QString &onLeave, const QString &nonVoting);
    // Blocks of a conversion: the red header (document kind, template name,
    // composed security level, document number) and the imprint (kind,
    // unit, printing date, copy-to, disclosure, main recipient as entered).
    void insetht(const QString &kind, const QString &templateName, const QString &securityLevel,
                 const QString &documentNumber);
    void insetbj(const QString &kind, const QString &unit, const QString &date,
                 const QString &copyTo, const QString &disclosure, const QString &distribution);

    // Gives the keyboard focus back to the writer after a command.
    void focusWriter();

    setPage_window *pageAdaptationDialog() const { return m_setPageWindow; }
    input_window *elementInputDialog() const { return m_inputWindow; }
    jiyao_window *minutesInputDialog() const { return m_jiyaoWindow; }

private slots:
    void setPageOptionExc(bool formatBody, bool recogniseHeadings);

private:
    void wireDialogs();
    void applyRole(int role);

    // The long-lived dialogs (copy-numbered printing, page adaptation,
    // element input, minutes and briefings) are created first in the
    // constructor, without a parent, and live as long as the process.
    setPage_window *m_setPageWindow = nullptr;
    input_window *m_inputWindow = nullptr;
    jiyao_window *m_jiyaoWindow = nullptr;
    WriterClient *m_client = nullptr;
    WPSWindow *m_host = nullptr;
    automation::ApplicationPtr m_application;
    automation::ApplicationExPtr m_applicationEx;
    automation::DocumentsPtr m_documents;
    QHBoxLayout *m_layout = nullptr;
};
