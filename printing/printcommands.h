#pragma once

#include <QObject>

class WriterPage;
class print_window;

// "编码打印" on a writer page (its label in app/commandtable.cpp): the dialog
// asks for the first copy number and the number of copies; autoPrintExc
// numbers the copy-number box and prints the copies through the printing
// library of this folder, and only reports how that went.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    // The dialog is made here, without a parent, and lives as long as the
    // process; it keeps its contents between showings.
    explicit PrintCommands(WriterPage *page);

    void autoPrint(); // 编码打印: shows the dialog, which sends autoPrintExc

    print_window *printDialog() const { return m_printWindow; }

private:
    void autoPrintExc(const QString &start, int copies, bool print);

    WriterPage *m_page;
    print_window *m_printWindow;
};
