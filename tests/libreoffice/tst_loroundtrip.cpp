#include "automation/automation.h"
#include "format/pagefooters.h"
#include "libreoffice/lofiles.h"
#include "officetestsupport.h"
#include "sharedoffice.h"

#include <QtTest>

using namespace automation;

namespace {

// The object model's automatic font colour.
const int wdColorAutomatic = -16777216;

} // namespace

// Documents made through the object model on LibreOffice, saved as .docx and
// opened again: what a document carries from one session to the next (named
// shapes, the record in the custom properties, bookmarks, page-number footers
// and the formats) must come back through the object model as it was set.
class TestLoRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveAndOpenEntryPoints();
    void namedShapes_data();
    void namedShapes();
    void tableInTextBox();
    void customProperties();
    void pageNumberFooters();
    void fonts_data();
    void fonts();
    void paragraphs_data();
    void paragraphs();
    void characterUnitIndents();
    void bookmarks();

private:
    bool setBody(const QStringList &paragraphs);
    // Saves the active document as .docx, closes it and opens the file; the
    // reopened document becomes m_doc.
    bool reopen();
    ShapePtr shapeNamed(const QString &name) const;

    SharedOffice m_office;
    QTemporaryDir m_files;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
};

void TestLoRoundTrip::init()
{
    QVERIFY(m_files.isValid());
    m_app = m_office.application();
    QVERIFY(m_app);
    m_doc = m_app->documents()->add();
    QVERIFY(m_doc);
}

void TestLoRoundTrip::cleanup()
{
    m_doc.reset();
    if (m_app)
        m_app->quit(Variant(false));
    m_app.reset();
}

bool TestLoRoundTrip::setBody(const QStringList &paragraphs)
{
    m_doc->content()->insertBefore(paragraphs.join(QLatin1Char('\n')));
    const ParagraphsPtr all = m_doc->paragraphs();
    return all && all->count() == paragraphs.size();
}

bool TestLoRoundTrip::reopen()
{
    QString tag = QString::fromUtf8(QTest::currentDataTag());
    tag.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("-"));
    const QString path
        = m_files.filePath(QStringLiteral("%1%2.docx")
                               .arg(QString::fromLatin1(QTest::currentTestFunction()),
                                    tag.isEmpty() ? QString() : QLatin1Char('-') + tag));
    QFile::remove(path);
    const ApplicationPtr office = m_office.officeApplication();
    if (!libreoffice::saveDocumentAs(office, path))
        return false;
    m_doc->close(Variant(false));
    m_doc.reset();
    if (m_app->activeDocument())
        return false;
    if (!libreoffice::openDocument(office, path))
        return false;
    m_doc = m_app->activeDocument();
    return m_doc != nullptr;
}

ShapePtr TestLoRoundTrip::shapeNamed(const QString &name) const
{
    const ShapesPtr shapes = m_doc->shapes();
    for (long i = 1, n = shapes ? shapes->count() : 0; i <= n; ++i) {
        if (shapes->item(i)->name() == name)
            return shapes->item(i);
    }
    return nullptr;
}

