#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "format/paragraphpass.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;
using format::ParagraphPass;

// Page adaptation's paragraph pass: which paragraphs become headings,
// attachment heads and titles, and which keep the body format.
class tst_ParagraphPass : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
    format::LayoutSettings m_settings;
    // Paragraphs ahead of the ones under test, so that they lie past the
    // top of the document where unindented paragraphs are left alone.
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
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("attachment");
        QTest::newRow("一、") << QStringLiteral("一、总体要求") << true << false << false;
        QTest::newRow("十二、") << QStringLiteral("十二、其他") << true << false << false;
        QTest::newRow("、 alone") << QStringLiteral("、开头") << true << false << false;
        QTest::newRow("numerals only") << QStringLiteral("一二三") << false << false << false;
        QTest::newRow("arabic numbering") << QStringLiteral("1、总体") << false << false << false;
        QTest::newRow("（三）") << QStringLiteral("（三）工作措施") << false << true << false;
        QTest::newRow("（） empty") << QStringLiteral("（）说明") << false << true << false;
        QTest::newRow("（ and numerals to the end")
            << QStringLiteral("（一二三") << false << true << false;
        QTest::newRow("（ then text") << QStringLiteral("（注意") << false << false << false;
        QTest::newRow("附件12, the longest head")
            << QStringLiteral("附件12") << false << false << true;
        QTest::newRow("附件") << QStringLiteral("附件") << false << false << true;
        QTest::newRow("附件：") << QStringLiteral("附件：1.") << false << false << false;
        QTest::newRow("附件123, one too long")
            << QStringLiteral("附件123") << false << false << false;
    }

    void headingRules()
    {
        QFETCH(QString, lead);
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(bool, attachment);
        QCOMPARE(ParagraphPass::isFirstLevelHeading(lead), first);
        QCOMPARE(ParagraphPass::isSecondLevelHeading(lead), second);
        QCOMPARE(ParagraphPass::isAttachmentHead(lead), attachment);
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

    // Only the lead sentence (with its full stop) takes the heading font; the
    // rest keeps the body font, and the paragraph the body's format.
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
        QCOMPARE(p->characterUnitFirstLineIndent(), 2.0f);
        QCOMPARE(p->lineSpacingRule(), wdLineSpaceExactly);
        QCOMPARE(p->lineSpacing(), m_settings.bodySpacing);
        QCOMPARE(p->range()->font()->size(), 16.0f);
    }

    // 「附件1」 opens an attachment: the head in the heading font without
    // indent, its title lines centred at 22 pt in the title font, and the
    // first empty paragraph after them a 15.6 pt spacer.
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
        // The empty paragraph between head and title stays a body line; the
        // one after the titles is the spacer.
        QCOMPARE(m_doc->paragraphs()->item(kLead + 2)->lineSpacing(), m_settings.bodySpacing);
        QCOMPARE(m_doc->paragraphs()->item(kLead + 5)->lineSpacing(), 15.6f);
        QCOMPARE(farEast(6, 0, 7), m_settings.headingFont);
    }

    // Near the top of the first section a paragraph without a first-line
    // indent is left unrecognised; one with an indent is recognised.
    void topOfFirstSection()
    {
        m_doc->content()->setText(QStringLiteral("一、没有缩进的开头\n一、有缩进的开头\n正文。"));
        m_doc->paragraphs()->item(2)->setCharacterUnitFirstLineIndent(2.0f);
        format::adaptPages(m_app, m_settings, true, true);
        RangePtr first = m_doc->paragraphs()->item(1)->range();
        QCOMPARE(first->font()->nameFarEast(), m_settings.bodyFont);
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
