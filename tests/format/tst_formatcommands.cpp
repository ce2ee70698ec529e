#include "automation/automation.h"
#include "fakewriterclient.h"
#include "format/setpage_window.h"
#include "inprocessapplication.h"
#include "modalcloser.h"
#include "wpsmainwindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace automation;

namespace {

// Forwards to the in-process writer and counts how often a command asked for
// the active document: one per run of page adaptation.
class CountingApplication : public Application
{
public:
    explicit CountingApplication(ApplicationPtr inner)
        : m_inner(std::move(inner))
    {
    }
    DocumentsPtr documents() override { return m_inner->documents(); }
    DocumentPtr activeDocument() override
    {
        ++activeDocumentCalls;
        return m_inner->activeDocument();
    }
    SelectionPtr selection() override { return m_inner->selection(); }
    ApplicationExPtr applicationEx() override { return m_inner->applicationEx(); }
    void quit(const Variant &a, const Variant &b, const Variant &c) override
    {
        m_inner->quit(a, b, c);
    }
    int activeDocumentCalls = 0;

private:
    ApplicationPtr m_inner;
};

} // namespace

// The formatting and layout commands as the command tree runs them: the
// settings file read at every call, the messages, the dialog's wiring.
class tst_FormatCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    std::shared_ptr<inprocess::InProcessApplication> m_writer;
    std::shared_ptr<CountingApplication> m_app;
    std::unique_ptr<WPSMainWindow> m_page;
    DocumentPtr m_doc;

    void writeSetting(const QString &key, const QVariant &value)
    {
        QSettings ini(m_home.path() + QStringLiteral("/Quorvex/option.ini"), QSettings::IniFormat);
        ini.setValue(key, value);
    }

    void selectParagraph(int index) { m_doc->paragraphs()->item(index)->range()->select(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toUtf8());
        QDir().mkpath(m_home.path() + QStringLiteral("/Quorvex"));
    }

    void init()
    {
        QFile::remove(m_home.path() + QStringLiteral("/Quorvex/option.ini"));
        m_writer = inprocess::InProcessApplication::create();
        m_doc = m_writer->documents()->add();
        m_doc->content()->setText(QStringLiteral("标题\n一、总体要求。正文。\n正文第二段。"));
        m_app = std::make_shared<CountingApplication>(m_writer);
        auto fake = std::make_shared<FakeWriter>();
        fake->application = m_app;
        m_page = std::make_unique<WPSMainWindow>(nullptr, fakeWriterFactory(fake));
        m_page->initApp();
        QVERIFY(m_page->application());
    }

    void cleanup() { m_page.reset(); }

    // Runs first: the dialog's result is wired at the process's first
    // command, and accepting it runs page adaptation exactly once.
    void pageAdaptationDialogRunsOnce()
    {
        m_page->slotButtonClick(QStringLiteral("页面适配"));
        setPage_window *dialog = m_page->pageAdaptationDialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        dialog->findChild<QRadioButton *>(QStringLiteral("radioButton_3"))->setChecked(true);
        const int before = m_app->activeDocumentCalls;
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(m_app->activeDocumentCalls, before + 1);
        QVERIFY(!dialog->isVisible());
        PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
        QCOMPARE(ps->mirrorMargins(), 1);

        // Shown again, it keeps the last choice.
        m_page->slotButtonClick(QStringLiteral("页面适配"));
        QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("radioButton_3"))->isChecked());
        dialog->close();
    }

    void dialogChoices_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("formatBody");
        QTest::addColumn<bool>("recognise");
        QTest::newRow("page only") << "radioButton" << false << false;
        QTest::newRow("body") << "radioButton_2" << true << false;
        QTest::newRow("headings") << "radioButton_3" << true << true;
    }

    void dialogChoices()
    {
        QFETCH(QString, radio);
        QFETCH(bool, formatBody);
        QFETCH(bool, recognise);
        setPage_window dialog;
        QSignalSpy spy(&dialog, &setPage_window::sendSettings);
        dialog.findChild<QRadioButton *>(radio)->setChecked(true);
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), formatBody);
        QCOMPARE(spy.at(0).at(1).toBool(), recognise);
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
    }

    // Margins stored as 0 count as unset: page adaptation applies 3.36, 3.2,
    // 2.8 and 2.6 cm.
    void zeroMarginsTakeDefaults()
    {
        for (const char *key : {"General/TopMargin", "General/BottomMargin", "General/LeftMargin",
                                "General/RightMargin"})
            writeSetting(QLatin1String(key), 0);
        QMetaObject::invokeMethod(m_page.get(), "setPageOptionExc", Q_ARG(bool, false),
                                  Q_ARG(bool, false));
        PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
        QCOMPARE(ps->topMargin(), centimetersToPoints(3.36));
        QCOMPARE(ps->bottomMargin(), centimetersToPoints(3.2));
        QCOMPARE(ps->leftMargin(), centimetersToPoints(2.8));
        QCOMPARE(ps->rightMargin(), centimetersToPoints(2.6));
    }

    // The style commands read the settings at every call, so a changed font
    // applies without a restart; unset values take the defaults.
    void styleCommandsReadSettingsEachTime()
    {
        writeSetting(QStringLiteral("General/HT"), QStringLiteral("黑体"));
        selectParagraph(2);
        m_page->slotButtonClick(QStringLiteral("一级标题"));
        QCOMPARE(m_app->selection()->font()->name(), QStringLiteral("黑体"));
        writeSetting(QStringLiteral("General/HT"), QStringLiteral("方正黑体_GBK"));
        m_page->slotButtonClick(QStringLiteral("一级标题"));
        QCOMPARE(m_app->selection()->font()->name(), QStringLiteral("方正黑体_GBK"));

        selectParagraph(1);
        m_page->slotButtonClick(QStringLiteral("设大标题"));
        QCOMPARE(m_doc->paragraphs()->item(1)->lineSpacingRule(), wdLineSpaceExactly);
        QCOMPARE(m_doc->paragraphs()->item(1)->lineSpacing(), 36.0f);
        QCOMPARE(m_app->selection()->font()->name(), QStringLiteral("方正小标宋_GBK"));
    }

    void noDocumentMessages_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("message");
        const QString noDocument = QStringLiteral("请确认是否已打开文档!");
        const QString noSelection = QStringLiteral("请确认是否已打开文档并选中文字!");
        QTest::newRow("加大行距") << "加大行距" << noDocument;
        QTest::newRow("减小行距") << "减小行距" << noDocument;
        QTest::newRow("插入横排页面") << "插入横排页面" << noDocument;
        QTest::newRow("设为一行") << "设为一行" << noSelection;
        QTest::newRow("设为二行") << "设为二行" << noSelection;
        QTest::newRow("正文字体") << "正文字体" << noSelection;
        QTest::newRow("设大标题") << "设大标题" << noSelection;
        QTest::newRow("隐藏/显示红头") << "隐藏/显示红头" << noDocument;
        QTest::newRow("隐藏/显示页码") << "隐藏/显示页码" << noDocument;
        QTest::newRow("添加/删除定位线") << "添加/删除定位线" << noDocument;
    }

    void noDocumentMessages()
    {
        QFETCH(QString, label);
        QFETCH(QString, message);
        m_doc->close();
        ModalCloser closer;
        m_page->slotButtonClick(label);
        QCOMPARE(closer.seen().size(), size_t(1));
        QCOMPARE(closer.seen()[0].title, QStringLiteral("错误"));
        QCOMPARE(closer.seen()[0].text, message);
    }

    // Without a writer the commands do nothing and say nothing.
    void noWriterIsSilent()
    {
        WPSMainWindow page(nullptr, missingWriterFactory());
        QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
        page.initApp();
        ModalCloser closer;
        for (const char *label : {"设大标题", "一级标题", "二级标题", "正文加粗", "正文字体",
                                  "设为一行", "设为二行", "加大行距", "减小行距", "插入横排页面"})
            page.slotButtonClick(QString::fromUtf8(label));
        QMetaObject::invokeMethod(&page, "setPageOptionExc", Q_ARG(bool, true), Q_ARG(bool, true));
        QVERIFY(closer.seen().empty());
    }
};

QTEST_MAIN(tst_FormatCommands)
#include "tst_formatcommands.moc"
