#include "conformancesuite.h"

#include <QtTest>

using namespace automation;

namespace {

QString asStored(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

} // namespace

void TextConformanceTest::insertedBreaksStartParagraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing: a new document's one empty paragraph") << "" << QStringList {""};
    QTest::newRow("plain") << "正文" << QStringList {"正文"};
    QTest::newRow("line feed") << "甲\n乙" << QStringList {"甲", "乙"};
    QTest::newRow("carriage return") << "甲\r乙" << QStringList {"甲", "乙"};
    QTest::newRow("CR LF pair") << "甲\r\n乙" << QStringList {"甲", "乙"};
    QTest::newRow("trailing break") << "甲\n" << QStringList {"甲", ""};
    QTest::newRow("leading break") << "\n甲" << QStringList {"", "甲"};
    QTest::newRow("breaks only") << "\n\n" << QStringList {"", "", ""};
}

void TextConformanceTest::insertedBreaksStartParagraphs()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    m_doc->content()->insertBefore(text);
    QCOMPARE(bodyParagraphs(), withMarks(expected));
    // Offsets run without gaps, one per character and one per mark.
    long offset = 0;
    for (long i = 1; i <= expected.size(); ++i) {
        const RangePtr range = paragraphRange(i);
        QCOMPARE(range->start(), offset);
        offset += expected.at(i - 1).size() + 1;
        QCOMPARE(range->end(), offset);
    }
    QCOMPARE(m_doc->content()->end(), offset);
    QVERIFY(!m_doc->paragraphs()->item(0) && !m_doc->paragraphs()->item(expected.size() + 1));
}

void TextConformanceTest::insertAroundParagraphMarks_data()
{
    // "before 1": before paragraph 1's range, "after mark 2": after paragraph
    // 2's mark alone; the body is "abc", "def" in every row.
    QTest::addColumn<QString>("at");
    QTest::addColumn<QStringList>("texts"); // inserted, and the range's text then
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char *name, const char *at, const QStringList &texts,
                        const QStringList &expected) {
        QTest::newRow(name) << QString::fromUtf8(at) << texts << expected;
    };
    row("before paragraph", "before 1", {"X", "Xabc\r"}, {"Xabc", "def"});
    // The title block's insertions before the first paragraph.
    row("before paragraph, line and break", "before 1", {"R：\n", "R：\rabc\r"},
        {"R：", "abc", "def"});
    row("before paragraph, breaks and a line joining it", "before 1", {"\nL\n\nN", "\rL\r\rNabc\r"},
        {"", "L", "", "Nabc", "def"});
    row("after paragraph", "after 1", {"X", "abc\rX"}, {"abc", "Xdef"});
    // After the last mark the text starts a new last paragraph.
    row("after last paragraph", "after 2", {"X", "def\rX\r"}, {"abc", "def", "X"});
    row("before mark", "before mark 1", {"X", "X\r"}, {"abcX", "def"});
    row("after mark", "after mark 1", {"X", "\rX"}, {"abc", "Xdef"});
    row("after last mark", "after mark 2", {"X", "\rX\r"}, {"abc", "def", "X"});
    row("before last mark, with break", "before mark 2", {"\nY", "\rY\r"}, {"abc", "def", "Y"});
    // The signature typed before a paragraph's mark.
    row("before mark, with breaks", "before mark 1", {"\n\n\nA\nB", "\r\r\rA\rB\r"},
        {"abc", "", "", "A", "B", "def"});
    row("after last mark, with breaks", "after mark 2", {"\n0\n\n\n", "\r\r0\r\r\r"},
        {"abc", "def", "", "0", "", ""});
}

