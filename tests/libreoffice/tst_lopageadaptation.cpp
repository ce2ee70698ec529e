#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "sharedoffice.h"

#include <QRegularExpression>
#include <QtTest>

using namespace automation;

namespace {

QString body(int n)
{
    return QStringLiteral("各地区各部门要坚持人民至上、生命至上，统筹发展和安全，"
                          "以防范化解重大安全风险为主线，扎实推进安全生产治理体系和"
                          "治理能力现代化，第%1项工作要明确时间表和路线图，"
                          "确保各项任务落到实处、见到实效。")
        .arg(n);
}

// The document as a drafter types it, every line in its own paragraph, the
// title first and the recipient second; "#n" ends a line with body(n).
QStringList documentLines()
{
    QStringList lines {
        "关于做好2025年度安全生产工作的通知",
        "各区县人民政府，市政府各部门：",
        "为深入贯彻落实党中央、国务院关于安全生产工作的决策部署，切实防范遏制各类生产安全事故，"
        "现就有关事项通知如下。",
        "一、总体要求",
        "#1",
        "（一）压实工作责任。各级各部门要严格落实安全生产责任制，主要负责同志是本地区本部门安全"
        "生产第一责任人，对安全生产工作负总责。",
        "1.建立工作台账。对辖区内重点企业逐一建档，明确责任人和整改时限，做到底数清、情况明。",
        "2.加强定期调度。每月召开一次工作调度会，研究解决工作推进中的困难和问题。",
        "（二）强化风险排查。#2",
        "上表所列事项由牵头单位会同有关部门组织实施，每季度末将进展情况报市安全生产委员会办公室。",
        "二、工作措施",
        "#3",
        "（一）开展专项整治。#4",
        "（二）加强宣传教育。#5",
        "三、有关要求",
        "#6",
        "附件：1. 安全生产工作任务清单",
        "2. 安全生产工作联系人名单",
        "",
        "某某市人民政府办公室",
        "2025年1月6日",
        "附件1",
        "安全生产工作任务清单",
        "",
        "一、重点行业领域排查整治",
        "#7",
        "#8"};
    for (QString &line : lines) {
        if (line.contains(QLatin1Char('#')))
            line = line.section(QLatin1Char('#'), 0, 0)
                + body(line.section(QLatin1Char('#'), 1).toInt());
    }
    return lines;
}

} // namespace

// Page adaptation with heading recognition on a realistic official document
// in LibreOffice: page setup, heading and body formats and page-number
// footers. Its pages, and tables left alone: tst_loopeneddocuments.
class TestLoPageAdaptation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageSetup();
    void paragraphs_data();
    void paragraphs();
    void footers_data();
    void footers();

private:
    // The first paragraph whose text starts with the prefix (0: none).
    long indexOf(const QString &prefix) const;

    SharedOffice m_office;
    DocumentPtr m_doc;
    format::LayoutSettings m_settings;
};

long TestLoPageAdaptation::indexOf(const QString &prefix) const
{
    const ParagraphsPtr all = m_doc->paragraphs();
    for (long i = 1, n = all->count(); i <= n; ++i) {
        if (all->item(i)->range()->text().startsWith(prefix))
            return i;
    }
    return 0;
}

// The document as typed, the title centred and the body lines indented two
// characters; then adapted.
void TestLoPageAdaptation::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    const ApplicationPtr app = m_office.application();
    QVERIFY2(app, "the office did not start");
    m_doc = app->documents()->add();
    const QStringList lines = documentLines();
    m_doc->content()->setText(lines.join(QLatin1Char('\n')));
    const ParagraphsPtr paragraphs = m_doc->paragraphs();
    for (int i = 0; i < lines.size(); ++i) {
        const ParagraphPtr p = paragraphs->item(i + 1);
        if (i == 0) {
            p->setAlignment(wdAlignParagraphCenter);
            p->range()->font()->setSize(22);
        } else if (i > 1 && !lines.at(i).isEmpty()) {
            p->setCharacterUnitFirstLineIndent(2);
        }
    }
    QCOMPARE(format::adaptPages(app, m_settings, true, true), format::Outcome::Done);
}

void TestLoPageAdaptation::pageSetup()
{
    QCOMPARE(m_doc->sections()->count(), 1L);
    const PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
    QCOMPARE(ps->orientation(), wdOrientPortrait);
    // The office keeps lengths in 1/100 mm: a quarter point is its rounding.
    const std::pair<float, double> lengths[]
        = {{ps->pageWidth(), 21},     {ps->pageHeight(), 29.7}, {ps->topMargin(), 3.36},
           {ps->bottomMargin(), 3.2}, {ps->leftMargin(), 2.8},  {ps->rightMargin(), 2.6}};
    for (const auto &[points, cm] : lengths)
        QVERIFY2(qAbs(points - centimetersToPoints(cm)) < 0.25f, qPrintable(QString::number(cm)));
    QCOMPARE(ps->mirrorMargins(), msoTrue);
    QCOMPARE(ps->layoutMode(), wdLayoutModeGrid);
    QCOMPARE(ps->linesPage(), 22.0f);
    QCOMPARE(ps->charsLine(), 28.0f);
    QCOMPARE(ps->oddAndEvenPagesHeaderFooter(), msoTrue);
    QCOMPARE(ps->differentFirstPageHeaderFooter(), 0);
}

