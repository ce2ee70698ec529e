#include "automation/automation.h"
#include "format/pagefooters.h"
#include "libreoffice/lofiles.h"
#include "officetestsupport.h"
#include "sharedoffice.h"

#include <QProcess>
#include <QtTest>

using namespace automation;

// What a document carries from one session to the next: made through the
// object model on LibreOffice, saved as .docx and opened again.
class TestLoRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveAndOpenEntryPoints();
    void formats_data();
    void formats();
    void namedShapes_data();
    void namedShapes();
    void tableInTextBox();
    void record();
    void pageNumberFooters();
    void resetRemovesDirectFormats();

private:
    ShapePtr shapeNamed(const QString &name) const;
    ParagraphPtr paragraphOf(const QString &text) const;

    SharedOffice m_office;
    QTemporaryDir m_files;
    DocumentPtr m_doc;
};

namespace {

// The object model's automatic font colour.
const int wdColorAutomatic = -16777216;

struct Format
{
    const char *text;
    QString font;
    float size;
    int bold, color, scaling, alignment, rule;
    float spacing;
};

// One paragraph each, between paragraphs without formats of their own.
const Format formatRows[] = {
    {"标题", "方正小标宋_GBK", 22, msoFalse, wdColorBlack, 100, wdAlignParagraphCenter,
     wdLineSpaceExactly, 28},
    {"粗体正文", "方正仿宋_GBK", 16, msoTrue, wdColorBlack, 100, wdAlignParagraphDistribute,
     wdLineSpaceExactly, 29.65f},
    {"红色窄字", "方正小标宋_GBK", 36, msoFalse, wdColorRed, 70, wdAlignParagraphJustify,
     wdLineSpaceExactly, 36},
    {"半磅字号", "Liberation Serif", 10.5f, msoTrue, 0x804020, 100, wdAlignParagraphRight,
     wdLineSpaceAtLeast, 20},
};

const QList<QPair<QString, QString>> recordItems {
    {"公文类型", "通知"}, {"发文字号", "某府发〔2024〕1号"}, {"empty", ""}, {"Step", "3"}};

} // namespace

ShapePtr TestLoRoundTrip::shapeNamed(const QString &name) const
{
    const ShapesPtr shapes = m_doc->shapes();
    for (long i = 1, n = shapes ? shapes->count() : 0; i <= n; ++i) {
        if (shapes->item(i)->name() == name)
            return shapes->item(i);
    }
    return nullptr;
}

ParagraphPtr TestLoRoundTrip::paragraphOf(const QString &text) const
{
    const ParagraphsPtr all = m_doc->paragraphs();
    for (long i = 1, n = all->count(); i <= n; ++i) {
        if (all->item(i)->range()->text() == text + QLatin1Char('\r'))
            return all->item(i);
    }
    return nullptr;
}

