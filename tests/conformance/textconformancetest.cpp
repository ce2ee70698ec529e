#include "textconformancetest.h"

#include <QtTest>

using namespace automation;

namespace {

QString asStored(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

} // namespace

void TextConformanceTest::newDocumentHasOneEmptyParagraph()
{
    const ParagraphsPtr paragraphs = m_doc->paragraphs();
    QVERIFY(paragraphs);
    QCOMPARE(paragraphs->count(), 1L);
    QVERIFY(!paragraphs->item(0));
    QVERIFY(!paragraphs->item(2));
    const RangePtr content = m_doc->content();
    QVERIFY(content);
    QCOMPARE(content->text(), QStringLiteral("\r"));
    QCOMPARE(content->start(), 0L);
    QCOMPARE(content->end(), 1L);
    QCOMPARE(bodyParagraphs(), withMarks({QString()}));
}

void TextConformanceTest::insertedBreaksStartParagraphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
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
        QVERIFY(range);
        QCOMPARE(range->start(), offset);
        offset += expected.at(i - 1).size() + 1;
        QCOMPARE(range->end(), offset);
    }
    QCOMPARE(m_doc->content()->end(), offset);
}

void TextConformanceTest::insertAroundParagraphMarks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("markOnly");
    QTest::addColumn<bool>("after");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("rangeText");
    // The body is "abc", "def" in every row.
    QTest::newRow("before paragraph")
        << 1 << false << false << "X" << QStringList {"Xabc", "def"} << "Xabc\r";
    // The title block's insertions before the first paragraph.
    QTest::newRow("before paragraph, line and break")
        << 1 << false << false << "R：\n"
        << QStringList {"R：", "abc", "def"} << "R：\rabc\r";
    QTest::newRow("before paragraph, breaks and a line joining it")
        << 1 << false << false << "\nL\n\nN" << QStringList {"", "L", "", "Nabc", "def"}
        << "\rL\r\rNabc\r";
    QTest::newRow("after paragraph")
        << 1 << false << true << "X" << QStringList {"abc", "Xdef"} << "abc\rX";
    // After the last mark the text starts a new last paragraph.
    QTest::newRow("after last paragraph")
        << 2 << false << true << "X" << QStringList {"abc", "def", "X"} << "def\rX\r";
    QTest::newRow("before mark") << 1 << true << false << "X" << QStringList {"abcX", "def"}
                                 << "X\r";
    QTest::newRow("after mark") << 1 << true << true << "X" << QStringList {"abc", "Xdef"} << "\rX";
    QTest::newRow("after last mark")
        << 2 << true << true << "X" << QStringList {"abc", "def", "X"} << "\rX\r";
    QTest::newRow("before last mark, with break")
        << 2 << true << false << "\nY" << QStringList {"abc", "def", "Y"} << "\rY\r";
    // The signature typed before a paragraph's mark.
    QTest::newRow("before mark, with breaks")
        << 1 << true << false << "\n\n\nA\nB" << QStringList {"abc", "", "", "A", "B", "def"}
        << "\r\r\rA\rB\r";
    QTest::newRow("after last mark, with breaks")
        << 2 << true << true << "\n0\n\n\n"
        << QStringList {"abc", "def", "", "0", "", ""} << "\r\r0\r\r\r";
}

void TextConformanceTest::insertAroundParagraphMarks()
{
    QFETCH(int, index);
    QFETCH(bool, markOnly);
    QFETCH(bool, after);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QFETCH(QString, rangeText);
    QVERIFY(setBody({"abc", "def"}));
    const RangePtr range = paragraphRange(index);
    QVERIFY(range);
    if (markOnly)
        range->setRange(range->end() - 1, range->end());
    const long start = range->start();
    if (after)
        range->insertAfter(text);
    else
        range->insertBefore(text);
    QCOMPARE(bodyParagraphs(), withMarks(expected));
    QCOMPARE(range->start(), start);
    QCOMPARE(range->text(), rangeText);
}

void TextConformanceTest::setTextReplaces_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("inside a paragraph")
        << QStringList {"abcdef"} << 1 << 3 << "XY" << QStringList {"aXYdef"};
    QTest::newRow("whole paragraph removed")
        << QStringList {"abc", "def", "ghi"} << 4 << 8 << "" << QStringList {"abc", "ghi"};
    QTest::newRow("mark removed, paragraphs joined")
        << QStringList {"abc", "def"} << 2 << 5 << "" << QStringList {"abef"};
    QTest::newRow("last paragraph emptied, not removed")
        << QStringList {"abc", "def"} << 4 << 8 << "" << QStringList {"abc", ""};
    QTest::newRow("whole story emptied")
        << QStringList {"abc", "def"} << 0 << 8 << "" << QStringList {""};
    QTest::newRow("mark replaced by text with break")
        << QStringList {"abc", "def"} << 3 << 4 << "X\nY" << QStringList {"abcX", "Ydef"};
    QTest::newRow("last mark kept")
        << QStringList {"abc"} << 0 << 4 << "\nZ" << QStringList {"", "Z"};
    // A minutes' attendance line written over a placeholder paragraph.
    QTest::newRow("paragraph replaced by a break and a line")
        << QStringList {"abc", "0", ""} << 4 << 6 << "\n出席：甲"
        << QStringList {"abc", "", "出席：甲"};
    QTest::newRow("two paragraphs replaced")
        << QStringList {"abc", "def", "ghi"} << 0 << 8 << "新" << QStringList {"新ghi"};
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
    QVERIFY(range);
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

