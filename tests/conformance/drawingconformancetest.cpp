#include "conformancesuite.h"

#include <QtTest>

using namespace automation;

namespace {

QStringList shapeNames(const ShapesPtr &shapes)
{
    QStringList names;
    for (long i = 1, count = shapes->count(); i <= count; ++i) {
        const ShapePtr shape = shapes->item(i);
        names.append(shape ? shape->name() : QStringLiteral("<null>"));
    }
    return names;
}

// Each row's cell texts, joined by "|".
QStringList cellTexts(const TablePtr &table)
{
    QStringList rows;
    for (long row = 1; row <= table->rows()->count(); ++row) {
        QStringList cells;
        for (long cell = 1; cell <= table->rows()->item(row)->cells()->count(); ++cell)
            cells << table->cell(row, cell)->range()->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QString paragraphTextAt(const DocumentPtr &document, long offset)
{
    const ParagraphsPtr paragraphs = document->range(offset, offset)->paragraphs();
    const ParagraphPtr paragraph = paragraphs ? paragraphs->item(1) : nullptr;
    return paragraph ? paragraph->range()->text() : QStringLiteral("<none>");
}

// What a property row reaches: a rectangle, a line, a text box, a 2 x 2 table.
struct Drawn
{
    ShapePtr box, line, textBox;
    TablePtr table;
};

using SetAndRead = double (*)(const Drawn &, double);

} // namespace

Q_DECLARE_METATYPE(SetAndRead)

void DrawingConformanceTest::propertiesReadBack_data()
{
    QTest::addColumn<SetAndRead>("property");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const double unset = qQNaN();
    // Reads back the value set unless another is expected.
    const auto row
        = [](const char *name, SetAndRead property, double value, double expected = qQNaN()) {
              QTest::newRow(name) << property << value << (qIsNaN(expected) ? value : expected);
          };
    const SetAndRead boxLeft = SET_AND_READ(Drawn, d.box, left, setLeft);
    const SetAndRead lineVisible = SET_AND_READ(Drawn, d.line, visible, setVisible);
    const SetAndRead vertical
        = SET_AND_READ(Drawn, d.box, relativeVerticalPosition, setRelativeVerticalPosition);
    const SetAndRead horizontal
        = SET_AND_READ(Drawn, d.line, relativeHorizontalPosition, setRelativeHorizontalPosition);
    const SetAndRead outline = SET_AND_READ(Drawn, d.box->line(), weight, setWeight);
    const SetAndRead lineColour = SET_AND_READ(Drawn, d.line->line()->foreColor(), rgb, setRgb);
    const SetAndRead fillColour = SET_AND_READ(Drawn, d.box->fill()->foreColor(), rgb, setRgb);
    const SetAndRead autoSize = SET_AND_READ(Drawn, d.textBox->textFrame(), autoSize, setAutoSize);
    const SetAndRead cellAlignment
        = SET_AND_READ(Drawn, d.table->cell(1, 1), verticalAlignment, setVerticalAlignment);
    const SetAndRead rowAlignment = SET_AND_READ(Drawn, d.table->rows(), alignment, setAlignment);
#define BORDER_WIDTH(borders, which)                                                               \
    [](const Drawn &d, double v) {                                                                 \
        const BorderPtr b = (borders)->item(which);                                                \
        b->setLineStyle(wdLineStyleSingle);                                                        \
        b->setLineWidth(int(v));                                                                   \
        return double(b->lineStyle() == wdLineStyleSingle ? b->lineWidth() : -1);                  \
    }
    const SetAndRead cellBorder = BORDER_WIDTH(d.table->cell(1, 1)->borders(), wdBorderTop);
    const SetAndRead bottomBorder = [](const Drawn &d, double v) {
        const BorderPtr bottom = d.table->borders()->item(wdBorderBottom);
        bottom->setLineStyle(wdLineStyleSingle);
        bottom->setLineStyle(int(v));
        return double(bottom->lineStyle());
    };
    // The first row is no heading row: not bold, aligned as the others.
    const SetAndRead firstRow = [](const Drawn &d, double) {
        return double(qAbs(d.table->cell(1, 1)->range()->font()->bold())
                      + qAbs(d.table->cell(1, 1)->range()->paragraphFormat()->alignment()
                             - d.table->cell(2, 1)->range()->paragraphFormat()->alignment()));
    };
    row("box at points", boxLeft, 28.35);
    row("box centred", boxLeft, wdShapeCenter);
    row("box at the bottom", SET_AND_READ(Drawn, d.box, top, setTop), wdShapeBottom);
    row("line right", SET_AND_READ(Drawn, d.line, left, setLeft), wdShapeRight);
    row("line at points", SET_AND_READ(Drawn, d.line, top, setTop), 300);
    row("box height", SET_AND_READ(Drawn, d.box, height, setHeight), 30);
    row("box width as added", SET_AND_READ(Drawn, d.box, width, setWidth), unset, 442);
    row("line width", SET_AND_READ(Drawn, d.line, width, setWidth), 200);
    row("line hidden", lineVisible, msoFalse);
    row("any non-zero shows", lineVisible, 1, msoTrue);
    row("box hidden", SET_AND_READ(Drawn, d.box, visible, setVisible), msoFalse);
    row("new shapes placed from the paragraph", vertical, unset,
        wdRelativeVerticalPositionParagraph);
    row("new shapes placed from the column", horizontal, unset, wdRelativeHorizontalPositionColumn);
    row("placed from the page", vertical, wdRelativeVerticalPositionPage);
    row("placed from the line", vertical, wdRelativeVerticalPositionLine);
    row("placed from the margin", horizontal, wdRelativeHorizontalPositionMargin);
    row("placed from the page edge", horizontal, wdRelativeHorizontalPositionPage);
    row("outline 0.75 pt as added", outline, unset, 0.75);
    row("outline 2.25 pt", outline, 2.25);
    row("red line", lineColour, wdColorRed);
    row("colour in Word's order", lineColour, 0x804020);
    row("square dots", SET_AND_READ(Drawn, d.line->line(), dashStyle, setDashStyle),
        msoLineSquareDot);
    row("a line draws two strokes", SET_AND_READ(Drawn, d.line->line(), style, setStyle),
        msoLineThinThick);
    row("outline hidden", SET_AND_READ(Drawn, d.box->line(), visible, setVisible), msoFalse);
    row("white fill as added", fillColour, unset, rgbWhite);
    row("blue fill", fillColour, 0x0000ff);
    row("no fill", SET_AND_READ(Drawn, d.box->fill(), visible, setVisible), msoFalse);
    row("frame fixed as added", autoSize, unset, msoFalse);
    row("frame grows", autoSize, msoTrue);
    row("frame without left margin",
        SET_AND_READ(Drawn, d.textBox->textFrame(), marginLeft, setMarginLeft), 0);
    row("frame bottom margin",
        SET_AND_READ(Drawn, d.textBox->textFrame(), marginBottom, setMarginBottom), 4.5);
    row("cell centred", cellAlignment, wdCellAlignVerticalCenter);
    row("cell at the bottom", cellAlignment, wdCellAlignVerticalBottom);
    row("cell height", SET_AND_READ(Drawn, d.table->cell(1, 1), height, setHeight), 30);
    row("rows centred", rowAlignment, 1);
    row("rows right", rowAlignment, 2);
    row("top padding", SET_AND_READ(Drawn, d.table, topPadding, setTopPadding), 2.5);
    row("first row like the others", firstRow, unset, 0);
    for (int width :
         {wdLineWidth050pt, wdLineWidth075pt, wdLineWidth100pt, wdLineWidth150pt, wdLineWidth225pt})
        row(qPrintable(QStringLiteral("cell border %1").arg(width)), cellBorder, width);
    row("inside border 1.5 pt", BORDER_WIDTH(d.table->borders(), wdBorderVertical),
        wdLineWidth150pt);
#undef BORDER_WIDTH
    row("bottom border removed", bottomBorder, wdLineStyleNone);
}

// Set on a shape, its outline, fill or frame, or on a table, reads back (to 0.03 pt).
void DrawingConformanceTest::propertiesReadBack()
{
    QFETCH(SetAndRead, property);
    QFETCH(double, value);
    QFETCH(double, expected);
    QVERIFY(setBody({"正文"}));
    const ShapesPtr shapes = m_doc->shapes();
    const Drawn drawn {shapes->addShape(msoShapeRectangle, 0, 0, 442, 60),
                       shapes->addLine(0, 100, 442, 100),
                       shapes->addTextbox(msoTextOrientationHorizontal, 0, 200, 200, 80),
                       m_doc->tables()->add(m_doc->range(0, 0), 2, 2)};
    QVERIFY(drawn.box && drawn.line && drawn.textBox && drawn.table);
    const double read = property(drawn, value);
    QVERIFY2(qAbs(read - expected) < 0.03, qPrintable(QString::number(read)));
}

void DrawingConformanceTest::shapeKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("rectangle") << int(Shape::Kind::Rectangle);
    QTest::newRow("text box") << int(Shape::Kind::TextBox);
    QTest::newRow("line") << int(Shape::Kind::Line);
}

// Every shape tells its kind, hides on its own and shares its name (a cover
// per page); a box's text written over keeps the format of the text it replaces.
void DrawingConformanceTest::shapeKinds()
{
    QFETCH(int, kind);
    QVERIFY(setBody({"正文"}));
    const ShapesPtr shapes = m_doc->shapes();
    QList<ShapePtr> added;
    for (float top : {100.0f, 200.0f}) {
        added << (kind == int(Shape::Kind::Line) ? shapes->addLine(10, top, 200, top)
                      : kind == int(Shape::Kind::TextBox)
                      ? shapes->addTextbox(msoTextOrientationDownward, 10, top, 100, 30)
                      : shapes->addShape(msoShapeRectangle, 10, top, 100, 30));
        added.last()->setName(QStringLiteral("gwpagenumber"));
    }
    added[0]->setVisible(msoFalse);
    QCOMPARE(shapes->item(1)->visible() * 2 + shapes->item(2)->visible(), msoFalse * 2 + msoTrue);
    QCOMPARE(shapeNames(shapes), (QStringList {"gwpagenumber", "gwpagenumber"}));
    QCOMPARE(int(shapes->item(2)->kind()), kind);
    const TextFramePtr frame = shapes->item(2)->textFrame();
    QCOMPARE(!frame, kind == int(Shape::Kind::Line));
    if (!frame)
        return;
    if (kind == int(Shape::Kind::TextBox))
        QCOMPARE(frame->orientation(), msoTextOrientationDownward);
    // A frame's text is a story of its own, with offsets from 0.
    QCOMPARE(startAndText(frame->textRange()), QStringLiteral("0:\r"));
    frame->textRange()->insertBefore(QStringLiteral("甲\n乙"));
    QCOMPARE(startAndText(frame->textRange()), QStringLiteral("0:甲\r乙\r"));
    QCOMPARE(paragraphTexts(frame->textRange()->paragraphs()), withMarks({"甲", "乙"}));
    QCOMPARE(bodyParagraphs(), withMarks({"正文"}));
    QCOMPARE(m_doc->content()->end(), 3L);
    frame->textRange()->setText(QStringLiteral("000001"));
    frame->textRange()->font()->setSize(16.0f);
    frame->textRange()->setText(QStringLiteral("000002"));
    QCOMPARE(frame->textRange()->text(), QStringLiteral("000002\r"));
    QCOMPARE(frame->textRange()->font()->size(), 16.0f);
}

void DrawingConformanceTest::deleteNamedShapesWalkingDown_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("suffix and spelling differ")
        << QStringList {"红头", "红头2", "hongtou", "红线", "红头"} << "红头"
        << QStringList {"红头2", "hongtou", "红线"};
    QTest::newRow("case differs") << QStringList {"RedLine", "redline", "RedLine", "RedLine_1"}
                                  << "RedLine" << QStringList {"redline", "RedLine_1"};
    QTest::newRow("all match") << QStringList {"版记", "版记", "版记"} << "版记" << QStringList {};
    QTest::newRow("none match") << QStringList {"版记线", "线版记"} << "版记"
                                << QStringList {"版记线", "线版记"};
}

