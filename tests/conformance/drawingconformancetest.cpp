#include "drawingconformancetest.h"

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

QString paragraphTextAt(const DocumentPtr &document, long offset)
{
    const ParagraphsPtr paragraphs = document->range(offset, offset)->paragraphs();
    const ParagraphPtr paragraph = paragraphs ? paragraphs->item(1) : nullptr;
    return paragraph ? paragraph->range()->text() : QStringLiteral("<none>");
}

// The objects a property row reaches: a rectangle, a line, a text box and a
// 2 x 2 table in a one-paragraph body.
struct Drawn
{
    ShapePtr box, line, textBox;
    TablePtr table;
};

// Sets the property to the value (unless it is NaN) and reads it back.
using SetAndRead = double (*)(const Drawn &, double);

const QHash<QString, SetAndRead> &drawnProperties()
{
    static const QHash<QString, SetAndRead> properties = {
        {"box left",
         [](const Drawn &d, double v) {
             d.box->setLeft(v);
             return double(d.box->left());
         }},
        {"box top",
         [](const Drawn &d, double v) {
             d.box->setTop(v);
             return double(d.box->top());
         }},
        {"line left",
         [](const Drawn &d, double v) {
             d.line->setLeft(v);
             return double(d.line->left());
         }},
        {"line top",
         [](const Drawn &d, double v) {
             d.line->setTop(v);
             return double(d.line->top());
         }},
        {"box height",
         [](const Drawn &d, double v) {
             d.box->setHeight(v);
             return double(d.box->height());
         }},
        {"line width",
         [](const Drawn &d, double v) {
             d.line->setWidth(v);
             return double(d.line->width());
         }},
        {"box width", [](const Drawn &d, double) { return double(d.box->width()); }},
        {"line visible",
         [](const Drawn &d, double v) {
             d.line->setVisible(int(v));
             return double(d.line->visible());
         }},
        {"box visible",
         [](const Drawn &d, double v) {
             d.box->setVisible(int(v));
             return double(d.box->visible());
         }},
        {"vertical relation",
         [](const Drawn &d, double v) {
             if (!qIsNaN(v))
                 d.box->setRelativeVerticalPosition(int(v));
             return double(d.box->relativeVerticalPosition());
         }},
        {"horizontal relation",
         [](const Drawn &d, double v) {
             if (!qIsNaN(v))
                 d.line->setRelativeHorizontalPosition(int(v));
             return double(d.line->relativeHorizontalPosition());
         }},
        {"outline weight",
         [](const Drawn &d, double v) {
             if (!qIsNaN(v))
                 d.box->line()->setWeight(v);
             return double(d.box->line()->weight());
         }},
        {"line colour",
         [](const Drawn &d, double v) {
             d.line->line()->foreColor()->setRgb(int(v));
             return double(d.line->line()->foreColor()->rgb());
         }},
        {"line dash",
         [](const Drawn &d, double v) {
             d.line->line()->setDashStyle(int(v));
             return double(d.line->line()->dashStyle());
         }},
        {"line style",
         [](const Drawn &d, double v) {
             d.line->line()->setStyle(int(v));
             return double(d.line->line()->style());
         }},
        {"outline visible",
         [](const Drawn &d, double v) {
             d.box->line()->setVisible(int(v));
             return double(d.box->line()->visible());
         }},
        {"fill colour",
         [](const Drawn &d, double v) {
             if (!qIsNaN(v))
                 d.box->fill()->foreColor()->setRgb(int(v));
             return double(d.box->fill()->foreColor()->rgb());
         }},
        {"fill visible",
         [](const Drawn &d, double v) {
             d.box->fill()->setVisible(int(v));
             return double(d.box->fill()->visible());
         }},
        {"frame auto size",
         [](const Drawn &d, double v) {
             if (!qIsNaN(v))
                 d.textBox->textFrame()->setAutoSize(int(v));
             return double(d.textBox->textFrame()->autoSize());
         }},
        {"frame left margin",
         [](const Drawn &d, double v) {
             d.textBox->textFrame()->setMarginLeft(v);
             return double(d.textBox->textFrame()->marginLeft());
         }},
        {"frame bottom margin",
         [](const Drawn &d, double v) {
             d.textBox->textFrame()->setMarginBottom(v);
             return double(d.textBox->textFrame()->marginBottom());
         }},
        {"cell vertical alignment",
         [](const Drawn &d, double v) {
             d.table->cell(1, 1)->setVerticalAlignment(int(v));
             return double(d.table->cell(1, 1)->verticalAlignment());
         }},
        {"cell height",
         [](const Drawn &d, double v) {
             d.table->cell(1, 1)->setHeight(v);
             return double(d.table->cell(1, 1)->height());
         }},
        {"row alignment",
         [](const Drawn &d, double v) {
             d.table->rows()->setAlignment(int(v));
             return double(d.table->rows()->alignment());
         }},
        {"first row bold",
         [](const Drawn &d, double) {
             return double(d.table->cell(1, 1)->range()->font()->bold());
         }},
        {"first row aligned as the second",
         [](const Drawn &d, double) {
             return double(d.table->cell(1, 1)->range()->paragraphFormat()->alignment()
                           - d.table->cell(2, 1)->range()->paragraphFormat()->alignment());
         }},
        {"top padding",
         [](const Drawn &d, double v) {
             d.table->setTopPadding(v);
             return double(d.table->topPadding());
         }},
        {"cell border width",
         [](const Drawn &d, double v) {
             const BorderPtr top = d.table->cell(1, 1)->borders()->item(wdBorderTop);
             top->setLineStyle(wdLineStyleSingle);
             top->setLineWidth(int(v));
             return double(top->lineStyle() == wdLineStyleSingle ? top->lineWidth() : -1);
         }},
        {"inside border width",
         [](const Drawn &d, double v) {
             const BorderPtr inside = d.table->borders()->item(wdBorderVertical);
             inside->setLineStyle(wdLineStyleSingle);
             inside->setLineWidth(int(v));
             return double(inside->lineWidth());
         }},
        {"bottom border removed",
         [](const Drawn &d, double v) {
             const BorderPtr bottom = d.table->borders()->item(wdBorderBottom);
             bottom->setLineStyle(wdLineStyleSingle);
             bottom->setLineStyle(int(v));
             return double(bottom->lineStyle());
         }},
    };
    return properties;
}

} // namespace