void TextConformanceTest::insertAroundParagraphMarks()
{
    QFETCH(QString, at);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);
    QVERIFY(setBody({"abc", "def"}));
    const RangePtr range = paragraphRange(at.right(1).toInt());
    if (at.contains(QLatin1String("mark")))
        range->setRange(range->end() - 1, range->end());
    const long start = range->start();
    if (at.startsWith(QLatin1String("after")))
        range->insertAfter(texts.at(0));
    else
        range->insertBefore(texts.at(0));
    QCOMPARE(bodyParagraphs(), withMarks(expected));
    QCOMPARE(startAndText(range), QStringLiteral("%1:%2").arg(start).arg(texts.at(1)));
}

void TextConformanceTest::setTextReplaces_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    const auto row = [](const char *name, const QStringList &body, int start, int end,
                        const char *text, const QStringList &expected) {
        QTest::newRow(name) << body << start << end << QString::fromUtf8(text) << expected;
    };
    row("inside a paragraph", {"abcdef"}, 1, 3, "XY", {"aXYdef"});
    row("whole paragraph removed", {"abc", "def", "ghi"}, 4, 8, "", {"abc", "ghi"});
    row("mark removed, paragraphs joined", {"abc", "def"}, 2, 5, "", {"abef"});
    row("last paragraph emptied, not removed", {"abc", "def"}, 4, 8, "", {"abc", ""});
    row("whole story emptied", {"abc", "def"}, 0, 8, "", {""});
    row("mark replaced by text with break", {"abc", "def"}, 3, 4, "X\nY", {"abcX", "Ydef"});
    row("last mark kept", {"abc"}, 0, 4, "\nZ", {"", "Z"});
    // The minutes' attendance lines written over their placeholders, or these removed.
    row("paragraph replaced by a break and a line", {"abc", "0", ""}, 4, 6, "\n出席：甲",
        {"abc", "", "出席：甲"});
    row("empty paragraph replaced by a break and a line", {"abc", "", "ghi"}, 4, 5, "\n请假：乙",
        {"abc", "", "请假：乙ghi"});
    row("empty last paragraph replaced by a break and a line", {"abc", ""}, 4, 5, "\n列席：丙",
        {"abc", "", "列席：丙"});
    row("empty paragraph removed", {"abc", "", "ghi"}, 4, 5, "", {"abc", "ghi"});
    row("two paragraphs replaced", {"abc", "def", "ghi"}, 0, 8, "新", {"新ghi"});
}

void TextConformanceTest::setTextReplaces()
{
    QFETCH(QStringList, body);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QVERIFY(setBody(body));
    const RangePtr range = m_doc->range(start, end);
    range->setText(text);
    QCOMPARE(bodyParagraphs(), withMarks(expected));
    // The range spans the new text.
    QCOMPARE(range->start(), long(start));
    QCOMPARE(range->text(), asStored(text));
}

void TextConformanceTest::joinedParagraphKeepsNextFormat()
{
    QVERIFY(setBody({"abc", "def", "ghi"}));
    paragraph(1)->setAlignment(wdAlignParagraphCenter);
    paragraph(2)->setAlignment(wdAlignParagraphRight);
    paragraph(3)->setAlignment(wdAlignParagraphJustify);

    paragraphRange(2)->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks({"abc", "ghi"}));
    QCOMPARE(paragraph(1)->alignment(), wdAlignParagraphCenter);
    QCOMPARE(paragraph(2)->alignment(), wdAlignParagraphJustify);

    // The format lives in the mark: removing the first mark leaves the second.
    m_doc->range(3, 4)->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks({"abcghi"}));
    QCOMPARE(paragraph(1)->alignment(), wdAlignParagraphJustify);
}

void TextConformanceTest::newParagraphsTakeSplitFormat_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QStringList>("expected");
    // The body is "abcd", "ef"; "X\n\nY" goes into paragraph "index" at
    // "offset" within it: the title block types before the first paragraph,
    // the signature before a paragraph's mark.
    QTest::newRow("start") << 1 << 0 << QStringList {"X", "", "Yabcd", "ef"};
    QTest::newRow("inside") << 1 << 2 << QStringList {"abX", "", "Ycd", "ef"};
    QTest::newRow("before the mark") << 1 << 4 << QStringList {"abcdX", "", "Y", "ef"};
    QTest::newRow("before the last mark") << 2 << 2 << QStringList {"abcd", "efX", "", "Y"};
}

