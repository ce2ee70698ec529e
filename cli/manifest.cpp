#include "manifest.h"

#include "batchfields.h"

#include <QFile>
#include <QTextCodec>

namespace {

struct Record
{
    int line = 0;
    QStringList cells;
};

// Splits CSV text into records. False when a quoted cell never ends.
bool splitRecords(const QString &text, QList<Record> *records, int *badLine)
{
    Record record;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    int line = 1;
    record.line = 1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (quoted) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += ch;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (ch == QLatin1Char('\n'))
                    ++line;
                cell += ch;
            }
            continue;
        }
        if (ch == QLatin1Char('"') && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (ch == QLatin1Char(',')) {
            record.cells.append(cell);
            cell.clear();
            cellStarted = false;
        } else if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) {
            if (ch == QLatin1Char('\r') && i + 1 < text.size()
                && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            record.cells.append(cell);
            records->append(record);
            record = Record();
            cell.clear();
            cellStarted = false;
            record.line = ++line;
        } else {
            cell += ch;
            cellStarted = true;
        }
    }
    if (quoted) {
        *badLine = record.line;
        return false;
    }
    if (cellStarted || !record.cells.isEmpty()) {
        record.cells.append(cell);
        records->append(record);
    }
    return true;
}

bool isBlank(const Record &record)
{
    for (const QString &cell : record.cells) {
        if (!cell.trimmed().isEmpty())
            return false;
    }
    return true;
}

QString decoded(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QTextCodec::ConverterState state;
    const QString utf8
        = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    if (state.invalidChars == 0)
        return utf8;
    return QTextCodec::codecForName("GB18030")->toUnicode(bytes);
}

} // namespace

Manifest readManifest(const QString &path)
{
    Manifest manifest;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        manifest.error = QStringLiteral("无法读取清单文件“%1”：%2").arg(path, file.errorString());
        return manifest;
    }
    QList<Record> records;
    int badLine = 0;
    if (!splitRecords(decoded(file.readAll()), &records, &badLine)) {
        manifest.error = QStringLiteral("清单第%1行的引号没有结束").arg(badLine);
        return manifest;
    }
    while (!records.isEmpty() && isBlank(records.first()))
        records.removeFirst();
    if (records.isEmpty()) {
        manifest.error = QStringLiteral("清单“%1”是空的").arg(path);
        return manifest;
    }

    const Record heading = records.takeFirst();
    QStringList columns;
    for (const QString &cell : heading.cells) {
        const QString field = batchfield::fieldOfHeading(cell);
        if (field.isEmpty() && !cell.trimmed().isEmpty()) {
            manifest.error = QStringLiteral("清单第%1行的列名“%2”无法识别")
                                 .arg(heading.line)
                                 .arg(cell.trimmed());
            return manifest;
        }
        if (!field.isEmpty() && columns.contains(field)) {
            manifest.error
                = QStringLiteral("清单第%1行有两列都是“%2”").arg(heading.line).arg(cell.trimmed());
            return manifest;
        }
        columns.append(field);
    }
    if (!columns.contains(QLatin1String(batchfield::Input))) {
        manifest.error = QStringLiteral("清单第%1行没有“input”（输入文件）列").arg(heading.line);
        return manifest;
    }

    for (const Record &record : qAsConst(records)) {
        if (isBlank(record))
            continue;
        ManifestRow row;
        row.line = record.line;
        for (int i = 0; i < record.cells.size(); ++i) {
            const QString text = record.cells.at(i).trimmed();
            if (text.isEmpty())
                continue;
            if (i >= columns.size() || columns.at(i).isEmpty()) {
                manifest.error = QStringLiteral("清单第%1行的第%2格“%3”不在任何列下")
                                     .arg(record.line)
                                     .arg(i + 1)
                                     .arg(text);
                return manifest;
            }
            row.values.insert(columns.at(i), text);
        }
        manifest.rows.append(row);
    }
    return manifest;
}