void DrawingConformanceTest::deleteNamedShapesWalkingDown()
{
    QFETCH(QStringList, names);
    QFETCH(QString, target);
    QFETCH(QStringList, remaining);
    const ShapesPtr shapes = m_doc->shapes();
    for (int i = 0; i < names.size(); ++i)
        (i % 2 ? shapes->addLine(0, 10.0f * i, 100, 10.0f * i)
               : shapes->addShape(msoShapeRectangle, 0, 10.0f * i, 50, 5))
            ->setName(names.at(i));
    QCOMPARE(shapeNames(shapes), names);
    for (long i = shapes->count(); i >= 1; --i) {
        const ShapePtr shape = shapes->item(i);
        if (shape->name() != target)
            continue;
        const QStringList before = shapeNames(shapes).mid(0, int(i - 1));
        shape->remove();
        QCOMPARE(shapeNames(shapes).mid(0, int(i - 1)), before);
    }
    QCOMPARE(shapeNames(shapes), remaining);
}

void DrawingConformanceTest::shapeAnchor_data()
{
    QTest::addColumn<int>("anchorKind");
    QTest::addColumn<long>("paragraph");
    // The insertion point is in paragraph 2.
    QTest::newRow("missing anchor") << 0 << 2L;
    QTest::newRow("integer 0") << 1 << 2L;
    QTest::newRow("range of paragraph 3") << 2 << 3L;
}