void TextConformanceTest::newParagraphsTakeSplitFormat()
{
    QVERIFY(setBody({"abcd", "ef"}));
    const ParagraphPtr first = paragraph(1);
    first->setAlignment(wdAlignParagraphCenter);
    first->setLineSpacingRule(wdLineSpaceExactly);
    first->setLineSpacing(20.0f);
    first->setCharacterUnitFirstLineIndent(2.0f);
    paragraph(2)->setAlignment(wdAlignParagraphRight);

    m_doc->range(2, 2)->insertBefore(QStringLiteral("X\nY\n"));
    QCOMPARE(bodyParagraphs(), withMarks({"abX", "Y", "cd", "ef"}));
    for (long i = 1; i <= 3; ++i) {
        const ParagraphPtr p = paragraph(i);
        QVERIFY(p);
        QCOMPARE(p->alignment(), wdAlignParagraphCenter);
        QCOMPARE(p->lineSpacingRule(), wdLineSpaceExactly);
        QCOMPARE(p->lineSpacing(), 20.0f);
        QCOMPARE(p->characterUnitFirstLineIndent(), 2.0f);
    }
    QCOMPARE(paragraph(4)->alignment(), wdAlignParagraphRight);
    QCOMPARE(paragraph(4)->lineSpacingRule(), wdLineSpaceSingle);
}

void TextConformanceTest::rangesMoveWithEdits()
{
    QVERIFY(setBody({"abc", "def", "ghi"}));
    const RangePtr first = paragraphRange(1);
    const RangePtr e = m_doc->range(5, 6);
    const RangePtr last = paragraphRange(3);
    QVERIFY(first && e && last);
    QCOMPARE(e->text(), QStringLiteral("e"));

    m_doc->range(4, 4)->insertBefore(QStringLiteral("XY\n"));
    QCOMPARE(first->start(), 0L);
    QCOMPARE(first->text(), QStringLiteral("abc\r"));
    QCOMPARE(e->start(), 8L);
    QCOMPARE(e->text(), QStringLiteral("e"));
    QCOMPARE(last->start(), 11L);
    QCOMPARE(last->end(), 15L);
    QCOMPARE(last->text(), QStringLiteral("ghi\r"));

    paragraphRange(1)->setText(QString());
    QCOMPARE(last->start(), 7L);
    QCOMPARE(last->text(), QStringLiteral("ghi\r"));
    QCOMPARE(e->text(), QStringLiteral("e"));
}

void TextConformanceTest::titleBlockInsertion()
{
    QVERIFY(setBody({"正文第一段"}));
    RangePtr range = paragraphRange(1);
    QVERIFY(range);
    range->insertBefore(QStringLiteral("主送单位：\n"));
    QCOMPARE(bodyParagraphs(), withMarks({"主送单位：", "正文第一段"}));
    QCOMPARE(range->start(), 0L);
    QCOMPARE(range->text(), QStringLiteral("主送单位：\r正文第一段\r"));

    paragraph(1)->setLineSpacingRule(wdLineSpaceExactly);
    paragraph(1)->setLineSpacing(29.65f);
    paragraphRange(1)->insertBefore(QStringLiteral("\n\n\n标题\n\n"));
    QCOMPARE(bodyParagraphs(), withMarks({"", "", "", "标题", "", "主送单位：", "正文第一段"}));
    for (long i = 1; i <= 6; ++i)
        QCOMPARE(paragraph(i)->lineSpacing(), 29.65f);
    QCOMPARE(paragraph(7)->lineSpacingRule(), wdLineSpaceSingle);
    paragraph(4)->setAlignment(wdAlignParagraphCenter);
    paragraph(4)->setLineSpacing(36.0f);

    range = paragraphRange(1);
    QVERIFY(range);
    range->setRange(0, 0);
    const QString head = QStringLiteral("\n秘密\n特急\n\n\n文号");
    range->insertBefore(head);
    QCOMPARE(range->start(), 0L);
    QCOMPARE(range->end(), long(head.size()));
    QCOMPARE(bodyParagraphs(),
             withMarks({"", "秘密", "特急", "", "", "文号", "", "", "标题", "", "主送单位：",
                        "正文第一段"}));
    QCOMPARE(paragraph(6)->lineSpacing(), 29.65f);
    QCOMPARE(paragraph(9)->alignment(), wdAlignParagraphCenter);
    QCOMPARE(paragraph(9)->lineSpacing(), 36.0f);
}

