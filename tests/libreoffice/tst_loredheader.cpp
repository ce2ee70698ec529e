#include "assembly/imprint.h"
#include "assembly/redheader.h"
#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "pdfmeasure.h"
#include "sharedoffice.h"

#include <QtTest>

#include <QDir>

using namespace automation;
using namespace pdfmeasure;

// The red header and the imprint of every kind drawn on LibreOffice into a
// laid-out document of body text, exported to PDF and measured there against
// the template's centimetres. Each document is exported twice: as drawn, and
// with its boxes filled in pale colours so that their own edges show.
class TestLoRedHeader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void markBox_data();
    void markBox();
    void rules_data();
    void rules();
    void numbers_data();
    void numbers();
    void imprint_data();
    void imprint();

private:
    struct Case
    {
        QString kind;
        assembly::HeaderTemplate header;
        QString level;
        assembly::ImprintInput imprint;
        int bodyParagraphs = 20; // 0: fill the last page to its foot
    };
    void draw(const QString &name, const Case &c);
    void fillLastPage(const DocumentPtr &doc);
    void addData();

    SharedOffice m_office;
    QMap<QString, Case> m_cases;
    QMap<QString, std::shared_ptr<PdfFile>> m_drawn, m_boxes;
};

namespace {

const int dpi = 300;
const double tolerance = 0.5 / 10 * pointsPerCm; // 0.5 mm
const double typeAreaFoot = 29.7 - 3.2;
const QRgb markPaint = qRgb(180, 210, 255);
const QRgb copyPaint = qRgb(180, 255, 200);
const QString copyTo
    = QStringLiteral("市委办公室，市人大常委会办公室，市政协办公室，市中级人民法院，"
                     "市人民检察院，各民主党派市委。");

double pt(double cm)
{
    return cm * pointsPerCm;
}

InkTest paint(QRgb colour)
{
    return [colour](QRgb p) {
        return qAbs(qRed(p) - qRed(colour)) < 12 && qAbs(qGreen(p) - qGreen(colour)) < 12
            && qAbs(qBlue(p) - qBlue(colour)) < 12;
    };
}

int bgr(QRgb colour)
{
    return qBlue(colour) << 16 | qGreen(colour) << 8 | qRed(colour);
}

QString bodyParagraph(int n)
{
    return QStringLiteral("%1、为进一步加强和改进本市各项工作，切实提高工作质量和效率，现就有关事项"
                          "通知如下，请各单位结合实际认真贯彻执行。")
        .arg(n);
}

#define QVERIFY_NEAR(actual, expected)                                                             \
    QVERIFY2(                                                                                      \
        qAbs((actual) - (expected)) <= tolerance,                                                  \
        qPrintable(QStringLiteral("%1 mm, expected %2 mm").arg(mm(actual)).arg(mm(expected))))

} // namespace

void TestLoRedHeader::addData()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : m_cases.keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestLoRedHeader::initTestCase()
{
    QVERIFY(m_office.application());
    const assembly::ImprintInput imprint {QString(),      QStringLiteral("某某市人民政府办公室"),
                                          "2024年5月6日", copyTo,
                                          QString(),      QStringLiteral("各区县人民政府")};
    assembly::HeaderTemplate down;
    down.markText = QStringLiteral("某某市人民政府文件");
    assembly::HeaderTemplate up = down;
    up.star = true;
    assembly::HeaderTemplate minutes = down;
    minutes.markText = QStringLiteral("某某市人民政府常务会议纪要");
    minutes.markZoom = 49;
    minutes.ruleTop = 13.8;
    assembly::HeaderTemplate letter = down;
    letter.markText = QStringLiteral("某某市人民政府");
    letter.boxWidth = 15;
    letter.boxTop = 3;
    letter.markSpacing = 59;
    letter.ruleWeight = 4.5f;
    letter.ruleTop = 5.35;
    assembly::HeaderTemplate joint = down;
    joint.markText = QStringLiteral("某某市人民政府\n某某市财政局");
    joint.secondMarkText = QStringLiteral("文件");
    joint.boxWidth = 11.6;
    joint.secondBoxWidth = 3;
    joint.markSize = 50;
    joint.markSpacing = 54;
    joint.markZoom = joint.secondMarkZoom = 65;
    joint.ruleTop = 13.9;
    m_cases = {{"down-going", {"xiaxing.ini", down, "", imprint}},
               {"up-going, star", {"shangxing.ini", up, "秘密", imprint}},
               {"minutes", {"jiyao.ini", minutes, "", imprint}},
               {"letter", {"xinhan.ini", letter, "机密", imprint}},
               {"joint", {"lianhe.ini", joint, "", imprint}},
               {"full last page", {"xiaxing.ini", down, "", imprint, 0}}};
    m_cases["up-going, star"].imprint.disclosure = QStringLiteral("主动公开");
    for (auto it = m_cases.begin(); it != m_cases.end(); ++it) {
        it->imprint.kind = it->kind;
        draw(it.key(), it.value());
        if (QTest::currentTestFailed())
            return;
    }
}