// The entry points refuse what they cannot do and leave the documents as
// they were; a saved copy does not become the document's file.
void TestLoRoundTrip::saveAndOpenEntryPoints()
{
    const ApplicationPtr office = m_office.officeApplication();
    const QString path = m_files.filePath(QStringLiteral("entry.docx"));
    // The test's wrapper is not the office's own application.
    QVERIFY(!libreoffice::saveDocumentAs(m_app, path));
    QVERIFY(!libreoffice::openDocument(office, m_files.filePath(QStringLiteral("none.docx"))));
    QVERIFY(!libreoffice::openDocument(office, m_files.path()));
    QCOMPARE(m_app->documents()->count(), 1L);

    QVERIFY(setBody({"第一段", "第二段"}));
    QVERIFY(libreoffice::saveDocumentAs(office, path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("PK")); // a zip package
    file.close();

    QVERIFY(libreoffice::openDocument(office, path));
    QCOMPARE(m_app->documents()->count(), 2L);
    const DocumentPtr opened = m_app->activeDocument();
    QVERIFY(opened);
    QCOMPARE(opened->content()->text(), QStringLiteral("第一段\r第二段\r"));
    opened->close(Variant(false));
    // The first document is active again, still without a file of its own.
    QCOMPARE(m_app->activeDocument()->content()->text(), QStringLiteral("第一段\r第二段\r"));
    QCOMPARE(m_app->activeDocument()->name(), m_doc->name());
}

void TestLoRoundTrip::namedShapes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("reopenedKind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // The .docx keeps every box with text as a shape with a text box: a
    // rectangle comes back as a text box.
    QTest::newRow("rectangle") << int(Shape::Kind::Rectangle) << int(Shape::Kind::TextBox) << "红头"
                               << "某某市人民政府文件";
    QTest::newRow("text box") << int(Shape::Kind::TextBox) << int(Shape::Kind::TextBox) << "版记"
                              << "抄送：各单位";
    QTest::newRow("line") << int(Shape::Kind::Line) << int(Shape::Kind::Line) << "红线"
                          << "";
}

// A named shape comes back with its name, kind, size, position relative to
// the page, outline and text.
void TestLoRoundTrip::namedShapes()
{
    QFETCH(int, kind);
    QFETCH(int, reopenedKind);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QVERIFY(setBody({"正文一", "正文二"}));
    const ShapesPtr shapes = m_doc->shapes();
    ShapePtr shape;
    switch (Shape::Kind(kind)) {
    case Shape::Kind::Rectangle:
        shape = shapes->addShape(msoShapeRectangle, 0, 0, 300, 60);
        break;
    case Shape::Kind::TextBox:
        shape = shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, 300, 60);
        break;
    case Shape::Kind::Line:
        shape = shapes->addLine(0, 0, 300, 0);
        break;
    }
    QVERIFY(shape);
    shape->setName(name);
    shape->setRelativeHorizontalPosition(wdRelativeHorizontalPositionPage);
    shape->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    shape->setLeft(90);
    shape->setTop(150);
    shape->line()->foreColor()->setRgb(wdColorRed);
    shape->line()->setWeight(2.25f);
    if (!text.isEmpty())
        shape->textFrame()->textRange()->setText(text);

    QVERIFY(reopen());
    QCOMPARE(m_doc->shapes()->count(), 1L);
    const ShapePtr back = shapeNamed(name);
    QVERIFY2(back, qPrintable(m_doc->shapes()->item(1)->name()));
    QCOMPARE(int(back->kind()), reopenedKind);
    QCOMPARE(back->relativeHorizontalPosition(), wdRelativeHorizontalPositionPage);
    QCOMPARE(back->relativeVerticalPosition(), wdRelativeVerticalPositionPage);
    QVERIFY2(qAbs(back->left() - 90) < 0.5f, qPrintable(QString::number(back->left())));
    QVERIFY2(qAbs(back->top() - 150) < 0.5f, qPrintable(QString::number(back->top())));
    QVERIFY2(qAbs(back->width() - 300) < 0.5f, qPrintable(QString::number(back->width())));
    QCOMPARE(back->line()->foreColor()->rgb(), wdColorRed);
    QVERIFY2(qAbs(back->line()->weight() - 2.25f) < 0.1f,
             qPrintable(QString::number(back->line()->weight())));
    if (text.isEmpty()) {
        QVERIFY(!back->textFrame());
    } else {
        QVERIFY(back->textFrame());
        QCOMPARE(back->textFrame()->textRange()->text(), text + QLatin1Char('\r'));
    }
}

