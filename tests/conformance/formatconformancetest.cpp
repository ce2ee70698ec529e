#include "conformancesuite.h"

#include <QtTest>

#include <iterator>

using namespace automation;

namespace {

// One numeric property of a format, read and written as float.
template<typename Format> struct Property
{
    const char *name;
    float (*get)(Format &);
    void (*set)(Format &, float);
};

#define FORMAT_PROPERTY(Format, name, getter, setter, Type)                                        \
    Property<Format>                                                                               \
    {                                                                                              \
        name, [](Format &f) { return float(f.getter()); },                                         \
            [](Format &f, float v) { f.setter(Type(v)); }                                          \
    }

const Property<ParagraphFormat> paragraphProperties[] = {
    FORMAT_PROPERTY(ParagraphFormat, "alignment", alignment, setAlignment, int),
    FORMAT_PROPERTY(ParagraphFormat, "line spacing rule", lineSpacingRule, setLineSpacingRule, int),
    FORMAT_PROPERTY(ParagraphFormat, "line spacing", lineSpacing, setLineSpacing, float),
    FORMAT_PROPERTY(ParagraphFormat, "first-line indent", firstLineIndent, setFirstLineIndent,
                    float),
    FORMAT_PROPERTY(ParagraphFormat, "left indent", leftIndent, setLeftIndent, float),
    FORMAT_PROPERTY(ParagraphFormat, "right indent", rightIndent, setRightIndent, float),
    FORMAT_PROPERTY(ParagraphFormat, "first-line indent, characters", characterUnitFirstLineIndent,
                    setCharacterUnitFirstLineIndent, float),
    FORMAT_PROPERTY(ParagraphFormat, "left indent, characters", characterUnitLeftIndent,
                    setCharacterUnitLeftIndent, float),
    FORMAT_PROPERTY(ParagraphFormat, "right indent, characters", characterUnitRightIndent,
                    setCharacterUnitRightIndent, float),
};
// A value differing from a new document's for each paragraph property (a
// hanging first line in characters).
const float paragraphValues[] = {4, 4, 29.65f, 21, 10.5f, 7, -3, 1, 1};
// Indexes of the indents: points 3..5, characters 6..8.
const int firstIndent = 3;

const Property<Font> fontProperties[] = {
    FORMAT_PROPERTY(Font, "bold", bold, setBold, int),
    FORMAT_PROPERTY(Font, "italic", italic, setItalic, int),
    FORMAT_PROPERTY(Font, "size", size, setSize, float),
    FORMAT_PROPERTY(Font, "color", color, setColor, int),
    FORMAT_PROPERTY(Font, "scaling", scaling, setScaling, int),
};

#undef FORMAT_PROPERTY

const float undefined = float(wdUndefined);

} // namespace

void FormatConformanceTest::paragraphFormatReachesTouchedParagraphs()
{
    QVERIFY(setBody({"甲甲", "乙乙", "丙丙"}));
    // From inside the first paragraph into the second.
    const RangePtr range = m_doc->range(1, 4);
    range->paragraphFormat()->setAlignment(wdAlignParagraphCenter);
    QCOMPARE(paragraph(1)->alignment(), wdAlignParagraphCenter);
    QCOMPARE(paragraph(2)->alignment(), wdAlignParagraphCenter);
    QCOMPARE(paragraph(3)->alignment(), wdAlignParagraphLeft);
    QCOMPARE(range->paragraphFormat()->alignment(), wdAlignParagraphCenter);
    // A collapsed range touches the paragraph it lies in.
    m_doc->range(7, 7)->paragraphFormat()->setAlignment(wdAlignParagraphRight);
    QCOMPARE(paragraph(3)->alignment(), wdAlignParagraphRight);
}

void FormatConformanceTest::paragraphFormatMixedIsUndefined_data()
{
    QTest::addColumn<int>("property");
    for (int i = 0; i < int(std::size(paragraphProperties)); ++i)
        QTest::newRow(paragraphProperties[i].name) << i;
}

void FormatConformanceTest::paragraphFormatMixedIsUndefined()
{
    QFETCH(int, property);
    const Property<ParagraphFormat> &p = paragraphProperties[property];
    const float value = paragraphValues[property];
    QVERIFY(setBody({"甲", "乙"}));
    const float initial = p.get(*paragraph(2));
    QVERIFY(initial != value);

    p.set(*paragraphRange(1)->paragraphFormat(), value);
    QCOMPARE(p.get(*paragraph(1)->format()), value);
    QCOMPARE(p.get(*paragraph(2)), initial);
    QCOMPARE(p.get(*m_doc->content()->paragraphFormat()), undefined);

    p.set(*m_doc->content()->paragraphFormat(), value);
    QCOMPARE(p.get(*m_doc->content()->paragraphFormat()), value);
    QCOMPARE(p.get(*paragraph(2)->format()), value);
}