void TestLoRedHeader::fillLastPage(const DocumentPtr &doc)
{
    // One-line paragraphs until one falls onto a new page; its text goes
    // again, and the page before ends with the text at its foot.
    const long page = doc->content()->information(wdActiveEndPageNumber).toInt();
    for (int i = 0; i < 30; ++i) {
        doc->content()->insertAfter(QStringLiteral("补充说明。"));
        if (doc->content()->information(wdActiveEndPageNumber).toInt() > page) {
            const ParagraphsPtr paragraphs = doc->paragraphs();
            const RangePtr added = paragraphs->item(paragraphs->count())->range();
            doc->range(added->start(), added->end() - 1)->setText(QString());
            return;
        }
    }
}

void TestLoRedHeader::draw(const QString &name, const Case &c)
{
    const ApplicationPtr app = m_office.application();
    const DocumentPtr doc = app->documents()->add();
    QVERIFY(doc);
    QStringList paragraphs;
    for (int i = 0; i < 9; ++i)
        paragraphs << QString();
    paragraphs << QStringLiteral("关于进一步加强工作的通知") << QString()
               << QStringLiteral("各区县人民政府，市政府各部门：");
    for (int i = 1; i <= (c.bodyParagraphs ? c.bodyParagraphs : 24); ++i)
        paragraphs << bodyParagraph(i);
    paragraphs << QStringLiteral("特此通知。");
    doc->content()->setText(paragraphs.join('\n'));
    format::adaptPages(app, format::LayoutSettings(), true, false);
    if (!c.bodyParagraphs)
        fillLastPage(doc);
    const assembly::HeaderInput header {c.kind, c.level, QStringLiteral("某府函〔2024〕8号")};
    QCOMPARE(assembly::drawRedHeader(app, header, c.header), assembly::Outcome::Done);
    QCOMPARE(assembly::drawImprint(app, c.imprint, assembly::ImprintSettings()),
             assembly::Outcome::Done);

    const QString dir = QDir(QStringLiteral(QVX_ARTIFACTS_DIR)).filePath("loredheader");
    QVERIFY(QDir().mkpath(dir));
    const QString file = QString(name).replace(QRegularExpression("\\W+"), "-");
    for (bool painted : {false, true}) {
        const QString pdf = QDir(dir).filePath(file + (painted ? "-boxes.pdf" : ".pdf"));
        QFile::remove(pdf);
        PrintOutOptions options;
        options.outputFileName = Variant(pdf);
        QVERIFY(doc->printOut(options));
        auto measured = std::make_shared<PdfFile>(pdf);
        QVERIFY2(measured->isValid(), qPrintable(measured->error()));
        (painted ? m_boxes : m_drawn)[name] = measured;
        for (int page : {1, measured->pageCount()})
            measured->render(page, dpi,
                             QDir(dir).filePath(QStringLiteral("%1%2-page%3.png")
                                                    .arg(file, painted ? "-boxes" : "")
                                                    .arg(page)));
        // Boxes filled, their texts kept: the edges of the boxes show.
        const ShapesPtr shapes = doc->shapes();
        for (long i = 1; i <= shapes->count(); ++i) {
            const ShapePtr shape = shapes->item(i);
            const QString shapeName = shape->name();
            if (shapeName == "WJBT" || shapeName == "GWXH") {
                shape->fill()->setVisible(msoTrue);
                shape->fill()->foreColor()->setRgb(
                    bgr(shapeName == "WJBT" ? markPaint : copyPaint));
            }
        }
    }
    doc->close(Variant(false));
}

void TestLoRedHeader::markBox_data()
{
    addData();
}

