#include "buttonlistwnd.h"

#include "commandtable.h"

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
    for (const CommandGroup &group : commandTable()) {
        if (!group.heading)
            continue;
        QStringList labels(QString::fromUtf8(group.heading));
        for (const Command &command : group.commands)
            labels << QString::fromUtf8(command.label);
        addRootItem(labels);
    }
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