// The imprint's table inside its text box stays a table there, with its
// cell texts, and the body gains no table.
void TestLoRoundTrip::tableInTextBox()
{
    QVERIFY(setBody({"正文"}));
    const ShapePtr box = m_doc->shapes()->addTextbox(msoTextOrientationHorizontal, 0, 400, 442, 60);
    QVERIFY(box);
    box->setName(QStringLiteral("版记"));
    const TablePtr table = m_doc->tables()->add(box->textFrame()->textRange(), 1, 2);
    QVERIFY(table);
    table->cell(1, 1)->range()->setText(QStringLiteral("抄送：各单位"));
    table->cell(1, 2)->range()->setText(QStringLiteral("2024年5月6日印发"));

    QVERIFY(reopen());
    QCOMPARE(m_doc->tables()->count(), 0L);
    QCOMPARE(m_doc->content()->text(), QStringLiteral("正文\r"));
    const ShapePtr back = shapeNamed(QStringLiteral("版记"));
    QVERIFY(back && back->textFrame());
    // The box's story: the table's two cells, then the box's own last
    // paragraph after the table.
    const ParagraphsPtr paragraphs = back->textFrame()->textRange()->paragraphs();
    QVERIFY(paragraphs);
    QCOMPARE(paragraphs->count(), 3L);
    const QStringList texts {"抄送：各单位\r", "2024年5月6日印发\r", "\r"};
    for (long i = 1; i <= 3; ++i) {
        const RangePtr range = paragraphs->item(i)->range();
        QCOMPARE(range->text(), texts.at(int(i - 1)));
        QCOMPARE(range->information(wdWithInTable).toBool(), i < 3);
    }
}

// The document record lives in custom properties: names and texts, Chinese
// included, come back. Opening a .docx adds one property of the office's own,
// AppVersion (from the file's application properties); nothing else is added.
void TestLoRoundTrip::customProperties()
{
    QVERIFY(setBody({"正文"}));
    const QList<QPair<QString, QString>> record {
        {"公文类型", "通知"}, {"发文字号", "某府发〔2024〕1号"}, {"empty", ""}, {"Step", "3"}};
    for (const auto &item : record)
        QVERIFY(officetest::writeProperty(m_app, 0, item.first, item.second));
    QVERIFY(reopen());
    const DocumentPropertiesPtr properties = m_doc->customDocumentProperties();
    QVERIFY(properties);
    QStringList names;
    for (long i = 1; i <= properties->count(); ++i)
        names.append(properties->item(i)->name());
    names.removeOne(QStringLiteral("AppVersion"));
    QVERIFY2(names.size() == record.size(), qPrintable(names.join(QLatin1Char(','))));
    QCOMPARE(properties->count(), long(record.size()) + 1);
    for (const auto &item : record) {
        const DocumentPropertyPtr property = properties->item(item.first);
        QVERIFY2(property, qPrintable(item.first));
        QCOMPARE(property->type(), msoPropertyTypeString);
        QCOMPARE(property->value().toString(), item.second);
    }
}

// Odd and even footers with "— n —", as the layout commands write them,
// stay separate, keep the page-number field between the dashes and their
// sides, and the setup keeps odd and even footers apart.
void TestLoRoundTrip::pageNumberFooters()
{
    QStringList body;
    for (int i = 0; i < 60; ++i)
        body.append(QStringLiteral("正文第%1段").arg(i + 1));
    QVERIFY(setBody(body));
    const SectionPtr section = m_doc->sections()->item(1);
    section->pageSetup()->setOddAndEvenPagesHeaderFooter(1);
    format::writePortraitFooters(section, QStringLiteral("宋体"));

    QVERIFY(reopen());
    const SectionPtr back = m_doc->sections()->item(1);
    QVERIFY(back);
    QCOMPARE(back->pageSetup()->oddAndEvenPagesHeaderFooter(), msoTrue);
    const struct
    {
        int index;
        int alignment;
    } sides[] = {{wdHeaderFooterPrimary, wdAlignParagraphRight},
                 {wdHeaderFooterEvenPages, wdAlignParagraphLeft}};
    for (const auto &side : sides) {
        const HeaderFooterPtr footer = back->footers()->item(side.index);
        QVERIFY(footer);
        const ParagraphPtr line = footer->range()->paragraphs()->item(1);
        QVERIFY(line);
        const QString text = line->range()->text();
        QVERIFY2(text.startsWith(QStringLiteral("— ")) && text.endsWith(QStringLiteral(" —\r")),
                 qPrintable(text));
        // "— ", the field (one character), " —" and the mark.
        QCOMPARE(line->range()->end() - line->range()->start(), 6L);
        QCOMPARE(line->alignment(), side.alignment);
        QCOMPARE(line->range()->font()->size(), 14.0f);
        QCOMPARE(line->range()->font()->name(), QStringLiteral("宋体"));
    }
    QVERIFY(m_doc->fields()); // the body has no field of its own
    QCOMPARE(m_doc->fields()->count(), 0L);
}

