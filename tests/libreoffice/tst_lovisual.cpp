#include "automation/automation.h"
#include "format/pagefooters.h"
#include "sharedoffice.h"

#include <QtTest>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace automation;

// An official document drawn through the object model on LibreOffice and
// printed to PDF: the red header (a red text box, the red rule with a star on
// it), body text over three pages with exact line spacing, a distributed
// line, the imprint table at the bottom of the last page and "— n —" page
// numbers on the outer side. The PDF's text and the rendered pages are
// checked where the eye would look. The PDF and the page images stay in the
// build's artifacts folder for a person to look at.
class TestLoVisual : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pageCount();
    void pageText_data();
    void pageText();
    void pageNumberSides_data();
    void pageNumberSides();
    void distributedLine();
    void imprintAtBottom();
    void redHeader();
    void ruleAcrossTextWidth();
    void starOnRule();
    void nothingRedAfterFirstPage();

private:
    struct Word
    {
        QRectF box; // points, from the page's top left
        QString text;
    };

    void buildDocument();
    static QString run(const QString &program, const QStringList &arguments, bool *ok);
    QString pageText(int page) const;
    QList<Word> pageWords(int page) const;
    QImage pageImage(int page) const;

    SharedOffice m_office;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
    QString m_dir;
    QString m_pdf;
};

namespace {

// The official page, as the layout commands set it (points).
const float pageWidth = 595.2756f;
const float pageHeight = 841.8898f;
const float topMargin = 95.24409f;
const float bottomMargin = 90.70866f;
const float leftMargin = 79.37008f; // the inner margin: left on odd pages
const float rightMargin = 73.70079f;
const float textWidth = pageWidth - leftMargin - rightMargin;
const float textHeight = pageHeight - topMargin - bottomMargin;

// The red header's geometry (points from the page's top).
const float headerTop = 72.0f;
const float headerHeight = 72.0f;
const float ruleTop = 192.0f;
const float ruleWeight = 2.25f;
const float starBox = 24.0f;

const int dpi = 60;
const QString headerText = QStringLiteral("某某市人民政府文件");
const QString serif = QStringLiteral("Noto Serif CJK SC");
const QString distributedText = QStringLiteral("联系人：张三　联系电话：12345678");

int px(float points)
{
    return qRound(points * dpi / 72.0f);
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

int redIn(const QImage &image, const QRect &area)
{
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += isRed(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// One paragraph of body text, about three lines long.
QString bodyParagraph(int n)
{
    return QStringLiteral("第%1条　为进一步加强和改进本市各项工作，切实提高工作质量和效率，"
                          "现就有关事项通知如下，请各单位结合实际认真贯彻执行，确保各项"
                          "措施落到实处。")
        .arg(n);
}

} // namespace

void TestLoVisual::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    for (const char *tool : {"pdftotext", "pdftoppm", "pdfinfo"}) {
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                 qPrintable(QStringLiteral("%1 (poppler-utils) is needed").arg(tool)));
    }
    m_dir = QDir(QStringLiteral(QVX_ARTIFACTS_DIR)).filePath(QStringLiteral("lovisual"));
    QVERIFY(QDir().mkpath(m_dir));
    m_pdf = QDir(m_dir).filePath(QStringLiteral("redheader.pdf"));
    QFile::remove(m_pdf);

    m_app = m_office.application();
    QVERIFY(m_app);
    m_doc = m_app->documents()->add();
    QVERIFY(m_doc);
    buildDocument();
    if (QTest::currentTestFailed())
        return;

    PrintOutOptions options;
    options.outputFileName = Variant(m_pdf);
    QVERIFY(m_doc->printOut(options));
    QVERIFY(QFileInfo(m_pdf).size() > 0);
    for (int page : {1, 2, 3}) {
        bool ok = false;
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), QStringLiteral("-singlefile"), m_pdf,
             QDir(m_dir).filePath(QStringLiteral("page%1").arg(page))},
            &ok);
        QVERIFY(ok);
    }
}

void TestLoVisual::cleanupTestCase()
{
    m_doc.reset();
    if (m_app)
        m_app->quit(Variant(false));
}

