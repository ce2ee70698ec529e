#include "libreoffice/libreofficeclient.h"
#include "officetestsupport.h"
#include "x11test.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <xcb/xcb.h>

#include <csignal>

using namespace automation;
using x11test::XQuery;

namespace {

bool runXdotool(const QStringList &args)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    return xdotool.waitForFinished(10000) && xdotool.exitCode() == 0;
}

} // namespace

// The embedded writer under Xvfb, driven the way the host drives it: a
// top-level window with a native host widget, the client started with the
// host's window id and size, and a window container made from the id that
// ApplicationEx reports. One office serves every function; a function that
// ends it leaves the next to start another.
class TestLibreOfficeEmbedded : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void embedsIntoTheHostWindow();
    void followsContainerResizes_data();
    void followsContainerResizes();
    void keyboard_data();
    void keyboard();
    void addedDocumentIsShown();
    void userClosingDocuments();
    void writerExitDoesNotEndTheOffice();
    void quitThenWarmStart();
    void killedOfficeLeavesTheHostWorking();

private:
    // Quits the office (if it runs), then the host's order: delete the
    // container, release the objects.
    void release();
    std::uint32_t officeWindow();
    QString documentText();
    void requireXdotool();
    void clickInto(QWidget *widget);
    // The user clicks into the writer and presses the keys there.
    void pressInWriter(const QString &keys);
    void checkShown(const QString &screenshot, double whiteAtLeast = 0.2);

    QTemporaryDir m_dir;
    QString m_profile;
    XQuery m_x;
    bool m_haveXdotool = false;
    QWidget *m_top = nullptr;
    QWidget *m_host = nullptr;
    QHBoxLayout *m_hostLayout = nullptr;
    QLineEdit *m_edit = nullptr;
    QWidget *m_container = nullptr;
    std::unique_ptr<WriterClient> m_client;
    ApplicationPtr m_app;
    std::uint64_t m_windowId = 0;
};

void TestLibreOfficeEmbedded::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVX_REQUIRE_OFFICE_WINDOW(m_x.ok());
    QVERIFY(m_dir.isValid());
    m_profile = m_dir.filePath(QStringLiteral("profile"));
    QVERIFY(QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR)));
    m_haveXdotool = !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();

    // A top-level window, a native host widget (the container goes into its
    // layout), and a line edit to take focus away.
    m_top = new QWidget;
    auto *layout = new QHBoxLayout(m_top);
    layout->setContentsMargins(1, 1, 1, 1);
    m_host = new QWidget(m_top);
    m_host->setAttribute(Qt::WA_NativeWindow);
    m_host->setAttribute(Qt::WA_NoSystemBackground);
    m_host->setAttribute(Qt::WA_OpaquePaintEvent);
    m_hostLayout = new QHBoxLayout(m_host);
    m_hostLayout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_host, 140);
    m_edit = new QLineEdit(m_top);
    m_edit->setFixedWidth(120);
    layout->addWidget(m_edit);
    m_top->setGeometry(0, 0, 1100, 800);
    m_top->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_top));
    m_top->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_top));
}

void TestLibreOfficeEmbedded::init()
{
    if (m_app && libreoffice::officeProcessId(m_app) > 0)
        return;
    release();
    QElapsedTimer timer;
    timer.start();
    m_app = officetest::startOffice(m_profile, &m_client,
                                    officetest::embedArgs(m_host->winId(), m_host->size()));
    QVERIFY(m_app && m_app->activeDocument());
    qInfo("embedded start: %lld ms to an editable document", timer.elapsed());
    // What the host does after getApplication.
    const ApplicationExPtr ex = m_app->applicationEx();
    m_windowId = ex ? ex->mainWindowId() : 0;
    QVERIFY(m_windowId != 0);
    m_container = QWidget::createWindowContainer(QWindow::fromWinId(WId(m_windowId)), m_top);
    m_hostLayout->addWidget(m_container, 140);
    QTRY_VERIFY(officeWindow() != 0);
}

