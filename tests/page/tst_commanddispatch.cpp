#include "fakewriterclient.h"
#include "format/setpage_window.h"
#include "inprocess/inprocessapplication.h"
#include "modalcloser.h"
#include "page/wpswindow.h"
#include "urlrecorder.h"
#include "wpsmainwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QString kAbout = QStringLiteral("关于本软件");
const QString kHelp = QStringLiteral("使用帮助");

} // namespace

class TestCommandDispatch : public QObject
{
    Q_OBJECT

private slots:
    void firstClickWiresEachPageOnce();
    void labelsThatAreNoCommandDoNothing_data();
    void labelsThatAreNoCommandDoNothing();
    void aboutBox();
    void aboutGivesFocusBackToWriter();
    void helpOpensInstalledDocument();
    void settingsEntryOpensSettingsDialog();
};

// A dialog's result runs its operation once, whatever the clicks before,
// and every page runs its own dialogs' results.
void TestCommandDispatch::firstClickWiresEachPageOnce()
{
    for (int page = 0; page < 2; ++page) {
        auto writer = std::make_shared<FakeWriter>();
        writer->application = inprocess::InProcessApplication::create();
        WPSMainWindow window(nullptr, fakeWriterFactory(writer));
        window.initApp();
        ModalCloser closer;
        // A heading is no command, but the first click wires the dialogs.
        window.slotButtonClick(QStringLiteral("系统设置"));
        window.slotButtonClick(kAbout);
        QCOMPARE(closer.titles(), QStringList {kAbout});

        // Page adaptation without a document says so, once.
        closer.clear();
        emit window.pageAdaptationDialog()->sendSettings(true, false);
        QCOMPARE(closer.titles(), QStringList {QStringLiteral("错误")});
    }
}

void TestCommandDispatch::labelsThatAreNoCommandDoNothing_data()
{
    QTest::addColumn<QString>("label");

    QTest::newRow("trailing blank") << kAbout + QLatin1Char(' ');
    QTest::newRow("leading blank") << QLatin1Char(' ') + kAbout;
    QTest::newRow("trailing newline") << kHelp + QLatin1Char('\n');
    QTest::newRow("full-width blank") << kHelp + QChar(0x3000);
    QTest::newRow("one character short") << kAbout.left(kAbout.size() - 1);
    QTest::newRow("one character changed") << QStringLiteral("使用帮组");
    QTest::newRow("extra character") << QStringLiteral("关于本软件。");
    QTest::newRow("empty") << QString();
    QTest::newRow("heading 常用操作") << QStringLiteral("常用操作");
    QTest::newRow("heading 字体设置") << QStringLiteral("字体设置");
    QTest::newRow("heading 其他命令") << QStringLiteral("其他命令");
    QTest::newRow("heading 系统设置") << QStringLiteral("系统设置");
}

void TestCommandDispatch::labelsThatAreNoCommandDoNothing()
{
    QFETCH(QString, label);

    ModalCloser closer;
    UrlRecorder recorder;
    WPSMainWindow page(nullptr, missingWriterFactory());

    page.slotButtonClick(label);
    QTest::qWait(30); // a box would be up and closed by now

    QVERIFY(closer.seen().empty());
    QVERIFY(recorder.urls.isEmpty());
}

void TestCommandDispatch::aboutBox()
{
    ModalCloser closer;
    WPSMainWindow page(nullptr, missingWriterFactory());

    page.slotButtonClick(kAbout);

    QCOMPARE(closer.seen().size(), size_t(1));
    const SeenBox &box = closer.seen().front();
    QCOMPARE(box.title, kAbout);
    QVERIFY2(box.text.contains(QStringLiteral("公文排版制作软件")), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("Qt")), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("LibreOffice")), qPrintable(box.text));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QStringList {QStringLiteral("确 定")});
    QVERIFY(!box.hasParent);
    QVERIFY(box.modal);
}

void TestCommandDispatch::aboutGivesFocusBackToWriter()
{
    ModalCloser closer;
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *edit = new QLineEdit(&window);
    auto *page = new WPSMainWindow(&window, missingWriterFactory());
    layout->addWidget(edit);
    layout->addWidget(page);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), edit);

    page->slotButtonClick(kAbout);

    QCOMPARE(closer.seen().size(), size_t(1));
    QWidget *host = page->host();
    QCOMPARE(window.focusWidget(), host);
    // Once the window is active again, typing goes to the writer.
    QApplication::setActiveWindow(&window);
    QTRY_COMPARE(QApplication::focusWidget(), host);
}

void TestCommandDispatch::helpOpensInstalledDocument()
{
    ModalCloser closer;
    UrlRecorder recorder;
    WPSMainWindow page(nullptr, missingWriterFactory());

    page.slotButtonClick(kHelp);
    page.slotButtonClick(kHelp);

    const QUrl expected = QUrl::fromLocalFile(QStringLiteral("/usr/share/quorvex/help.pdf"));
    QCOMPARE(recorder.urls, (QList<QUrl> {expected, expected}));
    QVERIFY(closer.seen().empty());
}

// The settings entry runs a fresh settings dialog modally and discards it
// when it closes.
void TestCommandDispatch::settingsEntryOpensSettingsDialog()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    WPSMainWindow page(nullptr, missingWriterFactory());
    QString title;
    QString className;
    bool modal = false;
    QTimer::singleShot(50, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        title = dialog->windowTitle();
        className = QString::fromLatin1(dialog->metaObject()->className());
        modal = dialog->isModal();
        dialog->close();
    });
    page.slotButtonClick(QStringLiteral("系统参数设置"));
    qputenv("HOME", oldHome);
    QCOMPARE(className, QStringLiteral("option_window"));
    QCOMPARE(title, QStringLiteral("系统设置"));
    QVERIFY(modal);
    QVERIFY(!QApplication::activeModalWidget());
    // Opening it wrote nothing: only a save creates the settings file.
    QVERIFY(!QFile::exists(home.path() + QStringLiteral("/Quorvex/option.ini")));
}

QTEST_MAIN(TestCommandDispatch)
#include "tst_commanddispatch.moc"