void DrawingConformanceTest::propertiesReadBack_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    const double unset = qQNaN();
    const auto row = [](const char *name, const char *property, double value, double expected) {
        QTest::newRow(name) << QString::fromUtf8(property) << value << expected;
    };
    row("box at points", "box left", 28.35, 28.35);
    row("box centred", "box left", wdShapeCenter, wdShapeCenter);
    row("box at the bottom", "box top", wdShapeBottom, wdShapeBottom);
    row("line right", "line left", wdShapeRight, wdShapeRight);
    row("line at points", "line top", 300, 300);
    row("box height", "box height", 30, 30);
    row("box width as added", "box width", unset, 442);
    row("line width", "line width", 200, 200);
    row("line hidden", "line visible", msoFalse, msoFalse);
    row("any non-zero shows", "line visible", 1, msoTrue);
    row("box hidden", "box visible", msoFalse, msoFalse);
    row("new shapes placed from the paragraph", "vertical relation", unset,
        wdRelativeVerticalPositionParagraph);
    row("new shapes placed from the column", "horizontal relation", unset,
        wdRelativeHorizontalPositionColumn);
    row("placed from the page", "vertical relation", wdRelativeVerticalPositionPage,
        wdRelativeVerticalPositionPage);
    row("placed from the line", "vertical relation", wdRelativeVerticalPositionLine,
        wdRelativeVerticalPositionLine);
    row("placed from the margin", "horizontal relation", wdRelativeHorizontalPositionMargin,
        wdRelativeHorizontalPositionMargin);
    row("placed from the page edge", "horizontal relation", wdRelativeHorizontalPositionPage,
        wdRelativeHorizontalPositionPage);
    row("outline 0.75 pt as added", "outline weight", unset, 0.75);
    row("outline 2.25 pt", "outline weight", 2.25, 2.25);
    row("red line", "line colour", wdColorRed, wdColorRed);
    row("colour in Word's order", "line colour", 0x804020, 0x804020);
    row("square dots", "line dash", msoLineSquareDot, msoLineSquareDot);
    row("a line draws two strokes", "line style", msoLineThinThick, msoLineThinThick);
    row("outline hidden", "outline visible", msoFalse, msoFalse);
    row("white fill as added", "fill colour", unset, rgbWhite);
    row("blue fill", "fill colour", 0x0000ff, 0x0000ff);
    row("no fill", "fill visible", msoFalse, msoFalse);
    row("frame fixed as added", "frame auto size", unset, msoFalse);
    row("frame grows", "frame auto size", msoTrue, msoTrue);
    row("frame without left margin", "frame left margin", 0, 0);
    row("frame bottom margin", "frame bottom margin", 4.5, 4.5);
    row("cell centred", "cell vertical alignment", wdCellAlignVerticalCenter,
        wdCellAlignVerticalCenter);
    row("cell at the bottom", "cell vertical alignment", wdCellAlignVerticalBottom,
        wdCellAlignVerticalBottom);
    row("cell height", "cell height", 30, 30);
    row("rows centred", "row alignment", 1, 1);
    row("rows right", "row alignment", 2, 2);
    row("top padding", "top padding", 2.5, 2.5);
    // The first row is no heading row: its cells look like the others.
    row("first row not bold", "first row bold", unset, 0);
    row("first row aligned as the others", "first row aligned as the second", unset, 0);
    for (int width : {wdLineWidth050pt, wdLineWidth075pt, wdLineWidth100pt, wdLineWidth150pt,
                      wdLineWidth225pt}) {
        QTest::newRow(qPrintable(QStringLiteral("cell border %1").arg(width)))
            << QStringLiteral("cell border width") << double(width) << double(width);
    }
    row("inside border 1.5 pt", "inside border width", wdLineWidth150pt, wdLineWidth150pt);
    row("bottom border removed", "bottom border removed", wdLineStyleNone, wdLineStyleNone);
}