void TestLoRoundTrip::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("size");
    QTest::addColumn<int>("bold");
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("scaling");
    QTest::newRow("title") << "方正小标宋_GBK" << 22.0f << msoFalse << wdColorBlack << 100;
    QTest::newRow("bold body") << "方正仿宋_GBK" << 16.0f << msoTrue << wdColorBlack << 100;
    QTest::newRow("red, narrowed") << "方正小标宋_GBK" << 36.0f << msoFalse << wdColorRed << 70;
    QTest::newRow("half points, colour")
        << "Liberation Serif" << 10.5f << msoTrue << 0x804020 << 100;
}

// Character formats of one paragraph among others come back as set.
void TestLoRoundTrip::fonts()
{
    QFETCH(QString, name);
    QFETCH(float, size);
    QFETCH(int, bold);
    QFETCH(int, color);
    QFETCH(int, scaling);
    QVERIFY(setBody({"前一段", "格式段落", "后一段"}));
    const FontPtr font = m_doc->paragraphs()->item(2)->range()->font();
    font->setName(name);
    font->setSize(size);
    font->setBold(bold);
    font->setColor(color);
    font->setScaling(scaling);

    QVERIFY(reopen());
    const RangePtr text = m_doc->paragraphs()->item(2)->range();
    text->setRange(text->start(), text->end() - 1);
    QCOMPARE(text->text(), QStringLiteral("格式段落"));
    const FontPtr back = text->font();
    QCOMPARE(back->name(), name);
    QCOMPARE(back->nameFarEast(), name);
    QCOMPARE(back->size(), size);
    QCOMPARE(back->bold(), bold);
    QCOMPARE(back->color(), color);
    QCOMPARE(back->scaling(), scaling);
    // The neighbour never had a colour: it is still automatic.
    QCOMPARE(m_doc->paragraphs()->item(1)->range()->font()->color(), wdColorAutomatic);
}

void TestLoRoundTrip::paragraphs_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("rule");
    QTest::addColumn<float>("spacing");
    QTest::newRow("centred, exactly 28") << wdAlignParagraphCenter << wdLineSpaceExactly << 28.0f;
    QTest::newRow("distributed, exactly 29.65")
        << wdAlignParagraphDistribute << wdLineSpaceExactly << 29.65f;
    QTest::newRow("justified, exactly 36")
        << wdAlignParagraphJustify << wdLineSpaceExactly << 36.0f;
    QTest::newRow("right, at least 20") << wdAlignParagraphRight << wdLineSpaceAtLeast << 20.0f;
}

// Alignment (distributed included) and line spacing of a paragraph come
// back as set; the neighbours keep theirs.
void TestLoRoundTrip::paragraphs()
{
    QFETCH(int, alignment);
    QFETCH(int, rule);
    QFETCH(float, spacing);
    QVERIFY(setBody({"前一段", "格式段落", "后一段"}));
    const ParagraphPtr paragraph = m_doc->paragraphs()->item(2);
    paragraph->setAlignment(alignment);
    paragraph->setLineSpacingRule(rule);
    paragraph->setLineSpacing(spacing);
    paragraph->setFirstLineIndent(32);

    QVERIFY(reopen());
    const ParagraphPtr back = m_doc->paragraphs()->item(2);
    QVERIFY(back);
    QCOMPARE(back->alignment(), alignment);
    QCOMPARE(back->lineSpacingRule(), rule);
    // The file keeps twentieths of a point.
    QVERIFY2(qAbs(back->lineSpacing() - spacing) < 0.05f,
             qPrintable(QString::number(back->lineSpacing())));
    QVERIFY2(qAbs(back->firstLineIndent() - 32) < 0.05f,
             qPrintable(QString::number(back->firstLineIndent())));
    QCOMPARE(m_doc->paragraphs()->item(1)->alignment(), wdAlignParagraphLeft);
    QCOMPARE(m_doc->paragraphs()->item(3)->lineSpacingRule(), wdLineSpaceSingle);
}

