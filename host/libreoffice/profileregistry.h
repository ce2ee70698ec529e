#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace libreoffice {

// The office keeps a profile's settings in one registry file
// (user/registrymodifications.xcu): one <item> a line inside <oor:items>, as
// the office itself writes it. These helpers let the program bring settings
// of its own into that file before every start, leaving the user's other
// settings alone.

// One item that sets the property `name` of the node at `path` to `value`
// (escaped here).
QString registryItem(const QString &path, const QString &name, const QString &value);

// Whether a line of the registry file sets the property `name` of `path`.
bool setsRegistryProperty(const QString &line, const QString &path, const QString &name);

// Drops every line for which `stale` answers true and appends `items`. The
// file is replaced whole or not at all; false when it cannot be read, is not
// a registry file, or cannot be written.
bool updateRegistry(const QString &registryFile,
                    const std::function<bool(const QString &line)> &stale,
                    const QStringList &items);

} // namespace libreoffice
