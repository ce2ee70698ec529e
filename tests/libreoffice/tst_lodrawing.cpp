#include "automation/automation.h"
#include "libreoffice/lofiles.h"
#include "sharedoffice.h"

#include <QtTest>

using namespace automation;

// Shapes and tables on a headless LibreOffice Writer, where they depend on
// how the office is driven: rectangles and text boxes are drawing shapes with
// a text frame attached, whose names the document keeps, positions are orientations in 1/100 mm,
// colours are swapped to the office's RGB, and tables are text contents of
// whatever text the range given to Add lies in.
class TestLoDrawing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kindsAndDuplicateNames();
    void deleteWalkingDown();
    void positions_data();
    void positions();
    void relativePositions_data();
    void relativePositions();
    void sizeVisibleAndColours();
    void textFrameFormat();
    void anchors();
    void footerShapes();
    void tableAtRange_data();
    void tableAtRange();
    void tableRowsAndCells();
    void borderWidths_data();
    void borderWidths();
    void tableInTextFrame();
    void editsAroundATable();

private:
    bool setBody(const QStringList &paragraphs);
    QStringList names() const;

    SharedOffice m_office;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
};

void TestLoDrawing::init()
{
    m_app = m_office.application();
    QVERIFY(m_app);
    m_doc = m_app->documents()->add();
    QVERIFY(m_doc);
}

void TestLoDrawing::cleanup()
{
    m_doc.reset();
    if (m_app)
        m_app->quit(Variant(false));
    m_app.reset();
}

bool TestLoDrawing::setBody(const QStringList &paragraphs)
{
    m_doc->content()->insertBefore(paragraphs.join(QLatin1Char('\n')));
    const ParagraphsPtr all = m_doc->paragraphs();
    return all && all->count() == paragraphs.size();
}

QStringList TestLoDrawing::names() const
{
    QStringList result;
    const ShapesPtr shapes = m_doc->shapes();
    for (long i = 1, n = shapes->count(); i <= n; ++i)
        result.append(shapes->item(i)->name());
    return result;
}

void TestLoDrawing::kindsAndDuplicateNames()
{
    const ShapesPtr shapes = m_doc->shapes();
    QVERIFY(shapes);
    const ShapePtr first = shapes->addShape(msoShapeRectangle, 0, 0, 50, 20);
    const ShapePtr second = shapes->addTextbox(msoTextOrientationDownward, 0, 40, 30, 60);
    const ShapePtr line = shapes->addLine(0, 120, 200, 120);
    QVERIFY(first && second && line);
    // Several shapes share a name.
    first->setName(QStringLiteral("版记"));
    second->setName(QStringLiteral("版记"));
    line->setName(QStringLiteral("版记"));
    QCOMPARE(names(), (QStringList {"版记", "版记", "版记"}));
    QVERIFY(shapes->item(1)->kind() == Shape::Kind::Rectangle);
    QVERIFY(shapes->item(2)->kind() == Shape::Kind::TextBox);
    QVERIFY(shapes->item(3)->kind() == Shape::Kind::Line);
    QCOMPARE(shapes->item(2)->textFrame()->orientation(), msoTextOrientationDownward);
    QCOMPARE(shapes->item(1)->textFrame()->orientation(), msoTextOrientationHorizontal);
    QVERIFY(!shapes->item(3)->textFrame());

    // Renamed again, the kept kind follows the object.
    second->setName(QStringLiteral("页码"));
    QCOMPARE(names(), (QStringList {"版记", "页码", "版记"}));
    QVERIFY(shapes->item(2)->kind() == Shape::Kind::TextBox);

    // The names are the document's: a Word file brings every one back, and
    // a hidden box stays hidden.
    second->setName(QStringLiteral("版记"));
    first->setVisible(msoFalse);
    QTemporaryDir dir;
    const QString docx = dir.filePath(QStringLiteral("names.docx"));
    QVERIFY(libreoffice::saveDocumentAs(m_office.officeApplication(), docx));
    m_doc->close(Variant(false));
    QVERIFY(libreoffice::openDocument(m_office.officeApplication(), docx));
    m_doc = m_app->activeDocument();
    QVERIFY(m_doc);
    QCOMPARE(names(), (QStringList {"版记", "版记", "版记"}));
    QCOMPARE(m_doc->shapes()->item(1)->visible(), msoFalse);
    QCOMPARE(m_doc->shapes()->item(2)->visible(), msoTrue);
}