void TestLoVisual::buildDocument()
{
    const SectionPtr section = m_doc->sections()->item(1);
    QVERIFY(section);
    const PageSetupPtr setup = section->pageSetup();
    setup->setPageWidth(pageWidth);
    setup->setPageHeight(pageHeight);
    setup->setTopMargin(topMargin);
    setup->setBottomMargin(bottomMargin);
    setup->setLeftMargin(leftMargin);
    setup->setRightMargin(rightMargin);
    setup->setMirrorMargins(1);
    setup->setFooterDistance(76.53543f);
    setup->setOddAndEvenPagesHeaderFooter(1);

    // Three empty lines before the document number, which sits just above
    // the rule; the title after an empty line below it.
    QStringList paragraphs {QString(),
                            QString(),
                            QStringLiteral("某府发〔2024〕1号"),
                            QString(),
                            QString(),
                            QStringLiteral("关于进一步加强工作的通知"),
                            QString(),
                            QStringLiteral("各区县人民政府，市政府各部门：")};
    const int firstBody = paragraphs.size() + 1;
    for (int i = 1; i <= 17; ++i)
        paragraphs.append(bodyParagraph(i));
    paragraphs.append(distributedText);
    paragraphs.append(QStringLiteral("特此通知。"));
    m_doc->content()->insertBefore(paragraphs.join(QLatin1Char('\n')));
    const ParagraphsPtr all = m_doc->paragraphs();
    QCOMPARE(all->count(), long(paragraphs.size()));

    const RangePtr whole = m_doc->content();
    whole->font()->setName(serif);
    whole->font()->setSize(16);
    whole->font()->setColor(wdColorBlack);
    whole->paragraphFormat()->setLineSpacingRule(wdLineSpaceExactly);
    whole->paragraphFormat()->setLineSpacing(28);
    all->item(3)->setAlignment(wdAlignParagraphCenter);
    all->item(6)->setAlignment(wdAlignParagraphCenter);
    all->item(6)->range()->font()->setSize(22);
    all->item(6)->range()->font()->setBold(msoTrue);
    for (long i = firstBody; i <= all->count(); ++i) {
        all->item(i)->setAlignment(wdAlignParagraphJustify);
        all->item(i)->setCharacterUnitFirstLineIndent(2);
    }
    const ParagraphPtr distributed = all->item(all->count() - 1);
    distributed->setCharacterUnitFirstLineIndent(0);
    distributed->setAlignment(wdAlignParagraphDistribute);
    QCOMPARE(distributed->alignment(), wdAlignParagraphDistribute);
    QCOMPARE(distributed->lineSpacingRule(), wdLineSpaceExactly);
    QCOMPARE(distributed->lineSpacing(), 28.0f);

    // The header: red, narrowed text centred in a box across the text width.
    const ShapesPtr shapes = m_doc->shapes();
    const RangePtr first = all->item(1)->range();
    const ShapePtr header = shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, textWidth,
                                               headerHeight, Variant(first));
    QVERIFY(header);
    header->setName(QStringLiteral("红头"));
    header->setRelativeHorizontalPosition(wdRelativeHorizontalPositionMargin);
    header->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    header->setLeft(0);
    header->setTop(headerTop);
    header->fill()->setVisible(msoFalse);
    header->line()->setVisible(msoFalse);
    const TextFramePtr headerFrame = header->textFrame();
    for (auto set : {&TextFrame::setMarginLeft, &TextFrame::setMarginRight,
                     &TextFrame::setMarginTop, &TextFrame::setMarginBottom})
        ((*headerFrame).*set)(0);
    const RangePtr headerRange = headerFrame->textRange();
    headerRange->setText(headerText);
    headerRange->font()->setName(serif);
    headerRange->font()->setSize(44);
    headerRange->font()->setBold(msoTrue);
    headerRange->font()->setColor(wdColorRed);
    headerRange->font()->setScaling(70);
    headerRange->paragraphFormat()->setAlignment(wdAlignParagraphCenter);

    // The rule across the text width, and the star in a white box on it.
    const ShapePtr rule = shapes->addLine(0, 0, textWidth, 0, Variant(first));
    QVERIFY(rule);
    rule->setName(QStringLiteral("红线"));
    rule->setRelativeHorizontalPosition(wdRelativeHorizontalPositionMargin);
    rule->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    rule->setLeft(0);
    rule->setTop(ruleTop);
    rule->line()->foreColor()->setRgb(wdColorRed);
    rule->line()->setWeight(ruleWeight);

    const ShapePtr star
        = shapes->addShape(msoShapeRectangle, 0, 0, starBox, starBox, Variant(first));
    QVERIFY(star);
    star->setName(QStringLiteral("五角星"));
    star->setRelativeHorizontalPosition(wdRelativeHorizontalPositionMargin);
    star->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    star->setLeft((textWidth - starBox) / 2);
    star->setTop(ruleTop + ruleWeight / 2 - starBox / 2);
    star->fill()->setVisible(msoTrue);
    star->fill()->foreColor()->setRgb(rgbWhite);
    star->line()->setVisible(msoFalse);
    const TextFramePtr starFrame = star->textFrame();
    for (auto set : {&TextFrame::setMarginLeft, &TextFrame::setMarginRight,
                     &TextFrame::setMarginTop, &TextFrame::setMarginBottom})
        ((*starFrame).*set)(0);
    const RangePtr starText = starFrame->textRange();
    starText->setText(QStringLiteral("★"));
    starText->font()->setName(serif);
    starText->font()->setSize(14);
    starText->font()->setColor(wdColorRed);
    starText->paragraphFormat()->setAlignment(wdAlignParagraphCenter);
    starText->paragraphFormat()->setLineSpacingRule(wdLineSpaceExactly);
    starText->paragraphFormat()->setLineSpacing(20);

    // The imprint: a two-row table in a box at the bottom of the last page.
    const RangePtr last = all->item(all->count())->range();
    QCOMPARE(last->information(wdActiveEndPageNumber).toInt(), 3);
    const float imprintHeight = 64.0f;
    const ShapePtr imprint = shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, textWidth,
                                                imprintHeight, Variant(last));
    QVERIFY(imprint);
    imprint->setName(QStringLiteral("版记"));
    imprint->setRelativeHorizontalPosition(wdRelativeHorizontalPositionMargin);
    imprint->setRelativeVerticalPosition(wdRelativeVerticalPositionMargin);
    imprint->setLeft(0);
    imprint->setTop(textHeight - imprintHeight);
    imprint->fill()->setVisible(msoFalse);
    imprint->line()->setVisible(msoFalse);
    const TablePtr table = m_doc->tables()->add(imprint->textFrame()->textRange(), 2, 1);
    QVERIFY(table);
    table->cell(1, 1)->range()->setText(QStringLiteral("抄送：市委办公室，市人大常委会办公室。"));
    table->cell(2, 1)->range()->setText(QStringLiteral("某某市人民政府办公室　2024年5月6日印发"));
    for (int side : {wdBorderLeft, wdBorderRight, wdBorderVertical})
        table->borders()->item(side)->setLineStyle(wdLineStyleNone);
    for (int side : {wdBorderTop, wdBorderBottom, wdBorderHorizontal}) {
        table->borders()->item(side)->setLineStyle(wdLineStyleSingle);
        table->borders()->item(side)->setLineWidth(wdLineWidth075pt);
    }
    for (long row = 1; row <= 2; ++row) {
        const RangePtr cell = table->cell(row, 1)->range();
        cell->font()->setName(serif);
        cell->font()->setSize(14);
    }

    format::writePortraitFooters(section, serif);
    QCOMPARE(shapes->count(), 4L);
}