// What is set on a shape, its outline, fill and text frame, or on a table
// reads back; lengths to within 0.03 pt (a writer may keep 1/100 mm).
void DrawingConformanceTest::propertiesReadBack()
{
    QFETCH(QString, property);
    QFETCH(double, value);
    QFETCH(double, expected);
    QVERIFY(setBody({"正文"}));
    const ShapesPtr shapes = m_doc->shapes();
    const Drawn drawn {shapes->addShape(msoShapeRectangle, 0, 0, 442, 60),
                       shapes->addLine(0, 100, 442, 100),
                       shapes->addTextbox(msoTextOrientationHorizontal, 0, 200, 200, 80),
                       m_doc->tables()->add(m_doc->range(0, 0), 2, 2)};
    QVERIFY(drawn.box && drawn.line && drawn.textBox && drawn.table);
    const SetAndRead setAndRead = drawnProperties().value(property);
    QVERIFY(setAndRead);
    const double read = setAndRead(drawn, value);
    QVERIFY2(qAbs(read - expected) < 0.03,
             qPrintable(QStringLiteral("%1 read back as %2").arg(property).arg(read)));
}

void DrawingConformanceTest::shapeKinds()
{
    const ShapesPtr shapes = m_doc->shapes();
    QVERIFY(shapes);
    QCOMPARE(shapes->count(), 0L);
    const ShapePtr rectangle = shapes->addShape(msoShapeRectangle, 10, 20, 100, 50);
    const ShapePtr line = shapes->addLine(0, 100, 200, 100);
    const ShapePtr box = shapes->addTextbox(msoTextOrientationDownward, 0, 0, 34.01575f, 56.69291f);
    QVERIFY(rectangle && line && box);
    rectangle->setName(QStringLiteral("红头"));
    line->setName(QStringLiteral("红线"));
    box->setName(QStringLiteral("页码"));

    QCOMPARE(shapes->count(), 3L);
    QCOMPARE(shapeNames(shapes), (QStringList {"红头", "红线", "页码"}));
    QVERIFY(shapes->item(1)->kind() == Shape::Kind::Rectangle);
    QVERIFY(shapes->item(2)->kind() == Shape::Kind::Line);
    QVERIFY(shapes->item(3)->kind() == Shape::Kind::TextBox);
    QVERIFY(shapes->item(1)->textFrame());
    QVERIFY(!shapes->item(2)->textFrame());
    const TextFramePtr frame = shapes->item(3)->textFrame();
    QVERIFY(frame);
    QCOMPARE(frame->orientation(), msoTextOrientationDownward);
}

