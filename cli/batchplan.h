#pragma once

#include "convertjob.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Turns what the user gave (inputs, a manifest, options) into the jobs of a
// batch, and refuses, before any office starts, what cannot work: documents
// whose input is missing or of a kind no filter reads, outputs that would
// replace an input, another document's output or (unless asked) an existing
// file, unknown kinds and templates, dates and numbers the dialogs could not
// hold. A refused document is reported and the batch goes on without it; a
// batch that cannot run at all (no printing-issuing unit set, an output
// folder that takes no file, a broken manifest) stops before any document
// number is taken.
struct BatchOptions
{
    QStringList inputs; // from the command line, relative to the current folder
    QString manifest; // CSV file, see manifest.h
    // A file for a single document, otherwise a folder; outputs in a folder
    // are named after their input, with `format` as extension.
    QString output;
    QString format = QStringLiteral("docx"); // docx, odt or pdf
    // Fields given by option (batchfields.h): defaults for every document;
    // a manifest's cells win over them.
    QMap<QString, QString> values;
    bool adaptPages = false;
    bool replaceOutputs = false;
};

struct PlannedDocument
{
    ConvertJob job; // id, input and output set even when refused
    QString refusal; // why it is not converted; empty when it is
};

struct BatchPlan
{
    QList<PlannedDocument> documents; // in the batch's order
    QString fatal; // why nothing can run; empty when the batch can
};

BatchPlan planBatch(const BatchOptions &options);

// The extensions read and written.
bool isInputSuffix(const QString &suffix);
bool isOutputSuffix(const QString &suffix);
