#include "automation/automation.h"
#include "libreoffice/lofiles.h"
#include "sharedoffice.h"

#include <QtTest>

using namespace automation;

// The text side of the object model on a headless LibreOffice Writer, where
// it depends on how the office is driven: line spacing rules mapped onto the
// office's modes, alignment flags that must be cleared again, page numbers
// asked through the view, selections over the story's last mark and ranges
// kept per text.
class TestLoText : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lineSpacingRules_data();
    void lineSpacingRules();
    void alignmentChanges_data();
    void alignmentChanges();
    void joinKeepsSurvivingMarkIndents();
    void pageNumbersAndTable();
    void selectionOverLastMark();
    void rangesBelongToTheirDocument();
    void heldWritesReachTheOffice();
    void paragraphRangesFollowEdits();
    void resetRemovesDirectFormats();

private:
    bool setBody(const QStringList &paragraphs);
    ParagraphPtr paragraph(long index) const;

    SharedOffice m_office;
    ApplicationPtr m_app;
    DocumentPtr m_doc;
};

void TestLoText::init()
{
    QVX_REQUIRE_LIBREOFFICE();
    m_app = m_office.application();
    QVERIFY(m_app);
    m_doc = m_app->documents()->add();
    QVERIFY(m_doc);
}

void TestLoText::cleanup()
{
    m_doc.reset();
    if (m_app)
        m_app->quit(Variant(false));
    m_app.reset();
}

bool TestLoText::setBody(const QStringList &paragraphs)
{
    m_doc->content()->insertBefore(paragraphs.join(QLatin1Char('\n')));
    const ParagraphsPtr all = m_doc->paragraphs();
    return all && all->count() == paragraphs.size();
}

ParagraphPtr TestLoText::paragraph(long index) const
{
    const ParagraphsPtr all = m_doc->paragraphs();
    return all ? all->item(index) : nullptr;
}

void TestLoText::lineSpacingRules_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<float>("points"); // set after the rule when not 0
    QTest::addColumn<int>("readRule");
    QTest::addColumn<float>("readPoints");
    QTest::newRow("single") << wdLineSpaceSingle << 0.0f << wdLineSpaceSingle << 12.0f;
    QTest::newRow("one and a half") << wdLineSpace1pt5 << 0.0f << wdLineSpace1pt5 << 18.0f;
    QTest::newRow("double") << wdLineSpaceDouble << 0.0f << wdLineSpaceDouble << 24.0f;
    QTest::newRow("at least") << wdLineSpaceAtLeast << 20.5f << wdLineSpaceAtLeast << 20.5f;
    QTest::newRow("exactly") << wdLineSpaceExactly << 28.95f << wdLineSpaceExactly << 28.95f;
    QTest::newRow("multiple") << wdLineSpaceMultiple << 30.0f << wdLineSpaceMultiple << 30.0f;
    // A proportional spacing that is not one of the named ones.
    QTest::newRow("points on single") << wdLineSpaceSingle << 15.0f << wdLineSpaceMultiple << 15.0f;
}

void TestLoText::lineSpacingRules()
{
    QFETCH(int, rule);
    QFETCH(float, points);
    QFETCH(int, readRule);
    QFETCH(float, readPoints);
    QVERIFY(setBody({"甲", "乙"}));
    const ParagraphPtr first = paragraph(1);
    // Start from another mode so that every row changes it.
    first->setLineSpacingRule(rule == wdLineSpaceExactly ? wdLineSpaceDouble : wdLineSpaceExactly);
    first->setLineSpacing(40.0f);
    first->setLineSpacingRule(rule);
    if (points != 0.0f)
        first->setLineSpacing(points);
    QCOMPARE(paragraph(1)->lineSpacingRule(), readRule);
    QCOMPARE(paragraph(1)->lineSpacing(), readPoints);
    QCOMPARE(paragraph(2)->lineSpacingRule(), wdLineSpaceSingle);
    QCOMPARE(paragraph(2)->lineSpacing(), 12.0f);
}

