#pragma once

#include <QString>

// Document numbers as the input dialogs compose and take them apart.

// The running number of a document number and the issue number of minutes
// stay within what the dialogs' number fields can show.
constexpr int kFirstRunningNumber = 1;
constexpr int kLastRunningNumber = 9999;
// The years the number's year field offers.
constexpr int kFirstNumberYear = 2012;
constexpr int kLastNumberYear = 3000;

// The number a template proposes after `last`: last + 1, kept within the
// range above.
int nextRunningNumber(int last);

// The number of down-going, parallel, up-going, letter and joint documents:
// the organ's code, the year in 〔〕, the running number and 号, as in
// "某政发〔2024〕12号".
struct BracketNumber
{
    QString code;
    int year = 0;
    int number = 0;
};

QString composeBracketNumber(const BracketNumber &parts);
// Takes a stored number apart. False, leaving `parts` alone, unless the text
// holds 〔 and after it 〕, with a whole number between them and a whole number
// after 〕 (followed by 号 or not).
bool parseBracketNumber(const QString &text, BracketNumber *parts);

// The number of minutes and briefings: text before, the issue number and text
// after, as in "（2024）第12期".
struct IssueNumber
{
    QString before;
    int number = 0;
    QString after;
};

QString composeIssueNumber(const IssueNumber &parts);
// Splits a stored number from its end: the trailing characters that are no
// ASCII digits are the text after, the digits before them the number (0 when
// there are none), everything before the digits the text before.
IssueNumber splitIssueNumber(const QString &text);
