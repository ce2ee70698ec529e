#include "automation/automation.h"
#include "format/landscapepage.h"
#include "format/pageadaptation.h"
#include "libreoffice/libreofficeclient.h"
#include "officetestsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

using namespace automation;

// Runs one helper check and leaves the calling test function when it failed.
#define CHECK_DEAD(call)                                                                           \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// An object getter on a dead office: null once the death is known; before
// that an object may still come back, and it must answer nothing either.
#define DEAD_OBJECT(expr, check)                                                                   \
    do {                                                                                           \
        const auto object_ = (expr);                                                               \
        if (m_strict)                                                                              \
            QVERIFY2(!object_, #expr " answered an object after the office died");                 \
        if (object_ && depth > 0)                                                                  \
            CHECK_DEAD(check(object_, depth - 1));                                                 \
    } while (false)

// A paragraph-format getter on a dead office.
#define DEAD_PARAGRAPH_VALUE(expr)                                                                 \
    do {                                                                                           \
        const double value_ = (expr);                                                              \
        QVERIFY2(value_ == 0, #expr);                                                              \
    } while (false)

// Every object of the object model that was handed out while the office ran.
struct KeptObjects
{
    ApplicationPtr app;
    DocumentsPtr documents;
    DocumentPtr document;
    SelectionPtr selection;
    RangePtr content, bodyRange, footerRange, textBoxRange, cellRange, fieldResult;
    FontPtr font, styleFont;
    ParagraphFormatPtr paragraphFormat, styleParagraphFormat;
    ParagraphsPtr paragraphs;
    ParagraphPtr paragraph;
    ShapesPtr shapes, footerShapes;
    ShapePtr rectangle, line, textBox;
    TextFramePtr textFrame;
    FillFormatPtr fill;
    LineFormatPtr lineFormat;
    ColorFormatPtr fillColor, lineColor;
    TablesPtr tables;
    TablePtr table;
    RowsPtr rows;
    RowPtr row;
    CellsPtr cells;
    CellPtr cell;
    BordersPtr tableBorders, cellBorders, styleBorders;
    BorderPtr cellBorder, styleBorder;
    SectionsPtr sections;
    SectionPtr section;
    PageSetupPtr pageSetup, selectionPageSetup;
    HeadersFootersPtr footers, headers;
    HeaderFooterPtr footer, header;
    PageNumbersPtr pageNumbers;
    PageNumberPtr pageNumber;
    FieldsPtr fields;
    FieldPtr field;
    StylesPtr styles;
    StylePtr style;
    DocumentPropertiesPtr properties;
    DocumentPropertyPtr property;
};

// What the object model does when the office behind it is killed: objects
// handed out before answer null objects, empty texts, zeros and missing
// values, changes and actions do nothing, printing reports failure, and
// nothing crashes or hangs; a command cut off in the middle returns.
class TestLoKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void keptObjectsAnswerNothing_data();
    void keptObjectsAnswerNothing();
    void footerSequenceKilledBetweenCalls_data();
    void footerSequenceKilledBetweenCalls();
    void commandOnKilledOffice_data();
    void commandOnKilledOffice();
    void commandKilledWhileRunning_data();
    void commandKilledWhileRunning();

private:
    ApplicationPtr start();
    void kill(const ApplicationPtr &app, bool letEventsRun);
    bool build(KeptObjects *kept);

    void checkFont(const FontPtr &font, int depth);
    void checkParagraphFormat(const ParagraphFormatPtr &format, int depth);
    void checkParagraph(const ParagraphPtr &paragraph, int depth);
    void checkParagraphs(const ParagraphsPtr &paragraphs, int depth);
    void checkRange(const RangePtr &range, int depth);
    void checkSelection(const SelectionPtr &selection, int depth);
    void checkBorder(const BorderPtr &border, int depth);
    void checkBorders(const BordersPtr &borders, int depth);
    void checkColor(const ColorFormatPtr &color, int depth);
    void checkFill(const FillFormatPtr &fill, int depth);
    void checkLine(const LineFormatPtr &line, int depth);
    void checkTextFrame(const TextFramePtr &frame, int depth);
    void checkShape(const ShapePtr &shape, int depth);
    void checkShapes(const ShapesPtr &shapes, int depth);
    void checkCell(const CellPtr &cell, int depth);
    void checkCells(const CellsPtr &cells, int depth);
    void checkRow(const RowPtr &row, int depth);
    void checkRows(const RowsPtr &rows, int depth);
    void checkTable(const TablePtr &table, int depth);
    void checkTables(const TablesPtr &tables, int depth);
    void checkPageSetup(const PageSetupPtr &ps, int depth);
    void checkPageNumber(const PageNumberPtr &number, int depth);
    void checkPageNumbers(const PageNumbersPtr &numbers, int depth);
    void checkHeaderFooter(const HeaderFooterPtr &footer, int depth);
    void checkHeadersFooters(const HeadersFootersPtr &footers, int depth);
    void checkSection(const SectionPtr &section, int depth);
    void checkSections(const SectionsPtr &sections, int depth);
    void checkField(const FieldPtr &field, int depth);
    void checkFields(const FieldsPtr &fields, int depth);
    void checkStyle(const StylePtr &style, int depth);
    void checkStyles(const StylesPtr &styles, int depth);
    void checkProperty(const DocumentPropertyPtr &property, int depth);
    void checkProperties(const DocumentPropertiesPtr &properties, int depth);
    void checkDocument(const DocumentPtr &document, int depth);
    void checkDocuments(const DocumentsPtr &documents, int depth);
    void checkApplication(const ApplicationPtr &app, int depth);

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<WriterClient>> m_clients;
    int m_profiles = 0;
    // Whether object getters must answer null (the death is known).
    bool m_strict = false;
    // A range of the kept document, used as an argument after the death.
    RangePtr m_someRange;
};

ApplicationPtr TestLoKill::start()
{
    libreoffice::ClientOptions options;
    options.headless = true;
    options.profileDirectory = m_dir.filePath(QStringLiteral("profile%1").arg(++m_profiles));
    std::unique_ptr<WriterClient> client = libreoffice::makeClient(options);
    if (!client)
        return nullptr;
    client->setProcessPath(client->defaultProcessPath());
    ApplicationPtr app;
    if (client->getApplication(&app) != 0)
        return nullptr;
    m_clients.push_back(std::move(client));
    return app;
}

void TestLoKill::kill(const ApplicationPtr &app, bool letEventsRun)
{
    const qint64 pid = libreoffice::officeProcessId(app);
    QVERIFY(officetest::processRunning(pid));
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(officetest::waitUntilGone(pid, 5000));
    if (letEventsRun)
        QTest::qWait(300);
}

void TestLoKill::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_dir.isValid());
}