void DrawingConformanceTest::textFrameIsOwnStory()
{
    QVERIFY(setBody({"正文"}));
    const ShapePtr box = m_doc->shapes()->addTextbox(msoTextOrientationHorizontal, 0, 0, 200, 80);
    QVERIFY(box && box->textFrame());
    const RangePtr text = box->textFrame()->textRange();
    QVERIFY(text);
    QCOMPARE(text->start(), 0L);
    QCOMPARE(text->text(), QStringLiteral("\r"));
    text->insertBefore(QStringLiteral("甲\n乙"));

    const RangePtr fresh = box->textFrame()->textRange();
    QCOMPARE(fresh->start(), 0L);
    QCOMPARE(fresh->end(), 4L);
    QCOMPARE(paragraphTexts(fresh->paragraphs()), withMarks({"甲", "乙"}));
    QCOMPARE(bodyParagraphs(), withMarks({"正文"}));
    QCOMPARE(m_doc->content()->end(), 3L);
}

void DrawingConformanceTest::hiddenAndSharedNames_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("rectangle") << int(Shape::Kind::Rectangle);
    QTest::newRow("text box") << int(Shape::Kind::TextBox);
    QTest::newRow("line") << int(Shape::Kind::Line);
}

// Every shape hides on its own and shares its name with others (a cover per
// page, one name); a box's text written over keeps the format of the text
// it replaces (each printed copy's number).
void DrawingConformanceTest::hiddenAndSharedNames()
{
    QFETCH(int, kind);
    const ShapesPtr shapes = m_doc->shapes();
    QList<ShapePtr> added;
    for (float top : {100.0f, 200.0f}) {
        added << (kind == int(Shape::Kind::Line) ? shapes->addLine(10, top, 200, top)
                      : kind == int(Shape::Kind::TextBox)
                      ? shapes->addTextbox(msoTextOrientationHorizontal, 10, top, 100, 30)
                      : shapes->addShape(msoShapeRectangle, 10, top, 100, 30));
        added.last()->setName(QStringLiteral("gwpagenumber"));
    }
    added[0]->setVisible(msoFalse);
    QCOMPARE(shapes->item(1)->visible() * 2 + shapes->item(2)->visible(), msoFalse * 2 + msoTrue);
    QCOMPARE(shapeNames(shapes), (QStringList {"gwpagenumber", "gwpagenumber"}));
    if (const TextFramePtr frame = added[1]->textFrame()) {
        frame->textRange()->setText(QStringLiteral("000001"));
        frame->textRange()->font()->setSize(16.0f);
        frame->textRange()->setText(QStringLiteral("000002"));
        QCOMPARE(frame->textRange()->text(), QStringLiteral("000002\r"));
        QCOMPARE(frame->textRange()->font()->size(), 16.0f);
    }
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
    for (int i = 0; i < names.size(); ++i) {
        const ShapePtr shape = i % 2 ? shapes->addLine(0, 10.0f * i, 100, 10.0f * i)
                                     : shapes->addShape(msoShapeRectangle, 0, 10.0f * i, 50, 5);
        QVERIFY(shape);
        shape->setName(names.at(i));
    }
    QCOMPARE(shapeNames(shapes), names);

    for (long i = shapes->count(); i >= 1; --i) {
        const ShapePtr shape = shapes->item(i);
        QVERIFY(shape);
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
    const ShapePtr added[]
        = {shapes->addShape(msoShapeRectangle, 0, 0, 10, 10, anchor),
           shapes->addLine(0, 0, 10, 0, anchor),
           shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, 10, 10, anchor)};
    const RangePtr expected = paragraphRange(paragraph);
    for (const ShapePtr &shape : added) {
        QVERIFY(shape);
        const RangePtr at = shape->anchor();
        QVERIFY(at);
        QCOMPARE(at->end(), at->start());
        QVERIFY2(at->start() >= expected->start() && at->start() < expected->end(),
                 qPrintable(QString::number(at->start())));
    }
}

