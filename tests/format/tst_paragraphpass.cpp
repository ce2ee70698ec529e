#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "format/paragraphpass.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;
using format::ParagraphPass;

// Page adaptation's paragraph pass: headings, attachment heads and titles.
class tst_ParagraphPass : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
    format::LayoutSettings m_settings;
    // Paragraphs ahead, so that those under test lie past the document's top.
    static constexpr int kLead = 20;

    void makeDocument(const QStringList &paragraphs)
    {
        QStringList all;
        for (int i = 0; i < kLead; ++i)
            all << QStringLiteral("前文第%1段。").arg(i + 1);
        all << paragraphs;
        m_doc->content()->setText(all.join(QLatin1Char('\n')));
    }

    RangePtr paragraphRange(int indexAfterLead)
    {
        return m_doc->paragraphs()->item(kLead + indexAfterLead)->range();
    }

    // East Asian font of the characters [from, to) of a paragraph.
    QString farEast(int indexAfterLead, int from, int to)
    {
        RangePtr r = paragraphRange(indexAfterLead);
        const long start = r->start();
        r->setRange(start + from, start + to);
        return r->font()->nameFarEast();
    }

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
    }

    void headingRules_data()
    {
        QTest::addColumn<QString>("lead");
        QTest::addColumn<QString>("kind"); // first, second, attachment or none
        const char *rows[][2]
            = {{"一、总体要求", "first"}, {"十二、其他", "first"}, {"、开头", "first"},
               {"一二三", "none"},        {"1、总体", "none"},     {"（三）工作措施", "second"},
               {"（）说明", "second"},    {"（一二三", "second"},  {"（注意", "none"},
               {"附件12", "attachment"},  {"附件", "attachment"},  {"附件：1.", "none"},
               {"附件123", "none"}};
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromLatin1(row[1]);
    }

    void headingRules()
    {
        QFETCH(QString, lead);
        QFETCH(QString, kind);
        QCOMPARE(ParagraphPass::isFirstLevelHeading(lead), kind == QLatin1String("first"));
        QCOMPARE(ParagraphPass::isSecondLevelHeading(lead), kind == QLatin1String("second"));
        QCOMPARE(ParagraphPass::isAttachmentHead(lead), kind == QLatin1String("attachment"));
    }

    void headingFonts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("recognise");
        QTest::addColumn<int>("headingLength");
        QTest::addColumn<QString>("font");
        const QString lead = QStringLiteral("一、总体要求。各单位要抓好落实。");
        QTest::newRow("first level, lead sentence with its stop")
            << lead << true << 7 << QStringLiteral("方正黑体_GBK");
        QTest::newRow("second level without stop")
            << QStringLiteral("（三）工作措施") << true << 7 << QStringLiteral("方正楷体_GBK");
        QTest::newRow("second level up to the stop") << QStringLiteral("（三）工作措施。要求如下。")
                                                     << true << 8 << QStringLiteral("方正楷体_GBK");
        QTest::newRow("without recognition: body")
            << lead << false << 7 << QStringLiteral("方正仿宋_GBK");
        // With a full-width colon: the body's attachment note, no head.
        QTest::newRow("attachment note")
            << QStringLiteral("附件：1.某某方案") << true << 3 << QStringLiteral("方正仿宋_GBK");
    }

    // Only the lead sentence (and its stop) takes the heading font.
    void headingFonts()
    {
        QFETCH(QString, text);
        QFETCH(bool, recognise);
        QFETCH(int, headingLength);
        QFETCH(QString, font);
        makeDocument({text, QStringLiteral("结尾。")});
        QCOMPARE(format::adaptPages(m_app, m_settings, true, recognise), format::Outcome::Done);
        QCOMPARE(farEast(1, 0, headingLength), font);
        if (headingLength < text.size())
            QCOMPARE(farEast(1, headingLength, text.size()), m_settings.bodyFont);
        ParagraphPtr p = m_doc->paragraphs()->item(kLead + 1);
        QCOMPARE(QList<float>() << p->characterUnitFirstLineIndent() << p->lineSpacingRule()
                                << p->lineSpacing() << p->range()->font()->size(),
                 QList<float>() << 2 << wdLineSpaceExactly << m_settings.bodySpacing << 16);
    }

    // 「附件1」: head, centred 22 pt title lines, then a 15.6 pt spacer.
    void attachmentHeadAndTitles()
    {
        makeDocument({QStringLiteral("附件1"), QString(), QStringLiteral("关于某某工作的"),
                      QStringLiteral("实施方案"), QString(), QStringLiteral("一、总体要求。"),
                      QStringLiteral("末段。")});
        format::adaptPages(m_app, m_settings, true, true);

        ParagraphPtr head = m_doc->paragraphs()->item(kLead + 1);
        QCOMPARE(head->range()->font()->nameFarEast(), m_settings.headingFont);
        QCOMPARE(head->characterUnitFirstLineIndent(), 0.0f);
        for (int i : {3, 4}) {
            ParagraphPtr title = m_doc->paragraphs()->item(kLead + i);
            QCOMPARE(title->alignment(), wdAlignParagraphCenter);
            QCOMPARE(title->lineSpacing(), m_settings.titleSpacing);
            RangePtr r = title->range();
            r->setRange(r->start(), r->end() - 1);
            QCOMPARE(r->font()->size(), 22.0f);
            QCOMPARE(r->font()->name(), m_settings.titleFont);
        }
        QCOMPARE(m_doc->paragraphs()->item(kLead + 2)->lineSpacing(), m_settings.bodySpacing);
        QCOMPARE(m_doc->paragraphs()->item(kLead + 5)->lineSpacing(), 15.6f);
        QCOMPARE(farEast(6, 0, 7), m_settings.headingFont);
    }

    // At the top only indented paragraphs are recognised.
    void topOfFirstSection()
    {
        m_doc->content()->setText(QStringLiteral("一、没有缩进的开头\n一、有缩进的开头\n正文。"));
        m_doc->paragraphs()->item(2)->setCharacterUnitFirstLineIndent(2.0f);
        format::adaptPages(m_app, m_settings, true, true);
        QCOMPARE(m_doc->paragraphs()->item(1)->range()->font()->nameFarEast(), m_settings.bodyFont);
        QCOMPARE(m_doc->paragraphs()->item(1)->characterUnitFirstLineIndent(), 0.0f);
        RangePtr second = m_doc->paragraphs()->item(2)->range();
        second->setRange(second->start(), second->start() + 2);
        QCOMPARE(second->font()->nameFarEast(), m_settings.headingFont);
        // The pass leaves the insertion point at the very start.
        QCOMPARE(m_app->selection()->start(), 0L);
        QCOMPARE(m_app->selection()->end(), 0L);
    }

    // Paragraphs in tables keep their own format in every mode.
    void tablesKeepTheirFormat()
    {
        makeDocument({QStringLiteral("表前。"), QStringLiteral("表后。")});
        RangePtr at = paragraphRange(2);
        at->setRange(at->start(), at->start());
        TablePtr table = m_doc->tables()->add(at, 1, 1);
        RangePtr cell = table->cell(1, 1)->range();
        cell->setText(QStringLiteral("一、表内"));
        cell = table->cell(1, 1)->range();
        cell->paragraphFormat()->setLineSpacingRule(wdLineSpaceSingle);
        cell->font()->setSize(10.5f);
        cell->font()->setNameFarEast(QStringLiteral("楷体"));
        for (bool recognise : {false, true}) {
            format::adaptPages(m_app, m_settings, true, recognise);
            RangePtr r = m_doc->tables()->item(1)->cell(1, 1)->range();
            QCOMPARE(r->paragraphFormat()->lineSpacingRule(), wdLineSpaceSingle);
            QCOMPARE(r->font()->size(), 10.5f);
            QCOMPARE(r->font()->nameFarEast(), QStringLiteral("楷体"));
        }
    }
};

QTEST_APPLESS_MAIN(tst_ParagraphPass)
#include "tst_paragraphpass.moc"
