#include "automation/automation.h"
#include "libreoffice/libreofficeclient.h"
#include "mainwindow.h"
#include "messages/messages.h"
#include "officetestsupport.h"
#include "optionsettings.h"
#include "page/documenttabs.h"
#include "page/wpswindow.h"
#include "testhome.h"
#include "wpsmainwindow.h"
#include "x11test.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTreeWidget>

#include <csignal>

using namespace automation;

namespace {

float spacing(const ApplicationPtr &app)
{
    SelectionPtr selection = app ? app->selection() : nullptr;
    ParagraphFormatPtr format = selection ? selection->paragraphFormat() : nullptr;
    return format ? format->lineSpacing() : -1.0f;
}

QString text(const ApplicationPtr &app)
{
    DocumentPtr document = app ? app->activeDocument() : nullptr;
    return document ? document->content()->text() : QString();
}

void xdotool(const QStringList &args)
{
    QProcess::execute(QStringLiteral("xdotool"), args);
}

void clickCommand(MainWindow *window, const QString &label)
{
    auto *tree = window->findChild<QTreeWidget *>();
    const QList<QTreeWidgetItem *> items
        = tree->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(items.first()).center());
}

// What is not official body text in a new document, empty when all is.
QString notOfficialBody(const DocumentPtr &document)
{
    const ParagraphPtr first = document->paragraphs()->item(1);
    const FontPtr font = first->range()->font();
    const PageSetupPtr page = document->sections()->item(1)->pageSetup();
    const QStringList found
        = {document->saved() ? QString() : QStringLiteral("changed"),
           font->nameFarEast() == OptionSettings::bodyFont() ? QString() : font->nameFarEast(),
           font->name() == OptionSettings::westernFont() ? QString() : font->name(),
           font->size() == 16.0f ? QString() : QString::number(font->size()),
           first->lineSpacingRule() == wdLineSpaceExactly
                   && qAbs(first->lineSpacing() - OptionSettings::bodySpacing()) < 0.01
               ? QString()
               : QString::number(first->lineSpacing()),
           first->range()->languageIdFarEast() == wdSimplifiedChinese
               ? QString()
               : QString::number(first->range()->languageIdFarEast()),
           qRound(page->pageWidth()) == 595 && qRound(page->pageHeight()) == 842
               ? QString()
               : QStringLiteral("%1x%2").arg(page->pageWidth()).arg(page->pageHeight())};
    return found.join(QString()).isEmpty() ? QString() : found.join(QLatin1Char('|'));
}

} // namespace

// The user's work through the program's own window with the real office
// under a private Xvfb: closing asks about unsaved documents, Ctrl+O opens
// inside our window, a killed office comes back with its documents, a frozen
// office never freezes the window for long.
class TestWorkKeeping : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVX_REQUIRE_LIBREOFFICE();
        QVX_REQUIRE_OFFICE_WINDOW(true);
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("xdotool is not installed");
        m_home = std::make_unique<TestHome>();
        setMessageBoxHook([this](QMessageBox &box) {
            m_boxes << box.text();
            return m_answer ? m_answer(box.text()) : QMessageBox::Ok;
        });
    }

    void cleanupTestCase()
    {
        setMessageBoxHook({});
        m_home.reset();
    }

    void closeAsksAndCtrlOOpensInside();
    void startsWithAFileAndSurvivesKillAndHang();

