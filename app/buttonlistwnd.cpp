#include "buttonlistwnd.h"

ButtonListWnd::ButtonListWnd(QWidget *parent)
    : QTreeWidget(parent)
{
}

void ButtonListWnd::initButtonTree(int kind)
{
    clear();
    if (kind == 0)
        initWpsButtonTree();

    if (QTreeWidgetItem *first = itemAt(0, 0))
        first->setExpanded(true);
}

void ButtonListWnd::initWpsButtonTree()
{
    addRootItem({
        QStringLiteral("常用操作"),
        QStringLiteral("页面适配"),
        QStringLiteral("套下行文"),
        QStringLiteral("套上行文"),
        QStringLiteral("信函格式"),
        QStringLiteral("纪要简报"),
        QStringLiteral("联合发文"),
    });
    addRootItem({
        QStringLiteral("字体设置"),
        QStringLiteral("设大标题"),
        QStringLiteral("一级标题"),
        QStringLiteral("二级标题"),
        QStringLiteral("正文加粗"),
        QStringLiteral("正文字体"),
    });
    addRootItem({
        QStringLiteral("其他命令"),
        QStringLiteral("隐藏/显示红头"),
        QStringLiteral("隐藏/显示页码"),
        QStringLiteral("插入横排页面"),
        QStringLiteral("添加/删除定位线"),
        QStringLiteral("加大行距"),
        QStringLiteral("减小行距"),
        QStringLiteral("设为一行"),
        QStringLiteral("编码打印"),
    });
    addRootItem({
        QStringLiteral("系统设置"),
        QStringLiteral("系统参数设置"),
        QStringLiteral("使用帮助"),
        QStringLiteral("关于本软件"),
    });
}

void ButtonListWnd::addRootItem(const QStringList &labels)
{
    if (labels.isEmpty())
        return;

    auto *group = new QTreeWidgetItem(this, QStringList(labels.first()));
    for (int i = 1; i < labels.size(); ++i)
        new QTreeWidgetItem(group, QStringList(labels.at(i)));
    group->setExpanded(true);
}
