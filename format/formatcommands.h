#pragma once

#include <QObject>

class WriterPage;
class setPage_window;

// The formatting and page-layout commands of a writer page, by their labels
// in the command table (app/commandtable.cpp). Each reads the settings
// afresh, works on the active document or the selection through the layout
// library of this folder, reports a missing document, and gives the keyboard
// focus back to the writer.
class FormatCommands : public QObject
{
    Q_OBJECT

public:
    // The page-adaptation dialog is made here, without a parent, and lives as
    // long as the process; it keeps its last choice between showings.
    explicit FormatCommands(WriterPage *page);

    void setBT(); // 设大标题
    void setIBT(); // 一级标题
    void setIIBT(); // 二级标题
    void setZW(); // 正文字体
    void setZWB(); // 正文加粗
    void setLine(); // 设为一行
    void setLine2(); // 设为二行
    void incSpace(); // 加大行距
    void decSpace(); // 减小行距
    void setPageOption(); // 页面适配: shows the dialog, which sends setPageOptionExc
    void insertHPpage(); // 插入横排页面
    void hideHongTou(); // 隐藏/显示红头
    void hidePageNumber(); // 隐藏/显示页码
    void inserTestLine(); // 添加/删除定位线

    setPage_window *pageAdaptationDialog() const { return m_setPageWindow; }

private:
    // 页面适配 with the dialog's choice.
    void setPageOptionExc(bool formatBody, bool recogniseHeadings);
    void applyRole(int role);

    WriterPage *m_page;
    setPage_window *m_setPageWindow;
};