void DrawingConformanceTest::tableBeforeParagraph_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("last");
    // The body is "abc", "def"; "before" is empty when the table comes first.
    QTest::newRow("paragraph range") << 4 << 8 << "abc\r"
                                     << "def\r"
                                     << "def\r";
    QTest::newRow("inside a paragraph") << 5 << 5 << "d\r"
                                        << "ef\r"
                                        << "ef\r";
    QTest::newRow("start of document") << 0 << 0 << ""
                                       << "abc\r"
                                       << "def\r";
}

void DrawingConformanceTest::tableBeforeParagraph()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, last);
    QVERIFY(setBody({"abc", "def"}));
    const TablesPtr tables = m_doc->tables();
    const TablePtr table = tables->add(m_doc->range(start, end), 2, 3);
    QVERIFY(table);
    QCOMPARE(tables->count(), 1L);
    QCOMPARE(table->rows()->count(), 2L);
    for (long row = 1; row <= 2; ++row) {
        QCOMPARE(table->rows()->item(row)->cells()->count(), 3L);
        for (long column = 1; column <= 3; ++column)
            QCOMPARE(table->cell(row, column)->range()->text(), QStringLiteral("\r"));
    }
    const RangePtr range = table->range();
    QVERIFY(range);
    if (before.isEmpty()) {
        QCOMPARE(range->start(), 0L);
    } else {
        QCOMPARE(paragraphTextAt(m_doc, range->start() - 1), before);
        QCOMPARE(bodyParagraphs().first(), QStringLiteral("abc\r"));
    }
    QCOMPARE(paragraphTextAt(m_doc, range->end()), after);
    QCOMPARE(bodyParagraphs().last(), last);
}

void DrawingConformanceTest::tableCellText()
{
    QVERIFY(setBody({"正文"}));
    const TablePtr table = m_doc->tables()->add(paragraphRange(1), 2, 2);
    QVERIFY(table);
    table->cell(1, 2)->range()->setText(QStringLiteral("甲"));
    table->cell(2, 1)->range()->setText(QStringLiteral("乙\n丙"));
    QCOMPARE(table->cell(1, 2)->range()->text(), QStringLiteral("甲\r"));
    QCOMPARE(table->cell(2, 1)->range()->text(), QStringLiteral("乙\r丙\r"));
    QCOMPARE(table->cell(1, 1)->range()->text(), QStringLiteral("\r"));
    // The end mark of a cell stays.
    table->cell(1, 2)->range()->setText(QString());
    QCOMPARE(table->cell(1, 2)->range()->text(), QStringLiteral("\r"));
    QCOMPARE(table->rows()->item(1)->cells()->count(), 2L);

    const Variant inside = table->cell(2, 2)->range()->information(wdWithInTable);
    QVERIFY(inside.isBool());
    QVERIFY(inside.toBool());
    const RangePtr body = paragraphRange(bodyParagraphs().size());
    QCOMPARE(body->text(), QStringLiteral("正文\r"));
    const Variant outside = body->information(wdWithInTable);
    QVERIFY(outside.isBool());
    QVERIFY(!outside.toBool());
}