void FormatConformanceTest::paragraphFormatReset()
{
    QVERIFY(setBody({"甲", "乙"}));
    const ParagraphPtr first = paragraph(1);
    for (int i = 0; i < int(std::size(paragraphProperties)); ++i)
        paragraphProperties[i].set(*first, paragraphValues[i]);
    paragraph(2)->setAlignment(wdAlignParagraphRight);

    first->reset();
    QCOMPARE(first->alignment(), wdAlignParagraphLeft);
    QCOMPARE(first->lineSpacingRule(), wdLineSpaceSingle);
    for (int i = firstIndent; i < int(std::size(paragraphProperties)); ++i)
        QVERIFY2(paragraphProperties[i].get(*first) == 0.0f, paragraphProperties[i].name);
    QCOMPARE(paragraph(2)->alignment(), wdAlignParagraphRight);

    // A range's format resets every paragraph the range touches.
    paragraph(1)->setAlignment(wdAlignParagraphCenter);
    m_doc->content()->paragraphFormat()->reset();
    QCOMPARE(paragraph(1)->alignment(), wdAlignParagraphLeft);
    QCOMPARE(paragraph(2)->alignment(), wdAlignParagraphLeft);
}

void FormatConformanceTest::pointAndCharacterIndentsAreIndependent_data()
{
    QTest::addColumn<int>("side");
    QTest::newRow("first line") << 0;
    QTest::newRow("left") << 1;
    QTest::newRow("right") << 2;
}

void FormatConformanceTest::pointAndCharacterIndentsAreIndependent()
{
    QFETCH(int, side);
    const Property<ParagraphFormat> &points = paragraphProperties[firstIndent + side];
    const Property<ParagraphFormat> &characters = paragraphProperties[firstIndent + 3 + side];
    const ParagraphFormatPtr held = paragraphRange(1)->paragraphFormat();
    ParagraphFormat &format = *held;
    points.set(format, 20.0f);
    characters.set(format, 2.0f);
    QCOMPARE(points.get(format), 20.0f);
    QCOMPARE(characters.get(format), 2.0f);
    characters.set(format, 0.0f);
    QCOMPARE(points.get(format), 20.0f);
    characters.set(format, 1.5f);
    points.set(format, 0.0f);
    QCOMPARE(characters.get(*paragraph(1)), 1.5f);
    QCOMPARE(points.get(*paragraph(1)), 0.0f);
}

void FormatConformanceTest::characterIndentsComeBackFromFiles_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow(".docx") << ".docx";
    QTest::newRow(".odt") << ".odt";
}

// Character-unit indents come back from a stored document (a .docx keeps lengths only).
void FormatConformanceTest::characterIndentsComeBackFromFiles()
{
    QFETCH(QString, suffix);
    QVERIFY(setBody({"首行缩进两个字符的正文段落", "不缩进的段落"}));
    m_doc->content()->font()->setSize(16.0f);
    for (int side = 0; side < 3; ++side)
        paragraphProperties[firstIndent + 3 + side].set(*paragraph(1), 2.0f - side * 0.5f);
    if (!m_reopen)
        QSKIP("the writer has no files");
    QVERIFY(m_doc = m_reopen(m_app, suffix));
    for (int side = 0; side < 3; ++side) {
        QCOMPARE(paragraphProperties[firstIndent + 3 + side].get(*paragraph(1)),
                 2.0f - side * 0.5f);
        QCOMPARE(paragraphProperties[firstIndent + 3 + side].get(*paragraph(2)), 0.0f);
    }
}

void FormatConformanceTest::rangeParagraphs()
{
    QVERIFY(setBody({"a", "bb", "ccc"}));
    const ParagraphsPtr touched = m_doc->range(3, 6)->paragraphs();
    QCOMPARE(paragraphTexts(touched), withMarks({"bb", "ccc"}));
    QVERIFY(!touched->item(0) && !touched->item(3));
    QCOMPARE(paragraphTexts(m_doc->range(0, 0)->paragraphs()), withMarks({"a"}));
    QCOMPARE(paragraphTexts(m_doc->content()->paragraphs()), withMarks({"a", "bb", "ccc"}));
}

void FormatConformanceTest::fontOverCharacters_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<float>("value");
    QTest::addColumn<float>("reads");
    QTest::newRow("bold") << 0 << 1.0f << float(msoTrue);
    QTest::newRow("italic") << 1 << 5.0f << float(msoTrue);
    QTest::newRow("size") << 2 << 22.0f << 22.0f;
    QTest::newRow("color") << 3 << float(wdColorRed) << float(wdColorRed);
    QTest::newRow("scaling") << 4 << 65.0f << 65.0f;
}

