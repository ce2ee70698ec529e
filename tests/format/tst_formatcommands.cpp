#include "automation/automation.h"
#include "boxrecorder.h"
#include "fakewriterclient.h"
#include "format/setpage_window.h"
#include "inprocessapplication.h"
#include "wpsmainwindow.h"
#include "testhome.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace automation;

// The formatting and layout commands as the command tree runs them: the
// settings file read at every call, the messages, the dialog's choices.
class tst_FormatCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    std::unique_ptr<WPSMainWindow> m_page;
    DocumentPtr m_doc;

    void selectParagraph(int index) { m_doc->paragraphs()->item(index)->range()->select(); }

    void runPageAdaptation(const QString &radio, QDialogButtonBox::StandardButton button)
    {
        m_page->slotButtonClick(QStringLiteral("页面适配"));
        setPage_window *dialog = m_page->pageAdaptationDialog();
        QVERIFY(dialog->isVisible());
        dialog->findChild<QRadioButton *>(radio)->setChecked(true);
        QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(button), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
    }

private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("标题\n一、总体要求。正文。\n正文第二段。"));
        auto fake = std::make_shared<FakeWriter>();
        fake->application = m_app;
        m_page = std::make_unique<WPSMainWindow>(nullptr, fakeWriterFactory(fake));
        m_page->initApp();
        QVERIFY(m_page->application());
    }

    void cleanup()
    {
        m_page.reset();
        m_home.reset();
    }

    void pageAdaptationDialog_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<bool>("run");
        QTest::addColumn<bool>("formatBody");
        QTest::addColumn<bool>("recognise");
        QTest::newRow("page only") << "radioButton" << true << false << false;
        QTest::newRow("body") << "radioButton_2" << true << true << false;
        QTest::newRow("headings") << "radioButton_3" << true << true << true;
        QTest::newRow("cancelled") << "radioButton_3" << false << false << false;
    }

    // Each choice of the dialog, confirmed, runs page adaptation with its
    // flags; shown again, the dialog keeps the last choice.
    void pageAdaptationDialog()
    {
        QFETCH(QString, radio);
        QFETCH(bool, run);
        QFETCH(bool, formatBody);
        QFETCH(bool, recognise);
        PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
        ps->setTopMargin(10);
        // Indented: recognised though at the top of the document.
        m_doc->paragraphs()->item(2)->setCharacterUnitFirstLineIndent(2);
        runPageAdaptation(radio, run ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        QCOMPARE(ps->topMargin() != 10.0f, run);
        QCOMPARE(m_doc->paragraphs()->item(3)->lineSpacingRule(),
                 formatBody ? wdLineSpaceExactly : wdLineSpaceSingle);
        RangePtr lead = m_doc->paragraphs()->item(2)->range();
        lead->setRange(lead->start(), lead->start() + 2);
        QCOMPARE(lead->font()->nameFarEast() == QStringLiteral("方正黑体_GBK"), recognise);

        m_page->slotButtonClick(QStringLiteral("页面适配"));
        QVERIFY(m_page->pageAdaptationDialog()->findChild<QRadioButton *>(radio)->isChecked());
        m_page->pageAdaptationDialog()->close();
    }

    // Margins stored as 0 count as unset: page adaptation applies 3.36, 3.2,
    // 2.8 and 2.6 cm.
    void zeroMarginsTakeDefaults()
    {
        m_home->writeFile(QStringLiteral("option.ini"),
                          "[%General]\nTopMargin=0\nBottomMargin=0\nLeftMargin=0\nRightMargin=0\n");
        runPageAdaptation(QStringLiteral("radioButton"), QDialogButtonBox::Ok);
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
        selectParagraph(2);
        for (const QString &font : {QStringLiteral("黑体"), QStringLiteral("方正黑体_GBK")}) {
            m_home->setValues(QStringLiteral("option.ini"), {{QStringLiteral("General/HT"), font}});
            m_page->slotButtonClick(QStringLiteral("一级标题"));
            QCOMPARE(m_app->selection()->font()->name(), font);
        }
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
        for (const char *label : {"加大行距", "减小行距", "插入横排页面", "隐藏/显示红头",
                                  "隐藏/显示页码", "添加/删除定位线"})
            QTest::newRow(label) << QString::fromUtf8(label) << noDocument;
        for (const char *label : {"设为一行", "设为二行", "正文字体", "设大标题"})
            QTest::newRow(label) << QString::fromUtf8(label) << noSelection;
    }

    void noDocumentMessages()
    {
        QFETCH(QString, label);
        QFETCH(QString, message);
        m_doc->close();
        BoxRecorder boxes;
        m_page->slotButtonClick(label);
        QCOMPARE(boxes.titles(), QStringList(QStringLiteral("错误")));
        QCOMPARE(boxes.texts(), QStringList(message));
    }

    // Without a writer the commands do nothing and say nothing.
    void noWriterIsSilent()
    {
        WPSMainWindow page(nullptr, missingWriterFactory());
        QTest::ignoreMessage(QtDebugMsg, "get WpsRpcClient erro");
        page.initApp();
        BoxRecorder boxes;
        for (const char *label : {"设大标题", "一级标题", "二级标题", "正文加粗", "正文字体",
                                  "设为一行", "设为二行", "加大行距", "减小行距", "插入横排页面"})
            page.slotButtonClick(QString::fromUtf8(label));
        emit page.pageAdaptationDialog()->sendSettings(true, true);
        QVERIFY(boxes.boxes().isEmpty());
    }
};

QTEST_MAIN(tst_FormatCommands)
#include "tst_formatcommands.moc"
