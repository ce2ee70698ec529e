#include "libreoffice/libreofficeclient.h"
#include "mainwindow.h"
#include "modalcloser.h"
#include "officetestsupport.h"
#include "page/wpsmainwindow.h"
#include "page/wpswindow.h"
#include "x11test.h"

#include <QDir>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>

using namespace automation;

// The program's own main window with the real LibreOffice Writer embedded,
// under a private Xvfb: the writer's window sits inside the page, text set
// through the object model shows, and closing the window ends the office.
class TestMainWindowOffice : public QObject
{
    Q_OBJECT

private slots:
    void embeddedWriterInMainWindow()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("no X display (Xvfb missing?)");
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());

        auto window = std::make_unique<MainWindow>();
        window->resize(1400, 900);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        WPSMainWindow *page = window->page();
        const ApplicationPtr app = page->application();
        QVERIFY2(app, "LibreOffice did not start");
        const qint64 pid = libreoffice::officeProcessId(app);
        QVERIFY(pid > 0);
        QVERIFY(page->host()->container());

        x11test::XQuery x;
        QVERIFY(x.ok());
        const std::uint32_t host = std::uint32_t(page->host()->winId());
        std::uint32_t office = 0;
        QTRY_VERIFY_WITH_TIMEOUT((office = x.firstForeignViewable(host)) != 0, 10000);
        QVERIFY(x.isWithin(office, std::uint32_t(window->winId())));

        const QString text = QStringLiteral("通过对象模型写入的正文。");
        DocumentPtr document = app->activeDocument();
        QVERIFY(document);
        document->content()->setText(text);
        QCOMPARE(document->content()->text(), text + QLatin1Char('\r'));
        // What a person sees: the tree on the left, the writer on the right,
        // drawn by the office (not left blank) once it has painted.
        const QRect writerRect
            = page->host()->geometry().translated(page->mapTo(window.get(), QPoint()));
        QPixmap shot;
        int colours = 0;
        for (int attempt = 0; attempt < 40 && colours <= 20; ++attempt) {
            QTest::qWait(250);
            shot = window->screen()->grabWindow(window->winId());
            const QImage area = shot.toImage().copy(writerRect);
            QSet<QRgb> seen;
            for (int y = 0; y < area.height(); y += 7) {
                for (int x2 = 0; x2 < area.width(); x2 += 7)
                    seen.insert(area.pixel(x2, y));
            }
            colours = seen.size();
        }
        QVERIFY(!shot.isNull());
        QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR));
        QVERIFY(shot.save(QStringLiteral(QVX_ARTIFACTS_DIR "/mainwindow-libreoffice.png")));
        QVERIFY2(colours > 20, qPrintable(QString::number(colours)));

        window.reset();
        QVERIFY(officetest::waitUntilGone(pid, 5000));
        qputenv("HOME", oldHome);
    }

    // When the office dies under the program, it comes back by itself (the
    // user is told) and every command runs again: none of them claims that
    // no document is open.
    void commandsWorkAfterTheOfficeDied()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("no X display (Xvfb missing?)");
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        {
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.page()->application());
            const qint64 pid = libreoffice::officeProcessId(window.page()->application());
            QVERIFY(pid > 0);
            ModalCloser closer;
            ::kill(pid_t(pid), SIGKILL);
            QTRY_VERIFY_WITH_TIMEOUT(
                libreoffice::officeProcessId(window.page()->application()) > 0
                    && libreoffice::officeProcessId(window.page()->application()) != pid,
                30000);
            QTRY_VERIFY(closer.titles().contains(QStringLiteral("写作区已重新启动")));
            closer.clear();

            for (const QString &label :
                 {QStringLiteral("设大标题"), QStringLiteral("一级标题"),
                  QStringLiteral("正文字体"), QStringLiteral("加大行距"),
                  QStringLiteral("设为一行"), QStringLiteral("插入横排页面")})
                window.page()->slotButtonClick(label);
            QVERIFY(window.page()->application()->activeDocument());
            QCOMPARE(closer.seen().size(), size_t(0));
        }
        qputenv("HOME", oldHome);
    }
};

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestMainWindowOffice>(argc, argv);
}

#include "tst_mainwindowoffice.moc"