void TestLoDrawing::deleteWalkingDown()
{
    const ShapesPtr shapes = m_doc->shapes();
    const QStringList added {"红线", "红头", "红线", "红线", "版记"};
    for (int i = 0; i < added.size(); ++i) {
        const ShapePtr shape = i % 2 ? shapes->addShape(msoShapeRectangle, 0, 20.0f * i, 40, 10)
                                     : shapes->addLine(0, 20.0f * i, 100, 20.0f * i);
        QVERIFY(shape);
        shape->setName(added.at(i));
    }
    for (long i = shapes->count(); i >= 1; --i) {
        if (shapes->item(i)->name() == QStringLiteral("红线"))
            shapes->item(i)->remove();
    }
    QCOMPARE(names(), (QStringList {"红头", "版记"}));
    QVERIFY(shapes->item(1)->kind() == Shape::Kind::Rectangle);
    QVERIFY(shapes->item(2)->kind() == Shape::Kind::Line);
    QVERIFY(!shapes->item(3));
    QVERIFY(!shapes->item(0));
}

void TestLoDrawing::positions_data()
{
    QTest::addColumn<bool>("line");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("frame at points") << false << 28.35f << 56.7f;
    QTest::newRow("frame centred, at bottom") << false << wdShapeCenter << wdShapeBottom;
    QTest::newRow("frame right, top") << false << wdShapeRight << wdShapeTop;
    QTest::newRow("line at points") << true << 10.0f << 300.0f;
    QTest::newRow("line left, centred") << true << wdShapeLeft << wdShapeCenter;
}

void TestLoDrawing::positions()
{
    QFETCH(bool, line);
    QFETCH(float, left);
    QFETCH(float, top);
    const ShapesPtr shapes = m_doc->shapes();
    const ShapePtr shape
        = line ? shapes->addLine(0, 0, 100, 0) : shapes->addShape(msoShapeRectangle, 5, 5, 100, 40);
    QVERIFY(shape);
    shape->setLeft(left);
    shape->setTop(top);
    // 1/100 mm keeps a point to within 0.03.
    QVERIFY2(qAbs(shape->left() - left) < 0.03f, qPrintable(QString::number(shape->left())));
    QVERIFY2(qAbs(shape->top() - top) < 0.03f, qPrintable(QString::number(shape->top())));
    shape->setLeft(12);
    QVERIFY(qAbs(shape->left() - 12) < 0.03f);
}

void TestLoDrawing::relativePositions_data()
{
    QTest::addColumn<int>("vertical");
    QTest::addColumn<int>("horizontal");
    QTest::newRow("margin") << wdRelativeVerticalPositionMargin
                            << wdRelativeHorizontalPositionMargin;
    QTest::newRow("page") << wdRelativeVerticalPositionPage << wdRelativeHorizontalPositionPage;
    QTest::newRow("line, column") << wdRelativeVerticalPositionLine
                                  << wdRelativeHorizontalPositionColumn;
    QTest::newRow("paragraph, page")
        << wdRelativeVerticalPositionParagraph << wdRelativeHorizontalPositionPage;
}