void TestLoRoundTrip::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_files.isValid());
    const ApplicationPtr app = m_office.application();
    m_doc = app ? app->documents()->add() : nullptr;
    QVERIFY(m_doc);
    QStringList body {"某某文〔2024〕3号", "", "前一段"};
    for (const Format &row : formatRows)
        body << QString::fromUtf8(row.text) << QStringLiteral("后一段");
    for (int i = 1; i <= 60; ++i)
        body << QStringLiteral("正文第%1段").arg(i);
    body << QStringLiteral("某某单位");
    m_doc->content()->insertBefore(body.join(QLatin1Char('\n')));
    m_doc->content()->font()->setSize(16);

    for (const Format &row : formatRows) {
        const ParagraphPtr paragraph = paragraphOf(QString::fromUtf8(row.text));
        QVERIFY(paragraph);
        const FontPtr font = paragraph->range()->font();
        font->setName(row.font);
        font->setSize(row.size);
        font->setBold(row.bold);
        font->setColor(row.color);
        font->setScaling(row.scaling);
        paragraph->setAlignment(row.alignment);
        paragraph->setLineSpacingRule(row.rule);
        paragraph->setLineSpacing(row.spacing);
        paragraph->setFirstLineIndent(32);
    }

    const ShapesPtr shapes = m_doc->shapes();
    const ShapePtr made[] = {shapes->addShape(msoShapeRectangle, 0, 0, 300, 60),
                             shapes->addTextbox(msoTextOrientationHorizontal, 0, 0, 300, 60),
                             shapes->addLine(0, 0, 300, 0)};
    const char *names[] = {"红头", "发文机关", "红线"};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(made[i]);
        made[i]->setName(QString::fromUtf8(names[i]));
        made[i]->setRelativeHorizontalPosition(wdRelativeHorizontalPositionPage);
        made[i]->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
        made[i]->setLeft(90);
        made[i]->setTop(150 + 100 * i);
        made[i]->line()->foreColor()->setRgb(wdColorRed);
        made[i]->line()->setWeight(2.25f);
        if (i < 2)
            made[i]->textFrame()->textRange()->setText(QString::fromUtf8(names[i]) + "文字");
    }
    const ShapePtr imprint = shapes->addTextbox(msoTextOrientationHorizontal, 0, 600, 442, 60);
    imprint->setName(QStringLiteral("版记"));
    const TablePtr table = m_doc->tables()->add(imprint->textFrame()->textRange(), 1, 2);
    QVERIFY(table);
    table->cell(1, 1)->range()->setText(QStringLiteral("抄送：各单位"));
    table->cell(1, 2)->range()->setText(QStringLiteral("2024年5月6日印发"));

    for (const auto &item : recordItems)
        QVERIFY(m_doc->customDocumentProperties()->add(item.first, false, msoPropertyTypeString,
                                                       item.second));
    const RangePtr sign = paragraphOf(QStringLiteral("正文第59段"))->range();
    const long number = QStringLiteral("某某文〔2024〕3号").size();
    using Mark = std::tuple<const char *, long, long>;
    for (const auto &[name, from, to] :
         {Mark {"_qvx_number", 0, number}, Mark {"_qvx_blank", number + 1, number + 1},
          Mark {"sign", sign->start(), sign->end() - 1}})
        QVERIFY(m_doc->bookmarks()->add(QString::fromUtf8(name), m_doc->range(from, to)));

    const SectionPtr section = m_doc->sections()->item(1);
    section->pageSetup()->setOddAndEvenPagesHeaderFooter(1);
    format::writePortraitFooters(section, QStringLiteral("宋体"));

    const QString path = m_files.filePath(QStringLiteral("roundtrip.docx"));
    QVERIFY(libreoffice::saveDocumentAs(m_office.officeApplication(), path));
    m_doc->close(Variant(false));
    QVERIFY(!app->activeDocument());
    QVERIFY(libreoffice::openDocument(m_office.officeApplication(), path));
    m_doc = app->activeDocument();
    QVERIFY(m_doc);
}

// The entry points refuse what they cannot do; a saved copy does not become
// the document's file.
void TestLoRoundTrip::saveAndOpenEntryPoints()
{
    const ApplicationPtr office = m_office.officeApplication();
    const ApplicationPtr app = m_office.application();
    const QString path = m_files.filePath(QStringLiteral("entry.docx"));
    const DocumentPtr document = app->documents()->add();
    // The test's wrapper is not the office's own application.
    QVERIFY(!libreoffice::saveDocumentAs(app, path));
    QVERIFY(!libreoffice::openDocument(office, m_files.filePath(QStringLiteral("none.docx"))));
    QVERIFY(!libreoffice::openDocument(office, m_files.path()));
    document->content()->setText(QStringLiteral("第一段\n第二段"));
    QVERIFY(libreoffice::saveDocumentAs(office, path));
    QVERIFY(libreoffice::openDocument(office, path));
    const DocumentPtr opened = app->activeDocument();
    QCOMPARE(opened->content()->text(), QStringLiteral("第一段\r第二段\r"));
    opened->close(Variant(false));
    // The first document is active again, still without a file of its own.
    QCOMPARE(app->activeDocument()->name(), document->name());
    // Saved under a .txt name: UTF-8 text, not a Word file.
    const QString text = m_files.filePath(QStringLiteral("entry.txt"));
    QVERIFY(document->saveAs(text));
    QFile written(text);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(written.readAll()).trimmed(), QStringLiteral("第一段\n第二段"));
    document->close(Variant(false));
}

