#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariantMap>

// An empty home directory for one test: HOME points at it while it exists,
// so the settings and template files are looked for in <home>/Quorvex.
class TestHome
{
public:
    TestHome();
    ~TestHome();

    QString path() const { return m_dir.path(); }
    QString settingsFile() const { return templateFile(QStringLiteral("option.ini")); }
    QString templateFile(const QString &kind) const { return path() + "/Quorvex/" + kind; }
    // Writes a file of the settings directory byte for byte.
    void writeFile(const QString &fileName, const QByteArray &bytes) const;
    QByteArray readFile(const QString &fileName) const;
    // A key of a file of the settings directory as a plain QSettings reads it.
    QString value(const QString &fileName, const QString &key) const;
    // Sets keys of a file of the settings directory through a plain QSettings.
    void setValues(const QString &fileName, const QVariantMap &values) const;
    bool settingsDirectoryExists() const { return QDir(path() + "/Quorvex").exists(); }
    // While set, no file of the process can grow, as on a full disk; lifted
    // at the latest when the home goes.
    void setDiskFull(bool full);

private:
    QTemporaryDir m_dir;
    QByteArray m_previousHome;
    bool m_diskFull = false;
    quint64 m_fileSizeLimit = 0;
};

// main() for the settings tests: HOME points at an empty directory before the
// application starts, and the widgets run offscreen unless told otherwise.
#define QVX_SETTINGS_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QTemporaryDir startHome;                                                                   \
        qputenv("HOME", QFile::encodeName(startHome.path()));                                      \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
