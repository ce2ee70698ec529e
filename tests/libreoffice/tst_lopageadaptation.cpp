#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "sharedoffice.h"

#include <QRegularExpression>
#include <QtTest>

using namespace automation;

namespace {

const QString kTitle = QStringLiteral("关于做好2025年度安全生产工作的通知");
const QString kRecipient = QStringLiteral("各区县人民政府，市政府各部门：");
const QString kFirstHeading = QStringLiteral("一、总体要求");
const QString kSecondHeading
    = QStringLiteral("（一）压实工作责任。各级各部门要严格落实安全生产责任制，主要负责同志"
                     "是本地区本部门安全生产第一责任人，对安全生产工作负总责。");
const QString kSecondHeadingLead = QStringLiteral("（一）压实工作责任。");
const QString kNumbered
    = QStringLiteral("1.建立工作台账。对辖区内重点企业逐一建档，明确责任人和整改时限，"
                     "做到底数清、情况明。");
const QString kAfterTable
    = QStringLiteral("上表所列事项由牵头单位会同有关部门组织实施，每季度末将进展情况"
                     "报市安全生产委员会办公室。");
const QString kSecondPartHeading = QStringLiteral("二、工作措施");
const QString kAttachmentNote = QStringLiteral("附件：1. 安全生产工作任务清单");
const QString kAttachmentHead = QStringLiteral("附件1");
const QString kAttachmentTitle = QStringLiteral("安全生产工作任务清单");
const QString kAttachmentHeading = QStringLiteral("一、重点行业领域排查整治");

QString body(int n)
{
    return QStringLiteral("各地区各部门要坚持人民至上、生命至上，统筹发展和安全，"
                          "以防范化解重大安全风险为主线，扎实推进安全生产治理体系和"
                          "治理能力现代化，第%1项工作要明确时间表和路线图，"
                          "确保各项任务落到实处、见到实效。")
        .arg(n);
}

// The document as a drafter types it: every line in its own paragraph, the
// title centred, the body lines and headings indented two characters.
QStringList documentLines()
{
    return {kTitle,
            kRecipient,
            QStringLiteral("为深入贯彻落实党中央、国务院关于安全生产工作的决策部署，"
                           "切实防范遏制各类生产安全事故，现就有关事项通知如下。"),
            kFirstHeading,
            body(1),
            kSecondHeading,
            kNumbered,
            QStringLiteral("2.加强定期调度。每月召开一次工作调度会，研究解决"
                           "工作推进中的困难和问题。"),
            QStringLiteral("（二）强化风险排查。") + body(2),
            kAfterTable,
            kSecondPartHeading,
            body(3),
            QStringLiteral("（一）开展专项整治。") + body(4),
            QStringLiteral("（二）加强宣传教育。") + body(5),
            QStringLiteral("三、有关要求"),
            body(6),
            kAttachmentNote,
            QStringLiteral("2. 安全生产工作联系人名单"),
            QString(),
            QStringLiteral("某某市人民政府办公室"),
            QStringLiteral("2025年1月6日"),
            kAttachmentHead,
            kAttachmentTitle,
            QString(),
            kAttachmentHeading,
            body(7),
            body(8)};
}

} // namespace

// Page adaptation with heading recognition on a realistic official document
// in LibreOffice: page setup, heading and body formats, the table left alone
// and page-number footers. The pages it prints are tst_loopeneddocuments'.
class TestLoPageAdaptation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pageSetup();
    void paragraphs_data();
    void paragraphs();
    void tableCellsUntouched();
    void footers_data();
    void footers();

private:
    ParagraphPtr paragraphStarting(const QString &prefix);
    static long lineIndex(const QString &prefix);
    static long tableLine();
    // The East Asian font of the characters [from, to) of the paragraph.
    QString farEastFont(const QString &prefix, int from, int to);
    DocumentPtr adaptedDocument();

    std::unique_ptr<SharedOffice> m_office;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
    format::LayoutSettings m_settings;
};

// The paragraph of the typed line that starts with the prefix, found by its
// place in the document: the table's four cell paragraphs come before the
// line it was put in front of.
ParagraphPtr TestLoPageAdaptation::paragraphStarting(const QString &prefix)
{
    const long line = lineIndex(prefix);
    if (line < 0)
        return nullptr;
    return m_doc->paragraphs()->item(line + 1 + (line >= tableLine() ? 4 : 0));
}

long TestLoPageAdaptation::lineIndex(const QString &prefix)
{
    const QStringList lines = documentLines();
    for (int i = 0; i < lines.size(); ++i) {
        if (!prefix.isEmpty() && lines.at(i).startsWith(prefix))
            return i;
    }
    return -1;
}