// A small document with something of every kind in it, and every object the
// interfaces handed out on the way.
bool TestLoKill::build(KeptObjects *k)
{
    k->app = start();
    if (!k->app)
        return false;
    k->documents = k->app->documents();
    k->document = k->documents ? k->documents->add() : nullptr;
    if (!k->document)
        return false;
    k->content = k->document->content();
    k->content->setText(
        QStringLiteral("关于做好工作的通知\n各单位：\n一、总体要求。正文。\n表格前。\n末段。"));
    k->paragraphs = k->document->paragraphs();
    k->paragraph = k->paragraphs->item(3);
    k->bodyRange = k->document->range(0, 5);
    k->font = k->bodyRange->font();
    k->paragraphFormat = k->bodyRange->paragraphFormat();
    k->selection = k->app->selection();
    k->bodyRange->select();

    k->shapes = k->document->shapes();
    k->rectangle = k->shapes->addShape(msoShapeRectangle, 50, 50, 100, 40);
    k->line = k->shapes->addLine(50, 120, 200, 120);
    k->textBox = k->shapes->addTextbox(msoTextOrientationHorizontal, 50, 150, 120, 60);
    k->textFrame = k->textBox ? k->textBox->textFrame() : nullptr;
    k->textBoxRange = k->textFrame ? k->textFrame->textRange() : nullptr;
    if (k->textBoxRange)
        k->textBoxRange->setText(QStringLiteral("框内文字"));
    k->fill = k->rectangle ? k->rectangle->fill() : nullptr;
    k->fillColor = k->fill ? k->fill->foreColor() : nullptr;
    k->lineFormat = k->line ? k->line->line() : nullptr;
    k->lineColor = k->lineFormat ? k->lineFormat->foreColor() : nullptr;

    k->tables = k->document->tables();
    RangePtr at = k->paragraphs->item(5)->range();
    at->setRange(at->start(), at->start());
    k->table = k->tables->add(at, 2, 2);
    k->rows = k->table ? k->table->rows() : nullptr;
    k->row = k->rows ? k->rows->item(1) : nullptr;
    k->cells = k->row ? k->row->cells() : nullptr;
    k->cell = k->table ? k->table->cell(1, 1) : nullptr;
    k->cellRange = k->cell ? k->cell->range() : nullptr;
    if (k->cellRange)
        k->cellRange->setText(QStringLiteral("单元格"));
    k->tableBorders = k->table ? k->table->borders() : nullptr;
    k->cellBorders = k->cell ? k->cell->borders() : nullptr;
    k->cellBorder = k->cellBorders ? k->cellBorders->item(wdBorderTop) : nullptr;

    k->sections = k->document->sections();
    k->section = k->sections->item(1);
    k->pageSetup = k->section->pageSetup();
    k->pageSetup->setOddAndEvenPagesHeaderFooter(1);
    k->selectionPageSetup = k->selection ? k->selection->pageSetup() : nullptr;
    k->footers = k->section->footers();
    k->headers = k->section->headers();
    k->footer = k->footers->item(wdHeaderFooterPrimary);
    k->header = k->headers ? k->headers->item(wdHeaderFooterPrimary) : nullptr;
    k->footer->setLinkToPrevious(0);
    k->pageNumbers = k->footer->pageNumbers();
    k->pageNumber = k->pageNumbers->add(Variant(wdAlignPageNumberOutside), Variant(true));
    k->footerRange = k->footer->range();
    k->footerShapes = k->footer->shapes();

    k->fields = k->document->fields();
    RangePtr fieldAt = k->paragraphs->item(2)->range();
    fieldAt->setRange(fieldAt->start(), fieldAt->start());
    k->field = k->fields->add(fieldAt, Variant(wdFieldPage));
    k->fieldResult = k->field ? k->field->result() : nullptr;

    k->styles = k->document->styles();
    k->style = k->styles->item(Variant(wdStyleNormal));
    k->styleFont = k->style ? k->style->font() : nullptr;
    k->styleParagraphFormat = k->style ? k->style->paragraphFormat() : nullptr;
    StylePtr header = k->styles->item(Variant(wdStyleHeader));
    k->styleBorders = header ? header->borders() : nullptr;
    k->styleBorder = k->styleBorders ? k->styleBorders->item(wdBorderBottom) : nullptr;

    k->properties = k->document->customDocumentProperties();
    k->property = k->properties->add(QStringLiteral("WenHao"), false, msoPropertyTypeString,
                                     QStringLiteral("〔2024〕1号"));
    return true;
}