void DrawingConformanceTest::tableRowRemove()
{
    QVERIFY(setBody({"正文"}));
    const TablesPtr tables = m_doc->tables();
    const TablePtr table = tables->add(paragraphRange(1), 3, 2);
    QVERIFY(table);
    for (long row = 1; row <= 3; ++row)
        table->cell(row, 1)->range()->setText(QStringLiteral("R%1").arg(row));
    table->rows()->item(2)->remove();
    QCOMPARE(table->rows()->count(), 2L);
    QCOMPARE(table->cell(1, 1)->range()->text(), QStringLiteral("R1\r"));
    QCOMPARE(table->cell(2, 1)->range()->text(), QStringLiteral("R3\r"));

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
    QVERIFY(table);
    const RangePtr after = m_doc->range(6, 9);
    QCOMPARE(after->text(), QStringLiteral("def"));

    table->cell(1, 1)->range()->setText(QStringLiteral("甲乙丙"));
    QCOMPARE(table->cell(1, 1)->range()->start(), 4L);
    QCOMPARE(table->cell(1, 2)->range()->start(), 8L);
    QCOMPARE(after->start(), 9L);
    QCOMPARE(after->text(), QStringLiteral("def"));
    QCOMPARE(m_doc->content()->text(), QStringLiteral("abc\r甲乙丙\r\rdef\r"));
    // Formats past the table land on the characters the offsets name, not
    // on characters inside the table.
    m_doc->range(10, 11)->font()->setSize(20);
    QCOMPARE(m_doc->range(10, 11)->font()->size(), 20.0f);
    QCOMPARE(m_doc->range(9, 10)->font()->size(), table->cell(1, 1)->range()->font()->size());
    QVERIFY(m_doc->range(9, 10)->font()->size() != 20.0f);
}

void DrawingConformanceTest::tableInTextFrame()
{
    const ShapePtr shape = m_doc->shapes()->addShape(msoShapeRectangle, 0, 600, 442, 60);
    QVERIFY(shape && shape->textFrame());
    const RangePtr text = shape->textFrame()->textRange();
    QVERIFY(text);
    const TablePtr table = m_doc->tables()->add(text, 2, 2);
    QVERIFY(table);
    QCOMPARE(table->rows()->count(), 2L);
    const RangePtr cell = table->cell(1, 1)->range();
    QCOMPARE(cell->start(), 0L);
    cell->setText(QStringLiteral("抄送：各单位"));
    table->cell(2, 2)->range()->setText(QStringLiteral("2024年5月6日印发"));
    QCOMPARE(table->cell(1, 1)->range()->text(), QStringLiteral("抄送：各单位\r"));
    QCOMPARE(table->cell(2, 2)->range()->text(), QStringLiteral("2024年5月6日印发\r"));
    QVERIFY(table->cell(2, 2)->range()->information(wdWithInTable).toBool());
    QVERIFY(shape->textFrame()->textRange()->text().startsWith(QStringLiteral("抄送：各单位")));

    QCOMPARE(m_doc->tables()->count(), 0L);
    QCOMPARE(m_doc->content()->text(), QStringLiteral("\r"));
}

void DrawingConformanceTest::walkSelectingParagraphs()
{
    QVERIFY(setBody({"一", "二", "三"}));
    const TablePtr table = m_doc->tables()->add(paragraphRange(3), 2, 2);
    QVERIFY(table);
    table->cell(1, 1)->range()->setText(QStringLiteral("格"));
    const RangePtr tableRange = table->range();

    const ParagraphsPtr paragraphs = m_doc->sections()->item(1)->range()->paragraphs();
    QVERIFY(paragraphs);
    long inTable = 0;
    for (long i = paragraphs->count(); i >= 1; --i) {
        const ParagraphPtr p = paragraphs->item(i);
        QVERIFY(p);
        const RangePtr range = p->range();
        const Variant within = range->information(wdWithInTable);
        QVERIFY(within.isBool());
        range->select();
        const SelectionPtr selection = m_app->selection();
        QVERIFY(selection);
        QCOMPARE(selection->start(), range->start());
        QCOMPARE(selection->end(), range->end());
        const bool expected
            = range->start() >= tableRange->start() && range->start() < tableRange->end();
        QCOMPARE(within.toBool(), expected);
        QCOMPARE(selection->information(wdWithInTable).toBool(), expected);
        inTable += expected ? 1 : 0;
    }
    QVERIFY(inTable >= 4); // every cell holds a paragraph

    const RangePtr start = paragraphRange(1);
    start->setRange(0, 0);
    start->select();
    QCOMPARE(m_app->selection()->start(), 0L);
    QCOMPARE(m_app->selection()->end(), 0L);
}
