#include "convertjob.h"

QJsonObject ConvertJob::toJson() const
{
    QJsonObject elements;
    for (auto it = given.cbegin(); it != given.cend(); ++it)
        elements.insert(it.key(), it.value());
    return {{"id", id},
            {"input", input},
            {"output", output},
            {"kind", kind},
            {"template", templateName},
            {"given", elements},
            {"adaptPages", adaptPages},
            {"replaceOutput", replaceOutput}};
}

ConvertJob ConvertJob::fromJson(const QJsonObject &object)
{
    ConvertJob job;
    job.id = object.value(QLatin1String("id")).toInt();
    job.input = object.value(QLatin1String("input")).toString();
    job.output = object.value(QLatin1String("output")).toString();
    job.kind = object.value(QLatin1String("kind")).toString();
    job.templateName = object.value(QLatin1String("template")).toString();
    const QJsonObject elements = object.value(QLatin1String("given")).toObject();
    for (auto it = elements.constBegin(); it != elements.constEnd(); ++it)
        job.given.insert(it.key(), it.value().toString());
    job.adaptPages = object.value(QLatin1String("adaptPages")).toBool();
    job.replaceOutput = object.value(QLatin1String("replaceOutput")).toBool();
    return job;
}

QJsonObject JobResult::toJson() const
{
    return {{"id", id},
            {"converted", converted},
            {"number", number},
            {"message", message},
            {"numberLost", numberLost}};
}

JobResult JobResult::fromJson(const QJsonObject &object)
{
    JobResult result;
    result.id = object.value(QLatin1String("id")).toInt();
    result.converted = object.value(QLatin1String("converted")).toBool();
    result.number = object.value(QLatin1String("number")).toString();
    result.message = object.value(QLatin1String("message")).toString();
    result.numberLost = object.value(QLatin1String("numberLost")).toBool();
    return result;
}