long TestLoPageAdaptation::tableLine()
{
    return lineIndex(kAfterTable);
}

// The paragraph's own text comes back through its range (past the table
// too: the table's cells count as characters of the body).
#define CHECK_PARAGRAPH_TEXT(p, prefix)                                                            \
    do {                                                                                           \
        QVERIFY2((p)->range()->text().startsWith(prefix), qPrintable((p)->range()->text()));       \
    } while (false)

QString TestLoPageAdaptation::farEastFont(const QString &prefix, int from, int to)
{
    ParagraphPtr p = paragraphStarting(prefix);
    if (!p)
        return QStringLiteral("<no paragraph>");
    RangePtr r = p->range();
    const long start = r->start();
    r->setRange(start + from, start + to);
    return r->font()->nameFarEast();
}

// The document as typed, with a small table before the paragraph that
// refers to it, in a format of its own; then adapted.
DocumentPtr TestLoPageAdaptation::adaptedDocument()
{
    const DocumentPtr document = m_app->documents()->add();
    if (!document)
        return nullptr;
    const QStringList lines = documentLines();
    document->content()->setText(lines.join(QLatin1Char('\n')));
    ParagraphsPtr paragraphs = document->paragraphs();
    for (long i = 1; i <= paragraphs->count() && i <= lines.size(); ++i) {
        ParagraphPtr p = paragraphs->item(i);
        const QString &text = lines.at(int(i - 1));
        if (text == kTitle) {
            p->setAlignment(wdAlignParagraphCenter);
            p->range()->font()->setSize(22);
        } else if (text != kRecipient && !text.isEmpty()) {
            p->setCharacterUnitFirstLineIndent(2);
        }
    }

    // A small table before the paragraph that refers to it, in its own format.
    RangePtr at = paragraphs->item(tableLine() + 1)->range();
    at->setRange(at->start(), at->start());
    TablePtr table = document->tables()->add(at, 2, 2);
    if (!table)
        return nullptr;
    const QStringList cells {QStringLiteral("重点任务"), QStringLiteral("牵头单位"),
                             QStringLiteral("隐患排查"), QStringLiteral("市应急管理局")};
    for (int i = 0; i < 4; ++i) {
        RangePtr r = table->cell(i / 2 + 1, i % 2 + 1)->range();
        r->setText(cells.at(i));
        r = table->cell(i / 2 + 1, i % 2 + 1)->range();
        r->font()->setNameFarEast(QStringLiteral("楷体"));
        r->font()->setSize(12);
        r->paragraphFormat()->setAlignment(wdAlignParagraphCenter);
        r->paragraphFormat()->setLineSpacingRule(wdLineSpaceSingle);
    }

    return format::adaptPages(m_app, m_settings, true, true) == format::Outcome::Done ? document
                                                                                      : nullptr;
}

void TestLoPageAdaptation::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    m_office = std::make_unique<SharedOffice>();
    m_app = m_office->application();
    QVERIFY2(m_app, "the office did not start");

    m_doc = adaptedDocument();
    QVERIFY(m_doc);
}

