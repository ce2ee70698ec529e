#pragma once

#include "automation/application.h"
#include "automation/document.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace inprocess {

struct AppState;

// What one Document.PrintOut call saw: the text of every named shape of the
// body, and the whole document as dumpDocument writes it.
struct PrintJob
{
    QString documentName;
    QMap<QString, QString> shapeTexts;
    QString dump;
    bool succeeded = true;
};

// One Application.Quit call with its three arguments.
struct QuitCall
{
    automation::Variant saveChanges, originalFormat, routeDocument;
};

// The stand-in writer: the object model implemented on a document model of
// its own, in this process. Used by the tests and for headless use.
class InProcessApplication : public automation::Application
{
public:
    InProcessApplication();
    ~InProcessApplication() override;

    static std::shared_ptr<InProcessApplication> create();

    automation::DocumentsPtr documents() override;
    automation::DocumentPtr activeDocument() override;
    automation::SelectionPtr selection() override;
    automation::ApplicationExPtr applicationEx() override;
    void quit(const automation::Variant &saveChanges, const automation::Variant &originalFormat,
              const automation::Variant &routeDocument) override;

    // The window id that ApplicationEx reports; while it is 0 there is no
    // extension interface.
    void setMainWindowId(std::uint64_t id);

    // Printing: every PrintOut call is recorded. failPrintOutAt(n) makes the
    // n-th call from now on (1-based) and every later one fail; 0 never fails.
    const std::vector<PrintJob> &printJobs() const;
    void clearPrintJobs();
    void failPrintOutAt(int n);

    const std::vector<QuitCall> &quitCalls() const;

    // A readable dump of a whole document: sections with page setup and
    // footers, paragraphs with their formats and runs, tables, shapes with
    // their properties and text, custom properties.
    static QString dumpDocument(const automation::DocumentPtr &document);

private:
    std::shared_ptr<AppState> m_state;
};

} // namespace inprocess