void TestLibreOfficeEmbedded::cleanupTestCase()
{
    release();
    delete m_top;
}

void TestLibreOfficeEmbedded::release()
{
    if (m_app)
        m_app->quit();
    delete m_container;
    m_container = nullptr;
    m_app.reset();
    m_client.reset();
}

std::uint32_t TestLibreOfficeEmbedded::officeWindow()
{
    return m_x.firstForeignViewable(static_cast<std::uint32_t>(m_windowId));
}

QString TestLibreOfficeEmbedded::documentText()
{
    DocumentPtr document = m_app->activeDocument();
    RangePtr content = document ? document->content() : nullptr;
    return content ? content->text() : QString();
}

void TestLibreOfficeEmbedded::requireXdotool()
{
    if (!m_haveXdotool)
        QSKIP("xdotool is not installed");
}

void TestLibreOfficeEmbedded::clickInto(QWidget *widget)
{
    const QPoint global = widget->mapToGlobal(widget->rect().center());
    QVERIFY(runXdotool({QStringLiteral("mousemove"), QString::number(global.x()),
                        QString::number(global.y()), QStringLiteral("sleep"), QStringLiteral("0.2"),
                        QStringLiteral("click"), QStringLiteral("1")}));
}

void TestLibreOfficeEmbedded::pressInWriter(const QString &keys)
{
    QTest::qWait(500);
    clickInto(m_container);
    QTest::qWait(200);
    QTRY_VERIFY(m_x.isWithin(m_x.inputFocus(), officeWindow()));
    QVERIFY(runXdotool({QStringLiteral("key"), keys}));
}

// The office shows in the container: a page mostly white (the start center
// need not be), with the toolbars' colours (an empty or black window has one).
void TestLibreOfficeEmbedded::checkShown(const QString &screenshot, double whiteAtLeast)
{
    QTest::qWait(1000); // let the office paint
    const QPixmap shot = m_top->screen()->grabWindow(m_top->winId());
    QVERIFY(shot.save(QStringLiteral(QVX_ARTIFACTS_DIR "/") + screenshot));
    const QImage image = shot.toImage().copy(m_container->geometry().translated(m_host->pos()));
    QSet<QRgb> colours;
    qint64 white = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel);
            white += qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
        }
    }
    const double whiteShare = double(white) / ((image.width() / 2) * (image.height() / 2));
    QVERIFY2(whiteShare >= whiteAtLeast, qPrintable(QString::number(whiteShare)));
    QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
}

void TestLibreOfficeEmbedded::embedsIntoTheHostWindow()
{
    m_app->activeDocument()->content()->setText(
        QStringLiteral("关于做好元旦春节期间有关工作的通知"));
    QCOMPARE(documentText(), QStringLiteral("关于做好元旦春节期间有关工作的通知\r"));
    // Our window sits in the container, the office's window in ours, all
    // inside the host window.
    const auto container = static_cast<std::uint32_t>(m_container->winId());
    const auto host = static_cast<std::uint32_t>(m_host->winId());
    QTRY_COMPARE(m_x.parentOf(static_cast<std::uint32_t>(m_windowId)), container);
    QVERIFY(m_x.isWithin(container, host));
    QVERIFY(m_x.isWithin(officeWindow(), host));
    QTRY_COMPARE(m_x.geometry(static_cast<std::uint32_t>(m_windowId)),
                 QRect(QPoint(0, 0), m_container->size()));
    QTRY_COMPARE(m_x.geometry(officeWindow()), QRect(QPoint(0, 0), m_container->size()));
    checkShown(QStringLiteral("embedded.png"));
}

void TestLibreOfficeEmbedded::followsContainerResizes_data()
{
    QTest::addColumn<QSize>("topSize");
    QTest::newRow("smaller") << QSize(760, 560);
    QTest::newRow("narrow and tall") << QSize(560, 900);
    QTest::newRow("back") << QSize(1100, 800);
}