// The mark box is centred on the type area with its top at tTop and its
// width from the template; the distributed mark fills it from side to side.
void TestLoRedHeader::markBox()
{
    QFETCH(QString, name);
    const Case &c = m_cases[name];
    const PageImage boxes(m_boxes[name]->render(1, dpi), dpi);
    const QRectF box = boxes.inkBox(paint(markPaint));
    QVERIFY(!box.isEmpty());
    QVERIFY_NEAR(box.top(), pt(c.header.boxTop));
    QVERIFY_NEAR(box.center().x(), pt(2.8 + 7.8));
    QVERIFY_NEAR(box.width(), pt(c.header.boxWidth + c.header.secondBoxWidth));
    const PageImage drawn(m_drawn[name]->render(1, dpi), dpi);
    const QRectF mark = drawn.inkBox(isRed, box);
    QVERIFY(!mark.isEmpty());
    if (c.header.secondBoxWidth == 0) {
        QVERIFY2(mark.width() > box.width() - pt(0.2) - pt(0.3),
                 qPrintable(QString::number(mm(mark.width()))));
    } else {
        // The shared mark stands in the second cell, right of the organs.
        const QRectF second = drawn.inkBox(isRed, box.adjusted(pt(c.header.boxWidth), 0, 0, 0));
        QVERIFY(!second.isEmpty());
        QVERIFY(qAbs(second.center().y() - box.center().y()) < pt(0.5));
    }
    const QString text = m_drawn[name]->compactText(1);
    for (const QString &line : c.header.markText.split('\n'))
        QVERIFY2(text.contains(line), qPrintable(text));
}

void TestLoRedHeader::rules_data()
{
    addData();
}

// The red rule at lTop, lSize heavy, across the type area; the letters'
// rules 17 cm wide, thick over thin at the top and thin over thick at the
// foot; the star centred on the rule.
void TestLoRedHeader::rules()
{
    QFETCH(QString, name);
    const Case &c = m_cases[name];
    const bool letter = c.kind == QLatin1String("xinhan.ini");
    const PageImage page(m_drawn[name]->render(1, dpi), dpi);
    const auto rulesAround = [&](double y) {
        return page.horizontalRules(isRed, pt(5), QRectF(0, y - pt(0.5), pt(21), pt(1)));
    };
    const QList<QRectF> top = rulesAround(pt(c.header.ruleTop));
    QCOMPARE(top.size(), letter ? 2 : 1);
    const QRectF whole = top.first().united(top.last());
    QVERIFY_NEAR(whole.center().y(), pt(c.header.ruleTop));
    QVERIFY_NEAR(whole.height(), double(c.header.ruleWeight));
    // Its ends, the star's box cutting it in the middle.
    const QRectF ends = page.inkBox(isRed, QRectF(0, whole.center().y() - 0.5, pt(21), 1));
    QVERIFY_NEAR(ends.left(), pt(letter ? 2.1 : 2.8));
    QVERIFY_NEAR(ends.right(), pt(letter ? 19.1 : 18.4));
    if (letter) {
        QVERIFY(top.first().height() > 2 * top.last().height());
        const double foot = pt(29.7 - c.header.footRuleBottom) - c.header.ruleWeight;
        const QList<QRectF> bottom = rulesAround(foot);
        QCOMPARE(bottom.size(), 2);
        QVERIFY_NEAR(bottom.first().united(bottom.last()).center().y(), foot);
        QVERIFY(bottom.last().height() > 2 * bottom.first().height());
    }
    if (c.header.star) {
        const QRectF star = page.inkBox(
            isRed, QRectF(pt(10.6 - 0.55), pt(c.header.ruleTop - 0.6), pt(1.1), pt(1.2)));
        QVERIFY_NEAR(star.center().x(), pt(10.6));
        QVERIFY_NEAR(star.center().y(), pt(c.header.ruleTop));
    }
    // Nothing red below the header on the first page, but the letters' foot rule.
    const double below = pt(c.header.ruleTop + 1);
    QCOMPARE(
        page.inkCount(isRed, QRectF(0, below, pt(21), pt(29.7) - below - (letter ? pt(4) : 0))), 0);
}

void TestLoRedHeader::numbers_data()
{
    addData();
}

