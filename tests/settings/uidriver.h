#pragma once

#include <QString>
#include <QVariantMap>

class QAbstractButton;
class QWidget;

// Driving the dialogs' widgets as a user would.

// Types the text as key presses, one character at a time; characters
// outside Latin-1 arrive as key presses of unknown keys carrying the
// character, "\n" presses Return.
void typeText(QWidget *widget, const QString &text);
// Selects the whole text of a field, then types over it (or deletes it).
void replaceText(QWidget *widget, const QString &text);
// A left click in the middle of the button.
void click(QAbstractButton *button);

// "name=value;name=value" as a map: how data tables write fields and keys.
QVariantMap pairs(const QString &text);
// What a field of the window shows, as text: line and text edits their text,
// combo boxes their current text, spin boxes their value as QVariant writes
// it, check boxes "true" or "false"; "windowTitle" is the window's title.
QString shownText(const QWidget &window, const QString &field);

// Looks up a named child widget of a type; the test fails when it is missing.
#define QVX_FIND(Type, var, parent, name)                                                          \
    Type *var = (parent).findChild<Type *>(QStringLiteral(name));                                  \
    QVERIFY2(var, name)
