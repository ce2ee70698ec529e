#include "textblockstest.h"

#include "assembly/signatureblock.h"
#include "assembly/titleblock.h"

#include <QRegularExpression>
#include <QtTest>

using namespace automation;
using assembly::WrittenBlock;

namespace {

const QString kBody = QStringLiteral("|0|29.65|2,0,0|FS 16"); // a body paragraph's format
const QString kPlain = QStringLiteral("|0|29.65|0,0,0|FS 16"); // the block's own lines
const QString kLevel = QStringLiteral("|0|30|0,0,0|HT 16"); // security level and urgency

// An empty paragraph: its font is left out.
QString blank(const QString &spacing, const QString &indents = QStringLiteral("0,0,0"))
{
    return QStringLiteral("|0|%1|%2|-").arg(spacing, indents);
}

assembly::TitleSettings titleSettings(const QString &numberFont = QStringLiteral("FS"))
{
    assembly::TitleSettings s;
    s.titleFont = QStringLiteral("BT");
    s.headingFont = QStringLiteral("HT");
    s.subheadingFont = QStringLiteral("KT");
    s.bodyFont = QStringLiteral("FS");
    s.westernFont = QStringLiteral("ST");
    s.firstLinesSpacing = 30;
    s.controlSpacing = 37;
    s.insertedLines = 1;
    s.numberFont = numberFont;
    s.compilingUnit = QStringLiteral("某某办公室");
    return s;
}

// The body before the block, and the head of every kind down to the title.
const QStringList kTwoParagraphs {QStringLiteral("正文一"), QStringLiteral("正文二")};
const QString kTitle = QStringLiteral("关于开展检查的通知|1|36|0,0,0|BT 20");
const QStringList kTitleToRecipient {blank("29.65"), blank("26"), kTitle, blank("15.6"),
                                     "各单位：" + kPlain};

} // namespace

void TextBlocksTest::prepareBody(const QStringList &paragraphs)
{
    QVERIFY(setBody(paragraphs));
    for (long i = 0; i <= paragraphs.size(); ++i) {
        // 0: the normal style, which paragraph marks follow
        const FontPtr font
            = i ? paragraph(i)->range()->font() : m_doc->styles()->item(wdStyleNormal)->font();
        font->setNameFarEast(QStringLiteral("FS"));
        font->setNameAscii(QStringLiteral("ST"));
        font->setSize(16);
        if (!i)
            continue;
        const ParagraphPtr p = paragraph(i);
        p->setCharacterUnitFirstLineIndent(2);
        p->setLineSpacingRule(wdLineSpaceExactly);
        p->setLineSpacing(29.65f);
    }
}

QString TextBlocksTest::describe(long index) const
{
    const ParagraphPtr p = paragraph(index);
    const RangePtr range = p->range();
    QString text = range->text();
    text.chop(1);
    const auto fontAt = [this](long at) { return m_doc->range(at, at + 1)->font()->nameFarEast(); };
    QString font = text.isEmpty() ? QStringLiteral("-") : fontAt(range->start());
    if (text.size() > 1 && fontAt(range->end() - 2) != font)
        font += QStringLiteral("..") + fontAt(range->end() - 2);
    if (!text.isEmpty())
        font += QStringLiteral(" %1").arg(range->font()->size());
    const QRegularExpression blanks(QStringLiteral("  +"));
    for (QRegularExpressionMatch m = blanks.match(text); m.hasMatch(); m = blanks.match(text))
        text.replace(m.capturedStart(), m.capturedLength(),
                     QStringLiteral("{%1}").arg(m.capturedLength()));
    return QStringLiteral("%1|%2|%3|%4,%5,%6|%7")
        .arg(text)
        .arg(p->alignment())
        .arg(p->lineSpacingRule() == wdLineSpaceExactly ? QString::number(p->lineSpacing())
                                                        : QStringLiteral("-"))
        .arg(p->characterUnitFirstLineIndent())
        .arg(p->characterUnitLeftIndent())
        .arg(p->characterUnitRightIndent())
        .arg(font);
}

QStringList TextBlocksTest::describeAll() const
{
    QStringList all;
    for (long i = 1, n = m_doc->paragraphs()->count(); i <= n; ++i)
        all << describe(i);
    return all;
}