QString TestLoVisual::run(const QString &program, const QStringList &arguments, bool *ok)
{
    QProcess process;
    process.start(program, arguments);
    *ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString TestLoVisual::pageText(int page) const
{
    bool ok = false;
    const QString text
        = run(QStringLiteral("pdftotext"),
              {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
               QStringLiteral("-l"), QString::number(page), m_pdf, QStringLiteral("-")},
              &ok);
    return ok ? text : QString();
}

QList<TestLoVisual::Word> TestLoVisual::pageWords(int page) const
{
    bool ok = false;
    const QString html
        = run(QStringLiteral("pdftotext"),
              {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
               QStringLiteral("-l"), QString::number(page), m_pdf, QStringLiteral("-")},
              &ok);
    QList<Word> words;
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.append({QRectF(topLeft, bottomRight), m.captured(5)});
    }
    return words;
}

QImage TestLoVisual::pageImage(int page) const
{
    QImage image(QDir(m_dir).filePath(QStringLiteral("page%1.png").arg(page)));
    return image.convertToFormat(QImage::Format_RGB32);
}

// The body runs over three pages and no further.
void TestLoVisual::pageCount()
{
    bool ok = false;
    const QString info = run(QStringLiteral("pdfinfo"), {m_pdf}, &ok);
    QVERIFY(ok);
    const QRegularExpressionMatch pages
        = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY2(pages.hasMatch(), qPrintable(info));
    QCOMPARE(pages.captured(1).toInt(), 3);
    const QImage first = pageImage(1);
    // pdftoppm rounds the page size up.
    QVERIFY(qAbs(first.width() - px(pageWidth)) <= 1);
    QVERIFY(qAbs(first.height() - px(pageHeight)) <= 1);
}