void TestLoText::alignmentChanges_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    // Distributed text also justifies the last line: going back must undo that.
    QTest::newRow("distributed to justified")
        << wdAlignParagraphDistribute << wdAlignParagraphJustify;
    QTest::newRow("distributed to left") << wdAlignParagraphDistribute << wdAlignParagraphLeft;
    QTest::newRow("justified to distributed")
        << wdAlignParagraphJustify << wdAlignParagraphDistribute;
    QTest::newRow("right to center") << wdAlignParagraphRight << wdAlignParagraphCenter;
}

void TestLoText::alignmentChanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QVERIFY(setBody({"甲"}));
    m_doc->content()->paragraphFormat()->setAlignment(from);
    QCOMPARE(paragraph(1)->alignment(), from);
    paragraph(1)->setAlignment(to);
    QCOMPARE(m_doc->content()->paragraphFormat()->alignment(), to);
}

void TestLoText::joinKeepsSurvivingMarkIndents()
{
    QVERIFY(setBody({"甲甲", "乙乙"}));
    paragraph(1)->setCharacterUnitFirstLineIndent(2.0f);
    paragraph(1)->setLeftIndent(10.5f);
    paragraph(2)->setCharacterUnitLeftIndent(1.5f);
    paragraph(2)->setRightIndent(7.25f);
    paragraph(2)->setLineSpacingRule(wdLineSpaceExactly);
    paragraph(2)->setLineSpacing(29.65f);

    // Removing the first mark leaves the second paragraph's format.
    m_doc->range(2, 3)->setText(QString());
    QCOMPARE(m_doc->content()->text(), QStringLiteral("甲甲乙乙\r"));
    const ParagraphPtr joined = paragraph(1);
    QCOMPARE(joined->characterUnitFirstLineIndent(), 0.0f);
    QCOMPARE(joined->leftIndent(), 0.0f);
    QCOMPARE(joined->characterUnitLeftIndent(), 1.5f);
    QCOMPARE(joined->rightIndent(), 7.25f);
    QCOMPARE(joined->lineSpacing(), 29.65f);

    // Splitting copies all of it, the values kept as set.
    m_doc->range(2, 2)->insertBefore(QStringLiteral("\n"));
    QCOMPARE(paragraph(1)->characterUnitLeftIndent(), 1.5f);
    QCOMPARE(paragraph(2)->rightIndent(), 7.25f);
    QCOMPARE(paragraph(2)->lineSpacing(), 29.65f);
}

void TestLoText::pageNumbersAndTable()
{
    QStringList many;
    for (int i = 1; i <= 80; ++i)
        many << QStringLiteral("第%1段").arg(i);
    QVERIFY(setBody(many));
    const RangePtr first = paragraph(1)->range();
    const RangePtr last = paragraph(80)->range();
    m_doc->range(1, 2)->select();

    const Variant firstPage = first->information(wdActiveEndPageNumber);
    QVERIFY(firstPage.isInt());
    QCOMPARE(firstPage.toInt(), 1L);
    const Variant lastPage = last->information(wdActiveEndPageNumber);
    QVERIFY(lastPage.isInt());
    QVERIFY2(lastPage.toInt() >= 2, qPrintable(QString::number(lastPage.toInt())));
    // Asking does not move the selection.
    const SelectionPtr selection = m_app->selection();
    QCOMPARE(selection->start(), 1L);
    QCOMPARE(selection->end(), 2L);
    QCOMPARE(selection->range()->text(), QStringLiteral("1"));

    const Variant within = last->information(wdWithInTable);
    QVERIFY(within.isBool());
    QVERIFY(!within.toBool());
    QVERIFY(first->information(0).isMissing());
}