void DrawingConformanceTest::shapeAnchor()
{
    QFETCH(int, anchorKind);
    QFETCH(long, paragraph);
    QVERIFY(setBody({"第一段", "第二段", "第三段"}));
    m_doc->range(5, 5)->select();
    const Variant anchor = anchorKind == 0 ? Variant()
        : anchorKind == 1                  ? Variant(0)
                                           : Variant(paragraphRange(3));
    const ShapesPtr shapes = m_doc->shapes();
    const RangePtr expected = paragraphRange(paragraph);
    for (const ShapePtr &shape :
         {shapes->addShape(msoShapeRectangle, 0, 0, 10, 10, anchor),
          shapes->addLine(0, 0, 10, 0, anchor),
          shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, 10, 10, anchor)}) {
        const RangePtr at = shape->anchor();
        QCOMPARE(at->end(), at->start());
        QVERIFY2(at->start() >= expected->start() && at->start() < expected->end(),
                 qPrintable(QString::number(at->start())));
    }
}

void DrawingConformanceTest::tableBeforeParagraph_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    // The paragraph before the table (none when it comes first), the one
    // after it and the last; the body is "abc", "def".
    QTest::addColumn<QStringList>("around");
    QTest::newRow("paragraph range") << 4 << 8 << QStringList {"abc\r", "def\r", "def\r"};
    QTest::newRow("inside a paragraph") << 5 << 5 << QStringList {"d\r", "ef\r", "ef\r"};
    QTest::newRow("start of document") << 0 << 0 << QStringList {"", "abc\r", "def\r"};
}

