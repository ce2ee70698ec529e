#pragma once

#include <QObject>
#include <QStringList>

class WriterPage;
class input_window;
class jiyao_window;

// The five conversion commands of a writer page (their labels in
// app/commandtable.cpp): each checks that a printing-issuing unit is set and a
// document is open, prefills the input dialog of its kind with the elements
// the document carries from an earlier conversion, and shows the dialog. The
// conversion itself (transtogw) runs when the dialog sends its element list:
// the assembly library stores the elements in the document and converts it,
// and transtogw reports what the user must know.
class ConversionCommands : public QObject
{
    Q_OBJECT

public:
    // The two input dialogs are made here, without a parent, and live as long
    // as the process; fromRootWin prefills them for each conversion.
    explicit ConversionCommands(WriterPage *page);

    void inserDownGW(); // 套下行文
    void inserUpGW(); // 套上行文
    void inserXH(); // 信函格式
    void inserLH(); // 联合发文
    void inserJY(); // 纪要简报

    input_window *elementInputDialog() const { return m_inputWindow; }
    jiyao_window *minutesInputDialog() const { return m_jiyaoWindow; }

private:
    // The conversion driver: the element list an input dialog sent, in the
    // order of assembly::ElementList.
    void transtogw(const QStringList &elements);
    // A document is open; tells the user otherwise.
    bool hasDocument();
    void startConversion(const QString &kind);

    WriterPage *m_page;
    input_window *m_inputWindow;
    jiyao_window *m_jiyaoWindow;
};
