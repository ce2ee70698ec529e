#pragma once

#include "automation/automation.h"
#include "libreoffice/libreofficeclient.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <optional>

// Helpers shared by the LibreOffice client tests.
namespace officetest {

// A test that needs LibreOffice Writer fails where it is not installed, so a
// machine without the office cannot pass the suite by skipping it. Setting
// QVX_SKIP_LIBREOFFICE=1 asks for the skip instead.
inline bool libreOfficeInstalled()
{
    return libreoffice::makeClient() != nullptr;
}

inline bool skipWithoutLibreOffice()
{
    return qEnvironmentVariable("QVX_SKIP_LIBREOFFICE") == QLatin1String("1");
}

constexpr char missingLibreOffice[]
    = "LibreOffice Writer is not installed; install it (tools/install-deps.sh) or set "
      "QVX_SKIP_LIBREOFFICE=1 to skip the tests that need it";

// For a main() that runs its test objects itself: the exit status when the
// office is missing (1, or 0 when the skip was asked for), after saying why.
inline std::optional<int> missingLibreOfficeExit()
{
    if (libreOfficeInstalled())
        return std::nullopt;
    if (skipWithoutLibreOffice()) {
        std::printf("SKIP: LibreOffice Writer is not installed (QVX_SKIP_LIBREOFFICE=1)\n");
        return 0;
    }
    std::fprintf(stderr, "FAIL!: %s\n", missingLibreOffice);
    return 1;
}

// Whether the process exists and has not died yet. A killed child that its
// parent has not reaped yet is a zombie: dead, so it does not count.
inline bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && line.at(close + 2) != 'Z'
        && line.at(close + 2) != 'X';
}

// Waits without running the Qt event loop.
inline bool waitUntilGone(qint64 pid, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (processRunning(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace officetest

// In a test function (initTestCase for the whole program): fails, or skips
// when asked to, where LibreOffice Writer is not installed.
#define QVX_REQUIRE_LIBREOFFICE()                                                                  \
    do {                                                                                           \
        if (!officetest::libreOfficeInstalled()) {                                                 \
            if (officetest::skipWithoutLibreOffice())                                              \
                QSKIP("LibreOffice Writer is not installed (QVX_SKIP_LIBREOFFICE=1)");             \
            QFAIL(officetest::missingLibreOffice);                                                 \
        }                                                                                          \
    } while (false)

// The office's window needs an X display; without one the test is skipped.
#define QVX_REQUIRE_OFFICE_WINDOW(displayUsable)                                                   \
    do {                                                                                           \
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !(displayUsable))           \
            QSKIP("no X display (Xvfb missing?)");                                                 \
    } while (false)