void TestLoDrawing::relativePositions()
{
    QFETCH(int, vertical);
    QFETCH(int, horizontal);
    QVERIFY(setBody({"一", "二"}));
    const ShapesPtr shapes = m_doc->shapes();
    const ShapePtr added[]
        = {shapes->addShape(msoShapeRectangle, 0, 0, 100, 40), shapes->addLine(0, 50, 100, 50)};
    for (const ShapePtr &shape : added) {
        QVERIFY(shape);
        // New shapes are placed from the column and the paragraph.
        QCOMPARE(shape->relativeVerticalPosition(), wdRelativeVerticalPositionParagraph);
        QCOMPARE(shape->relativeHorizontalPosition(), wdRelativeHorizontalPositionColumn);
        shape->setRelativeVerticalPosition(vertical);
        shape->setRelativeHorizontalPosition(horizontal);
        QCOMPARE(shape->relativeVerticalPosition(), vertical);
        QCOMPARE(shape->relativeHorizontalPosition(), horizontal);
    }
}

void TestLoDrawing::sizeVisibleAndColours()
{
    const ShapesPtr shapes = m_doc->shapes();
    const ShapePtr box = shapes->addShape(msoShapeRectangle, 0, 0, 442, 60);
    const ShapePtr line = shapes->addLine(0, 100, 442, 100);
    QVERIFY(box && line);
    QVERIFY(qAbs(box->width() - 442) < 0.03f);
    QVERIFY(qAbs(box->height() - 60) < 0.03f);
    QVERIFY(qAbs(line->width() - 442) < 0.03f);
    box->setHeight(30);
    QVERIFY(qAbs(box->height() - 30) < 0.03f);
    line->setWidth(200);
    QVERIFY(qAbs(line->width() - 200) < 0.03f);

    QCOMPARE(line->visible(), msoTrue);
    line->setVisible(msoFalse);
    QCOMPARE(line->visible(), msoFalse);
    QCOMPARE(m_doc->shapes()->count(), 2L);
    line->setVisible(1); // any non-zero value shows it
    QCOMPARE(line->visible(), msoTrue);
    box->setVisible(msoFalse);
    QCOMPARE(box->visible(), msoFalse);
    box->setVisible(msoTrue);

    for (const ShapePtr &shape : {line, box}) {
        const LineFormatPtr outline = shape->line();
        QCOMPARE(outline->visible(), msoTrue);
        QVERIFY(qAbs(outline->weight() - 0.75f) < 0.03f);
        outline->setWeight(2.25f);
        QVERIFY(qAbs(outline->weight() - 2.25f) < 0.03f);
        outline->foreColor()->setRgb(wdColorRed);
        QCOMPARE(outline->foreColor()->rgb(), wdColorRed);
        outline->foreColor()->setRgb(0x804020);
        QCOMPARE(outline->foreColor()->rgb(), 0x804020);
        outline->setDashStyle(msoLineSquareDot);
        QCOMPARE(outline->dashStyle(), msoLineSquareDot);
        outline->setDashStyle(msoLineSolid);
        QCOMPARE(outline->dashStyle(), msoLineSolid);
        outline->setVisible(msoFalse);
        QCOMPARE(outline->visible(), msoFalse);
    }
    // A box's outline draws one stroke; a line takes two.
    box->line()->setStyle(msoLineThinThick);
    QCOMPARE(box->line()->style(), msoLineSingle);
    line->line()->setStyle(msoLineThinThick);
    QCOMPARE(line->line()->style(), msoLineThinThick);

    const FillFormatPtr fill = box->fill();
    QCOMPARE(fill->visible(), msoTrue);
    QCOMPARE(fill->foreColor()->rgb(), rgbWhite);
    fill->foreColor()->setRgb(0x0000ff);
    QCOMPARE(fill->foreColor()->rgb(), 0x0000ff);
    fill->setVisible(msoFalse);
    QCOMPARE(fill->visible(), msoFalse);
}

