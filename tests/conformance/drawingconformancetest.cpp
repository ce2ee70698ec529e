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

} // namespace

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