void TestLoRoundTrip::formats_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(formatRows)); ++i)
        QTest::newRow(formatRows[i].text) << i;
}

// Formats come back as set (to the file's twentieth of a point); the
// neighbours keep theirs.
void TestLoRoundTrip::formats()
{
    QFETCH(int, row);
    const Format &format = formatRows[row];
    const ParagraphPtr back = paragraphOf(QString::fromUtf8(format.text));
    QVERIFY(back);
    const RangePtr text = back->range();
    text->setRange(text->start(), text->end() - 1);
    const FontPtr font = text->font();
    QCOMPARE(font->name(), format.font);
    QCOMPARE(font->nameFarEast(), format.font);
    QCOMPARE(font->size(), format.size);
    QCOMPARE(font->bold(), format.bold);
    QCOMPARE(font->color(), format.color);
    QCOMPARE(font->scaling(), format.scaling);
    QCOMPARE(back->alignment(), format.alignment);
    QCOMPARE(back->lineSpacingRule(), format.rule);
    QVERIFY(qAbs(back->lineSpacing() - format.spacing) < 0.05f);
    QVERIFY(qAbs(back->firstLineIndent() - 32) < 0.05f);
    const ParagraphPtr before = paragraphOf(QStringLiteral("前一段"));
    QCOMPARE(before->range()->font()->color(), wdColorAutomatic);
    QCOMPARE(before->alignment(), wdAlignParagraphLeft);
    QCOMPARE(paragraphOf(QStringLiteral("后一段"))->lineSpacingRule(), wdLineSpaceSingle);
}

void TestLoRoundTrip::namedShapes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    // A rectangle with text comes back as a text box.
    QTest::newRow("rectangle") << "红头" << int(Shape::Kind::TextBox);
    QTest::newRow("text box") << "发文机关" << int(Shape::Kind::TextBox);
    QTest::newRow("line") << "红线" << int(Shape::Kind::Line);
}

// A named shape comes back with its kind, place, size, outline and text.
void TestLoRoundTrip::namedShapes()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    const ShapePtr back = shapeNamed(name);
    QVERIFY(back);
    QCOMPARE(int(back->kind()), kind);
    QCOMPARE(back->relativeHorizontalPosition(), wdRelativeHorizontalPositionPage);
    QCOMPARE(back->relativeVerticalPosition(), wdRelativeVerticalPositionPage);
    QVERIFY2(qAbs(back->left() - 90) < 0.5f, qPrintable(QString::number(back->left())));
    QVERIFY(qAbs(back->width() - 300) < 0.5f);
    QCOMPARE(back->line()->foreColor()->rgb(), wdColorRed);
    QVERIFY(qAbs(back->line()->weight() - 2.25f) < 0.1f);
    if (kind == int(Shape::Kind::Line))
        QVERIFY(!back->textFrame());
    else
        QCOMPARE(back->textFrame()->textRange()->text(), name + QStringLiteral("文字\r"));
}

// The imprint's table stays in its text box (cells, then the box's own last
// paragraph); the body gains no table.
void TestLoRoundTrip::tableInTextBox()
{
    QCOMPARE(m_doc->tables()->count(), 0L);
    const ShapePtr back = shapeNamed(QStringLiteral("版记"));
    QVERIFY(back && back->textFrame());
    const ParagraphsPtr paragraphs = back->textFrame()->textRange()->paragraphs();
    QCOMPARE(paragraphs->count(), 3L);
    const QStringList texts {"抄送：各单位\r", "2024年5月6日印发\r", "\r"};
    for (long i = 1; i <= 3; ++i) {
        const RangePtr range = paragraphs->item(i)->range();
        QCOMPARE(range->text(), texts.at(int(i - 1)));
        QCOMPARE(range->information(wdWithInTable).toBool(), i < 3);
    }
}