void TestLoVisual::pageText_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("page 1") << 1
                            << QStringList {headerText, QStringLiteral("某府发〔2024〕1号"),
                                            QStringLiteral("关于进一步加强工作的通知"),
                                            QStringLiteral("— 1 —")};
    QTest::newRow("page 2") << 2 << QStringList {QStringLiteral("— 2 —")};
    QTest::newRow("page 3") << 3
                            << QStringList {
                                   QStringLiteral("特此通知。"), QStringLiteral("抄送：市委办公室"),
                                   QStringLiteral("2024年5月6日印发"), QStringLiteral("— 3 —")};
}

// Each page carries its own page number and the texts that belong there; the
// header is printed once, on page 1.
void TestLoVisual::pageText()
{
    QFETCH(int, page);
    QFETCH(QStringList, expected);
    // The layout text spaces out some characters: compare without spaces.
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QString text = pageText(page).remove(space);
    QVERIFY(!text.isEmpty());
    for (const QString &piece : expected) {
        QVERIFY2(text.contains(QString(piece).remove(space)),
                 qPrintable(piece + QStringLiteral("\n") + text));
    }
    if (page != 1)
        QVERIFY(!text.contains(headerText));
    for (int other = 1; other <= 3; ++other) {
        if (other != page)
            QVERIFY(!text.contains(QStringLiteral("—%1—").arg(other)));
    }
}

void TestLoVisual::pageNumberSides_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("right");
    QTest::newRow("odd page 1 right") << 1 << true;
    QTest::newRow("even page 2 left") << 2 << false;
    QTest::newRow("odd page 3 right") << 3 << true;
}

// Page numbers stand in the bottom margin on the outer side, one character
// in from the text's edge.
void TestLoVisual::pageNumberSides()
{
    QFETCH(int, page);
    QFETCH(bool, right);
    const QList<Word> words = pageWords(page);
    QRectF number;
    for (const Word &word : words) {
        if (word.text == QString::number(page) && word.box.top() > pageHeight - bottomMargin)
            number = word.box;
    }
    QVERIFY2(!number.isNull(), qPrintable(QString::number(words.size())));
    // Mirrored margins: the outer margin is the right one on odd pages.
    const float outer = right ? rightMargin : leftMargin;
    if (right) {
        const float textRight = pageWidth - outer;
        QVERIFY2(number.right() < textRight && number.right() > textRight - 80,
                 qPrintable(QString::number(number.right())));
    } else {
        QVERIFY2(number.left() > outer && number.left() < outer + 80,
                 qPrintable(QString::number(number.left())));
    }
    QVERIFY2(number.bottom() < pageHeight - 20, qPrintable(QString::number(number.bottom())));
}

// The distributed line spreads its few characters over the whole text width.
void TestLoVisual::distributedLine()
{
    int page = 0;
    QList<Word> line;
    for (int p = 3; p >= 1 && line.isEmpty(); --p) {
        const QList<Word> words = pageWords(p);
        for (const Word &word : words) {
            if (word.text.startsWith(QStringLiteral("联"))) {
                for (const Word &other : words) {
                    if (qAbs(other.box.top() - word.box.top()) < 2)
                        line.append(other);
                }
                page = p;
                break;
            }
        }
    }
    QVERIFY2(!line.isEmpty(), "the distributed line is not in the PDF");
    qreal left = pageWidth;
    qreal right = 0;
    QString joined;
    for (const Word &word : line) {
        left = qMin(left, word.box.left());
        right = qMax(right, word.box.right());
        joined += word.text;
    }
    QCOMPARE(joined, QString(distributedText).remove(QChar(0x3000)));
    const float textLeft = page % 2 ? leftMargin : rightMargin;
    QVERIFY2(qAbs(left - textLeft) < 3, qPrintable(QString::number(left)));
    QVERIFY2(qAbs(right - (textLeft + textWidth)) < 3, qPrintable(QString::number(right)));
}

// The imprint table stands at the bottom of the text area of the last page,
// its two rows one above the other.
void TestLoVisual::imprintAtBottom()
{
    const QList<Word> words = pageWords(3);
    QRectF copy;
    QRectF issued;
    for (const Word &word : words) {
        if (word.text.startsWith(QStringLiteral("抄送")))
            copy = word.box;
        if (word.text.contains(QStringLiteral("印发")))
            issued = word.box;
    }
    QVERIFY(!copy.isNull() && !issued.isNull());
    QVERIFY2(copy.top() > pageHeight - bottomMargin - 80, qPrintable(QString::number(copy.top())));
    QVERIFY(issued.top() > copy.bottom() - 1);
    QVERIFY2(issued.bottom() < pageHeight - bottomMargin + 2,
             qPrintable(QString::number(issued.bottom())));
}