void DrawingConformanceTest::tableBeforeParagraph()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QStringList, around);
    QVERIFY(setBody({"abc", "def"}));
    const TablePtr table = m_doc->tables()->add(m_doc->range(start, end), 2, 3);
    QCOMPARE(m_doc->tables()->count(), 1L);
    QCOMPARE(cellTexts(table), (QStringList {"\r|\r|\r", "\r|\r|\r"}));
    const RangePtr range = table->range();
    QCOMPARE((QStringList {range->start() ? paragraphTextAt(m_doc, range->start() - 1) : QString(),
                           paragraphTextAt(m_doc, range->end()), bodyParagraphs().last()}),
             around);
    if (range->start())
        QCOMPARE(bodyParagraphs().first(), QStringLiteral("abc\r"));
}

// Cells keep their end mark; removing a row takes its text, the last the table.
void DrawingConformanceTest::tableCellsAndRows()
{
    QVERIFY(setBody({"正文"}));
    const TablesPtr tables = m_doc->tables();
    const TablePtr table = tables->add(paragraphRange(1), 3, 2);
    table->cell(1, 2)->range()->setText(QStringLiteral("甲"));
    table->cell(3, 1)->range()->setText(QStringLiteral("乙\n丙"));
    QCOMPARE(cellTexts(table), (QStringList {"\r|甲\r", "\r|\r", "乙\r丙\r|\r"}));
    table->cell(1, 2)->range()->setText(QString());
    table->cell(1, 1)->range()->setText(QStringLiteral("R1"));
    table->rows()->item(2)->remove();
    QCOMPARE(cellTexts(table), (QStringList {"R1\r|\r", "乙\r丙\r|\r"}));
    table->rows()->item(1)->remove();
    QCOMPARE(tables->count(), 1L);
    tables->item(1)->rows()->item(1)->remove();
    QCOMPARE(tables->count(), 0L);
    QCOMPARE(bodyParagraphs(), withMarks({"正文"}));
}