void TestLoDrawing::textFrameFormat()
{
    QVERIFY(setBody({"正文"}));
    const ShapePtr box = m_doc->shapes()->addTextbox(msoTextOrientationHorizontal, 0, 0, 200, 80);
    QVERIFY(box);
    const TextFramePtr frame = box->textFrame();
    QVERIFY(frame);
    QCOMPARE(frame->autoSize(), msoFalse);
    frame->setAutoSize(msoTrue);
    QCOMPARE(frame->autoSize(), msoTrue);
    frame->setMarginLeft(0);
    frame->setMarginRight(1.5f);
    frame->setMarginTop(3);
    frame->setMarginBottom(4.5f);
    QVERIFY(qAbs(frame->marginLeft()) < 0.03f);
    QVERIFY(qAbs(frame->marginRight() - 1.5f) < 0.03f);
    QVERIFY(qAbs(frame->marginTop() - 3) < 0.03f);
    QVERIFY(qAbs(frame->marginBottom() - 4.5f) < 0.03f);

    frame->textRange()->setText(QStringLiteral("— 1 —"));
    QCOMPARE(frame->textRange()->text(), QStringLiteral("— 1 —\r"));
    QCOMPARE(m_doc->content()->text(), QStringLiteral("正文\r"));
    QVERIFY(!frame->textRange()->information(wdWithInTable).toBool());
}

void TestLoDrawing::anchors()
{
    QVERIFY(setBody({"一", "二", "三"}));
    const ShapesPtr shapes = m_doc->shapes();
    const RangePtr third = m_doc->paragraphs()->item(3)->range();
    // Anchored at a range inside paragraph 3: the anchor is that paragraph's
    // start.
    const ShapePtr shape
        = shapes->addShape(msoShapeRectangle, 0, 0, 20, 20, Variant(m_doc->range(5, 5)));
    QVERIFY(shape);
    const RangePtr anchor = shape->anchor();
    QVERIFY(anchor);
    QCOMPARE(anchor->start(), third->start());
    QCOMPARE(anchor->end(), third->start());

    // A shape anchored in a text frame's text is not one of the body's.
    const ShapePtr box = shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, 100, 40);
    QVERIFY(box);
    box->textFrame()->textRange()->setText(QStringLiteral("甲\n乙"));
    const ShapePtr inner = shapes->addLine(0, 0, 20, 0, Variant(box->textFrame()->textRange()));
    QVERIFY(inner);
    QCOMPARE(shapes->count(), 2L);
    QCOMPARE(inner->anchor()->start(), 0L);
}

void TestLoDrawing::footerShapes()
{
    QVERIFY(setBody({"正文"}));
    const HeaderFooterPtr footer
        = m_doc->sections()->item(1)->footers()->item(wdHeaderFooterPrimary);
    QVERIFY(footer);
    const ShapesPtr shapes = footer->shapes();
    QVERIFY(shapes);
    QCOMPARE(shapes->count(), 0L);
    // Without an anchor a footer's shape goes to the footer's start.
    const ShapePtr box = shapes->addTextbox(msoTextOrientationDownward, 0, 0, 34.01575f, 56.69291f);
    QVERIFY(box);
    box->setName(QStringLiteral("页码"));
    QVERIFY(m_doc->shapes()->addShape(msoShapeRectangle, 0, 0, 50, 20));
    QCOMPARE(shapes->count(), 1L);
    QCOMPARE(shapes->item(1)->name(), QStringLiteral("页码"));
    QCOMPARE(m_doc->shapes()->count(), 1L);
    QCOMPARE(box->anchor()->start(), 0L);

    box->textFrame()->textRange()->setText(QStringLiteral("— 1 —"));
    QCOMPARE(footer->range()->text(), QStringLiteral("\r"));
    box->remove();
    QCOMPARE(shapes->count(), 0L);
    QCOMPARE(m_doc->shapes()->count(), 1L);
}

void TestLoDrawing::tableAtRange_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("body");
    QTest::addColumn<long>("tableAt");
    // Body text after the table went in (marks left out), and the offset
    // where the table's range starts: it spans the six cells' marks.
    QTest::newRow("start of document") << 0 << "abc\rdef\r" << 0L;
    QTest::newRow("paragraph start") << 4 << "abc\rdef\r" << 4L;
    QTest::newRow("inside a paragraph") << 5 << "abc\rd\ref\r" << 6L;
}