void TestLoKill::checkFont(const FontPtr &f, int)
{
    f->setName(QStringLiteral("宋体"));
    f->setNameFarEast(QStringLiteral("黑体"));
    f->setNameAscii(QStringLiteral("Arial"));
    f->setSize(30);
    f->setBold(msoTrue);
    f->setItalic(msoTrue);
    f->setColor(wdColorRed);
    f->setScaling(80);
    QCOMPARE(f->name(), QString());
    QCOMPARE(f->nameFarEast(), QString());
    QCOMPARE(f->nameAscii(), QString());
    QCOMPARE(f->size(), 0.0f);
    QCOMPARE(f->bold(), 0);
    QCOMPARE(f->italic(), 0);
    QCOMPARE(f->color(), 0);
    QCOMPARE(f->scaling(), 0);
}

void TestLoKill::checkParagraphFormat(const ParagraphFormatPtr &p, int)
{
    p->reset();
    p->setAlignment(wdAlignParagraphCenter);
    p->setLineSpacingRule(wdLineSpaceExactly);
    p->setLineSpacing(28);
    p->setFirstLineIndent(32);
    p->setLeftIndent(10);
    p->setRightIndent(10);
    p->setCharacterUnitFirstLineIndent(2);
    p->setCharacterUnitLeftIndent(1);
    p->setCharacterUnitRightIndent(1);
    // Paragraph formats answer "differs" (wdUndefined) instead of nothing.
    DEAD_PARAGRAPH_VALUE(p->alignment());
    DEAD_PARAGRAPH_VALUE(p->lineSpacingRule());
    DEAD_PARAGRAPH_VALUE(p->lineSpacing());
    DEAD_PARAGRAPH_VALUE(p->firstLineIndent());
    DEAD_PARAGRAPH_VALUE(p->leftIndent());
    DEAD_PARAGRAPH_VALUE(p->rightIndent());
    DEAD_PARAGRAPH_VALUE(p->characterUnitFirstLineIndent());
    DEAD_PARAGRAPH_VALUE(p->characterUnitLeftIndent());
    DEAD_PARAGRAPH_VALUE(p->characterUnitRightIndent());
}

void TestLoKill::checkParagraph(const ParagraphPtr &p, int depth)
{
    CHECK_DEAD(checkParagraphFormat(p, depth));
    DEAD_OBJECT(p->range(), checkRange);
    const ParagraphFormatPtr format = p->format();
    QVERIFY(!m_strict || !format);
    if (format && depth > 0)
        CHECK_DEAD(checkParagraphFormat(format, depth - 1));
}

void TestLoKill::checkParagraphs(const ParagraphsPtr &p, int depth)
{
    // A collection taken while the office ran answers nothing either once
    // the death is heard of; before that it may still hand out what it had
    // (whose paragraphs answer nothing).
    QVERIFY(!p->item(0));
    const ParagraphPtr first = p->item(1);
    if (m_strict) {
        QCOMPARE(p->count(), 0L);
        QVERIFY(!first);
    }
    if (first && depth > 0)
        CHECK_DEAD(checkParagraph(first, depth - 1));
}

void TestLoKill::checkRange(const RangePtr &r, int depth)
{
    r->setText(QStringLiteral("新文字\n第二段"));
    r->setRange(1, 3);
    r->insertBefore(QStringLiteral("前"));
    r->insertAfter(QStringLiteral("后\n"));
    r->select();
    QCOMPARE(r->text(), QString());
    QVERIFY(r->information(wdActiveEndPageNumber).isMissing());
    // What a range answers without asking the office (its offsets, whether
    // its paragraph stands in a table) is empty once the death is heard of;
    // before that it may still be what the range knew.
    if (m_strict) {
        QCOMPARE(r->start(), 0L);
        QCOMPARE(r->end(), 0L);
        QVERIFY(r->information(wdWithInTable).isMissing());
    }
    DEAD_OBJECT(r->font(), checkFont);
    DEAD_OBJECT(r->paragraphFormat(), checkParagraphFormat);
    DEAD_OBJECT(r->paragraphs(), checkParagraphs);
}

void TestLoKill::checkSelection(const SelectionPtr &s, int depth)
{
    QCOMPARE(s->start(), 0L);
    QCOMPARE(s->end(), 0L);
    QVERIFY(s->information(wdActiveEndPageNumber).isMissing());
    QVERIFY(s->information(wdWithInTable).isMissing());
    DEAD_OBJECT(s->range(), checkRange);
    DEAD_OBJECT(s->font(), checkFont);
    DEAD_OBJECT(s->paragraphFormat(), checkParagraphFormat);
    DEAD_OBJECT(s->pageSetup(), checkPageSetup);
}

void TestLoKill::checkBorder(const BorderPtr &b, int)
{
    b->setLineStyle(wdLineStyleSingle);
    b->setLineWidth(wdLineWidth150pt);
    QCOMPARE(b->lineStyle(), 0);
    QCOMPARE(b->lineWidth(), 0);
}

void TestLoKill::checkBorders(const BordersPtr &b, int depth)
{
    for (int index : {wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight})
        DEAD_OBJECT(b->item(index), checkBorder);
}

void TestLoKill::checkColor(const ColorFormatPtr &c, int)
{
    c->setRgb(wdColorRed);
    QCOMPARE(c->rgb(), 0);
}

void TestLoKill::checkFill(const FillFormatPtr &f, int depth)
{
    f->setVisible(msoTrue);
    QCOMPARE(f->visible(), 0);
    DEAD_OBJECT(f->foreColor(), checkColor);
}

void TestLoKill::checkLine(const LineFormatPtr &l, int depth)
{
    l->setVisible(msoTrue);
    l->setWeight(3);
    l->setStyle(msoLineThickThin);
    l->setDashStyle(msoLineSquareDot);
    QCOMPARE(l->visible(), 0);
    QCOMPARE(l->weight(), 0.0f);
    QCOMPARE(l->style(), 0);
    QCOMPARE(l->dashStyle(), 0);
    DEAD_OBJECT(l->foreColor(), checkColor);
}