// Character-unit indents are kept where the office keeps its own notes on a
// paragraph, which the .docx export leaves out: after reopening they are the
// lengths they were laid out with (characters x font size) in points, and
// the character units are read from those lengths again.
void TestLoRoundTrip::characterUnitIndents()
{
    QVERIFY(setBody({"首行缩进两字", "左右各缩一字"}));
    m_doc->content()->font()->setSize(16);
    m_doc->paragraphs()->item(1)->setCharacterUnitFirstLineIndent(2);
    m_doc->paragraphs()->item(2)->setCharacterUnitLeftIndent(1);
    m_doc->paragraphs()->item(2)->setCharacterUnitRightIndent(1);
    QCOMPARE(m_doc->paragraphs()->item(1)->characterUnitFirstLineIndent(), 2.0f);

    QVERIFY(reopen());
    const ParagraphPtr first = m_doc->paragraphs()->item(1);
    const ParagraphPtr second = m_doc->paragraphs()->item(2);
    QVERIFY2(qAbs(first->firstLineIndent() - 32) < 0.05f,
             qPrintable(QString::number(first->firstLineIndent())));
    QVERIFY(qAbs(second->leftIndent() - 16) < 0.05f);
    QVERIFY(qAbs(second->rightIndent() - 16) < 0.05f);
    // The file keeps lengths only: the characters come back from them.
    QCOMPARE(first->characterUnitFirstLineIndent(), 2.0f);
    QCOMPARE(second->characterUnitLeftIndent(), 1.0f);
    QCOMPARE(second->characterUnitRightIndent(), 1.0f);
}

// Bookmarks within one paragraph, over its text or empty in an empty
// paragraph, come back where they were. (One that spans paragraphs does not:
// the office writes a second start for it.)
void TestLoRoundTrip::bookmarks()
{
    QVERIFY(setBody({"某某文〔2024〕3号", "", "正文。", "某某单位"}));
    const ParagraphsPtr all = m_doc->paragraphs();
    const RangePtr number = all->item(1)->range();
    number->setRange(number->start(), number->end() - 1);
    const RangePtr empty = all->item(2)->range();
    empty->setRange(empty->start(), empty->start());
    const BookmarksPtr marks = m_doc->bookmarks();
    QVERIFY(marks->add(QStringLiteral("_qvx_number"), number));
    QVERIFY(marks->add(QStringLiteral("_qvx_blank"), empty));
    QVERIFY(marks->add(QStringLiteral("sign"), all->item(4)->range()));

    QVERIFY(reopen());
    const BookmarksPtr back = m_doc->bookmarks();
    QCOMPARE(back->count(), 3L);
    QCOMPARE(back->item(QStringLiteral("_qvx_number"))->range()->text(),
             QStringLiteral("某某文〔2024〕3号"));
    const RangePtr blank = back->item(QStringLiteral("_qvx_blank"))->range();
    QCOMPARE(blank->start(), long(QStringLiteral("某某文〔2024〕3号\r").size()));
    QCOMPARE(blank->end(), blank->start());
    QCOMPARE(back->item(QStringLiteral("sign"))->range()->text(), QStringLiteral("某某单位"));
}

QTEST_MAIN(TestLoRoundTrip)
#include "tst_loroundtrip.moc"
