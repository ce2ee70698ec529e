#include "automation/automation.h"
#include "boxrecorder.h"
#include "fakewriterclient.h"
#include "format/setpage_window.h"
#include "inprocessapplication.h"
#include "testhome.h"
#include "wpsmainwindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace automation;

// The formatting commands as the tree runs them: settings, messages, dialog.
class tst_FormatCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> m_home;
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    std::unique_ptr<WPSMainWindow> m_page;
    DocumentPtr m_doc;

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

    // Each confirmed choice runs page adaptation with its flags, and stays.
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
        QCOMPARE(ps->topMargin(), run ? centimetersToPoints(3.36) : 10.0f);
        QCOMPARE(m_doc->paragraphs()->item(3)->lineSpacingRule(),
                 formatBody ? wdLineSpaceExactly : wdLineSpaceSingle);
        RangePtr lead = m_doc->paragraphs()->item(2)->range();
        lead->setRange(lead->start(), lead->start() + 2);
        QCOMPARE(lead->font()->nameFarEast() == QStringLiteral("方正黑体_GBK"), recognise);

        m_page->slotButtonClick(QStringLiteral("页面适配"));
        QVERIFY(m_page->pageAdaptationDialog()->findChild<QRadioButton *>(radio)->isChecked());
        m_page->pageAdaptationDialog()->close();
    }

    // The style commands read the settings at every call; unset: defaults.
    void styleCommandsReadSettingsEachTime()
    {
        m_doc->paragraphs()->item(2)->range()->select();
        for (const QString &font : {QStringLiteral("黑体"), QStringLiteral("方正黑体_GBK")}) {
            m_home->setValues(QStringLiteral("option.ini"), {{QStringLiteral("General/HT"), font}});
            m_page->slotButtonClick(QStringLiteral("一级标题"));
            QCOMPARE(m_app->selection()->font()->name(), font);
        }
        m_doc->paragraphs()->item(1)->range()->select();
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
};

QTEST_MAIN(tst_FormatCommands)
#include "tst_formatcommands.moc"