void TextBlocksTest::titleBlock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("texts"); // number, level, urgency, title, signer
    QTest::addColumn<QString>("numberFont");
    QTest::addColumn<QStringList>("head"); // the first paragraphs of the block
    const QString title = QStringLiteral("关于开展检查的通知");
    const QString upNumber = QStringLiteral("某〔2024〕10号"); // 10 characters

    const QString level = blank("30"); // an empty line among the level and urgency lines
    QTest::newRow("down-going, level and urgency, one inserted line")
        << "xiaxing.ini" << QStringList {"某发〔2024〕1号", "秘密★1年", "特急", title, ""} << "FS"
        << QStringList {level,       "秘密★1年" + kLevel, "特急" + kLevel,
                        blank("37"), blank("29.65"),      "某发〔2024〕1号|1|29.65|0,0,0|FS 16"}
            + kTitleToRecipient;
    QTest::newRow("up-going, 3-character signer")
        << "shangxing.ini" << QStringList {upNumber, "", "", title, "张三丰"} << "FS"
        << QStringList {level,          level,
                        level,          blank("37"),
                        blank("29.65"), upNumber + "{23}签发人：张三丰|4|29.65|0,1,1|FS..KT 16"}
            + kTitleToRecipient;
    QTest::newRow("up-going, no signer")
        << "shangxing.ini" << QStringList {upNumber, "机  密", "特  急", title, ""} << "FS"
        << QStringList {level,
                        "机{2}密" + kLevel,
                        "特{2}急" + kLevel,
                        blank("37"),
                        blank("29.65"),
                        upNumber + "{23}签发人：□□□|4|29.65|0,1,1|FS..KT 16"};
    QTest::newRow("letter, level and urgency")
        << "xinhan.ini" << QStringList {"", "秘密★1年", "特急", title, ""} << "FS"
        << QStringList {blank("37"),     blank("29.65"), level,      "秘密★1年" + kLevel,
                        "特急" + kLevel, blank("29.65"), blank("14")}
            + kTitleToRecipient.mid(2);
    QTest::newRow("letter, urgency only")
        << "xinhan.ini" << QStringList {"", "", "特  急", title, ""} << "FS"
        << QStringList {blank("37"), blank("29.65"), "特{2}急" + kLevel, level, blank("14")}
            + kTitleToRecipient.mid(2);
    const QStringList minutesHead {level,          level,
                                   level,          blank("37"),
                                   blank("29.65"), "第5期|1|29.65|0,0,0|WH 16",
                                   blank("15.6"),  "某某办公室{28}2024年5月6日|4|29.65|0,1,1|KT 16",
                                   blank("29.65")};
    QTest::newRow("minutes with a title") << "jiyao.ini" << QStringList {"第5期", "", "", title, ""}
                                          << "WH" << minutesHead + kTitleToRecipient.mid(1, 3);
    QTest::newRow("minutes, placeholder title left out")
        << "jiyao.ini" << QStringList {"第5期", "", "", "[此处输入标题]", ""} << "WH"
        << minutesHead;
}

// The head is written above the body, which keeps its text; taking the
// block's range out gives the body back.
void TextBlocksTest::titleBlock()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, texts);
    QFETCH(QString, numberFont);
    QFETCH(QStringList, head);
    prepareBody(kTwoParagraphs);
    const assembly::TitleTexts t {kind,        texts.at(0), texts.at(1), texts.at(2),
                                  texts.at(3), "各单位",    texts.at(4), "2024年5月6日"};
    const WrittenBlock block = assembly::writeTitleBlock(m_app, t, titleSettings(numberFont));
    QCOMPARE(block.status, WrittenBlock::Status::Written);
    const QStringList all = describeAll();
    QCOMPARE(all.mid(0, head.size()), head);
    QCOMPARE(block.lastParagraph, long(all.size() - 2));
    QCOMPARE(all.mid(all.size() - 2), QStringList({"正文一" + kBody, "正文二" + kBody}));
    block.range->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks(kTwoParagraphs));
}

