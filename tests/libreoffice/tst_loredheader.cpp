#include "assembly/imprint.h"
#include "assembly/redheader.h"
#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "pdfmeasure.h"
#include "sharedoffice.h"
#include "templatestore.h"

#include <QDir>
#include <QtTest>

using namespace automation;
using namespace pdfmeasure;

// Every kind's red header and imprint drawn on LibreOffice into laid-out body
// text, exported to PDF (once more with the mark and copy-number boxes filled
// to show their edges) and measured against the template's centimetres.
class TestLoRedHeader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void header_data() { addData(); }
    void header();
    void imprint_data() { addData(); }
    void imprint();

private:
    struct Case
    {
        QString kind;
        assembly::HeaderTemplate header;
        QString level;
        bool fullPage = false; // the text ends at the foot of its last page
    };
    void addData();
    void draw(const QString &name, const Case &c);

    SharedOffice m_office;
    QMap<QString, Case> m_cases;
    QMap<QString, std::shared_ptr<PdfFile>> m_drawn, m_boxes;
};

namespace {

const int dpi = 300;
const double tolerance = 0.05 * pointsPerCm; // 0.5 mm
const QRgb markPaint = qRgb(180, 210, 255);
const QRgb copyPaint = qRgb(180, 255, 200);

double pt(double cm)
{
    return cm * pointsPerCm;
}

InkTest paint(QRgb c)
{
    return [c](QRgb p) { return qAbs(qRed(p) - qRed(c)) + qAbs(qGreen(p) - qGreen(c)) < 20; };
}

assembly::HeaderTemplate templateOf(const char *mark, double boxTop, double ruleTop,
                                    double boxWidth = 14.6)
{
    assembly::HeaderTemplate t;
    t.markText = QString::fromUtf8(mark);
    t.markZoom = TemplateStore::zoomForMarkText(t.markText);
    t.boxTop = boxTop;
    t.ruleTop = ruleTop;
    t.boxWidth = boxWidth;
    return t;
}

#define QVERIFY_NEAR(actual, expected)                                                             \
    QVERIFY2(qAbs((actual) - (expected)) <= tolerance,                                             \
             qPrintable(QStringLiteral("%1 mm, not %2").arg(mm(actual)).arg(mm(expected))))

} // namespace

void TestLoRedHeader::addData()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : m_cases.keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestLoRedHeader::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_office.application());
    assembly::HeaderTemplate up = templateOf("某某市人民政府文件", 7.15, 12.2);
    up.star = true;
    assembly::HeaderTemplate letter = templateOf("某某市人民政府", 3, 5.35, 15);
    letter.ruleWeight = 4.5f;
    assembly::HeaderTemplate joint = templateOf("某某市人民政府\n某某市财政局", 7.15, 13.9, 11.6);
    joint.secondMarkText = QStringLiteral("文件");
    joint.secondBoxWidth = 3;
    m_cases = {{"down-going", {"xiaxing.ini", templateOf("某某市人民政府文件", 7.15, 12.2), ""}},
               {"up-going, star", {"shangxing.ini", up, "秘密"}},
               {"minutes", {"jiyao.ini", templateOf("某某市人民政府常务会议纪要", 7.15, 13.8), ""}},
               {"letter", {"xinhan.ini", letter, "机密"}},
               {"joint", {"lianhe.ini", joint, ""}},
               {"full last page", {"xiaxing.ini", templateOf("某某文件", 7.15, 12.2), "", true}}};
    for (auto it = m_cases.cbegin(); it != m_cases.cend() && !QTest::currentTestFailed(); ++it)
        draw(it.key(), it.value());
}

