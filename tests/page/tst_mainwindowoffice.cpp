#include "assembly/elementrecord.h"
#include "boxrecorder.h"
#include "buttonlistwnd.h"
#include "input_window.h"
#include "libreoffice/libreofficeclient.h"
#include "libreoffice/lofiles.h"
#include "mainwindow.h"
#include "officetestsupport.h"
#include "page/wpswindow.h"
#include "pdfmeasure.h"
#include "wpsmainwindow.h"
#include "x11test.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>

using namespace automation;

namespace {

// The settings and one template of each kind of quorvex-convert's example.
void writeTemplates(const QString &home)
{
    QDir().mkpath(home + QStringLiteral("/Quorvex"));
    for (const QFileInfo &file : QDir(QStringLiteral(QVX_EXAMPLE_DIR)).entryInfoList({"*.ini"}))
        QFile::copy(file.filePath(), home + QStringLiteral("/Quorvex/") + file.fileName());
}

QStringList shapeNames(const DocumentPtr &document)
{
    QStringList names;
    const ShapesPtr shapes = document->shapes();
    for (long i = 1; i <= shapes->count(); ++i)
        names.append(shapes->item(i)->name());
    names.sort();
    return names;
}

} // namespace

// The program's own main window with the real LibreOffice Writer embedded,
// under a private Xvfb: the writer's window sits inside the page, text set
// through the object model shows, and closing the window ends the office.
class TestMainWindowOffice : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase()
    {
        m_window.reset();
        if (!m_oldHome.isNull())
            qputenv("HOME", m_oldHome);
    }

    void convertEveryKind_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("fields"); // objectName=text
        QTest::addColumn<QStringList>("body");
        const QStringList notice {
            "为切实做好今冬明春安全生产工作，坚决防范遏制重特大事故，现就有关事项通知如下。",
            "一、压实工作责任",
            "各地区各部门要坚持人民至上、生命至上，统筹发展和安全，层层压实安全生产责任。",
            "二、强化隐患排查",
            "各单位每月组织一次隐患排查，建立问题清单，明确整改时限和责任人。",
            "特此通知。"};
        QTest::newRow("down-going") << "套下行文"
                                    << QStringList {"cmbmj=秘密",
                                                    "cmbqx=1年",
                                                    "cmbjj=特急",
                                                    "edtbt=关于做好今冬明春安全生产工作的通知",
                                                    "edtzs=各区县人民政府，市政府各部门",
                                                    "edtcs=市委办公室，市人大常委会办公室"}
                                    << notice;
        QTest::newRow("up-going")
            << "套上行文"
            << QStringList {"edtbt=关于请求拨付防汛救灾资金的请示", "edtzs=省人民政府",
                            "edqf=张三丰"}
            << QStringList {"今年入汛以来，我市遭受多轮强降雨袭击，部分地区受灾严重。",
                            "为尽快恢复生产生活秩序，恳请省政府拨付防汛救灾资金5000万元。",
                            "妥否，请批示。"};
        QTest::newRow("letter") << "信函格式"
                                << QStringList {"cmbjj=加急", "edtbt=关于商请协助开展联合检查的函",
                                                "edtzs=市财政局"}
                                << QStringList {"为做好年度专项检查工作，拟于下月开展联合检查。",
                                                "请贵局派员参加，并于本月底前反馈联系人名单。",
                                                "特此函达。"};
    }

    // What a user does: types a document, clicks the command in the tree,
    // fills the dialog and confirms; saves as .docx, opens it again and
    // converts once more. The pages are kept for a person to look at.
    void convertEveryKind()
    {
        QFETCH(QString, label);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, body);
        QVX_REQUIRE_LIBREOFFICE();
        QVX_REQUIRE_OFFICE_WINDOW(true);
        if (!m_window) {
            m_oldHome = qgetenv("HOME");
            qputenv("HOME", m_home.path().toUtf8());
            writeTemplates(m_home.path());
            m_window = std::make_unique<MainWindow>();
            m_window->resize(1400, 900);
            m_window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        }
        WPSMainWindow *page = m_window->page();
        const ApplicationPtr app = page->application();
        QVERIFY2(app, "LibreOffice did not start");
        DocumentPtr document = app->documents()->add();
        QVERIFY(document);
        document->content()->insertBefore(body.join(QLatin1Char('\n')));

        const QString title = fields.filter(QStringLiteral("edtbt=")).first().mid(6);
        QDialog *dialog = convert(label, fields);
        QVERIFY(dialog && !dialog->isVisible());
        document = app->activeDocument();
        const QStringList shapes = shapeNames(document);
        QVERIFY2(shapes.contains("WJBT") && shapes.contains("GWXH") && shapes.contains("bj_gw"),
                 qPrintable(shapes.join(' ')));
        QCOMPARE(document->content()->text().count(title), 1);

        const QString name = QStringLiteral(QVX_ARTIFACTS_DIR "/conversion-")
            + QString::fromLatin1(QTest::currentDataTag());
        QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR));
        PrintOutOptions pdfOptions;
        pdfOptions.outputFileName = Variant(name + ".pdf");
        QVERIFY(document->printOut(pdfOptions));
        const pdfmeasure::PdfFile pdf(name + ".pdf");
        QVERIFY2(pdf.isValid(), qPrintable(pdf.error()));
        const pdfmeasure::PageImage first(pdf.render(1, 100, name + "-1.png"), 100);
        pdf.render(pdf.pageCount(), 100, name + "-last.png");
        QVERIFY2(pdf.compactText(1).contains(title), qPrintable(pdf.compactText(1)));
        QVERIFY(first.inkCount(pdfmeasure::isRed) > 500);
        // The up-going signer's name does not wrap; the letter's number stands
        // on the first line below the rule, beside the urgency.
        const QString number
            = assembly::readElement(app, Element::WenHao.id, Element::WenHao.key());
        if (label == QStringLiteral("套上行文"))
            QVERIFY(!pdf.find(1, QStringLiteral("签发人：张三丰")).isNull());
        if (label == QStringLiteral("信函格式")) {
            const QRectF urgency = pdf.find(1, QStringLiteral("加急"));
            QVERIFY(!urgency.isNull());
            QVERIFY2(qAbs(pdf.find(1, number).top() - urgency.top()) < 4,
                     qPrintable(QString::number(pdf.find(1, number).top() - urgency.top())));
        }
        // Letters print no unit and date row in their imprint.
        if (label != QStringLiteral("信函格式"))
            QVERIFY(pdf.compactText(pdf.pageCount()).contains(QStringLiteral("印发")));

        // Saved, opened again and converted with the elements it offers.
        const QString docx = name + ".docx";
        QFile::remove(docx);
        QVERIFY(libreoffice::saveDocumentAs(app, docx));
        document->close(Variant(false));
        QVERIFY(libreoffice::openDocument(app, docx));
        document = app->activeDocument();
        QVERIFY(document);
        dialog = convert(label, {});
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("edtbt"))->text(), title);
        document = app->activeDocument();
        QCOMPARE(shapeNames(document), shapes);
        QCOMPARE(document->content()->text().count(title), 1);
        for (const QString &paragraph : body)
            QCOMPARE(document->content()->text().count(paragraph), 1);
        document->close(Variant(false));
    }

    void embeddedWriterInMainWindow()
    {
        QVX_REQUIRE_LIBREOFFICE();
        QVX_REQUIRE_OFFICE_WINDOW(true);
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
        QVX_REQUIRE_LIBREOFFICE();
        QVX_REQUIRE_OFFICE_WINDOW(true);
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
            BoxRecorder boxes;
            ::kill(pid_t(pid), SIGKILL);
            QTRY_VERIFY_WITH_TIMEOUT(
                libreoffice::officeProcessId(window.page()->application()) > 0
                    && libreoffice::officeProcessId(window.page()->application()) != pid,
                30000);
            QTRY_VERIFY(boxes.titles().contains(QStringLiteral("写作区已重新启动")));
            boxes.clear();

            for (const QString &label :
                 {QStringLiteral("设大标题"), QStringLiteral("一级标题"),
                  QStringLiteral("正文字体"), QStringLiteral("加大行距"),
                  QStringLiteral("设为一行"), QStringLiteral("插入横排页面")})
                window.page()->slotButtonClick(label);
            QVERIFY(window.page()->application()->activeDocument());
            QCOMPARE(boxes.boxes().size(), 0);
        }
        qputenv("HOME", oldHome);
    }

private:
    // Clicks the command in the tree, fills its dialog (objectName=text) and
    // confirms it; the dialog, null when none came up.
    QDialog *convert(const QString &label, const QStringList &fields)
    {
        auto *tree = m_window->findChild<ButtonListWnd *>(QStringLiteral("treeWidget"));
        const QList<QTreeWidgetItem *> items
            = tree->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
        if (items.isEmpty())
            return nullptr;
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(items.first()).center());
        QDialog *dialog = m_window->page()->elementInputDialog();
        if (!QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        for (const QString &field : fields) {
            QWidget *widget = dialog->findChild<QWidget *>(field.section('=', 0, 0));
            const QString text = field.section('=', 1);
            if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                combo->setEditText(text);
            } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
                // Key clicks cannot carry Chinese text.
                edit->setText(text);
            } else {
                return nullptr;
            }
        }
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        return dialog;
    }

    QTemporaryDir m_home;
    QByteArray m_oldHome;
    std::unique_ptr<MainWindow> m_window;
};

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestMainWindowOffice>(argc, argv);
}

#include "tst_mainwindowoffice.moc"