void TestLoPageAdaptation::pageSetup()
{
    SectionsPtr sections = m_doc->sections();
    QCOMPARE(sections->count(), 1L);
    PageSetupPtr ps = sections->item(1)->pageSetup();
    QCOMPARE(ps->orientation(), wdOrientPortrait);
    QVERIFY(qAbs(ps->pageWidth() - 595.2756f) < 0.5f);
    QVERIFY(qAbs(ps->pageHeight() - 841.8898f) < 0.5f);
    // The office keeps lengths in 1/100 mm: a quarter point is its rounding.
    QVERIFY(qAbs(ps->topMargin() - centimetersToPoints(3.36)) < 0.25f);
    QVERIFY(qAbs(ps->bottomMargin() - centimetersToPoints(3.2)) < 0.25f);
    QVERIFY(qAbs(ps->leftMargin() - centimetersToPoints(2.8)) < 0.25f);
    QVERIFY(qAbs(ps->rightMargin() - centimetersToPoints(2.6)) < 0.25f);
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
    const auto row = [&](const char *name, const QString &prefix, int headingLength,
                         const QString &font, float indent = 2) {
        QTest::newRow(name) << prefix << headingLength << font << 16.0f << int(wdAlignParagraphLeft)
                            << s.bodySpacing << indent;
    };
    // Headings take their role's font on their lead sentence only; the rest
    // of the paragraph, and "1." items, keep the body font.
    row("first level before the table", kFirstHeading, kFirstHeading.size(), s.headingFont);
    row("second level: lead sentence with its stop", kSecondHeading, kSecondHeadingLead.size(),
        s.subheadingFont);
    row("first level after the table", kSecondPartHeading, kSecondPartHeading.size(),
        s.headingFont);
    row("second level after the table", QStringLiteral("（一）开展专项整治。"), 10,
        s.subheadingFont);
    row("attachment head", kAttachmentHead, kAttachmentHead.size(), s.headingFont, 0);
    row("first level in the attachment", kAttachmentHeading, kAttachmentHeading.size(),
        s.headingFont);
    row("arabic numbering is body text", kNumbered, 0, s.bodyFont);
    // Body paragraphs.
    row("opening paragraph", QStringLiteral("为深入贯彻落实"), 0, s.bodyFont);
    row("body before the table", body(1), 0, s.bodyFont);
    row("body right after the table", kAfterTable, 0, s.bodyFont);
    row("body after the table", body(3), 0, s.bodyFont);
    row("attachment note", kAttachmentNote, 0, s.bodyFont);
    row("signature", QStringLiteral("某某市人民政府办公室"), 0, s.bodyFont);
    row("attachment body", body(7), 0, s.bodyFont);
    // Near the top of the document the title and the recipient line are left
    // unrecognised: the plain body format without an indent.
    row("title", kTitle, 0, s.bodyFont, 0);
    row("recipient", kRecipient, 0, s.bodyFont, 0);
    QTest::newRow("attachment title")
        << kAttachmentTitle << int(kAttachmentTitle.size()) << s.titleFont << 22.0f
        << int(wdAlignParagraphCenter) << s.titleSpacing << 0.0f;
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
    const ParagraphPtr p = paragraphStarting(prefix);
    QVERIFY(p);
    CHECK_PARAGRAPH_TEXT(p, prefix);
    const int length = int(p->range()->text().size()) - 1;
    if (headingLength > 0)
        QCOMPARE(farEastFont(prefix, 0, headingLength), headingFont);
    if (headingLength < length)
        QCOMPARE(farEastFont(prefix, headingLength, length), m_settings.bodyFont);
    QCOMPARE(p->range()->font()->size(), size);
    QCOMPARE(p->alignment(), alignment);
    QCOMPARE(p->lineSpacingRule(), wdLineSpaceExactly);
    QCOMPARE(p->lineSpacing(), spacing);
    QCOMPARE(p->characterUnitFirstLineIndent(), indent);
    if (headingLength == 0) {
        const RangePtr text = p->range();
        text->setRange(text->start(), text->end() - 1);
        QCOMPARE(text->font()->nameAscii(), m_settings.westernFont);
        QCOMPARE(text->font()->bold(), 0);
    }
    if (prefix == kAttachmentTitle) {
        // The empty line after the title is the 15.6 pt spacer.
        const ParagraphPtr spacer
            = m_doc->paragraphs()->item(lineIndex(kAttachmentTitle) + 1 + 4 + 1);
        QCOMPARE(spacer->range()->text(), QStringLiteral("\r"));
        QCOMPARE(spacer->lineSpacing(), 15.6f);
    }
}

// The table's cells keep the format they were given.
void TestLoPageAdaptation::tableCellsUntouched()
{
    QCOMPARE(m_doc->tables()->count(), 1L);
    TablePtr table = m_doc->tables()->item(1);
    for (int i = 0; i < 4; ++i) {
        RangePtr r = table->cell(i / 2 + 1, i % 2 + 1)->range();
        QVERIFY(r->text().startsWith(i == 0       ? QStringLiteral("重点任务")
                                         : i == 3 ? QStringLiteral("市应急管理局")
                                                  : QString()));
        QCOMPARE(r->font()->nameFarEast(), QStringLiteral("楷体"));
        QCOMPARE(r->font()->size(), 12.0f);
        QCOMPARE(r->paragraphFormat()->alignment(), wdAlignParagraphCenter);
        QCOMPARE(r->paragraphFormat()->lineSpacingRule(), wdLineSpaceSingle);
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
    HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(item);
    QCOMPARE(footer->linkToPrevious(), 0);
    ParagraphPtr number = footer->range()->paragraphs()->item(1);
    QVERIFY(QRegularExpression(QStringLiteral("^— \\d+ —\\r$"))
                .match(number->range()->text())
                .hasMatch());
    QCOMPARE(number->alignment(), alignment);
    QCOMPARE(number->characterUnitLeftIndent(), 1.0f);
    QCOMPARE(number->characterUnitRightIndent(), 1.0f);
    RangePtr text = number->range();
    text->setRange(text->start(), text->end() - 1);
    QCOMPARE(text->font()->name(), m_settings.pageNumberFont);
    QCOMPARE(text->font()->size(), 14.0f);
}

QTEST_MAIN(TestLoPageAdaptation)
#include "tst_lopageadaptation.moc"