void TestLoKill::checkTextFrame(const TextFramePtr &t, int depth)
{
    t->setAutoSize(1);
    t->setMarginTop(5);
    t->setMarginBottom(5);
    t->setMarginLeft(5);
    t->setMarginRight(5);
    QCOMPARE(t->autoSize(), 0);
    QCOMPARE(t->marginTop(), 0.0f);
    QCOMPARE(t->marginBottom(), 0.0f);
    QCOMPARE(t->marginLeft(), 0.0f);
    QCOMPARE(t->marginRight(), 0.0f);
    QCOMPARE(t->orientation(), 0);
    DEAD_OBJECT(t->textRange(), checkRange);
}

void TestLoKill::checkShape(const ShapePtr &s, int depth)
{
    // The kind is what the shape was made as; it only must not crash.
    s->kind();
    s->setName(QStringLiteral("改名"));
    s->setLeft(wdShapeCenter);
    s->setTop(20);
    s->setWidth(99);
    s->setHeight(99);
    s->setVisible(msoFalse);
    s->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    s->setRelativeHorizontalPosition(wdRelativeHorizontalPositionPage);
    QCOMPARE(s->name(), QString());
    QCOMPARE(s->left(), 0.0f);
    QCOMPARE(s->top(), 0.0f);
    QCOMPARE(s->width(), 0.0f);
    QCOMPARE(s->height(), 0.0f);
    QCOMPARE(s->visible(), 0);
    QCOMPARE(s->relativeVerticalPosition(), 0);
    QCOMPARE(s->relativeHorizontalPosition(), 0);
    DEAD_OBJECT(s->anchor(), checkRange);
    DEAD_OBJECT(s->fill(), checkFill);
    DEAD_OBJECT(s->line(), checkLine);
    DEAD_OBJECT(s->textFrame(), checkTextFrame);
    s->remove();
}

void TestLoKill::checkShapes(const ShapesPtr &s, int)
{
    QCOMPARE(s->count(), 0L);
    QVERIFY(!s->item(1));
    QVERIFY(!s->addShape(msoShapeRectangle, 1, 1, 10, 10));
    QVERIFY(!s->addShape(msoShapeRectangle, 1, 1, 10, 10, Variant(m_someRange)));
    QVERIFY(!s->addLine(1, 1, 10, 10));
    QVERIFY(!s->addTextbox(msoTextOrientationDownward, 1, 1, 10, 10, Variant(0)));
}

void TestLoKill::checkCell(const CellPtr &c, int depth)
{
    c->setWidth(100);
    c->setHeight(30);
    c->setVerticalAlignment(wdCellAlignVerticalCenter);
    QCOMPARE(c->width(), 0.0f);
    QCOMPARE(c->height(), 0.0f);
    QCOMPARE(c->verticalAlignment(), 0);
    DEAD_OBJECT(c->range(), checkRange);
    DEAD_OBJECT(c->borders(), checkBorders);
}

void TestLoKill::checkCells(const CellsPtr &c, int)
{
    QCOMPARE(c->count(), 0L);
    QVERIFY(!c->item(1));
}

void TestLoKill::checkRow(const RowPtr &r, int depth)
{
    DEAD_OBJECT(r->cells(), checkCells);
    DEAD_OBJECT(r->range(), checkRange);
    r->remove();
}

void TestLoKill::checkRows(const RowsPtr &r, int)
{
    r->setAlignment(wdAlignRowCenter);
    QCOMPARE(r->count(), 0L);
    QVERIFY(!r->item(1));
    QCOMPARE(r->alignment(), 0);
}

void TestLoKill::checkTable(const TablePtr &t, int depth)
{
    t->setTopPadding(3);
    t->setBottomPadding(3);
    t->setLeftPadding(3);
    t->setRightPadding(3);
    QCOMPARE(t->topPadding(), 0.0f);
    QCOMPARE(t->bottomPadding(), 0.0f);
    QCOMPARE(t->leftPadding(), 0.0f);
    QCOMPARE(t->rightPadding(), 0.0f);
    DEAD_OBJECT(t->rows(), checkRows);
    DEAD_OBJECT(t->cell(1, 1), checkCell);
    DEAD_OBJECT(t->range(), checkRange);
    DEAD_OBJECT(t->borders(), checkBorders);
}

void TestLoKill::checkTables(const TablesPtr &t, int)
{
    QCOMPARE(t->count(), 0L);
    QVERIFY(!t->item(1));
    if (m_someRange)
        QVERIFY(!t->add(m_someRange, 2, 2));
    QVERIFY(!t->add(nullptr, 1, 1));
}

void TestLoKill::checkPageSetup(const PageSetupPtr &p, int)
{
    p->setTopMargin(10);
    p->setBottomMargin(10);
    p->setLeftMargin(10);
    p->setRightMargin(10);
    p->setPageWidth(300);
    p->setPageHeight(400);
    p->setFooterDistance(20);
    p->setOrientation(wdOrientLandscape);
    p->setMirrorMargins(1);
    p->setLayoutMode(wdLayoutModeGrid);
    p->setLinesPage(22);
    p->setCharsLine(28);
    p->setOddAndEvenPagesHeaderFooter(1);
    p->setDifferentFirstPageHeaderFooter(1);
    QCOMPARE(p->topMargin(), 0.0f);
    QCOMPARE(p->bottomMargin(), 0.0f);
    QCOMPARE(p->leftMargin(), 0.0f);
    QCOMPARE(p->rightMargin(), 0.0f);
    QCOMPARE(p->pageWidth(), 0.0f);
    QCOMPARE(p->pageHeight(), 0.0f);
    QCOMPARE(p->footerDistance(), 0.0f);
    QCOMPARE(p->orientation(), 0);
    QCOMPARE(p->mirrorMargins(), 0);
    QCOMPARE(p->layoutMode(), 0);
    QCOMPARE(p->linesPage(), 0.0f);
    QCOMPARE(p->charsLine(), 0.0f);
    QCOMPARE(p->oddAndEvenPagesHeaderFooter(), 0);
    QCOMPARE(p->differentFirstPageHeaderFooter(), 0);
}

