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

// Without LibreOffice Writer a test fails (the suite cannot pass by skipping)
// unless QVX_SKIP_LIBREOFFICE=1 asks for the skip.
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

// For a main() of its own: the exit status when the office is missing.
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

// Whether the process exists and has not died (a zombie counts as dead).
inline bool processRunning(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray line
        = pid > 0 && stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const int close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && !QByteArray("ZX").contains(line.at(close + 2));
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

// An office of its own on the profile: headless without arguments, else
// embedded as they say (embedArgs). Null when it does not start.
inline automation::ApplicationPtr startOffice(const QString &profile,
                                              std::unique_ptr<WriterClient> *client,
                                              const QStringList &args = {})
{
    libreoffice::ClientOptions options;
    options.headless = args.isEmpty();
    options.profileDirectory = profile;
    *client = libreoffice::makeClient(options);
    automation::ApplicationPtr app;
    if (*client)
        (*client)->setProcessArgs(args);
    if (*client && (*client)->getApplication(&app) != 0)
        app.reset();
    return app;
}

// The host's start arguments for an office embedded into the window.
inline QStringList embedArgs(quint64 window, QSize size)
{
    return {QStringLiteral("-shield"),     QStringLiteral("-multiply"),
            QStringLiteral("-x11embed"),   QString::number(window),
            QString::number(size.width()), QString::number(size.height())};
}

} // namespace officetest

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