// Red header text, centred across the text width above the rule.
void TestLoVisual::redHeader()
{
    const QImage image = pageImage(1);
    QVERIFY(!image.isNull());
    const QRect above(0, px(headerTop) - 4, image.width(), px(headerHeight) + 8);
    QRect red;
    int count = 0;
    for (int y = above.top(); y <= above.bottom(); ++y) {
        for (int x = above.left(); x <= above.right(); ++x) {
            if (isRed(image.pixel(x, y))) {
                red |= QRect(x, y, 1, 1);
                ++count;
            }
        }
    }
    QVERIFY2(count > 800, qPrintable(QString::number(count)));
    // Centred on the text area of page 1 (the inner margin is on the left).
    const int centre = px(leftMargin + textWidth / 2);
    QVERIFY2(qAbs(red.center().x() - centre) <= 4,
             qPrintable(QStringLiteral("%1 %2").arg(red.center().x()).arg(centre)));
    QVERIFY2(red.top() >= px(headerTop) && red.bottom() <= px(headerTop + headerHeight),
             qPrintable(QStringLiteral("%1..%2").arg(red.top()).arg(red.bottom())));
    // Narrowed to 70 %: nine characters of 44 pt take well under the text width.
    QVERIFY2(red.width() < px(9 * 44 * 0.8f) && red.width() > px(9 * 44 * 0.6f),
             qPrintable(QString::number(red.width())));
    // Nothing red above the header.
    QCOMPARE(redIn(image, QRect(0, 0, image.width(), px(headerTop) - 1)), 0);
}

// The rule is one horizontal red run over the text width, interrupted only
// by the star's box.
void TestLoVisual::ruleAcrossTextWidth()
{
    const QImage image = pageImage(1);
    int bestRow = -1;
    int best = 0;
    for (int y = 0; y < image.height() / 3; ++y) {
        const int count = redIn(image, QRect(0, y, image.width(), 1));
        if (count > best) {
            best = count;
            bestRow = y;
        }
    }
    QVERIFY2(qAbs(bestRow - px(ruleTop + ruleWeight / 2)) <= 2,
             qPrintable(QString::number(bestRow)));
    QVERIFY2(best > px(textWidth - starBox) - 6, qPrintable(QString::number(best)));
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (isRed(image.pixel(x, bestRow))) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    QVERIFY2(qAbs(first - px(leftMargin)) <= 2, qPrintable(QString::number(first)));
    QVERIFY2(qAbs(last - px(leftMargin + textWidth)) <= 2, qPrintable(QString::number(last)));
    // Thin: three rows at most at 60 dpi.
    QVERIFY(redIn(image, QRect(px(leftMargin) + 10, bestRow - 4, 40, 9)) <= 40 * 3);
}

// The star sits in the middle of the rule, and the white box cuts the rule
// on both sides of the star.
void TestLoVisual::starOnRule()
{
    const QImage image = pageImage(1);
    const int centre = px(leftMargin + textWidth / 2);
    const int rule = px(ruleTop + ruleWeight / 2);
    const int half = px(starBox / 2);
    // The star's red glyph is centred on the rule.
    const QRect box(centre - half, rule - half, 2 * half + 1, 2 * half + 1);
    int count = 0;
    QPoint sum;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (isRed(image.pixel(x, y)) && qAbs(y - rule) > 1) {
                sum += QPoint(x, y);
                ++count;
            }
        }
    }
    QVERIFY2(count > 4, qPrintable(QString::number(count)));
    const QPoint middle = sum / count;
    QVERIFY2(qAbs(middle.x() - centre) <= 2 && qAbs(middle.y() - rule) <= 3,
             qPrintable(QStringLiteral("%1,%2").arg(middle.x()).arg(middle.y())));
    // Away from the star the rule has nothing red above or below it.
    QCOMPARE(redIn(image, QRect(centre - 100, rule - 6, 60, 4)), 0);
    // The box's white edges: the rule is broken just inside the box.
    QCOMPARE(redIn(image, QRect(centre + half - 2, rule - 1, 1, 3)), 0);
    QCOMPARE(redIn(image, QRect(centre - half + 2, rule - 1, 1, 3)), 0);
}

// The header, the rule and the star belong to page 1 only.
void TestLoVisual::nothingRedAfterFirstPage()
{
    for (int page : {2, 3}) {
        const QImage image = pageImage(page);
        QVERIFY(!image.isNull());
        QCOMPARE(redIn(image, image.rect()), 0);
    }
}

QTEST_MAIN(TestLoVisual)
#include "tst_lovisual.moc"