// A page number is the alignment it was added with, kept without the office.
void TestLoKill::checkPageNumber(const PageNumberPtr &n, int)
{
    QCOMPARE(n->alignment(), wdAlignPageNumberOutside);
}

void TestLoKill::checkPageNumbers(const PageNumbersPtr &n, int)
{
    n->setRestartNumberingAtSection(1);
    n->setStartingNumber(5);
    QCOMPARE(n->count(), 0L);
    QCOMPARE(n->restartNumberingAtSection(), 0);
    QCOMPARE(n->startingNumber(), 0L);
    QVERIFY(!n->add(Variant(wdAlignPageNumberCenter), Variant(false)));
    QVERIFY(!n->add());
}

void TestLoKill::checkHeaderFooter(const HeaderFooterPtr &f, int depth)
{
    f->setLinkToPrevious(1);
    QCOMPARE(f->linkToPrevious(), 0);
    // The index is which footer of its section the object was made for.
    f->index();
    DEAD_OBJECT(f->range(), checkRange);
    DEAD_OBJECT(f->pageNumbers(), checkPageNumbers);
    DEAD_OBJECT(f->shapes(), checkShapes);
}

void TestLoKill::checkHeadersFooters(const HeadersFootersPtr &f, int depth)
{
    // A section has its three headers or footers whether asked or not.
    f->count();
    for (int item : {wdHeaderFooterPrimary, wdHeaderFooterFirstPage, wdHeaderFooterEvenPages})
        DEAD_OBJECT(f->item(item), checkHeaderFooter);
}

void TestLoKill::checkSection(const SectionPtr &s, int depth)
{
    QCOMPARE(s->index(), 0L);
    DEAD_OBJECT(s->range(), checkRange);
    DEAD_OBJECT(s->pageSetup(), checkPageSetup);
    DEAD_OBJECT(s->footers(), checkHeadersFooters);
    DEAD_OBJECT(s->headers(), checkHeadersFooters);
}

void TestLoKill::checkSections(const SectionsPtr &s, int depth)
{
    QCOMPARE(s->count(), 0L);
    QVERIFY(!s->item(1));
    QVERIFY(!s->add());
    QVERIFY(!s->add(Variant(m_someRange), Variant(wdSectionNewPage)));
    Q_UNUSED(depth);
}

void TestLoKill::checkField(const FieldPtr &f, int depth)
{
    // The type is what the field was added as, kept without the office.
    QCOMPARE(f->type(), wdFieldPage);
    DEAD_OBJECT(f->result(), checkRange);
}

void TestLoKill::checkFields(const FieldsPtr &f, int)
{
    QCOMPARE(f->count(), 0L);
    if (m_someRange)
        QVERIFY(!f->add(m_someRange, Variant(wdFieldPage)));
    QVERIFY(!f->add(nullptr, Variant(wdFieldPage), Variant(QString()), Variant(1)));
}

void TestLoKill::checkStyle(const StylePtr &s, int depth)
{
    QCOMPARE(s->nameLocal(), QString());
    DEAD_OBJECT(s->font(), checkFont);
    DEAD_OBJECT(s->paragraphFormat(), checkParagraphFormat);
    DEAD_OBJECT(s->borders(), checkBorders);
}

void TestLoKill::checkStyles(const StylesPtr &s, int depth)
{
    DEAD_OBJECT(s->item(Variant(wdStyleNormal)), checkStyle);
    DEAD_OBJECT(s->item(Variant(wdStyleHeader)), checkStyle);
    DEAD_OBJECT(s->item(Variant(QStringLiteral("Standard"))), checkStyle);
}

void TestLoKill::checkProperty(const DocumentPropertyPtr &p, int)
{
    p->setValue(QStringLiteral("新值"), 2052);
    // The name is what the property was found or added under.
    QCOMPARE(p->name(), QStringLiteral("WenHao"));
    QCOMPARE(p->type(), 0);
    QVERIFY(p->value().isMissing());
    QVERIFY(p->value(2052).isMissing());
}

void TestLoKill::checkProperties(const DocumentPropertiesPtr &p, int)
{
    QCOMPARE(p->count(), 0L);
    QVERIFY(!p->item(QStringLiteral("WenHao")));
    QVERIFY(!p->item(1));
    QVERIFY(!p->add(QStringLiteral("JinJi"), false, msoPropertyTypeString, "特急"));
    QVERIFY(!p->add(QStringLiteral("Num"), false, msoPropertyTypeNumber, 3, Variant(), 2052));
}

void TestLoKill::checkDocument(const DocumentPtr &d, int depth)
{
    QCOMPARE(d->name(), QString());
    DEAD_OBJECT(d->paragraphs(), checkParagraphs);
    DEAD_OBJECT(d->sections(), checkSections);
    DEAD_OBJECT(d->fields(), checkFields);
    DEAD_OBJECT(d->styles(), checkStyles);
    DEAD_OBJECT(d->tables(), checkTables);
    DEAD_OBJECT(d->shapes(), checkShapes);
    DEAD_OBJECT(d->customDocumentProperties(), checkProperties);
    DEAD_OBJECT(d->range(0, 3), checkRange);
    DEAD_OBJECT(d->content(), checkRange);

    // Printing reports the failure and writes nothing.
    const QString pdf = m_dir.filePath(QStringLiteral("dead.pdf"));
    const QString ps = m_dir.filePath(QStringLiteral("dead.ps"));
    PrintOutOptions toPdf;
    toPdf.outputFileName = pdf;
    PrintOutOptions toFile;
    toFile.outputFileName = ps;
    toFile.printToFile = true;
    QVERIFY(!d->printOut());
    QVERIFY(!d->printOut(toPdf));
    QVERIFY(!d->printOut(toFile));
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(!QFileInfo::exists(ps));
}