void TestLoText::selectionOverLastMark()
{
    QVERIFY(setBody({"甲", "乙乙"}));
    const RangePtr content = m_doc->content();
    QCOMPARE(content->end(), 5L);
    content->select();
    const SelectionPtr selection = m_app->selection();
    QCOMPARE(selection->start(), 0L);
    QCOMPARE(selection->end(), 5L);
    QCOMPARE(selection->range()->text(), QStringLiteral("甲\r乙乙\r"));

    // Once the view shows another span, the remembered end no longer applies.
    m_doc->range(2, 4)->select();
    QCOMPARE(selection->start(), 2L);
    QCOMPARE(selection->end(), 4L);
    QCOMPARE(selection->font()->bold(), msoFalse);
    selection->font()->setBold(msoTrue);
    QCOMPARE(m_doc->range(2, 4)->font()->bold(), msoTrue);
    QCOMPARE(m_doc->range(0, 2)->font()->bold(), msoFalse);
}

void TestLoText::rangesBelongToTheirDocument()
{
    QVERIFY(setBody({"abc", "def"}));
    const RangePtr e = m_doc->range(5, 6);
    QCOMPARE(e->text(), QStringLiteral("e"));

    const DocumentPtr other = m_app->documents()->add();
    QVERIFY(other);
    other->content()->insertBefore(QStringLiteral("一二三\n四"));
    other->range(0, 0)->insertBefore(QStringLiteral("XYZ"));
    QCOMPARE(other->content()->text(), QStringLiteral("XYZ一二三\r四\r"));
    QCOMPARE(e->start(), 5L);
    QCOMPARE(e->text(), QStringLiteral("e"));

    m_doc->range(0, 0)->insertBefore(QStringLiteral("12"));
    QCOMPARE(e->start(), 7L);
    QCOMPARE(e->text(), QStringLiteral("e"));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestLoText test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lotext.moc"

// Formatting writes are held and sent together: whatever is asked or done
// next, through any object, sees them, and they land on the paragraph they
// were made for even when the text changes right after.
void TestLoText::heldWritesReachTheOffice()
{
    QVERIFY(setBody({"甲甲", "乙乙", "丙丙"}));
    const ParagraphsPtr paragraphs = m_doc->paragraphs();
    const ParagraphPtr second = paragraphs->item(2);
    second->setAlignment(wdAlignParagraphCenter);
    second->setLineSpacingRule(wdLineSpaceExactly);
    second->setLineSpacing(28.95f);
    QCOMPARE(m_doc->range(3, 4)->paragraphFormat()->alignment(), int(wdAlignParagraphCenter));
    QCOMPARE(m_doc->range(3, 4)->paragraphFormat()->lineSpacing(), 28.95f);

    // Font writes of one paragraph, then another paragraph's: each keeps its own.
    const FontPtr font = second->range()->font();
    font->setSize(20);
    font->setBold(-1);
    paragraphs->item(3)->range()->font()->setSize(9);
    QCOMPARE(m_doc->range(3, 5)->font()->size(), 20.0f);
    QCOMPARE(m_doc->range(3, 5)->font()->bold(), -1);
    QCOMPARE(m_doc->range(6, 8)->font()->size(), 9.0f);

    // A held write, then an edit before the paragraph: the write is the
    // second paragraph's still.
    const ParagraphPtr third = paragraphs->item(3);
    third->setAlignment(wdAlignParagraphRight);
    m_doc->range(0, 0)->insertBefore(QStringLiteral("新\n"));
    QCOMPARE(m_doc->paragraphs()->item(4)->alignment(), int(wdAlignParagraphRight));
    QCOMPARE(m_doc->paragraphs()->item(3)->alignment(), int(wdAlignParagraphCenter));

    // Two format objects of one paragraph, their writes interleaved: none
    // is lost.
    const ParagraphPtr first = m_doc->paragraphs()->item(1);
    const RangePtr firstRange = first->range();
    first->setAlignment(wdAlignParagraphRight);
    firstRange->paragraphFormat()->setLineSpacingRule(wdLineSpaceExactly);
    firstRange->paragraphFormat()->setLineSpacing(30);
    firstRange->font()->setSize(14);
    first->setRightIndent(12);
    QCOMPARE(m_doc->range(0, 1)->paragraphFormat()->alignment(), int(wdAlignParagraphRight));
    QCOMPARE(m_doc->range(0, 1)->paragraphFormat()->lineSpacing(), 30.0f);
    QCOMPARE(m_doc->range(0, 1)->paragraphFormat()->rightIndent(), 12.0f);
    QCOMPARE(m_doc->range(0, 1)->font()->size(), 14.0f);

    // A character-unit indent set after the font size follows the new size.
    third->range()->font()->setSize(16);
    third->setCharacterUnitFirstLineIndent(2);
    QCOMPARE(m_doc->paragraphs()->item(4)->characterUnitFirstLineIndent(), 2.0f);
}

// A paragraph's range answers through the paragraph while its offsets are
// the paragraph's, and through offsets once they change.
void TestLoText::paragraphRangesFollowEdits()
{
    QVERIFY(setBody({"一二三", "四五六"}));
    const RangePtr range = m_doc->paragraphs()->item(2)->range();
    QCOMPARE(range->text(), QStringLiteral("四五六\r"));
    QCOMPARE(range->information(wdWithInTable).toBool(), false);
    range->select();
    QCOMPARE(m_app->selection()->start(), 4L);
    QCOMPARE(m_app->selection()->end(), 8L);
    m_doc->range(0, 0)->insertBefore(QStringLiteral("零\n"));
    QCOMPARE(range->start(), 6L);
    QCOMPARE(range->text(), QStringLiteral("四五六\r"));
    QCOMPARE(m_app->selection()->start(), 6L);
    range->setRange(range->start() + 1, range->start() + 2);
    QCOMPARE(range->text(), QStringLiteral("五"));
    range->font()->setBold(-1);
    QCOMPARE(m_doc->range(6, 7)->font()->bold(), 0);
    QCOMPARE(m_doc->range(7, 8)->font()->bold(), -1);

    // Split by an edit made elsewhere, the paragraph is two: the range reads
    // both through offsets.
    const RangePtr whole = m_doc->paragraphs()->item(3)->range();
    QCOMPARE(whole->text(), QStringLiteral("四五六\r"));
    m_doc->range(whole->start() + 1, whole->start() + 1)->insertBefore(QStringLiteral("\n"));
    QCOMPARE(whole->text(), QStringLiteral("四\r五六\r"));
}

// Reset takes every direct paragraph format away, also those the object
// model has no property for (space above and below, keep with next), as an
// opened file brings them; the paragraph after keeps its own.
void TestLoText::resetRemovesDirectFormats()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("in.rtf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi\\pard\\keepn\\sb567\\sa567\\li600\\qc A\\par"
               "\\pard\\keepn\\sb567\\sa567\\li600\\qc B\\par}");
    file.close();
    QVERIFY(libreoffice::openDocument(m_office.officeApplication(), file.fileName()));
    m_app->activeDocument()->paragraphs()->item(1)->reset();
    QVERIFY(libreoffice::saveDocumentAs(m_office.officeApplication(), dir.filePath("out.docx")));

    QProcess unzip;
    unzip.start("unzip", {"-p", dir.filePath("out.docx"), "word/document.xml"});
    QVERIFY(unzip.waitForFinished());
    const QStringList paragraphs = QString::fromUtf8(unzip.readAll()).split("</w:p>");
    QVERIFY(paragraphs.size() >= 2 && paragraphs.at(1).contains("<w:t>B</w:t>"));
    for (const char *format : {"<w:keepNext", "w:before=\"567\"", "\"600\"", "center"}) {
        QVERIFY2(!paragraphs.at(0).contains(format), format);
        QVERIFY2(paragraphs.at(1).contains(format), format);
    }
}