void TestLoRedHeader::draw(const QString &name, const Case &c)
{
    const ApplicationPtr app = m_office.application();
    const DocumentPtr doc = app->documents()->add();
    QString text = QString(9, '\n') + QStringLiteral("关于加强工作的通知\n\n各区县人民政府：");
    for (int i = 1; i <= (c.fullPage ? 24 : 20); ++i)
        text += QStringLiteral("\n%1、为进一步加强和改进本市各项工作，切实提高工作质量和效率，"
                               "现就有关事项通知如下，请各单位结合实际认真贯彻执行。")
                    .arg(i);
    doc->content()->setText(text + QStringLiteral("\n特此通知。"));
    format::adaptPages(app, format::LayoutSettings(), true, false);
    // Lines until one falls onto a new page: the page before is full.
    const long page = doc->content()->information(wdActiveEndPageNumber).toInt();
    for (int i = 0; c.fullPage && i < 30; ++i) {
        doc->content()->insertAfter(QStringLiteral("补充说明。"));
        const RangePtr added = doc->paragraphs()->item(doc->paragraphs()->count())->range();
        if (added->information(wdActiveEndPageNumber).toInt() > page) {
            doc->range(added->start(), added->end() - 1)->setText(QString());
            break;
        }
    }
    QCOMPARE(assembly::drawRedHeader(app, {c.kind, c.level, "某府函〔2024〕8号"}, c.header),
             assembly::Outcome::Done);
    const assembly::ImprintInput imprint {c.kind,
                                          "某某市人民政府办公室",
                                          "2024年5月6日",
                                          "市委办公室，市人大常委会办公室，市政协办公室，市中级人民"
                                          "法院，市人民检察院，各民主党派市委。",
                                          c.header.star ? "主动公开" : "",
                                          "各区县人民政府"};
    QCOMPARE(assembly::drawImprint(app, imprint, {}), assembly::Outcome::Done);

    const QDir dir(QStringLiteral(QVX_ARTIFACTS_DIR "/loredheader"));
    QVERIFY(dir.mkpath(QStringLiteral(".")));
    const QString file = QString(name).replace(QRegularExpression("\\W+"), "-");
    for (const QString &suffix : {QString(), QStringLiteral("-boxes")}) {
        PrintOutOptions options;
        options.outputFileName = Variant(dir.filePath(file + suffix + ".pdf"));
        QVERIFY(doc->printOut(options));
        auto &pdf = (suffix.isEmpty() ? m_drawn : m_boxes)[name];
        pdf = std::make_shared<PdfFile>(options.outputFileName.toString());
        QVERIFY2(pdf->isValid(), qPrintable(pdf->error()));
        for (int page : {1, pdf->pageCount()})
            pdf->render(page, dpi,
                        dir.filePath(file + suffix + QStringLiteral("-page%1.png").arg(page)));
        for (long i = 1; i <= doc->shapes()->count(); ++i) {
            const ShapePtr shape = doc->shapes()->item(i);
            const QRgb colour = shape->name() == "WJBT" ? markPaint : copyPaint;
            shape->fill()->setVisible(shape->name() == "WJBT" || shape->name() == "GWXH");
            shape->fill()->foreColor()->setRgb(qBlue(colour) << 16 | qGreen(colour) << 8
                                               | qRed(colour));
        }
    }
    doc->close(Variant(false));
}