void TextConformanceTest::minutesAttendance_data()
{
    QTest::addColumn<QString>("attendees");
    QTest::addColumn<QString>("onLeave");
    QTest::addColumn<QString>("observers");
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("all three lists")
        << "王五"
        << "李四"
        << "赵六" << QStringList {"", "出席：王五", "请假：李四", "列席：赵六"};
    QTest::newRow("attendees only") << "王五"
                                    << ""
                                    << "" << QStringList {"", "出席：王五"};
    QTest::newRow("observers only") << ""
                                    << ""
                                    << "赵六" << QStringList {"", "列席：赵六"};
}

void TextConformanceTest::minutesAttendance()
{
    QFETCH(QString, attendees);
    QFETCH(QString, onLeave);
    QFETCH(QString, observers);
    QFETCH(QStringList, tail);
    const QStringList body {"第一段", "第二段"};
    QVERIFY(setBody(body));
    const long k = body.size();

    const RangePtr last = paragraphRange(k);
    QVERIFY(last);
    last->setRange(last->end() - 1, last->end());
    // After the last mark: four new paragraphs, an empty one, the "0"
    // placeholder and two empty ones; then the empty one goes.
    last->insertAfter(QStringLiteral("\n0\n\n\n"));
    QCOMPARE(bodyParagraphs(), withMarks(body + QStringList {"", "0", "", ""}));

    paragraphRange(k + 1)->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks(body + QStringList {"0", "", ""}));

    const struct
    {
        long index;
        QString label;
        QString list;
    } lines[] = {{k + 3, QStringLiteral("列席："), observers},
                 {k + 2, QStringLiteral("请假："), onLeave},
                 {k + 1, QStringLiteral("出席："), attendees}};
    for (const auto &line : lines) {
        const RangePtr range = paragraphRange(line.index);
        QVERIFY2(range, qPrintable(line.label));
        if (line.list.isEmpty()) {
            range->setText(QString());
            continue;
        }
        range->setText(QLatin1Char('\n') + line.label + line.list);
        const long start = range->start();
        range->setRange(start + 1, start + 4);
        QCOMPARE(range->text(), line.label);
    }
    QCOMPARE(bodyParagraphs(), withMarks(body + tail));
}

void TextConformanceTest::signatureBeforeMark_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");
    const QStringList block {"", "", "   单位", "   2024年5月6日"};
    QTest::newRow("inner paragraph")
        << 1 << QStringList {"正文内容"} + block + QStringList {"下一段"};
    QTest::newRow("last paragraph") << 2 << QStringList {"正文内容", "下一段"} + block;
}

void TextConformanceTest::signatureBeforeMark()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    QVERIFY(setBody({"正文内容", "下一段"}));
    paragraph(1)->setAlignment(wdAlignParagraphJustify);
    paragraph(1)->setCharacterUnitFirstLineIndent(2.0f);
    paragraph(2)->setAlignment(wdAlignParagraphCenter);

    const RangePtr range = paragraphRange(index);
    QVERIFY(range);
    range->setRange(range->end() - 1, range->end());
    const long mark = range->start();
    const QString signature = QStringLiteral("\n\n\n   单位\n   2024年5月6日");
    range->insertBefore(signature);
    QCOMPARE(bodyParagraphs(), withMarks(expected));
    QCOMPARE(range->start(), mark);
    QCOMPARE(range->text(), asStored(signature) + QLatin1Char('\r'));

    // The new paragraphs come from the split one and carry its format.
    const int source = index == 1 ? wdAlignParagraphJustify : wdAlignParagraphCenter;
    for (long i = 1; i <= expected.size(); ++i) {
        const int alignment = i < index ? wdAlignParagraphJustify
            : i <= index + 4            ? source
                                        : wdAlignParagraphCenter;
        QCOMPARE(paragraph(i)->alignment(), alignment);
    }
    QCOMPARE(paragraph(index + 4)->characterUnitFirstLineIndent(), index == 1 ? 2.0f : 0.0f);
}

void TextConformanceTest::pageNumbersAndTable()
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

void TextConformanceTest::selectionOverLastMark()
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

void TextConformanceTest::rangesBelongToTheirDocument()
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

// A paragraph's range answers through the paragraph while its offsets are
// the paragraph's, and through offsets once they change.
void TextConformanceTest::paragraphRangesFollowEdits()
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