void TestLoPageAdaptation::paragraphs_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("headingLength"); // characters in the heading font
    QTest::addColumn<QString>("headingFont");
    QTest::addColumn<float>("size");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<float>("spacing");
    QTest::addColumn<float>("indent"); // first-line indent in characters

    const format::LayoutSettings s;
    const auto row = [&](const char *name, const QString &text, const QString &font,
                         float indent = 2, float size = 16) {
        const bool title = font == s.titleFont;
        QTest::newRow(name) << text << int(font == s.bodyFont ? 0 : text.size()) << font << size
                            << int(title ? wdAlignParagraphCenter : wdAlignParagraphLeft)
                            << (title ? s.titleSpacing : s.bodySpacing) << indent;
    };
    // Headings take their role's font on their lead sentence (the prefix)
    // only; the rest of the paragraph, and "1." items, keep the body font.
    row("first level", "一、总体要求", s.headingFont);
    row("second level: lead sentence with its stop", "（一）压实工作责任。", s.subheadingFont);
    row("first level further on", "二、工作措施", s.headingFont);
    row("second level further on", "（一）开展专项整治。", s.subheadingFont);
    row("attachment head", "附件1", s.headingFont, 0);
    row("first level in the attachment", "一、重点行业领域排查整治", s.headingFont);
    row("attachment title", "安全生产工作任务清单", s.titleFont, 0, 22);
    row("arabic numbering is body text", "1.建立工作台账", s.bodyFont);
    row("opening paragraph", "为深入贯彻落实", s.bodyFont);
    row("body", body(1), s.bodyFont);
    row("body after a second-level heading", "上表所列", s.bodyFont);
    row("body after a first-level heading", body(3), s.bodyFont);
    row("attachment body", body(7), s.bodyFont);
    row("attachment note", "附件：1.", s.bodyFont);
    row("signature", "某某市人民政府办公室", s.bodyFont);
    // Near the top of the document the title and the recipient line are left
    // unrecognised: the plain body format without an indent.
    row("title", "关于做好2025年度", s.bodyFont, 0);
    row("recipient", "各区县人民政府，", s.bodyFont, 0);
}

void TestLoPageAdaptation::paragraphs()
{
    QFETCH(QString, prefix);
    QFETCH(int, headingLength);
    QFETCH(QString, headingFont);
    QFETCH(float, size);
    QFETCH(int, alignment);
    QFETCH(float, spacing);
    QFETCH(float, indent);
    const long index = indexOf(prefix);
    QVERIFY(index > 0);
    const ParagraphPtr p = m_doc->paragraphs()->item(index);
    const RangePtr r = p->range();
    const long start = r->start(), end = r->end() - 1;
    using Span = std::tuple<long, long, QString>;
    for (const auto &[from, to, font] : {Span {start, start + headingLength, headingFont},
                                         Span {start + headingLength, end, m_settings.bodyFont}}) {
        r->setRange(from, to);
        if (from < to)
            QCOMPARE(r->font()->nameFarEast(), font);
    }
    QCOMPARE(p->range()->font()->size(), size);
    QCOMPARE(p->alignment(), alignment);
    QCOMPARE(p->lineSpacingRule(), wdLineSpaceExactly);
    QCOMPARE(p->lineSpacing(), spacing);
    QCOMPARE(p->characterUnitFirstLineIndent(), indent);
    if (headingLength == 0) {
        QCOMPARE(r->font()->nameAscii(), m_settings.westernFont);
        QCOMPARE(r->font()->bold(), 0);
    }
    if (headingFont == m_settings.titleFont) { // the empty line after it is the 15.6 pt spacer
        const ParagraphPtr spacer = m_doc->paragraphs()->item(index + 1);
        QCOMPARE(spacer->range()->text(), QStringLiteral("\r"));
        QCOMPARE(spacer->lineSpacing(), 15.6f);
    }
}

void TestLoPageAdaptation::footers_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("alignment");
    QTest::newRow("odd pages: right") << wdHeaderFooterPrimary << wdAlignParagraphRight;
    QTest::newRow("even pages: left") << wdHeaderFooterEvenPages << wdAlignParagraphLeft;
}

// Odd and even footers carry "— n —" on the outer side, one character in.
void TestLoPageAdaptation::footers()
{
    QFETCH(int, item);
    QFETCH(int, alignment);
    const HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(item);
    QCOMPARE(footer->linkToPrevious(), 0);
    const ParagraphPtr number = footer->range()->paragraphs()->item(1);
    const RangePtr text = number->range();
    QVERIFY2(QRegularExpression(QStringLiteral("^— \\d+ —\\r$")).match(text->text()).hasMatch(),
             qPrintable(text->text()));
    QCOMPARE(number->alignment(), alignment);
    QCOMPARE(number->characterUnitLeftIndent(), 1.0f);
    QCOMPARE(number->characterUnitRightIndent(), 1.0f);
    text->setRange(text->start(), text->end() - 1);
    QCOMPARE(text->font()->name(), m_settings.pageNumberFont);
    QCOMPARE(text->font()->size(), 14.0f);
}

QTEST_MAIN(TestLoPageAdaptation)
#include "tst_lopageadaptation.moc"
