#include "officeprofile.h"

#include "fontreplacements.h"
#include "profileregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace libreoffice {

namespace {

const char registryFile[] = "user/registrymodifications.xcu";

// The office's language: its menus and dialogs in Simplified Chinese,
// Chinese (China) as the locale and the language of Asian text, so line
// breaking and punctuation follow Chinese rules whatever the system locale
// is (a fresh machine has none). Western text stays English (USA).
struct LanguageSetting
{
    const char *path;
    const char *name;
    const char *value;
};

const LanguageSetting languageSettings[] = {
    {"/org.openoffice.Office.Linguistic/General", "UILocale", "zh-CN"},
    {"/org.openoffice.Office.Linguistic/General", "DefaultLocale_CJK", "zh-CN"},
    {"/org.openoffice.Setup/L10N", "ooLocale", "zh-CN"},
    {"/org.openoffice.Setup/L10N", "ooSetupSystemLocale", "zh-CN"},
};

bool writeLanguage(const QString &registryFile)
{
    QStringList items;
    for (const LanguageSetting &setting : languageSettings) {
        items.append(registryItem(QLatin1String(setting.path), QLatin1String(setting.name),
                                  QLatin1String(setting.value)));
    }
    return updateRegistry(
        registryFile,
        [](const QString &line) {
            for (const LanguageSetting &setting : languageSettings) {
                if (setsRegistryProperty(line, QLatin1String(setting.path),
                                         QLatin1String(setting.name)))
                    return true;
            }
            return false;
        },
        items);
}

} // namespace

OfficeProfile::OfficeProfile(const QString &directory)
    : m_directory(directory.isEmpty() ? defaultDirectory() : directory)
{
}

OfficeProfile::~OfficeProfile() = default;

QString OfficeProfile::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quorvex/lo-profile");
}

bool OfficeProfile::acquire()
{
    if (!QDir().mkpath(m_directory))
        return switchToTemporary();
    m_lock = std::make_unique<QLockFile>(m_directory + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return switchToTemporary();
    }
    return seed(m_directory);
}

bool OfficeProfile::switchToTemporary()
{
    m_lock.reset();
    m_temporary = std::make_unique<QTemporaryDir>(QDir::tempPath()
                                                  + QStringLiteral("/quorvex-lo-profile-XXXXXX"));
    if (!m_temporary->isValid())
        return false;
    m_directory = m_temporary->path();
    return seed(m_directory);
}

QString OfficeProfile::url() const
{
    return QUrl::fromLocalFile(m_directory).toString(QUrl::FullyEncoded);
}

bool OfficeProfile::isTemporary() const
{
    return m_temporary != nullptr;
}

bool OfficeProfile::seed(const QString &directory)
{
    const QString path = directory + QLatin1Char('/') + QLatin1String(registryFile);
    if (!QFileInfo::exists(path) && !writeFirstStartRegistry(path))
        return false;
    // Fonts may have been installed or removed since the last start, and a
    // profile made by an earlier version of the program lacks the language.
    // Settings that cannot be written cost only themselves: the office still
    // runs.
    writeFontReplacements(path, neededFontReplacements());
    writeLanguage(path);
    return true;
}

bool OfficeProfile::writeFirstStartRegistry(const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // The last version marks the profile as already used by this office, so
    // the start does not take the first-start-after-upgrade path; the tip
    // dialog and the first-run notes would cover the embedded window.
    const QStringList items = {
        registryItem(QStringLiteral("/org.openoffice.Setup/Product"),
                     QStringLiteral("ooSetupLastVersion"), officeVersion()),
        registryItem(QStringLiteral("/org.openoffice.Office.Common/Misc"),
                     QStringLiteral("ShowTipOfTheDay"), QStringLiteral("false")),
        registryItem(QStringLiteral("/org.openoffice.Office.Common/Misc"),
                     QStringLiteral("FirstRun"), QStringLiteral("false")),
    };
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QString text
        = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
                         "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n")
        + items.join(QLatin1Char('\n')) + QStringLiteral("\n</oor:items>\n");
    return file.write(text.toUtf8()) > 0;
}

QString OfficeProfile::officeVersion()
{
    // The installed office states its version in its main configuration.
    static const QString version = [] {
        QFile file(QStringLiteral("/usr/lib/libreoffice/share/registry/main.xcd"));
        if (file.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromUtf8(file.readAll());
            const QRegularExpression rx(
                QStringLiteral("<prop oor:name=\"ooSetupVersion\">\\s*<value>([^<]+)</value>"));
            const QRegularExpressionMatch match = rx.match(text);
            if (match.hasMatch())
                return match.captured(1);
        }
        return QStringLiteral("7.4");
    }();
    return version;
}

} // namespace libreoffice