void TextBlocksTest::signatureBlock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("texts"); // unit, note, attendees, on leave, without vote
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<QStringList>("expected");
    const QString unit = QStringLiteral("某某市人民政府"); // 7 characters
    const QString date = QStringLiteral("{30}2024年5月6日") + kBody;
    const QStringList closing {QStringLiteral("正文。")};
    const QString bodyBlank = blank("29.65", "2,0,0");
    const QStringList signature {"正文。" + kBody, bodyBlank, bodyBlank, "{30}" + unit + kBody,
                                 date};

    QTest::newRow("no attachment, one-character note left out")
        << "xiaxing.ini" << QStringList {unit, "无", "", "", ""} << closing << signature;
    QTest::newRow("unit and date of 46 characters: no blanks before the unit")
        << "shangxing.ini" << QStringList {QString(37, QChar(0x67D0)), "", "", "", ""} << closing
        << signature.mid(0, 3) + QStringList {QString(37, QChar(0x67D0)) + kBody, date};
    QTest::newRow("attachment note, then the note in parentheses")
        << "xinhan.ini" << QStringList {unit, "此件公开发布", "", "", ""}
        << QStringList {"结束语。", "", "附件：1.名单", "2.清单", "", "尾"}
        << QStringList {"结束语。" + kBody,
                        blank("15.6", "2,0,0"),
                        "附件：1.名单" + kBody,
                        "2.清单" + kBody,
                        bodyBlank,
                        bodyBlank,
                        bodyBlank,
                        "{30}" + unit + kBody,
                        date,
                        "（此件公开发布）" + kBody,
                        "尾" + kBody};
    QTest::newRow("joint issue placeholders")
        << "lianhe.ini" << QStringList {unit, "", "", "", ""} << closing
        << signature.mid(0, 3) + QStringList {"{10}发文机关一{8}发文机关二" + kBody, date};
    const QString hanging = QStringLiteral("|0|29.65|-3,5,0|HT..FS 16");
    const QStringList minutes {"纪要正文。" + kBody, blank("15.6", "2,0,0")};
    QTest::newRow("minutes with attendees only")
        << "jiyao.ini" << QStringList {unit, "", "张三、李四", "", ""} << QStringList {"纪要正文。"}
        << minutes + QStringList {"出席：张三、李四" + hanging};
    QTest::newRow("minutes with all three lists")
        << "jiyao.ini" << QStringList {unit, "", "张三", "李四", "王五"}
        << QStringList {"纪要正文。"}
        << minutes
            + QStringList {"出席：张三" + hanging, "请假：李四" + hanging, "列席：王五" + hanging};
}

// The block follows the body's text, which it leaves as it was; taking the
// block's range out gives the body back.
void TextBlocksTest::signatureBlock()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, body);
    QFETCH(QStringList, expected);
    prepareBody(body);
    const assembly::SignatureTexts t {kind,        texts.at(0), "2024年5月6日", texts.at(1),
                                      texts.at(2), texts.at(3), texts.at(4)};
    const WrittenBlock block = assembly::writeSignatureBlock(m_app, t, QStringLiteral("HT"));
    QCOMPARE(block.status, WrittenBlock::Status::Written);
    QCOMPARE(describeAll(), expected);
    block.range->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks(body));
}

void TextBlocksTest::badDocuments_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<bool>("table");
    QTest::newRow("empty document") << QStringList {QString()} << false;
    QTest::newRow("only a table") << QStringList {QString()} << true;
    QTest::newRow("trailing empty paragraphs") << QStringList {"正文。", "", ""} << false;
}

// Both blocks on documents with little in them: the user's text stays, in
// its order; a table at the start keeps the head out of its first cell.
void TextBlocksTest::badDocuments()
{
    QFETCH(QStringList, body);
    QFETCH(bool, table);
    prepareBody(body);
    if (table) {
        QVERIFY(m_doc->tables()->add(m_doc->range(0, 0), 1, 2));
        m_doc->tables()->item(1)->cell(1, 2)->range()->setText(QStringLiteral("表格文字"));
        body = bodyParagraphs().replaceInStrings(QStringLiteral("\r"), QString());
    }
    const assembly::SignatureTexts s {"xiaxing.ini", "某单位", "2024年5月6日", "", "", "", ""};
    QCOMPARE(assembly::writeSignatureBlock(m_app, s, QStringLiteral("HT")).status,
             WrittenBlock::Status::Written);
    const assembly::TitleTexts t {"xiaxing.ini", "1号", "", "", "标题", "各单位", "", ""};
    QCOMPARE(assembly::writeTitleBlock(m_app, t, titleSettings()).status,
             table ? WrittenBlock::Status::TableAtStart : WrittenBlock::Status::Written);
    QStringList left = body;
    for (const QString &text : bodyParagraphs()) {
        if (!left.isEmpty() && text == left.first() + QLatin1Char('\r'))
            left.removeFirst();
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('|'))));
    if (table)
        QCOMPARE(m_doc->tables()->item(1)->cell(1, 2)->range()->text(),
                 QStringLiteral("表格文字\r"));
}
