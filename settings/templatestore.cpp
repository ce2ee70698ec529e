#include "templatestore.h"

#include "formsupport.h"
#include "messages/messages.h"
#include "optionsettings.h"

#include <QSettings>

namespace {

QVariant storedValue(const QString &kind, const QString &name, const QString &key)
{
    const QSettings settings(TemplateStore::filePath(kind), QSettings::IniFormat);
    return settings.value(name + QLatin1Char('/') + key);
}

} // namespace

QString TemplateStore::filePath(const QString &kind)
{
    return OptionSettings::directoryPath() + QLatin1Char('/') + kind;
}

QStringList TemplateStore::templateNames(const QString &kind)
{
    const QSettings settings(filePath(kind), QSettings::IniFormat);
    QStringList names = settings.childGroups();
    names.removeAll(QStringLiteral("General"));
    return names;
}

QString TemplateStore::lastUsed(const QString &kind)
{
    const QSettings settings(filePath(kind), QSettings::IniFormat);
    return OptionSettings::textOf(settings.value(QLatin1String(TemplateKey::LastUsed)));
}

double TemplateStore::rawNumber(const QString &kind, const QString &name, const QString &key)
{
    return OptionSettings::numberOf(storedValue(kind, name, key));
}

QString TemplateStore::rawText(const QString &kind, const QString &name, const QString &key)
{
    return OptionSettings::textOf(storedValue(kind, name, key));
}

int TemplateStore::rawInteger(const QString &kind, const QString &name, const QString &key)
{
    return OptionSettings::integerOf(storedValue(kind, name, key));
}

bool TemplateStore::readFlag(const QString &kind, const QString &name, const QString &key)
{
    // Mended: a hand-edited "true" read as false. A number is true when it is
    // not 0; any other text reads as QVariant reads it ("true", "false").
    const QVariant value = storedValue(kind, name, key);
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    return isNumber ? number != 0 : value.toBool();
}

double TemplateStore::readNumber(const QString &kind, const QString &name, const QString &key,
                                 double defaultValue)
{
    const double value = rawNumber(kind, name, key);
    return value == 0 ? defaultValue : value;
}

QString TemplateStore::readText(const QString &kind, const QString &name, const QString &key,
                                const QString &defaultValue)
{
    const QString value = rawText(kind, name, key);
    return value.isEmpty() ? defaultValue : value;
}

int TemplateStore::zoomForLength(int characters)
{
    static const int zoomFrom10To20[] = {60, 56, 52, 49, 46, 43, 40, 37, 36, 35, 33};
    if (characters <= 9)
        return 64;
    if (characters >= 21)
        return 32;
    return zoomFrom10To20[characters - 10];
}

int TemplateStore::zoomForMarkText(const QString &markText)
{
    return zoomForLength(markText.length());
}

bool TemplateStore::save(const QString &kind, const QString &oldName, const QString &name,
                         const QString &markText, const QVariantMap &values)
{
    if (markText.isEmpty()) {
        showSettingsError(QStringLiteral("发文单位标识文字不能为空!"));
        return false;
    }
    if (name.isEmpty()) {
        showSettingsError(QStringLiteral("模板名称不能为空!"));
        return false;
    }
    // Mended: the INI layer reads "/" and "\" in a group name as group
    // separators, so such a template would come back split into nested groups
    // and spoil the file.
    if (!OptionSettings::isUsableGroupName(name)) {
        showSettingsError(QStringLiteral("模板名称不能包含“/”或“\\”字符!"));
        return false;
    }

    const bool isNew = oldName.isEmpty();
    QStringList groups;
    {
        const QSettings settings(filePath(kind), QSettings::IniFormat);
        groups = settings.childGroups();
    }
    if (isNew && groups.contains(name)) {
        showSettingsError(QStringLiteral("模板名称已存在，不能重复!"));
        return false;
    }
    // Mended: the group "General" holds the file's own keys; a template of
    // that name would be mixed into them and never be listed.
    if (name == QLatin1String("General")) {
        showSettingsError(QStringLiteral("模板名称不能为“General”!"));
        return false;
    }
    // Mended: a changed template saved under the name of another existing
    // template would silently replace it; ask first.
    const bool replacesOther = !isNew && name != oldName && groups.contains(name);
    if (replacesOther
        && !askToConfirm(
            QStringLiteral("已有名为“%1”的模板，保存将替换该模板。确定替换吗？").arg(name)))
        return false;

    QSettings settings(filePath(kind), QSettings::IniFormat);
    // Mended: the old group is removed before the template is written, which
    // also dropped the keys the editors do not own (the input dialogs' last
    // document number and the like). They are carried over to the new name.
    QVariantMap kept;
    if (!isNew) {
        settings.beginGroup(oldName);
        const QStringList keys = settings.allKeys();
        for (const QString &key : keys) {
            if (!values.contains(key))
                kept.insert(key, settings.value(key));
        }
        settings.endGroup();
        settings.remove(oldName);
    }
    if (replacesOther)
        settings.remove(name);

    settings.beginGroup(name);
    for (auto it = kept.cbegin(); it != kept.cend(); ++it)
        settings.setValue(it.key(), it.value());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.endGroup();
    settings.setValue(QLatin1String(TemplateKey::LastUsed), name);
    // Mended: a file that cannot be written (read-only folder, full disk) lost
    // the template while the editor closed as if it had been saved.
    if (!OptionSettings::writeOut(settings)) {
        showSettingsError(unwritableFileMessage(settings.fileName()));
        return false;
    }
    return true;
}

bool TemplateStore::removeTemplate(const QString &kind, const QString &name)
{
    // QSettings::remove("") would empty the whole file.
    if (name.isEmpty())
        return false;
    QSettings settings(filePath(kind), QSettings::IniFormat);
    settings.remove(name);
    return true;
}
