#pragma once

#include "assembly/elementrecord.h"
#include "automation/forward.h"
#include "defaultwriter.h"
#include "writerclient.h"

#include <QString>
#include <QWidget>

class DocumentTabs;
class QHBoxLayout;
class WPSWindow;
class WriterKeeper;
class input_window;
class jiyao_window;
class print_window;
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
    WriterClient *client() const { return m_client; }

    // The user's work through crashes, hangs and closing (writerkeeper.h).
    // Closing the window: false when the user chose to keep it open.
    bool closeWriter();
    // Starts a new writer in place of the one that ended or hangs; it brings
    // the documents back from their recovery copies.
    void restartWriter();
    // Opens the files in the writer's window; the ones it cannot read are
    // reported.
    void openDocuments(const QStringList &paths);
    void refreshDocumentTabs();
    // Makes the active document, new and empty, the body of an official
    // document (the settings' fonts, size and spacing on the official page).
    void startNewDocument();
    DocumentTabs *documentTabs() const { return m_tabs; }

    // Runs the operation whose command label is given; any other text is
    // ignored.
    void slotButtonClick(const QString &label);

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
    // Red header and page-number visibility, positioning lines.
    void hideHongTou();
    void hidePageNumber();
    void inserTestLine();
    // Copy-numbered printing: opens the dialog, which sends autoPrintExc.
    void autoPrint();

    // Conversion into an official document of one kind: each opens the
    // input dialog of its kind, prefilled from the document.
    void inserDownGW();
    void inserUpGW();
    void inserXH();
    void inserLH();
    void inserJY();

    // Gives the keyboard focus back to the writer after a command.
    void focusWriter();

    print_window *printDialog() const { return m_printWindow; }
    setPage_window *pageAdaptationDialog() const { return m_setPageWindow; }
    input_window *elementInputDialog() const { return m_inputWindow; }
    jiyao_window *minutesInputDialog() const { return m_jiyaoWindow; }

private slots:
    void autoPrintExc(const QString &start, int copies, bool print);
    void setPageOptionExc(bool formatBody, bool recogniseHeadings);
    // The conversion driver: the element list of an input dialog, in the
    // order of assembly::ElementList.
    void transtogw(const QString &kind, const QString &templateName, const QString &level,
                   const QString &period, const QString &urgency, const QString &number,
                   const QString &title, const QString &recipient, const QString &copyTo,
                   const QString &note, const QString &writtenOn, const QString &printedOn,
                   const QString &disclosure, const QString &markText, const QString &unit,
                   const QString &signature, const QString &signer, const QString &extra1,
                   const QString &extra2, const QString &extra3);

private:
    void wireDialogs();
    void applyRole(int role);
    // A printing-issuing unit is set and a document is open; tells the user
    // what is missing otherwise.
    bool readyToConvert();
    void startConversion(const QString &kind);

    // The long-lived dialogs (copy-numbered printing, page adaptation,
    // element input, minutes and briefings) are created first in the
    // constructor, without a parent, and live as long as the process.
    print_window *m_printWindow = nullptr;
    setPage_window *m_setPageWindow = nullptr;
    input_window *m_inputWindow = nullptr;
    jiyao_window *m_jiyaoWindow = nullptr;
    bool m_dialogsWired = false;
    WriterClient *m_client = nullptr;
    WPSWindow *m_host = nullptr;
    DocumentTabs *m_tabs = nullptr;
    WriterKeeper *m_keeper = nullptr;
    automation::ApplicationPtr m_application;
    automation::ApplicationExPtr m_applicationEx;
    automation::DocumentsPtr m_documents;
    QHBoxLayout *m_layout = nullptr;
};