// Mark box at tTop, centred, filled by the distributed mark; copy-number box
// at 2.8 / 3.7 cm; rule at lTop, lSize heavy, across the type area (letters:
// 17 cm, thick over thin, and thin over thick at the foot); star on the rule.
void TestLoRedHeader::header()
{
    QFETCH(QString, name);
    const Case &c = m_cases[name];
    const bool letter = c.kind == QLatin1String("xinhan.ini");
    const PageImage boxes(m_boxes[name]->render(1, dpi), dpi);
    const QRectF box = boxes.inkBox(paint(markPaint));
    QVERIFY_NEAR(box.top(), pt(c.header.boxTop));
    QVERIFY_NEAR(box.center().x(), pt(2.8 + 7.8));
    QVERIFY_NEAR(box.width(), pt(c.header.boxWidth + c.header.secondBoxWidth));
    const PageImage page(m_drawn[name]->render(1, dpi), dpi);
    const double marked = c.header.secondBoxWidth ? pt(c.header.boxWidth) : box.width() - pt(0.5);
    QVERIFY(page.inkBox(isRed, box).width() > marked);
    const QRectF copyBox = boxes.inkBox(paint(copyPaint));
    QVERIFY_NEAR(copyBox.left(), pt(2.8));
    QVERIFY_NEAR(copyBox.top(), letter ? copyBox.top() : pt(3.7));
    QCOMPARE(m_drawn[name]->find(1, QStringLiteral("000001")).isEmpty(), c.level.isEmpty());

    const auto rulesAt = [&](double y) {
        return page.horizontalRules(isRed, pt(5), QRectF(0, y - pt(0.5), pt(21), pt(1)));
    };
    const QList<QRectF> top = rulesAt(pt(c.header.ruleTop));
    QCOMPARE(top.size(), letter ? 2 : 1);
    const QRectF whole = top.first().united(top.last());
    QVERIFY_NEAR(whole.center().y(), pt(c.header.ruleTop));
    QVERIFY_NEAR(whole.height(), double(c.header.ruleWeight));
    const QRectF ends = page.inkBox(isRed, QRectF(0, whole.center().y() - 0.5, pt(21), 1));
    QVERIFY_NEAR(ends.left(), pt(letter ? 2.1 : 2.8));
    QVERIFY_NEAR(ends.right(), pt(letter ? 19.1 : 18.4));
    if (letter) {
        const double foot = pt(29.7 - c.header.footRuleBottom) - c.header.ruleWeight;
        const QList<QRectF> bottom = rulesAt(foot);
        QCOMPARE(bottom.size(), 2);
        QVERIFY_NEAR(bottom.first().united(bottom.last()).center().y(), foot);
        QVERIFY(top.first().height() > 2 * top.last().height());
        QVERIFY(bottom.last().height() > 2 * bottom.first().height());
        QVERIFY(!m_drawn[name]->compactText(1).contains(QStringLiteral("—1—"))); // no number
    }
    if (c.header.star) {
        const QRectF star
            = page.inkBox(isRed, QRectF(pt(10.05), whole.top() - pt(0.6), pt(1.1), pt(1.2)));
        QVERIFY_NEAR(star.center().x(), pt(10.6));
        QVERIFY_NEAR(star.center().y(), pt(c.header.ruleTop));
    }
}

// The imprint's rules span the last page's type area and end 8 pt (the
// spacer) above its foot; rows grow; the imprint never covers the text.
void TestLoRedHeader::imprint()
{
    QFETCH(QString, name);
    const Case &c = m_cases[name];
    const PdfFile &pdf = *m_drawn[name];
    const int last = pdf.pageCount();
    const QList<QRectF> rules
        = PageImage(pdf.render(last, dpi), dpi)
              .horizontalRules(isDark, pt(15), QRectF(0, pt(12), pt(21), pt(17)));
    const QString text = pdf.compactText(last);
    QVERIFY2(text.contains(QStringLiteral("抄送：市委办公室")), qPrintable(text));
    if (c.kind == QLatin1String("xinhan.ini")) {
        QVERIFY(rules.isEmpty() && !text.contains(QStringLiteral("印发")));
        return;
    }
    QVERIFY(text.contains(QStringLiteral("某某市人民政府办公室2024年5月6日印发")));
    QCOMPARE(rules.size(), 3);
    for (const QRectF &rule : rules) {
        QVERIFY_NEAR(rule.left(), pt(last % 2 ? 2.8 : 2.6));
        QVERIFY_NEAR(rule.width(), pt(15.6));
    }
    QVERIFY_NEAR(rules.last().bottom() + 8, pt(29.7 - 3.2));
    // At least 1 cm a row; the copy-to's second line grows its row (a row of
    // 1 cm would hide it).
    QVERIFY(rules.at(1).top() - rules.at(0).top() > pt(1) + 0.5);
    // The text ends above the imprint, or without room on the page before.
    const QRectF textEnd = pdf.find(last, QStringLiteral("特此通知"));
    QCOMPARE(textEnd.isEmpty(), c.fullPage);
    QVERIFY(c.fullPage ? !pdf.find(last - 1, QStringLiteral("特此通知")).isEmpty()
                       : textEnd.bottom() <= rules.first().top() - (c.header.star ? 30 : 0));
}

QTEST_MAIN(TestLoRedHeader)
#include "tst_loredheader.moc"
