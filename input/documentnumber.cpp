#include "documentnumber.h"

#include <QtGlobal>

namespace {

const QChar kOpen(0x3014); // 〔
const QChar kClose(0x3015); // 〕
const QChar kHao(0x53F7); // 号

bool isAsciiDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

} // namespace

int nextRunningNumber(int last)
{
    // Compared before adding: a hand-edited huge counter must not overflow.
    if (last >= kLastRunningNumber)
        return kLastRunningNumber;
    return qMax(kFirstRunningNumber, last + 1);
}

QString composeBracketNumber(const BracketNumber &parts)
{
    return parts.code + kOpen + QString::number(parts.year) + kClose + QString::number(parts.number)
        + kHao;
}

bool parseBracketNumber(const QString &text, BracketNumber *parts)
{
    const int open = text.indexOf(kOpen);
    if (open < 0)
        return false;
    const int close = text.indexOf(kClose, open + 1);
    if (close < 0)
        return false;
    QString running = text.mid(close + 1);
    if (running.endsWith(kHao))
        running.chop(1);
    bool yearOk = false;
    bool numberOk = false;
    const int year = text.mid(open + 1, close - open - 1).toInt(&yearOk);
    const int number = running.toInt(&numberOk);
    if (!yearOk || !numberOk)
        return false;
    parts->code = text.left(open);
    parts->year = year;
    parts->number = number;
    return true;
}

QString composeIssueNumber(const IssueNumber &parts)
{
    return parts.before + QString::number(parts.number) + parts.after;
}

IssueNumber splitIssueNumber(const QString &text)
{
    int digitsEnd = text.size();
    while (digitsEnd > 0 && !isAsciiDigit(text.at(digitsEnd - 1)))
        --digitsEnd;
    int digitsStart = digitsEnd;
    while (digitsStart > 0 && isAsciiDigit(text.at(digitsStart - 1)))
        --digitsStart;

    IssueNumber parts;
    parts.before = text.left(digitsStart);
    parts.after = text.mid(digitsEnd);
    // Too many digits for a number read as 0, like no digits at all.
    parts.number = text.mid(digitsStart, digitsEnd - digitsStart).toInt();
    return parts;
}