void TestLoKill::checkDocuments(const DocumentsPtr &d, int)
{
    QCOMPARE(d->count(), 0L);
    QVERIFY(!d->item(1));
    QVERIFY(!d->add());
}

void TestLoKill::checkApplication(const ApplicationPtr &app, int depth)
{
    DEAD_OBJECT(app->documents(), checkDocuments);
    // A dead office has no active document or selection, known or not.
    QVERIFY(!app->activeDocument());
    QVERIFY(!app->selection());
    if (ApplicationExPtr ex = app->applicationEx())
        QCOMPARE(ex->mainWindowId(), std::uint64_t(0));
    if (m_strict)
        QVERIFY(!app->applicationEx());
    QCOMPARE(libreoffice::officeProcessId(app), 0LL);
    QVERIFY(!libreoffice::focusWriter(app));
}

void TestLoKill::keptObjectsAnswerNothing_data()
{
    QTest::addColumn<bool>("letEventsRun");
    QTest::newRow("before the Qt thread hears of the death") << false;
    QTest::newRow("after the Qt thread heard of it") << true;
}

void TestLoKill::keptObjectsAnswerNothing()
{
    QFETCH(bool, letEventsRun);

    KeptObjects k;
    QVERIFY(build(&k));
    // Everything was really handed out while the office ran.
    const std::vector<std::pair<const char *, bool>> handedOut = {
        {"selection", bool(k.selection)},
        {"rectangle", bool(k.rectangle)},
        {"line", bool(k.line)},
        {"text box", bool(k.textBox)},
        {"text frame", bool(k.textFrame)},
        {"text box range", bool(k.textBoxRange)},
        {"fill", bool(k.fill)},
        {"fill colour", bool(k.fillColor)},
        {"line format", bool(k.lineFormat)},
        {"line colour", bool(k.lineColor)},
        {"table", bool(k.table)},
        {"rows", bool(k.rows)},
        {"row", bool(k.row)},
        {"cells", bool(k.cells)},
        {"cell", bool(k.cell)},
        {"cell range", bool(k.cellRange)},
        {"table borders", bool(k.tableBorders)},
        {"cell border", bool(k.cellBorder)},
        {"headers", bool(k.headers)},
        {"header", bool(k.header)},
        {"page number", bool(k.pageNumber)},
        {"footer shapes", bool(k.footerShapes)},
        {"field", bool(k.field)},
        {"field result", bool(k.fieldResult)},
        {"style", bool(k.style)},
        {"style font", bool(k.styleFont)},
        {"style border", bool(k.styleBorder)},
        {"property", bool(k.property)},
        {"selection page setup", bool(k.selectionPageSetup)},
    };
    for (const auto &[what, given] : handedOut)
        QVERIFY2(given, what);
    QVERIFY(k.cellRange->text().startsWith(QStringLiteral("单元格")));
    QVERIFY(k.textBoxRange->text().startsWith(QStringLiteral("框内文字")));
    m_someRange = k.bodyRange;

    CHECK_DEAD(kill(k.app, letEventsRun));
    m_strict = false;
    const int depth = 3;

    QElapsedTimer timer;
    timer.start();
    // The text objects.
    CHECK_DEAD(checkRange(k.content, depth));
    CHECK_DEAD(checkRange(k.bodyRange, depth));
    CHECK_DEAD(checkRange(k.footerRange, depth));
    CHECK_DEAD(checkRange(k.textBoxRange, depth));
    CHECK_DEAD(checkRange(k.cellRange, depth));
    CHECK_DEAD(checkRange(k.fieldResult, depth));
    CHECK_DEAD(checkFont(k.font, depth));
    CHECK_DEAD(checkFont(k.styleFont, depth));
    CHECK_DEAD(checkParagraphFormat(k.paragraphFormat, depth));
    // The office gives no paragraph format of a style: nothing to keep.
    if (k.styleParagraphFormat)
        CHECK_DEAD(checkParagraphFormat(k.styleParagraphFormat, depth));
    CHECK_DEAD(checkParagraphs(k.paragraphs, depth));
    CHECK_DEAD(checkParagraph(k.paragraph, depth));
    CHECK_DEAD(checkSelection(k.selection, depth));
    // Shapes, their formats and the text box.
    CHECK_DEAD(checkShape(k.rectangle, depth));
    CHECK_DEAD(checkShape(k.line, depth));
    CHECK_DEAD(checkShape(k.textBox, depth));
    CHECK_DEAD(checkTextFrame(k.textFrame, depth));
    CHECK_DEAD(checkFill(k.fill, depth));
    CHECK_DEAD(checkLine(k.lineFormat, depth));
    CHECK_DEAD(checkColor(k.fillColor, depth));
    CHECK_DEAD(checkColor(k.lineColor, depth));
    CHECK_DEAD(checkShapes(k.shapes, depth));
    CHECK_DEAD(checkShapes(k.footerShapes, depth));
    // The table.
    CHECK_DEAD(checkTables(k.tables, depth));
    CHECK_DEAD(checkTable(k.table, depth));
    CHECK_DEAD(checkRows(k.rows, depth));
    CHECK_DEAD(checkRow(k.row, depth));
    CHECK_DEAD(checkCells(k.cells, depth));
    CHECK_DEAD(checkCell(k.cell, depth));
    CHECK_DEAD(checkBorders(k.tableBorders, depth));
    CHECK_DEAD(checkBorders(k.cellBorders, depth));
    CHECK_DEAD(checkBorder(k.cellBorder, depth));
    // Sections, page setup, footers and page numbers.
    CHECK_DEAD(checkSections(k.sections, depth));
    CHECK_DEAD(checkSection(k.section, depth));
    CHECK_DEAD(checkPageSetup(k.pageSetup, depth));
    CHECK_DEAD(checkPageSetup(k.selectionPageSetup, depth));
    CHECK_DEAD(checkHeadersFooters(k.footers, depth));
    CHECK_DEAD(checkHeadersFooters(k.headers, depth));
    CHECK_DEAD(checkHeaderFooter(k.footer, depth));
    CHECK_DEAD(checkHeaderFooter(k.header, depth));
    CHECK_DEAD(checkPageNumbers(k.pageNumbers, depth));
    CHECK_DEAD(checkPageNumber(k.pageNumber, depth));
    // Fields, styles and custom properties.
    CHECK_DEAD(checkFields(k.fields, depth));
    CHECK_DEAD(checkField(k.field, depth));
    CHECK_DEAD(checkStyles(k.styles, depth));
    CHECK_DEAD(checkStyle(k.style, depth));
    CHECK_DEAD(checkBorders(k.styleBorders, depth));
    CHECK_DEAD(checkBorder(k.styleBorder, depth));
    CHECK_DEAD(checkProperties(k.properties, depth));
    CHECK_DEAD(checkProperty(k.property, depth));
    // The document, the collection and the application.
    CHECK_DEAD(checkDocument(k.document, depth));
    CHECK_DEAD(checkDocuments(k.documents, depth));
    CHECK_DEAD(checkApplication(k.app, depth));

    // Once the Qt thread had its turn, the death is known everywhere: every
    // object getter answers null.
    QTest::qWait(300);
    m_strict = true;
    CHECK_DEAD(checkApplication(k.app, depth));
    CHECK_DEAD(checkDocument(k.document, depth));
    CHECK_DEAD(checkSection(k.section, depth));
    CHECK_DEAD(checkTable(k.table, depth));
    CHECK_DEAD(checkShape(k.textBox, depth));
    CHECK_DEAD(checkHeaderFooter(k.footer, depth));
    CHECK_DEAD(checkSelection(k.selection, depth));
    CHECK_DEAD(checkStyle(k.style, depth));
    CHECK_DEAD(checkParagraph(k.paragraph, depth));
    CHECK_DEAD(checkRange(k.content, depth));
    CHECK_DEAD(checkTextFrame(k.textFrame, depth));
    CHECK_DEAD(checkCell(k.cell, depth));
    CHECK_DEAD(checkRow(k.row, depth));
    CHECK_DEAD(checkField(k.field, depth));
    CHECK_DEAD(checkFill(k.fill, depth));
    CHECK_DEAD(checkLine(k.lineFormat, depth));
    qInfo("every call on the dead office's objects: %lld ms", timer.elapsed());
    // Answering nothing must not cost the office's timeouts.
    QVERIFY(timer.elapsed() < 20000);

    // Closing and quitting do nothing and are quick.
    k.document->close(Variant(true));
    timer.restart();
    k.app->quit(Variant(false), Variant(), Variant());
    k.app->quit();
    QVERIFY(timer.elapsed() < 2000);
    m_someRange.reset();
}

