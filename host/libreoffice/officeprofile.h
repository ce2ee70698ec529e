#pragma once

#include <QString>

#include <memory>

class QLockFile;
class QTemporaryDir;

namespace libreoffice {

// The office's user profile as this program uses it: a directory of its own,
// never the user's LibreOffice profile. A new profile is seeded so that its
// first start skips the office's first-start work, and every start gives it
// the replacement table of the fonts official documents name
// (fontreplacements.h) and the Chinese language of menus, dialogs and Asian
// text. One office runs per profile; when another instance of this program
// holds the profile, a temporary one is used instead.
class OfficeProfile
{
public:
    // An empty directory means the program's default profile.
    explicit OfficeProfile(const QString &directory = QString());
    ~OfficeProfile();

    static QString defaultDirectory();

    // Locks the profile (or falls back to a temporary one) and seeds it.
    bool acquire();
    // Gives up the profile and takes a temporary one, e.g. when an office
    // that is not ours still runs on it.
    bool switchToTemporary();

    QString directory() const { return m_directory; }
    // The file URL that soffice's -env:UserInstallation takes.
    QString url() const;
    bool isTemporary() const;

private:
    // Seeds a new profile, and brings the font replacement table of any
    // profile up to the fonts installed now and its language to Chinese.
    static bool seed(const QString &directory);
    static bool writeFirstStartRegistry(const QString &path);
    static QString officeVersion();

    QString m_directory;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QTemporaryDir> m_temporary;
};

} // namespace libreoffice
