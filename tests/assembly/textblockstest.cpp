#include "textblockstest.h"

#include "assembly/signatureblock.h"
#include "assembly/titleblock.h"
#include "format/pageadaptation.h"
#include "pdfmeasure.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace automation;
using assembly::WrittenBlock;
using pdfmeasure::pointsPerCm;

namespace {

// describeAll() rows joined by ";": "_n" empty at exact spacing n ("_" 29.65),
// "~n" the same with the body's indent; a text ending "@" is a level/urgency
// line, "+" a line of the block, "*" body text.
QStringList expand(const QString &compact)
{
    QStringList out;
    for (QString e : compact.split(QLatin1Char(';'))) {
        const QString spacing = e.size() > 1 ? e.mid(1) : QStringLiteral("29.65");
        if (e.startsWith(QLatin1Char('_')) || e.startsWith(QLatin1Char('~')))
            e = QStringLiteral("|0|%1|%2,0,0|-").arg(spacing).arg(e.startsWith('~') ? 2 : 0);
        else if (e.endsWith(QLatin1Char('@')))
            e = e.chopped(1) + QStringLiteral("|0|30|0,0,0|HT 16");
        else if (e.endsWith(QLatin1Char('+')) || e.endsWith(QLatin1Char('*')))
            e = e.chopped(1) + QStringLiteral("|0|29.65|%1,0,0|FS 16").arg(e.endsWith('*') ? 2 : 0);
        out << e;
    }
    return out;
}

const QString kTitle = QStringLiteral("关于开展检查的通知");
const QString kTitleLines = kTitle + QStringLiteral("|1|36|0,0,0|BT 20;_15.6;各单位：+");

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
        if (const ParagraphPtr p = i ? paragraph(i) : nullptr) {
            p->setCharacterUnitFirstLineIndent(2);
            p->setLineSpacingRule(wdLineSpaceExactly);
            p->setLineSpacing(29.65f);
        }
    }
}

QStringList TextBlocksTest::describeAll() const
{
    QStringList all;
    const auto fontAt = [this](long at) { return m_doc->range(at, at + 1)->font()->nameFarEast(); };
    for (long i = 1, n = m_doc->paragraphs()->count(); i <= n; ++i) {
        const ParagraphPtr p = paragraph(i);
        const RangePtr range = p->range();
        QString text = range->text().chopped(1);
        QString font = text.isEmpty() ? QStringLiteral("-") : fontAt(range->start());
        if (text.size() > 1 && fontAt(range->end() - 2) != font)
            font += QStringLiteral("..") + fontAt(range->end() - 2);
        if (!text.isEmpty())
            font += QStringLiteral(" %1").arg(range->font()->size());
        const QRegularExpression blanks(QStringLiteral("  +"));
        for (QRegularExpressionMatch m = blanks.match(text); m.hasMatch(); m = blanks.match(text))
            text.replace(m.capturedStart(), m.capturedLength(),
                         QStringLiteral("{%1}").arg(m.capturedLength()));
        const bool exact = p->lineSpacingRule() == wdLineSpaceExactly;
        all << QStringLiteral("%1|%2|%3|%4,%5,%6|%7")
                   .arg(text)
                   .arg(p->alignment())
                   .arg(exact ? QString::number(p->lineSpacing()) : QStringLiteral("-"))
                   .arg(p->characterUnitFirstLineIndent())
                   .arg(p->characterUnitLeftIndent())
                   .arg(p->characterUnitRightIndent())
                   .arg(font);
    }
    return all;
}