void FormatConformanceTest::fontOverCharacters()
{
    QFETCH(int, property);
    QFETCH(float, value);
    QFETCH(float, reads);
    const Property<Font> &p = fontProperties[property];
    QVERIFY(setBody({"abcdef", "ghi"}));
    const float initial = p.get(*m_doc->range(3, 6)->font());
    QVERIFY(initial != reads);

    p.set(*m_doc->range(1, 3)->font(), value);
    QCOMPARE(p.get(*m_doc->range(1, 3)->font()), reads);
    QCOMPARE(p.get(*m_doc->range(3, 6)->font()), initial);
    QCOMPARE(p.get(*m_doc->range(0, 3)->font()), undefined);

    // Across a paragraph mark.
    p.set(*m_doc->range(5, 9)->font(), value);
    QCOMPARE(p.get(*m_doc->range(7, 9)->font()), reads);
    QCOMPARE(p.get(*m_doc->range(9, 10)->font()), initial);
    if (property <= 1) { // bold and italic
        p.set(*m_doc->content()->font(), 0.0f);
        QCOMPARE(p.get(*m_doc->content()->font()), float(msoFalse));
    }
}

void FormatConformanceTest::fontNameSetsBothScripts()
{
    QVERIFY(setBody({"甲乙abc"}));
    const FontPtr font = m_doc->range(0, 3)->font();
    const auto names
        = [&] { return font->name() + '/' + font->nameAscii() + '/' + font->nameFarEast(); };
    font->setName(QStringLiteral("黑体"));
    QCOMPARE(names(), QStringLiteral("黑体/黑体/黑体"));
    font->setNameFarEast(QStringLiteral("仿宋"));
    QCOMPARE(names(), QStringLiteral("黑体/黑体/仿宋"));
    font->setNameAscii(QStringLiteral("Times New Roman"));
    QCOMPARE(names(), QStringLiteral("Times New Roman/Times New Roman/仿宋"));

    m_doc->range(3, 5)->font()->setName(QStringLiteral("楷体"));
    const FontPtr mixed = m_doc->range(0, 5)->font();
    QCOMPARE(mixed->name(), QString());
    QCOMPARE(mixed->nameFarEast(), QString());
    QCOMPARE(m_doc->range(2, 5)->font()->nameFarEast(), QString());
    QCOMPARE(m_doc->range(3, 5)->font()->nameAscii(), QStringLiteral("楷体"));
}

void FormatConformanceTest::lineSpacingRules_data()
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

void FormatConformanceTest::lineSpacingRules()
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

// Distributed text also justifies the last line: going back must undo that.
void FormatConformanceTest::alignmentChanges()
{
    QVERIFY(setBody({"甲"}));
    for (const auto &[from, to] : {std::pair {wdAlignParagraphDistribute, wdAlignParagraphJustify},
                                   {wdAlignParagraphDistribute, wdAlignParagraphLeft},
                                   {wdAlignParagraphJustify, wdAlignParagraphDistribute}}) {
        m_doc->content()->paragraphFormat()->setAlignment(from);
        QCOMPARE(paragraph(1)->alignment(), from);
        paragraph(1)->setAlignment(to);
        QCOMPARE(m_doc->content()->paragraphFormat()->alignment(), to);
    }
}

// Held formatting writes are seen by whatever is asked next, through any object, and
// land on the paragraph they were made for even when the text changes right after.
void FormatConformanceTest::heldWritesReachTheOffice()
{
    QVERIFY(setBody({"甲甲", "乙乙", "丙丙"}));
    const ParagraphsPtr paragraphs = m_doc->paragraphs();
    const ParagraphPtr second = paragraphs->item(2);
    second->setAlignment(wdAlignParagraphCenter);

    // Font writes of one paragraph, then another paragraph's: each keeps its own.
    const FontPtr font = second->range()->font();
    font->setSize(20);
    font->setBold(-1);
    paragraphs->item(3)->range()->font()->setSize(9);
    QCOMPARE(m_doc->range(3, 5)->font()->size(), 20.0f);
    QCOMPARE(m_doc->range(3, 5)->font()->bold(), -1);
    QCOMPARE(m_doc->range(6, 8)->font()->size(), 9.0f);

    // A held write stays its paragraph's through an edit before it.
    const ParagraphPtr third = paragraphs->item(3);
    third->setAlignment(wdAlignParagraphRight);
    m_doc->range(0, 0)->insertBefore(QStringLiteral("新\n"));
    QCOMPARE(m_doc->paragraphs()->item(4)->alignment(), int(wdAlignParagraphRight));
    QCOMPARE(m_doc->paragraphs()->item(3)->alignment(), int(wdAlignParagraphCenter));

    // Two format objects of one paragraph, writes interleaved: none is lost.
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
