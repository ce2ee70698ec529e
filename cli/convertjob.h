#pragma once

#include <QJsonObject>
#include <QMap>
#include <QString>

// One document of a batch, as the batch hands it to an office: where it comes
// from and goes, its kind and template, and the elements given for it. Jobs
// and their results travel to and from the office workers as JSON.
struct ConvertJob
{
    int id = 0; // the document's place in the batch, from 1
    QString input; // absolute paths
    QString output;
    QString kind; // template file (TemplateKind)
    QString templateName;
    // Element fields (batchfields.h) given by option or manifest; dates
    // already in the form "yyyy年M月d日". A field not here comes from the
    // elements the document carries, as the input dialog prefills it.
    QMap<QString, QString> given;
    bool adaptPages = false; // full page adaptation with heading recognition
    bool replaceOutput = false;

    QJsonObject toJson() const;
    static ConvertJob fromJson(const QJsonObject &object);
};

struct JobResult
{
    int id = 0;
    bool converted = false;
    QString number; // the document number the output carries
    QString message; // why it failed
    // The number a failed document took stays used (another run took a
    // later one meanwhile); the user should know which.
    bool numberLost = false;

    QJsonObject toJson() const;
    static JobResult fromJson(const QJsonObject &object);
};