// Paragraphs split off by an insertion carry the split one's format.
void TextConformanceTest::newParagraphsTakeSplitFormat()
{
    QFETCH(int, index);
    QFETCH(int, offset);
    QFETCH(QStringList, expected);
    QVERIFY(setBody({"abcd", "ef"}));
    const ParagraphPtr first = paragraph(1);
    first->setAlignment(wdAlignParagraphCenter);
    first->setLineSpacingRule(wdLineSpaceExactly);
    first->setLineSpacing(20.0f);
    first->setCharacterUnitFirstLineIndent(2.0f);
    paragraph(2)->setAlignment(wdAlignParagraphRight);

    const long at = paragraphRange(index)->start() + offset;
    const RangePtr range = m_doc->range(at, at);
    range->insertBefore(QStringLiteral("X\n\nY"));
    QCOMPARE(bodyParagraphs(), withMarks(expected));
    QCOMPARE(range->start(), at);
    QCOMPARE(range->end(), at + 4);
    const QList<float> split {wdAlignParagraphCenter, wdLineSpaceExactly, 20, 2},
        next {wdAlignParagraphRight, wdLineSpaceSingle, 12, 0};
    for (long i = 1; i <= 4; ++i) {
        const ParagraphPtr p = paragraph(i);
        const QList<float> format {float(p->alignment()), float(p->lineSpacingRule()),
                                   p->lineSpacing(), p->characterUnitFirstLineIndent()};
        QCOMPARE(format, i < index || (index == 1 && i <= 3) ? split : next);
    }
}

void TextConformanceTest::rangesMoveWithEdits()
{
    QVERIFY(setBody({"abc", "def", "ghi"}));
    const RangePtr first = paragraphRange(1);
    const RangePtr e = m_doc->range(5, 6);
    const RangePtr last = paragraphRange(3);
    QCOMPARE(e->text(), QStringLiteral("e"));

    m_doc->range(4, 4)->insertBefore(QStringLiteral("XY\n"));
    QCOMPARE(startAndText(first), QStringLiteral("0:abc\r"));
    const auto moved = [&] { return QStringList {startAndText(e), startAndText(last)}; };
    QCOMPARE(moved(), (QStringList {"8:e", "11:ghi\r"}));
    paragraphRange(1)->setText(QString());
    QCOMPARE(moved(), (QStringList {"4:e", "7:ghi\r"}));

    // Edits of another document leave them alone.
    const DocumentPtr other = m_app->documents()->add();
    other->content()->insertBefore(QStringLiteral("一二三\n四"));
    other->range(0, 0)->insertBefore(QStringLiteral("XYZ"));
    QCOMPARE(other->content()->text(), QStringLiteral("XYZ一二三\r四\r"));
    QCOMPARE(moved(), (QStringList {"4:e", "7:ghi\r"}));
    m_doc->range(0, 0)->insertBefore(QStringLiteral("12"));
    QCOMPARE(moved(), (QStringList {"6:e", "9:ghi\r"}));
}

// A paragraph's range answers through the paragraph while its offsets are
// the paragraph's, and through offsets once they change.
void TextConformanceTest::paragraphRangesFollowEdits()
{
    QVERIFY(setBody({"一二三", "四五六"}));
    const RangePtr range = m_doc->paragraphs()->item(2)->range();
    QCOMPARE(startAndText(range), QStringLiteral("4:四五六\r"));
    range->select();
    QCOMPARE(startAndText(m_app->selection()->range()), QStringLiteral("4:四五六\r"));
    m_doc->range(0, 0)->insertBefore(QStringLiteral("零\n"));
    QCOMPARE(startAndText(range), QStringLiteral("6:四五六\r"));
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