void TextBlocksTest::titleBlock_data()
{
    QTest::addColumn<QString>("texts"); // kind;number;level;urgency;title;signer
    QTest::addColumn<QString>("head"); // the first paragraphs of the document
    const QString number = QStringLiteral("某〔2024〕10号{23}签发人："); // 10 characters
    const QString minutes = QStringLiteral("_30;_30;_30;_37;_;第5期|1|29.65|0,0,0|WH 16;_15.6;"
                                           "某某办公室{28}2024年5月6日|4|29.65|0,1,1|KT 16;_");
    QTest::newRow("down-going, level and urgency, one inserted line")
        << "xiaxing.ini;某发〔2024〕1号;秘密★1年;特急;" + kTitle + ";"
        << "_30;秘密★1年@;特急@;_37;_;某发〔2024〕1号|1|29.65|0,0,0|FS 16;_;_26;" + kTitleLines;
    QTest::newRow("up-going, 3-character signer")
        << "shangxing.ini;某〔2024〕10号;;;" + kTitle + ";张三丰"
        << "_30;_30;_30;_37;_;" + number + "张三丰|4|29.65|0,1,1|FS..KT 16;_;_26;" + kTitleLines;
    QTest::newRow("up-going, no signer")
        << "shangxing.ini;某〔2024〕10号;机  密;特  急;" + kTitle + ";"
        << "_30;机{2}密@;特{2}急@;_37;_;" + number + "□□□|4|29.65|0,1,1|FS..KT 16";
    QTest::newRow("letter, level and urgency") << "xinhan.ini;;秘密★1年;特急;" + kTitle + ";"
                                               << "_37;_;_30;秘密★1年@;特急@;_;_14;" + kTitleLines;
    QTest::newRow("minutes with a title")
        << "jiyao.ini;第5期;;;" + kTitle + ";" << minutes + ";_26;" + kTitleLines.chopped(6);
    QTest::newRow("minutes, placeholder title left out")
        << "jiyao.ini;第5期;;;[此处输入标题];" << minutes;
}

// The head goes above the body; removing the block's range gives the body back.
void TextBlocksTest::titleBlock()
{
    QFETCH(QString, texts);
    QFETCH(QString, head);
    const QStringList body {QStringLiteral("正文一"), QStringLiteral("正文二")};
    prepareBody(body);
    const QStringList t = texts.split(QLatin1Char(';'));
    const assembly::TitleSettings s {36,   29.65f, "BT", "HT", "KT", "FS",
                                     "ST", 30,     37,   1,    "WH", "某某办公室"};
    const WrittenBlock block = assembly::writeTitleBlock(
        m_app, {t[0], t[1], t[2], t[3], t[4], "各单位", t[5], "2024年5月6日"}, s);
    QCOMPARE(block.status, WrittenBlock::Status::Written);
    const QStringList all = describeAll();
    QCOMPARE(all.mid(0, head.count(';') + 1), expand(head));
    QCOMPARE(block.lastParagraph, long(all.size() - 2));
    QCOMPARE(all.mid(all.size() - 2), expand(QStringLiteral("正文一*;正文二*")));
    block.range->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks(body));
}

void TextBlocksTest::signatureBlock_data()
{
    QTest::addColumn<QString>("texts"); // kind;unit;note;attendees;on leave;without vote
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("expected");
    const QString date = QStringLiteral("{30}2024年5月6日*");
    const QString unit = QStringLiteral("某某市人民政府"); // 7 characters
    const QString longUnit(37, QChar(0x67D0)); // with the date 46 characters
    const QString hanging = QStringLiteral("|0|29.65|-3,5,0|HT..FS 16");
    QTest::newRow("no attachment, one-character note left out")
        << "xiaxing.ini;" + unit + ";无;;;"
        << "正文。"
        << "正文。*;~;~;{30}" + unit + "*;" + date;
    QTest::newRow("unit and date of 46 characters: no blanks before the unit")
        << "shangxing.ini;" + longUnit + ";;;;"
        << "正文。"
        << "正文。*;~;~;" + longUnit + "*;" + date;
    QTest::newRow("attachment note, then the note in parentheses")
        << "xinhan.ini;" + unit + ";此件公开发布;;;"
        << "结束语。;;附件：1.名单;2.清单;;尾"
        << "结束语。*;~15.6;附件：1.名单*;2.清单*;~;~;~;{30}" + unit + "*;" + date
            + ";（此件公开发布）*;尾*";
    QTest::newRow("joint issue placeholders") << "lianhe.ini;" + unit + ";;;;"
                                              << "正文。"
                                              << "正文。*;~;~;{10}发文机关一{8}发文机关二*;" + date;
    QTest::newRow("minutes with attendees only") << "jiyao.ini;" + unit + ";;张三、李四;;"
                                                 << "纪要正文。"
                                                 << "纪要正文。*;~15.6;出席：张三、李四" + hanging;
}