void TestLoKill::footerSequenceKilledBetweenCalls_data()
{
    QTest::addColumn<int>("killBefore");
    // The steps of writing a portrait page-number footer, as the page
    // adaptation takes them; the office dies before the given step.
    const char *steps[] = {"footers",      "item",       "unlink",       "numbering runs on",
                           "clear text",   "add number", "footer range", "dash before",
                           "narrow range", "dash after", "indent",       "font"};
    for (int i = 0; i < int(sizeof(steps) / sizeof(*steps)); ++i)
        QTest::newRow(steps[i]) << i;
    QTest::newRow("not killed") << -1;
}

// Whichever call of the footer sequence is the first after the death, the
// rest of the sequence runs through doing nothing; the row without a death
// shows the sequence is the one that writes "— 1 —".
void TestLoKill::footerSequenceKilledBetweenCalls()
{
    QFETCH(int, killBefore);

    ApplicationPtr app = start();
    QVERIFY(app);
    DocumentPtr document = app->documents()->add();
    QVERIFY(document);
    document->content()->setText(QStringLiteral("正文。"));
    SectionPtr section = document->sections()->item(1);
    QVERIFY(section);
    section->pageSetup()->setOddAndEvenPagesHeaderFooter(1);

    HeadersFootersPtr footers;
    HeaderFooterPtr footer;
    PageNumbersPtr numbers;
    PageNumberPtr number;
    RangePtr range;
    const std::vector<std::function<void()>> steps = {
        [&] { footers = section->footers(); },
        [&] { footer = footers ? footers->item(wdHeaderFooterPrimary) : nullptr; },
        [&] {
            if (footer)
                footer->setLinkToPrevious(0);
        },
        [&] {
            numbers = footer ? footer->pageNumbers() : nullptr;
            if (numbers)
                numbers->setRestartNumberingAtSection(0);
        },
        [&] {
            if (RangePtr all = footer ? footer->range() : nullptr)
                all->setText(QString());
        },
        [&] {
            if (numbers)
                number = numbers->add(Variant(wdAlignPageNumberOutside), Variant(true));
        },
        [&] { range = footer ? footer->range() : nullptr; },
        [&] {
            if (range)
                range->insertBefore(QStringLiteral("— "));
        },
        [&] {
            if (range)
                range->setRange(range->start(), range->end() - 2);
        },
        [&] {
            if (range)
                range->insertAfter(QStringLiteral(" —"));
        },
        [&] {
            ParagraphsPtr paragraphs = range ? range->paragraphs() : nullptr;
            if (ParagraphPtr first = paragraphs ? paragraphs->item(1) : nullptr) {
                first->setCharacterUnitLeftIndent(1.0f);
                first->setCharacterUnitRightIndent(1.0f);
            }
        },
        [&] {
            if (FontPtr f = range ? range->font() : nullptr) {
                f->setName(QStringLiteral("宋体"));
                f->setSize(14.0f);
            }
        },
    };

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < int(steps.size()); ++i) {
        if (i == killBefore)
            CHECK_DEAD(kill(app, false));
        steps[i]();
    }
    QVERIFY(timer.elapsed() < 10000);

    if (killBefore < 0) {
        QVERIFY(number);
        QCOMPARE(footer->range()->text(), QStringLiteral("— 1 —\r\r"));
        QCOMPARE(footer->range()->paragraphs()->item(1)->characterUnitLeftIndent(), 1.0f);
        app->quit();
        return;
    }
    // Everything the sequence holds answers nothing.
    if (footer) {
        const RangePtr text = footer->range();
        QVERIFY(!text || text->text().isEmpty());
        QCOMPARE(footer->linkToPrevious(), 0);
    }
    if (range)
        QCOMPARE(range->text(), QString());
    // A page number keeps the alignment it was added with.
    if (number)
        number->alignment();
    if (numbers)
        QCOMPARE(numbers->count(), 0L);
    QVERIFY(!app->activeDocument());
    // Offsets are the range's own: they answer 0 once the death is known.
    QTest::qWait(300);
    if (range)
        QCOMPARE(range->end(), 0L);
    timer.restart();
    app->quit();
    QVERIFY(timer.elapsed() < 2000);
}

