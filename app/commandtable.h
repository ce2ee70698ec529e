#pragma once

#include <vector>

class WPSMainWindow;

// One command: its label, the command's only identity, and the function that
// runs it on the page.
struct Command
{
    const char *label;
    void (*run)(WPSMainWindow &page);
};

// The commands under one heading of the command tree.
struct CommandGroup
{
    const char *heading; // null: reached by its label only, not shown in the tree
    bool needsWriter; // false: runs without first asking whether the writer answers
    std::vector<Command> commands;
};

// Every command of the program, in the tree's order: the command tree
// (buttonlistwnd.cpp) shows it and the page's dispatch (wpsmainwindow.cpp)
// runs from it.
const std::vector<CommandGroup> &commandTable();