// The block follows the body; removing its range gives the body back.
void TextBlocksTest::signatureBlock()
{
    QFETCH(QString, texts);
    QFETCH(QString, body);
    QFETCH(QString, expected);
    prepareBody(body.split(QLatin1Char(';')));
    const QStringList t = texts.split(QLatin1Char(';'));
    const WrittenBlock block = assembly::writeSignatureBlock(
        m_app, {t[0], t[1], "2024年5月6日", t[2], t[3], t[4], t[5]}, QStringLiteral("HT"));
    QCOMPARE(block.status, WrittenBlock::Status::Written);
    QCOMPARE(describeAll(), expand(expected));
    if (t[0] != "jiyao.ini") // the cursor waits after the signature, nothing selected
        QCOMPARE(m_app->selection()->start(), block.range->end());
    QCOMPARE(m_app->selection()->end(), m_app->selection()->start());
    block.range->setText(QString());
    QCOMPARE(bodyParagraphs(), withMarks(body.split(QLatin1Char(';'))));
}

void TextBlocksTest::badDocuments_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("table");
    QTest::newRow("empty document") << "" << false;
    QTest::newRow("only a table") << "" << true;
    QTest::newRow("trailing empty paragraphs") << "正文。;;" << false;
}

// The user's text stays in order; a table at the start keeps the head out.
void TextBlocksTest::badDocuments()
{
    QFETCH(QString, body);
    QFETCH(bool, table);
    prepareBody(body.split(QLatin1Char(';')));
    if (table) {
        QVERIFY(m_doc->tables()->add(m_doc->range(0, 0), 1, 2));
        m_doc->tables()->item(1)->cell(1, 2)->range()->setText(QStringLiteral("表格文字"));
    }
    QStringList left = bodyParagraphs();
    const assembly::SignatureTexts s {"xiaxing.ini", "某单位", "2024年5月6日", "", "", "", ""};
    QCOMPARE(assembly::writeSignatureBlock(m_app, s, "HT").status, WrittenBlock::Status::Written);
    const assembly::TitleTexts t {"xiaxing.ini", "1号", "", "", "标题", "各单位", "", ""};
    QCOMPARE(assembly::writeTitleBlock(m_app, t, {}).status,
             table ? WrittenBlock::Status::TableAtStart : WrittenBlock::Status::Written);
    for (const QString &text : bodyParagraphs())
        if (!left.isEmpty() && text == left.first())
            left.removeFirst();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('|'))));
}

void TextBlocksTest::pages_data()
{
    QTest::addColumn<QStringList>("head"); // kind, level, urgency, signer, ctlSize, insertLine
    QTest::addColumn<QStringList>("lines"); // two lines with the exact spacings between them
    QTest::addColumn<double>("gap");
    const QString number = QStringLiteral("某政发〔2024〕10号");
    const QString recipient = QStringLiteral("各区县人民政府，市政府各部门：");
    const double toRecipient = 29.65 + 29.65 + 26 + 36 + 15.6;
    QTest::newRow("down-going") << QStringList {"xiaxing.ini", "秘密★1年", "特急", "", "37", "3"}
                                << QStringList {number, recipient} << toRecipient;
    QTest::newRow("up-going") << QStringList {"shangxing.ini", "", "", "张三丰", "37", "3"}
                              << QStringList {number, recipient} << toRecipient;
    QTest::newRow("letter") << QStringList {"xinhan.ini", "机  密", "", "", "36", "1"}
                            << QStringList {"机密", recipient} << 29.65 + 29.65 + 14 + 36 + 15.6;
    QTest::newRow("joint issue") << QStringList {"lianhe.ini", "", "特  急", "", "26", "5"}
                                 << QStringList {number, recipient} << toRecipient;
    QTest::newRow("minutes") << QStringList {"jiyao.ini", "", "", "", "37", "3"}
                             << QStringList {"第5期", "某某市人民政府办公室"} << 29.65 + 15.6;
}