// The record's custom properties come back (opening adds only the office's
// AppVersion), and its bookmarks, over text or empty, where they were.
// (Character-unit indents from a file: the conformance suite.)
void TestLoRoundTrip::record()
{
    const DocumentPropertiesPtr properties = m_doc->customDocumentProperties();
    QCOMPARE(properties->count(), long(recordItems.size()) + 1);
    QVERIFY(properties->item(QStringLiteral("AppVersion")));
    for (const auto &item : recordItems) {
        const DocumentPropertyPtr property = properties->item(item.first);
        QVERIFY2(property, qPrintable(item.first));
        QCOMPARE(property->type(), msoPropertyTypeString);
        QCOMPARE(property->value().toString(), item.second);
    }
    const BookmarksPtr marks = m_doc->bookmarks();
    QCOMPARE(marks->count(), 3L);
    QCOMPARE(marks->item(QStringLiteral("_qvx_number"))->range()->text(),
             QStringLiteral("某某文〔2024〕3号"));
    const RangePtr blank = marks->item(QStringLiteral("_qvx_blank"))->range();
    QCOMPARE(blank->start(), long(QStringLiteral("某某文〔2024〕3号\r").size()));
    QCOMPARE(blank->end(), blank->start());
    QCOMPARE(marks->item(QStringLiteral("sign"))->range()->text(), QStringLiteral("正文第59段"));
}

// The layout commands' odd and even footers stay apart, "— n —" with the
// field between the dashes, their sides and font.
void TestLoRoundTrip::pageNumberFooters()
{
    const SectionPtr back = m_doc->sections()->item(1);
    QCOMPARE(back->pageSetup()->oddAndEvenPagesHeaderFooter(), msoTrue);
    for (const auto &[index, alignment] :
         {std::pair {wdHeaderFooterPrimary, wdAlignParagraphRight},
          std::pair {wdHeaderFooterEvenPages, wdAlignParagraphLeft}}) {
        const ParagraphPtr line = back->footers()->item(index)->range()->paragraphs()->item(1);
        QVERIFY(line);
        const QString text = line->range()->text();
        QVERIFY2(text.startsWith(QStringLiteral("— ")) && text.endsWith(QStringLiteral(" —\r")),
                 qPrintable(text));
        // "— ", the field (one character), " —" and the mark.
        QCOMPARE(line->range()->end() - line->range()->start(), 6L);
        QCOMPARE(line->alignment(), alignment);
        QCOMPARE(line->range()->font()->size(), 14.0f);
        QCOMPARE(line->range()->font()->name(), QStringLiteral("宋体"));
    }
    QCOMPARE(m_doc->fields()->count(), 0L); // the body has no field of its own
}

// Resetting a paragraph removes the direct formats the object model does not
// name too (keep with next, spacing), and only the paragraph's.
void TestLoRoundTrip::resetRemovesDirectFormats()
{
    QFile file(m_files.filePath("in.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi\\pard\\keepn\\sb567\\sa567\\li600\\qc A\\par"
               "\\pard\\keepn\\sb567\\sa567\\li600\\qc B\\par}");
    file.close();
    const ApplicationPtr office = m_office.officeApplication();
    QVERIFY(libreoffice::openDocument(office, file.fileName()));
    const DocumentPtr document = m_office.application()->activeDocument();
    document->paragraphs()->item(1)->reset();
    QVERIFY(libreoffice::saveDocumentAs(office, m_files.filePath("out.docx")));
    document->close(Variant(false));

    QProcess unzip;
    unzip.start("unzip", {"-p", m_files.filePath("out.docx"), "word/document.xml"});
    QVERIFY(unzip.waitForFinished());
    const QStringList paragraphs = QString::fromUtf8(unzip.readAll()).split("</w:p>");
    QVERIFY(paragraphs.size() >= 2 && paragraphs.at(1).contains("<w:t>B</w:t>"));
    for (const char *format : {"<w:keepNext", "w:before=\"567\"", "\"600\"", "center"}) {
        QVERIFY2(!paragraphs.at(0).contains(format), format);
        QVERIFY2(paragraphs.at(1).contains(format), format);
    }
}

QTEST_MAIN(TestLoRoundTrip)
#include "tst_loroundtrip.moc"