void TestLoKill::commandOnKilledOffice_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("letEventsRun");
    QTest::newRow("adaptation, death not yet heard of") << 0 << false;
    QTest::newRow("adaptation, death known") << 0 << true;
    QTest::newRow("landscape page, death not yet heard of") << 1 << false;
    QTest::newRow("landscape page, death known") << 1 << true;
}

// A command started after the office died finds no document and returns.
void TestLoKill::commandOnKilledOffice()
{
    QFETCH(int, command);
    QFETCH(bool, letEventsRun);

    ApplicationPtr app = start();
    QVERIFY(app);
    DocumentPtr document = app->documents()->add();
    QVERIFY(document);
    document->content()->setText(QStringLiteral("标题\n一、总体要求。\n正文。"));
    CHECK_DEAD(kill(app, letEventsRun));

    const format::LayoutSettings settings;
    QElapsedTimer timer;
    timer.start();
    const format::Outcome outcome = command == 0 ? format::adaptPages(app, settings, true, true)
                                                 : format::insertLandscapePage(app, settings);
    QCOMPARE(outcome, format::Outcome::NoDocument);
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(!app->activeDocument());
    app->quit();
}

void TestLoKill::commandKilledWhileRunning_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("adaptation, early") << 0 << 100;
    QTest::newRow("adaptation, in the paragraph pass") << 0 << 700;
    QTest::newRow("landscape page, early") << 1 << 30;
    QTest::newRow("landscape page, later") << 1 << 250;
}

// The office dies while a command is half-way through its calls: the
// command returns (its outcome does not matter) and the document's objects
// answer nothing afterwards.
void TestLoKill::commandKilledWhileRunning()
{
    QFETCH(int, command);
    QFETCH(int, delayMs);

    ApplicationPtr app = start();
    QVERIFY(app);
    DocumentPtr document = app->documents()->add();
    QVERIFY(document);
    QStringList text {QStringLiteral("关于做好年度工作的通知"), QStringLiteral("各单位：")};
    // Long enough that either command is still at work when the office is
    // killed, however fast the machine.
    for (int i = 1; i <= 600; ++i) {
        if (i % 30 == 1)
            text << QStringLiteral("一、第%1部分。要求如下。").arg(i / 30 + 1);
        else if (i % 10 == 1)
            text << QStringLiteral("（一）第%1项。").arg(i);
        else
            text << QStringLiteral("第%1段正文，用于检验命令中途办公软件退出时的处理。").arg(i);
    }
    document->content()->setText(text.join(QLatin1Char('\n')));
    if (command == 1) {
        RangePtr at = document->paragraphs()->item(40)->range();
        at->setRange(at->start(), at->start());
        at->select();
    }

    const qint64 pid = libreoffice::officeProcessId(app);
    QVERIFY(officetest::processRunning(pid));
    std::atomic<qint64> killedAt {-1};
    QElapsedTimer timer;
    timer.start();
    std::thread killer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        if (::kill(static_cast<pid_t>(pid), SIGKILL) == 0)
            killedAt = timer.elapsed();
    });
    const format::LayoutSettings settings;
    if (command == 0)
        format::adaptPages(app, settings, true, true);
    else
        format::insertLandscapePage(app, settings);
    const qint64 returnedAt = timer.elapsed();
    killer.join();
    qInfo("killed at %lld ms, the command returned at %lld ms", qint64(killedAt), returnedAt);

    // The death came while the command was still at work.
    QVERIFY(killedAt >= 0);
    QVERIFY2(returnedAt > killedAt, "the command ended before the office was killed");
    QVERIFY(returnedAt - killedAt < 10000);
    QVERIFY(officetest::waitUntilGone(pid, 5000));
    QVERIFY(!app->activeDocument());
    const ParagraphsPtr paragraphs = document->paragraphs();
    QVERIFY(!paragraphs || paragraphs->count() == 0);
    const SectionsPtr sections = document->sections();
    QVERIFY(!sections || sections->count() == 0);
    app->quit();
}

QTEST_MAIN(TestLoKill)
#include "tst_lokill.moc"