void TestLoDrawing::tableAtRange()
{
    QFETCH(int, start);
    QFETCH(QString, body);
    QFETCH(long, tableAt);
    QVERIFY(setBody({"abc", "def"}));
    const TablesPtr tables = m_doc->tables();
    QVERIFY(tables);
    QCOMPARE(tables->count(), 0L);
    const TablePtr table = tables->add(m_doc->range(start, start), 2, 3);
    QVERIFY(table);
    QCOMPARE(tables->count(), 1L);
    QCOMPARE(m_doc->content()->text().remove(QLatin1Char('\r')), QString(body).remove('\r'));
    const RangePtr range = table->range();
    QVERIFY(range);
    QCOMPARE(range->start(), tableAt);
    QCOMPARE(range->end(), tableAt + 6);
    QCOMPARE(range->text(), QStringLiteral("\r\r\r\r\r\r"));
    QCOMPARE(m_doc->range(range->end(), range->end())->paragraphs()->item(1)->range()->text(),
             body.mid(int(tableAt)).section(QLatin1Char('\r'), 0, 0) + QLatin1Char('\r'));
    QVERIFY(!tables->item(2));
}

void TestLoDrawing::tableRowsAndCells()
{
    QVERIFY(setBody({"正文"}));
    const TablePtr table = m_doc->tables()->add(m_doc->range(0, 0), 3, 2);
    QVERIFY(table);
    const RowsPtr rows = table->rows();
    QCOMPARE(rows->count(), 3L);
    QVERIFY(!rows->item(4));
    QVERIFY(!table->cell(1, 3));
    QCOMPARE(rows->item(2)->cells()->count(), 2L);
    // The first row is no heading row: its cells look like the others.
    table->cell(1, 1)->range()->setText(QStringLiteral("甲"));
    QCOMPARE(table->cell(1, 1)->range()->font()->bold(), 0);
    QCOMPARE(table->cell(1, 1)->range()->paragraphFormat()->alignment(),
             table->cell(2, 1)->range()->paragraphFormat()->alignment());
    rows->item(2)->cells()->item(2)->range()->setText(QStringLiteral("乙"));
    QCOMPARE(table->cell(2, 2)->range()->text(), QStringLiteral("乙\r"));
    QVERIFY(table->cell(2, 2)->range()->information(wdWithInTable).toBool());

    rows->setAlignment(1);
    QCOMPARE(rows->alignment(), 1);
    rows->setAlignment(2);
    QCOMPARE(rows->alignment(), 2);

    const CellPtr cell = table->cell(1, 1);
    cell->setVerticalAlignment(wdCellAlignVerticalCenter);
    QCOMPARE(cell->verticalAlignment(), wdCellAlignVerticalCenter);
    cell->setVerticalAlignment(wdCellAlignVerticalBottom);
    QCOMPARE(cell->verticalAlignment(), wdCellAlignVerticalBottom);
    cell->setHeight(30);
    QVERIFY(qAbs(cell->height() - 30) < 0.03f);
    const float total = cell->width() + table->cell(1, 2)->width();
    QVERIFY(total > 100);
    cell->setWidth(total / 4);
    QVERIFY2(qAbs(cell->width() - total / 4) < 1, qPrintable(QString::number(cell->width())));
    QVERIFY(qAbs(cell->width() + table->cell(1, 2)->width() - total) < 1);

    table->setLeftPadding(0);
    table->setTopPadding(2.5f);
    QVERIFY(qAbs(table->leftPadding()) < 0.03f);
    QVERIFY(qAbs(table->topPadding() - 2.5f) < 0.03f);

    rows->item(1)->remove();
    QCOMPARE(rows->count(), 2L);
    QCOMPARE(table->cell(1, 2)->range()->text(), QStringLiteral("乙\r"));
}

void TestLoDrawing::borderWidths_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0.5 pt") << wdLineWidth050pt;
    QTest::newRow("0.75 pt") << wdLineWidth075pt;
    QTest::newRow("1 pt") << wdLineWidth100pt;
    QTest::newRow("1.5 pt") << wdLineWidth150pt;
    QTest::newRow("2.25 pt") << wdLineWidth225pt;
}

