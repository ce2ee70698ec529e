#pragma once

#include <QVariantMap>

class QAbstractButton;
class QWidget;

// Driving the dialogs' widgets as a user would.

// Selects the whole text of a field, then types over it as key presses (or
// deletes it); "\n" presses Return.
void replaceText(QWidget *widget, const QString &text);
// A left click in the middle of the button.
void click(QAbstractButton *button);

// "name=value;name=value" as a map: how data tables write fields and keys.
QVariantMap pairs(const QString &text);
// What a field of the window shows, as text: line and text edits their text,
// combo boxes their current text, spin boxes their value as QVariant writes
// it, check boxes "true" or "false".
QString shownText(const QWidget &window, const QString &field);
// Types into fields of the window: "field=text;field=text".
void typeInto(const QWidget &window, const QString &typed);
// Compares fields of the window with "field=text;field=text" (as shownText).
void compareShown(const QWidget &window, const QString &shown);
// Compares keys of an INI file with "group/key=value;...", where "group/#"
// stands for the number of keys of the group.
void compareKeys(const QString &file, const QString &keys);
