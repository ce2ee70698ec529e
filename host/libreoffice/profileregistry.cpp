#include "profileregistry.h"

#include <QFile>
#include <QSaveFile>

namespace libreoffice {

QString registryItem(const QString &path, const QString &name, const QString &value)
{
    return QStringLiteral("<item oor:path=\"%1\"><prop oor:name=\"%2\" oor:op=\"fuse\">"
                          "<value>%3</value></prop></item>")
        .arg(path.toHtmlEscaped(), name, value.toHtmlEscaped());
}

bool setsRegistryProperty(const QString &line, const QString &path, const QString &name)
{
    return line.contains(QLatin1String("oor:path=\"") + path.toHtmlEscaped() + QLatin1Char('"'))
        && line.contains(QLatin1String("<prop oor:name=\"") + name + QLatin1Char('"'));
}

bool updateRegistry(const QString &registryFile,
                    const std::function<bool(const QString &line)> &stale, const QStringList &items)
{
    QFile in(registryFile);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(in.readAll());
    in.close();
    const int end = text.lastIndexOf(QLatin1String("</oor:items>"));
    if (end < 0)
        return false;

    QStringList kept;
    for (const QString &line : text.left(end).split(QLatin1Char('\n'))) {
        if (!stale(line))
            kept.append(line);
    }
    while (!kept.isEmpty() && kept.last().trimmed().isEmpty())
        kept.removeLast();
    kept += items;

    QSaveFile out(registryFile);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write((kept.join(QLatin1Char('\n')) + QLatin1Char('\n') + text.mid(end)).toUtf8());
    return out.commit();
}

} // namespace libreoffice
