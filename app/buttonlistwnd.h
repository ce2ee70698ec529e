#pragma once

#include <QStringList>
#include <QTreeWidget>

// The command tree: the command labels of the command table
// (commandtable.cpp) grouped under their headings. A label is the command's
// only identity.
class ButtonListWnd : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ButtonListWnd(QWidget *parent = nullptr);

    // Rebuilds the tree for a kind of page; kind 0 is the writer's page, any
    // other kind leaves the tree empty.
    void initButtonTree(int kind);
    void initWpsButtonTree();
    // Appends a group: the first label is the heading, the others its
    // entries. An empty list adds nothing.
    void addRootItem(const QStringList &labels);
};