// The copy number's box at 2.8 / 3.7 cm, or on the letters' number line;
// the letters' document number right-aligned on the type area.
void TestLoRedHeader::numbers()
{
    QFETCH(QString, name);
    const Case &c = m_cases[name];
    const QRectF number = m_drawn[name]->find(1, QStringLiteral("000001"));
    QCOMPARE(number.isEmpty(), c.level.isEmpty());
    const PageImage boxes(m_boxes[name]->render(1, dpi), dpi);
    const QRectF copyBox = boxes.inkBox(paint(copyPaint), QRectF(0, 0, pt(10), pt(29.7)));
    QVERIFY(!copyBox.isEmpty());
    QVERIFY_NEAR(copyBox.left(), pt(2.8));
    QVERIFY_NEAR(copyBox.width(), pt(4.8));
    if (c.kind != QLatin1String("xinhan.ini")) {
        QVERIFY_NEAR(copyBox.top(), pt(3.7));
        return;
    }
    const QRectF documentNumber = m_drawn[name]->find(1, QStringLiteral("某府函〔2024〕8号"));
    QVERIFY(!documentNumber.isEmpty());
    QVERIFY_NEAR(documentNumber.right(), pt(18.4));
    QVERIFY(qAbs(documentNumber.center().y() - number.center().y()) < pt(0.2));
}

void TestLoRedHeader::imprint_data()
{
    addData();
}

// The imprint's rules span the type area of the last page and end at its
// foot; the copy-to line that wraps grows its row; the imprint never covers
// the text.
void TestLoRedHeader::imprint()
{
    QFETCH(QString, name);
    const Case &c = m_cases[name];
    const PdfFile &pdf = *m_drawn[name];
    const int last = pdf.pageCount();
    const PageImage page(pdf.render(last, dpi), dpi);
    const double left = pt(last % 2 ? 2.8 : 2.6);
    const QList<QRectF> rules
        = page.horizontalRules(isDark, pt(15), QRectF(0, pt(12), pt(21), pt(17)));
    const QString text = pdf.compactText(last);
    QVERIFY2(text.contains(QStringLiteral("抄送：市委办公室")), qPrintable(text));
    if (c.kind == QLatin1String("xinhan.ini")) {
        // Letters: the copy-to line alone, without rules.
        QVERIFY(rules.isEmpty());
        QVERIFY(!text.contains(QStringLiteral("印发")));
        return;
    }
    QVERIFY(text.contains(QStringLiteral("某某市人民政府办公室")));
    QVERIFY(text.contains(QStringLiteral("2024年5月6日印发")));
    QCOMPARE(rules.size(), 3);
    for (const QRectF &rule : rules) {
        QVERIFY_NEAR(rule.left(), left);
        QVERIFY_NEAR(rule.width(), pt(15.6));
    }
    // The spacer paragraph of bjBottomSpac (8 pt) stands below the table.
    QVERIFY_NEAR(rules.last().bottom(), pt(typeAreaFoot) - 8);
    // Rows are at least 1 cm; the copy-to's second line grows its row (a row
    // of 1 cm would hide it) and stands between the rules.
    QVERIFY(rules.at(2).top() - rules.at(1).top() >= pt(1) - tolerance);
    QVERIFY(rules.at(1).top() - rules.at(0).top() > pt(1) + 0.5);
    const QRectF wrapped = pdf.find(last, QStringLiteral("各民主党派市委"));
    QVERIFY(wrapped.center().y() > rules.at(0).bottom() + 3
            && wrapped.center().y() < rules.at(1).top() - 3);
    // The body's lines end above the imprint (and its disclosure line).
    const double imprintTop = c.imprint.disclosure.isEmpty()
        ? rules.first().top()
        : pdf.find(last, QStringLiteral("公开方式")).top();
    for (const Line &line : pdf.lines(last)) {
        const QString words = line.text();
        if (words.contains(QStringLiteral("特此通知")) || words.contains(QStringLiteral("补充说明"))
            || words.contains(QStringLiteral("贯彻执行")))
            QVERIFY(line.box.bottom() <= imprintTop);
    }
    // Without room below the last line the imprint stands on a page of its own.
    const bool ownPage = pdf.find(last, QStringLiteral("特此通知")).isEmpty();
    QCOMPARE(ownPage, !c.bodyParagraphs);
    QVERIFY(!pdf.find(ownPage ? last - 1 : last, QStringLiteral("特此通知")).isEmpty());
}

QTEST_MAIN(TestLoRedHeader)
#include "tst_loredheader.moc"