void TestLibreOfficeEmbedded::followsContainerResizes()
{
    QFETCH(QSize, topSize);
    m_top->resize(topSize);
    QTRY_COMPARE(m_top->size(), topSize);
    QTRY_COMPARE(m_x.geometry(static_cast<std::uint32_t>(m_windowId)),
                 QRect(QPoint(0, 0), m_container->size()));
    QTRY_COMPARE(m_x.geometry(officeWindow()), QRect(QPoint(0, 0), m_container->size()));
}

void TestLibreOfficeEmbedded::keyboard_data()
{
    QTest::addColumn<bool>("toWriter");
    QTest::addColumn<bool>("byClick");
    QTest::newRow("a click gives the writer the keyboard") << true << true;
    QTest::newRow("focusWriter gives it back") << true << false;
    QTest::newRow("the user clicks a line edit") << false << true;
    QTest::newRow("the program focuses a line edit") << false << false;
}

// Where the keyboard goes, and where typed text lands: the writer's focus
// shows in Qt's as the host widget.
void TestLibreOfficeEmbedded::keyboard()
{
    QFETCH(bool, toWriter);
    QFETCH(bool, byClick);
    requireXdotool();
    if (toWriter)
        clickInto(m_edit);
    else
        QVERIFY(libreoffice::focusWriter(m_app));
    QTRY_VERIFY(m_x.isWithin(m_x.inputFocus(), officeWindow()) != toWriter);
    QTest::qWait(300);
    m_edit->clear();
    if (toWriter && byClick)
        clickInto(m_container);
    else if (toWriter)
        QVERIFY(libreoffice::focusWriter(m_app));
    else if (byClick)
        clickInto(m_edit);
    else
        m_edit->setFocus();
    QTRY_VERIFY(m_x.isWithin(m_x.inputFocus(), officeWindow()) == toWriter);
    QTRY_VERIFY(toWriter ? m_host->hasFocus() : m_edit->hasFocus());
    const QString text = QStringLiteral("typed%1%2").arg(int(toWriter)).arg(int(byClick));
    QVERIFY(runXdotool(
        {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"), text}));
    QTRY_COMPARE(m_edit->text(), toWriter ? QString() : text);
    QTRY_VERIFY(documentText().contains(text) == toWriter);
}

void TestLibreOfficeEmbedded::addedDocumentIsShown()
{
    DocumentsPtr documents = m_app->documents();
    const long before = documents->count();
    const std::uint32_t firstView = officeWindow();
    documents->add()->content()->setText(QStringLiteral("second document"));
    QCOMPARE(documents->count(), before + 1);
    QCOMPARE(documentText(), QStringLiteral("second document\r"));
    // The new document's view is the one shown, in place of the first.
    QTRY_VERIFY(officeWindow() != 0 && officeWindow() != firstView);
    QTRY_COMPARE(m_x.geometry(officeWindow()), QRect(QPoint(0, 0), m_container->size()));
}

void TestLibreOfficeEmbedded::userClosingDocuments()
{
    requireXdotool();
    DocumentsPtr documents = m_app->documents();
    while (DocumentPtr open = m_app->activeDocument())
        open->close(Variant(false));
    documents->add()->content()->setText(QStringLiteral("first document"));
    documents->add()->content()->setText(QStringLiteral("second document"));
    // An untouched document closes without asking to save.
    QVERIFY(documents->add());
    QCOMPARE(documents->count(), 3L);
    pressInWriter(QStringLiteral("ctrl+w"));
    QTRY_COMPARE(documents->count(), 2L);
    // The document shown before it is back.
    QTRY_COMPARE(documentText(), QStringLiteral("second document\r"));

    // Closing through the object model: the remaining documents one by one.
    m_app->activeDocument()->close();
    QCOMPARE(documentText(), QStringLiteral("first document\r"));
    m_app->activeDocument()->close();
    QVERIFY(documents->count() == 0 && !m_app->activeDocument() && !m_app->selection());
    // The start center is shown so that the user can open a document.
    QTRY_VERIFY(officeWindow() != 0);
    checkShown(QStringLiteral("startcenter.png"), 0);

    // From the start center the user makes a new Writer document (Alt+W).
    QVERIFY(libreoffice::focusWriter(m_app));
    QTRY_VERIFY(m_x.isWithin(m_x.inputFocus(), officeWindow()));
    QVERIFY(runXdotool({QStringLiteral("key"), QStringLiteral("alt+w")}));
    QTRY_VERIFY(m_app->activeDocument());
    QCOMPARE(documents->count(), 1L);
    QTRY_COMPARE(m_x.geometry(officeWindow()), QRect(QPoint(0, 0), m_container->size()));
    // Its view reports clicks as well.
    m_edit->setFocus();
    QTest::qWait(500);
    clickInto(m_container);
    QTest::qWait(200);
    QTRY_VERIFY(m_host->hasFocus());
    m_app->activeDocument()->close();
    QVERIFY(!m_app->activeDocument());

    // A document added now takes the start center's place; the user closes it.
    QVERIFY(documents->add() && m_app->activeDocument());
    pressInWriter(QStringLiteral("ctrl+w"));
    QTRY_VERIFY(!m_app->activeDocument());
    QCOMPARE(documents->count(), 0L);
    QTRY_VERIFY(officeWindow() != 0);

    QVERIFY(documents->add() && m_app->activeDocument());
}

void TestLibreOfficeEmbedded::writerExitDoesNotEndTheOffice()
{
    requireXdotool();
    const qint64 pid = libreoffice::officeProcessId(m_app);
    const long count = m_app->documents()->count();
    pressInWriter(QStringLiteral("ctrl+q"));
    QTest::qWait(2000);
    QVERIFY(officetest::processRunning(pid));
    QVERIFY(m_app->activeDocument());
    QCOMPARE(m_app->documents()->count(), count);
}

// Quitting with an unsaved document ends the office; the next start on the
// same profile is a warm one and shows its document again.
void TestLibreOfficeEmbedded::quitThenWarmStart()
{
    const qint64 pid = libreoffice::officeProcessId(m_app);
    const DocumentPtr document = m_app->activeDocument();
    document->content()->setText(QStringLiteral("unsaved"));
    QElapsedTimer timer;
    timer.start();
    m_app->quit();
    qInfo("quit took %lld ms", timer.elapsed());
    QVERIFY(!officetest::processRunning(pid) && !m_app->applicationEx());
    QVERIFY(!m_app->activeDocument() && !document->content() && !libreoffice::focusWriter(m_app));
    release();
    QTest::qWait(200);

    init();
    QTRY_COMPARE(m_x.geometry(officeWindow()), QRect(QPoint(0, 0), m_container->size()));
    m_app->activeDocument()->content()->setText(QStringLiteral("warm start"));
    checkShown(QStringLiteral("warm.png"));
}

void TestLibreOfficeEmbedded::killedOfficeLeavesTheHostWorking()
{
    const DocumentPtr document = m_app->activeDocument();
    QVERIFY(document);
    const qint64 pid = libreoffice::officeProcessId(m_app);
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(officetest::waitUntilGone(pid, 5000));
    QTest::qWait(300);
    // The object model answers nothing; the host's window goes on working.
    QVERIFY(!m_app->activeDocument() && !document->content() && !libreoffice::focusWriter(m_app));
    m_top->resize(900, 700);
    QTest::qWait(300);
    if (m_haveXdotool) {
        clickInto(m_container);
        clickInto(m_edit);
        QTest::qWait(300);
    }
    m_edit->setFocus();
    QTRY_VERIFY(m_edit->hasFocus());
    QElapsedTimer timer;
    timer.start();
    release();
    QVERIFY(timer.elapsed() < 2000);
    m_top->resize(1100, 800);
}

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestLibreOfficeEmbedded>(argc, argv);
}

#include "tst_libreofficeembedded.moc"