void TextBlocksTest::pages()
{
    QFETCH(QStringList, head);
    QFETCH(QStringList, lines);
    QFETCH(double, gap);
    const QString kind = head[0];
    const QStringList body
        = QStringLiteral("为深入贯彻落实党中央、国务院关于安全生产工作的决策部署，切实防范遏制各类"
                         "生产安全事故。|"
                         "一、压实工作责任|"
                         "各地区各部门要坚持人民至上、生命至上，统筹发展和安全，以防范化解重大安全"
                         "风险为主线。|"
                         "二、强化风险排查|"
                         "各单位要每月组织一次隐患排查，建立问题清单，明确整改时限和责任人，确保任"
                         "务落到实处。||"
                         "附件：1.安全生产工作任务清单|2.安全生产工作联系人名单|")
              .split('|');
    QVERIFY(setBody(body));

    const QString date = QStringLiteral("2024年5月6日");
    const QString unit = QStringLiteral("某某市人民政府"); // 7 characters: 30 blanks each
    const QString title = QStringLiteral("关于做好2024年度安全生产工作的通知");
    const QString number = kind == "jiyao.ini" ? lines[0] : QStringLiteral("某政发〔2024〕10号");
    assembly::TitleSettings s;
    s.controlSpacing = head[4].toFloat();
    s.insertedLines = head[5].toDouble();
    s.compilingUnit = QStringLiteral("某某市人民政府办公室");
    const assembly::SignatureTexts sign {kind,         unit,   date, "此件公开发布",
                                         "张三、李四", "王五", ""};
    const assembly::TitleTexts texts {
        kind, number, head[1], head[2], title, "各区县人民政府，市政府各部门", head[3], date};
    QCOMPARE(assembly::writeSignatureBlock(m_app, sign, "方正黑体_GBK").status,
             WrittenBlock::Status::Written);
    QCOMPARE(format::adaptPages(m_app, {}, false, false), format::Outcome::Done);
    QCOMPARE(assembly::writeTitleBlock(m_app, texts, s).status, WrittenBlock::Status::Written);

    const QString name
        = QDir(QStringLiteral(QVX_ARTIFACTS_DIR)).filePath("textblocks-" + kind.section('.', 0, 0));
    QVERIFY(QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR)));
    PrintOutOptions options;
    options.outputFileName = name + ".pdf";
    QFile::remove(name + ".pdf");
    QVERIFY(m_doc->printOut(options));
    if (!QFile::exists(name + ".pdf"))
        QSKIP("the writer exports no PDF");
    const pdfmeasure::PdfFile pdf(name + ".pdf");
    QVERIFY2(pdf.isValid(), qPrintable(pdf.error()));

    // The type area between mirrored margins, 28 characters a line.
    const auto left = [](int page) { return pointsPerCm * (page % 2 ? 2.8 : 2.6); };
    const auto right = [](int page) { return pointsPerCm * (page % 2 ? 18.4 : 18.2); };
    const double ch = pointsPerCm * 15.6 / 28;
    int page = 1;
    const auto find = [&](const QString &text) {
        for (page = 1; page <= pdf.pageCount(); ++page)
            if (const QRectF found = pdf.find(page, text); !found.isEmpty())
                return found;
        return QRectF();
    };
#define MEASURE(actual, expected, millimetres)                                                     \
    QVERIFY2(                                                                                      \
        qAbs(pdfmeasure::mm((actual) - (expected))) <= (millimetres),                              \
        qPrintable(QStringLiteral(#actual " at %1 pt, %2 expected").arg(actual).arg(expected)))

    MEASURE(find(title).center().x(), (left(1) + right(1)) / 2, 0.5);
    MEASURE(find(lines[1]).top() - find(lines[0]).top(), gap, 0.5);
    if (kind == "xinhan.ini") {
        QVERIFY(find(number).isEmpty()); // a letter's number is the header's
    } else if (!head[3].isEmpty()) {
        MEASURE(find(number).left(), left(1) + ch, 0.5);
        MEASURE(find(head[3]).right(), right(1) - ch, 0.5);
    } else {
        MEASURE(find(number).center().x(), (left(1) + right(1)) / 2, 0.5);
    }
    if (kind == "jiyao.ini") {
        MEASURE(find("出席：张三、李四").left(), left(page) + 2 * ch, 0.5);
        QVERIFY(!find("请假：王五").isEmpty() && find("列席：").isEmpty());
        return;
    }
    // Two characters of indent, then blanks of half a character; the date ends
    // (39 + 9) / 2 characters in.
    const bool joint = kind == "lianhe.ini";
    MEASURE(find(joint ? "发文机关一" : unit).left(), left(page) + (joint ? 7 : 17) * ch, 2);
    MEASURE(find(date).right(), left(page) + 24 * ch, 2);
}
