#include "testhome.h"

#include <QSettings>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

TestHome::TestHome()
    : m_previousHome(qgetenv("HOME"))
{
    QVERIFY(m_dir.isValid());
    qputenv("HOME", QFile::encodeName(m_dir.path()));
}

TestHome::~TestHome()
{
    setDiskFull(false);
    qputenv("HOME", m_previousHome);
}

void TestHome::writeFile(const QString &fileName, const QByteArray &bytes) const
{
    QDir(path()).mkpath(QStringLiteral("Quorvex"));
    QFile file(templateFile(fileName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray TestHome::readFile(const QString &fileName) const
{
    QFile file(templateFile(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestHome::setValues(const QString &fileName, const QVariantMap &values) const
{
    QSettings settings(templateFile(fileName), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QString TestHome::value(const QString &fileName, const QString &key) const
{
    return QSettings(templateFile(fileName), QSettings::IniFormat).value(key).toString();
}

void TestHome::setDiskFull(bool full)
{
    if (full == m_diskFull)
        return;
    // A write past the file size limit fails with EFBIG instead of raising
    // SIGXFSZ, once that signal is ignored.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    if (full)
        m_fileSizeLimit = limit.rlim_cur;
    limit.rlim_cur = full ? 0 : rlim_t(m_fileSizeLimit);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    m_diskFull = full;
}
