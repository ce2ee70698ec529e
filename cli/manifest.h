#pragma once

#include <QList>
#include <QMap>
#include <QString>

// A manifest lists the documents of a batch, one row each, in a CSV file as
// spreadsheet programs save it: comma-separated; a cell holding a comma, a
// quote or a line break is put in double quotes, with a quote inside doubled;
// UTF-8 with or without a byte order mark, or GB18030 (what a Chinese
// spreadsheet saves as "CSV"). The first row heads the columns with the names
// of batchfields.h or their Chinese labels; rows without any text are
// skipped. An empty cell means the value is not given.
struct ManifestRow
{
    int line = 0; // where the row starts in the file, from 1
    QMap<QString, QString> values; // field name -> text of a non-empty cell
};

struct Manifest
{
    QList<ManifestRow> rows;
    QString error; // why the file cannot be used; empty when it can
};

Manifest readManifest(const QString &path);