void TestLoDrawing::borderWidths()
{
    QFETCH(int, code);
    const TablePtr table = m_doc->tables()->add(m_doc->range(0, 0), 2, 2);
    QVERIFY(table);
    const BorderPtr cellTop = table->cell(1, 1)->borders()->item(wdBorderTop);
    QVERIFY(cellTop);
    cellTop->setLineStyle(wdLineStyleSingle);
    cellTop->setLineWidth(code);
    QCOMPARE(cellTop->lineStyle(), wdLineStyleSingle);
    QCOMPARE(cellTop->lineWidth(), code);
    cellTop->setLineStyle(wdLineStyleNone);
    QCOMPARE(cellTop->lineStyle(), wdLineStyleNone);

    for (int index : {wdBorderTop, wdBorderLeft, wdBorderBottom, wdBorderRight, wdBorderHorizontal,
                      wdBorderVertical}) {
        const BorderPtr border = table->borders()->item(index);
        QVERIFY(border);
        border->setLineStyle(wdLineStyleSingle);
        border->setLineWidth(code);
        QCOMPARE(border->lineStyle(), wdLineStyleSingle);
        QCOMPARE(border->lineWidth(), code);
    }
    const BorderPtr bottom = table->borders()->item(wdBorderBottom);
    bottom->setLineStyle(wdLineStyleNone);
    QCOMPARE(bottom->lineStyle(), wdLineStyleNone);
    QCOMPARE(table->borders()->item(wdBorderTop)->lineWidth(), code);
    QVERIFY(!table->borders()->item(-7));
}

void TestLoDrawing::tableInTextFrame()
{
    QVERIFY(setBody({"正文"}));
    const ShapePtr shape = m_doc->shapes()->addShape(msoShapeRectangle, 0, 600, 442, 60);
    QVERIFY(shape && shape->textFrame());
    const TablePtr table = m_doc->tables()->add(shape->textFrame()->textRange(), 2, 2);
    QVERIFY(table);
    QCOMPARE(table->rows()->count(), 2L);
    table->cell(1, 1)->range()->setText(QStringLiteral("抄送：各单位"));
    table->cell(2, 2)->range()->setText(QStringLiteral("2024年5月6日印发"));
    QCOMPARE(table->cell(1, 1)->range()->text(), QStringLiteral("抄送：各单位\r"));
    QCOMPARE(table->cell(2, 2)->range()->text(), QStringLiteral("2024年5月6日印发\r"));
    QCOMPARE(table->range()->start(), 0L);
    // The body keeps its text and has no table.
    QCOMPARE(m_doc->tables()->count(), 0L);
    QCOMPARE(m_doc->content()->text(), QStringLiteral("正文\r"));

    // Removing every row removes the table from the frame.
    table->rows()->item(2)->remove();
    table->rows()->item(1)->remove();
    QVERIFY(!table->range());
    QCOMPARE(m_doc->shapes()->count(), 1L);
}

QTEST_MAIN(TestLoDrawing)
#include "tst_lodrawing.moc"

// Offsets stay the object model's around a table: editing a cell moves the
// ranges after the table, a span reaching into a table from outside stops
// before it (the office's cursors cannot start outside a table and end in a
// cell), and replacing the whole body takes the table along.
void TestLoDrawing::editsAroundATable()
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

    const RangePtr reaching = m_doc->range(1, 6);
    reaching->setText(QStringLiteral("X"));
    QCOMPARE(m_doc->content()->text(), QStringLiteral("aX\r甲乙丙\r\rdef\r"));
    QCOMPARE(m_doc->tables()->count(), 1L);
    QCOMPARE(table->cell(1, 1)->range()->text(), QStringLiteral("甲乙丙\r"));

    m_doc->content()->setText(QStringLiteral("新正文"));
    QCOMPARE(m_doc->tables()->count(), 0L);
    QCOMPARE(m_doc->content()->text(), QStringLiteral("新正文\r"));
}