private:
    std::unique_ptr<MainWindow> openWindow()
    {
        const QString profile = m_home->path() + QStringLiteral("/profile");
        auto window = std::make_unique<MainWindow>(nullptr, [profile] {
            libreoffice::ClientOptions options;
            options.profileDirectory = profile;
            options.recoveryIntervalMs = 500;
            return libreoffice::makeClient(options);
        });
        window->setGeometry(0, 0, 1200, 850);
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get()) ? std::move(window) : nullptr;
    }

    void typeIntoWriter(MainWindow *window, const QString &text)
    {
        WPSWindow *host = window->page()->host();
        const QPoint at = host->mapToGlobal(host->rect().center());
        xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                 QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(500);
        xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
    }

    // Answers the next file dialog with the path, as a user types it.
    void answerFileDialog(const QString &path)
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [timer, path] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            auto *name
                = dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!name)
                return;
            timer->deleteLater();
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        timer->start(100);
    }

    QString file(const QString &name) const { return m_home->path() + '/' + name; }

    std::unique_ptr<TestHome> m_home;
    QStringList m_boxes;
    std::function<QMessageBox::StandardButton(const QString &)> m_answer;
    QString m_savedPath;
};

void TestWorkKeeping::closeAsksAndCtrlOOpensInside()
{
    std::unique_ptr<MainWindow> window = openWindow();
    QVERIFY(window);
    ApplicationPtr app = window->page()->application();
    QVERIFY2(app, "LibreOffice did not start");
    QCOMPARE(notOfficialBody(app->activeDocument()), QString());

    // A Word file for Ctrl+O, in a font of its own that opening keeps.
    const QString opened = file(QStringLiteral("opened.docx"));
    DocumentPtr made = app->documents()->add();
    made->content()->setText(QStringLiteral("opened with ctrl o"));
    made->content()->font()->setName(QStringLiteral("DejaVu Sans"));
    made->content()->font()->setSize(11.0f);
    QVERIFY(made->saveAs(opened));
    made->close(Variant(false));

    typeIntoWriter(window.get(), QStringLiteral("Typed before closing"));
    QTRY_VERIFY_WITH_TIMEOUT(text(app).contains(QStringLiteral("Typed before closing")), 10000);

    // Ctrl+O in the writer: our dialog, and the file shows in our window.
    answerFileDialog(opened);
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+o")});
    QTRY_COMPARE_WITH_TIMEOUT(app->activeDocument()->fullName(), opened, 15000);
    QCOMPARE(app->documents()->count(), 2L);
    QCOMPARE(window->page()->documentTabs()->count(), 2);
    QVERIFY(text(app).contains(QStringLiteral("opened with ctrl o")));
    QCOMPARE(app->activeDocument()->content()->font()->name(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(app->activeDocument()->content()->font()->size(), 11.0f);
    const float before = spacing(app);
    clickCommand(window.get(), QStringLiteral("加大行距"));
    QTRY_VERIFY(spacing(app) != before);

    // Cancel keeps everything.
    m_answer = [](const QString &) { return QMessageBox::Cancel; };
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QCOMPARE(app->documents()->count(), 2L);

    // Ctrl+N: a new official body document, nothing to save.
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+n")});
    QTRY_COMPARE_WITH_TIMEOUT(app->documents()->count(), 3L, 15000);
    QCOMPARE(notOfficialBody(app->activeDocument()), QString());
    QVERIFY(m_boxes.last().contains(QStringLiteral("未保存的修改")));

    m_savedPath = file(QStringLiteral("typed.docx"));
    m_answer = [](const QString &question) {
        return question.contains(QStringLiteral("opened.docx")) ? QMessageBox::Discard
                                                                : QMessageBox::Save;
    };
    answerFileDialog(m_savedPath);
    const qint64 pid = libreoffice::officeProcessId(app);
    QVERIFY(window->close());
    QVERIFY(officetest::waitUntilGone(pid, 10000));
    QVERIFY(QFileInfo(m_savedPath).size() > 0);
    m_answer = nullptr;
}

void TestWorkKeeping::startsWithAFileAndSurvivesKillAndHang()
{
    std::unique_ptr<MainWindow> window = openWindow();
    QVERIFY(window);
    WPSMainWindow *page = window->page();
    const auto app = [page] { return page->application(); }; // changes on a restart
    if (m_savedPath.isEmpty()) { // run alone: the file the closing test saves
        m_savedPath = file(QStringLiteral("typed.docx"));
        const DocumentPtr made = app()->documents()->add();
        made->content()->setText(QStringLiteral("Typed before closing"));
        QVERIFY(made->saveAs(m_savedPath));
        made->close(Variant(false));
    }
    // As main() does with the files named on the command line.
    window->openFiles({m_savedPath});
    QVERIFY(app());
    QCOMPARE(app()->activeDocument()->fullName(), m_savedPath);
    QVERIFY(text(app()).contains(QStringLiteral("Typed before closing")));
    window->openFiles({m_savedPath});
    QCOMPARE(app()->documents()->count(), 1L);

    // Killed after a recovery copy newer than the change: back by itself.
    app()->activeDocument()->content()->insertAfter(QStringLiteral(" and after"));
    const QDateTime changed = QDateTime::currentDateTime();
    const QDir copies(file(QStringLiteral("profile/quorvex-recovery")));
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QFileInfoList files = copies.entryInfoList({QStringLiteral("*.odt")});
            return !files.isEmpty() && files.first().lastModified() > changed;
        }(),
        20000);
    app()->documents()->item(1)->activate();
    m_boxes.clear();
    const qint64 killed = libreoffice::officeProcessId(app());
    QElapsedTimer sinceKill;
    ::kill(pid_t(killed), SIGKILL);
    sinceKill.start();
    QTRY_VERIFY_WITH_TIMEOUT(text(app()).contains(QStringLiteral("and after")), 30000);
    qInfo("office death to restored document: %lld ms", sinceKill.elapsed());
    QVERIFY(libreoffice::officeProcessId(app()) != killed);
    QVERIFY(m_boxes.join(QString()).contains(QStringLiteral("意外退出")));
    QCOMPARE(app()->activeDocument()->fullName(), m_savedPath);
    QVERIFY(!app()->activeDocument()->saved());
    float before = spacing(app());
    clickCommand(window.get(), QStringLiteral("加大行距"));
    QTRY_VERIFY(spacing(app()) != before);
    // Every command runs again: none of them claims that no document is open.
    m_boxes.clear();
    for (const char *label : {"设大标题", "一级标题", "正文字体", "设为一行", "插入横排页面"})
        page->slotButtonClick(QString::fromUtf8(label));
    QCOMPARE(m_boxes, QStringList());

    // Frozen before a click: the window asks and repaints; SIGCONT runs it.
    const qint64 office = libreoffice::officeProcessId(app());
    const QImage shotBefore = window->grab().toImage();
    QImage shotAtMessage;
    qint64 toMessage = -1;
    QElapsedTimer sinceStop;
    m_answer = [&](const QString &) {
        toMessage = sinceStop.elapsed();
        shotAtMessage = window->grab().toImage();
        return QMessageBox::Ignore;
    };
    before = spacing(app());
    ::kill(pid_t(office), SIGSTOP);
    sinceStop.start();
    // Another command than before: its tree row lights up.
    clickCommand(window.get(), QStringLiteral("减小行距"));
    QVERIFY(toMessage >= 0);
    qInfo("hang to message: %lld ms", toMessage);
    QVERIFY(shotAtMessage != shotBefore);
    ::kill(pid_t(office), SIGCONT);
    m_answer = nullptr;
    clickCommand(window.get(), QStringLiteral("加大行距"));
    QTRY_VERIFY(spacing(app()) != before);

    // Frozen in a call: cut off, then restarted with the documents.
    ::kill(pid_t(office), SIGSTOP);
    QElapsedTimer inCall;
    inCall.start();
    const QString answer = text(app());
    qInfo("call into a frozen office returned after %lld ms", inCall.elapsed());
    QVERIFY(answer.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(text(app()).contains(QStringLiteral("and after")), 30000);
    QVERIFY(!officetest::processRunning(office));
    window.reset();
}

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestWorkKeeping>(argc, argv);
}

#include "tst_workkeeping.moc"