// Offsets, text and formats around a table follow edits on either side of it.
void DrawingConformanceTest::editsAroundATable()
{
    QVERIFY(setBody({"abc", "def"}));
    const TablePtr table = m_doc->tables()->add(m_doc->range(4, 4), 1, 2);
    const RangePtr after = m_doc->range(6, 9);
    QCOMPARE(after->text(), QStringLiteral("def"));

    table->cell(1, 1)->range()->setText(QStringLiteral("甲乙丙"));
    QCOMPARE((QStringList {startAndText(table->cell(1, 1)->range()),
                           startAndText(table->cell(1, 2)->range()), startAndText(after)}),
             (QStringList {"4:甲乙丙\r", "8:\r", "9:def"}));
    QCOMPARE(m_doc->content()->text(), QStringLiteral("abc\r甲乙丙\r\rdef\r"));
    // Formats past the table land on the characters the offsets name.
    m_doc->range(10, 11)->font()->setSize(20);
    QCOMPARE(m_doc->range(10, 11)->font()->size(), 20.0f);
    QCOMPARE(m_doc->range(9, 10)->font()->size(), table->cell(1, 1)->range()->font()->size());
    QVERIFY(m_doc->range(9, 10)->font()->size() != 20.0f);
}

void DrawingConformanceTest::tableInTextFrame()
{
    const ShapePtr shape = m_doc->shapes()->addShape(msoShapeRectangle, 0, 600, 442, 60);
    QVERIFY(shape && shape->textFrame());
    const TablePtr table = m_doc->tables()->add(shape->textFrame()->textRange(), 2, 2);
    QVERIFY(table);
    QCOMPARE(table->cell(1, 1)->range()->start(), 0L);
    table->cell(1, 1)->range()->setText(QStringLiteral("抄送：各单位"));
    table->cell(2, 2)->range()->setText(QStringLiteral("2024年5月6日印发"));
    QCOMPARE(cellTexts(table), (QStringList {"抄送：各单位\r|\r", "\r|2024年5月6日印发\r"}));
    QVERIFY(table->cell(2, 2)->range()->information(wdWithInTable).toBool());
    QVERIFY(shape->textFrame()->textRange()->text().startsWith(QStringLiteral("抄送：各单位")));
    QCOMPARE(m_doc->tables()->count(), 0L);
    QCOMPARE(m_doc->content()->text(), QStringLiteral("\r"));
}

// Walked from the last, each paragraph selects as itself and tells if it is in a table.
void DrawingConformanceTest::walkSelectingParagraphs()
{
    QVERIFY(setBody({"一", "二", "三"}));
    const TablePtr table = m_doc->tables()->add(paragraphRange(3), 2, 2);
    table->cell(1, 1)->range()->setText(QStringLiteral("格"));
    const RangePtr tableRange = table->range();
    const ParagraphsPtr paragraphs = m_doc->sections()->item(1)->range()->paragraphs();
    long inTable = 0;
    for (long i = paragraphs->count(); i >= 1; --i) {
        const RangePtr range = paragraphs->item(i)->range();
        const Variant within = range->information(wdWithInTable);
        QVERIFY(within.isBool());
        range->select();
        const SelectionPtr selection = m_app->selection();
        QCOMPARE(startAndText(selection->range()), startAndText(range));
        const bool expected
            = range->start() >= tableRange->start() && range->start() < tableRange->end();
        QCOMPARE(within.toBool(), expected);
        QCOMPARE(selection->information(wdWithInTable).toBool(), expected);
        inTable += expected ? 1 : 0;
    }
    QVERIFY(inTable >= 4); // every cell holds a paragraph
}
