#include "assembly/redheader.h"
#include "automation/automation.h"
#include "inprocessapplication.h"
#include "templatestore.h"
#include "testhome.h"

#include <QtTest>

using namespace automation;
using assembly::HeaderTemplate;

// The red header on the in-process writer: the shapes of each kind with
// their names, places, sizes, colours and texts, a second run, and the
// template values the header is read from.
class tst_RedHeader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shapes_data();
    void shapes();
    void secondRunReplacesHeaderOnly();
    void readsTemplate_data();
    void readsTemplate();

private:
    QMultiMap<QString, ShapePtr> draw(const QString &kind, const HeaderTemplate &t,
                                      const QString &level = QString());

    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
};

namespace {

float pt(double cm)
{
    return centimetersToPoints(cm);
}

HeaderTemplate templateOf(const QString &kind)
{
    HeaderTemplate t;
    t.markText = QStringLiteral("某某市人民政府文件");
    if (kind == QLatin1String(TemplateKind::JointIssue)) {
        t.markText = QStringLiteral("某某市人民政府\n某某市财政局");
        t.secondMarkText = QStringLiteral("文件");
        t.boxWidth = 11.6;
        t.secondBoxWidth = 3;
        t.secondMarkSize = 50;
        t.secondMarkZoom = 65;
    }
    t.bold = true;
    t.markZoom = 52;
    t.star = kind == QLatin1String(TemplateKind::UpGoing);
    if (kind == QLatin1String(TemplateKind::Letter)) {
        t.ruleWeight = 4.5f;
        t.ruleTop = 5.35;
        t.insertLine = 1;
    }
    return t;
}

} // namespace

void tst_RedHeader::init()
{
    m_app = inprocess::InProcessApplication::create();
    m_doc = m_app->documents()->add();
    m_doc->content()->setText(QStringLiteral("\n\n\n关于做好工作的通知\n\n各单位：\n正文。"));
}

QMultiMap<QString, ShapePtr> tst_RedHeader::draw(const QString &kind, const HeaderTemplate &t,
                                                 const QString &level)
{
    const assembly::HeaderInput input {kind, level, QStringLiteral("某府函〔2024〕8号")};
    if (assembly::drawRedHeader(m_app, input, t) != assembly::Outcome::Done)
        return {};
    QMultiMap<QString, ShapePtr> byName;
    const ShapesPtr shapes = m_doc->shapes();
    for (long i = 1; i <= shapes->count(); ++i)
        byName.insert(shapes->item(i)->name(), shapes->item(i));
    return byName;
}

void tst_RedHeader::shapes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("down-going") << "xiaxing.ini"
                                << "" << QStringList {"BTBX", "GWXH", "WJBT"};
    QTest::newRow("up-going, star, level")
        << "shangxing.ini"
        << "秘密★1年" << QStringList {"BTBX", "DANG1", "GWXH", "WJBT"};
    QTest::newRow("minutes") << "jiyao.ini"
                             << "" << QStringList {"GWXH", "WJBT", "jyBX"};
    QTest::newRow("letter, level")
        << "xinhan.ini"
        << "机  密" << QStringList {"BTBX", "GWXH", "WJBT", "hanWenHao", "secBTBX"};
    QTest::newRow("joint") << "lianhe.ini"
                           << "" << QStringList {"BTBX", "GWXH", "WJBT"};
}

void tst_RedHeader::shapes()
{
    QFETCH(QString, kind);
    QFETCH(QString, level);
    QFETCH(QStringList, names);
    const HeaderTemplate t = templateOf(kind);
    const QMultiMap<QString, ShapePtr> shapes = draw(kind, t, level);
    QCOMPARE(shapes.keys(), names);
    const bool letter = kind == QLatin1String("xinhan.ini");
    const QString dump = inprocess::InProcessApplication::dumpDocument(m_doc);

    const ShapePtr mark = shapes.value("WJBT");
    QCOMPARE(mark->relativeVerticalPosition(), wdRelativeVerticalPositionPage);
    QCOMPARE(mark->top(), pt(t.boxTop));
    QCOMPARE(mark->relativeHorizontalPosition(), wdRelativeHorizontalPositionColumn);
    QCOMPARE(mark->left(), wdShapeCenter);
    QCOMPARE(mark->width(), pt(t.boxWidth + t.secondBoxWidth));
    QCOMPARE(mark->fill()->visible(), msoFalse);
    QCOMPARE(mark->line()->visible(), msoFalse);
    QCOMPARE(mark->textFrame()->autoSize(), 1);
    const RangePtr markText = mark->textFrame()->textRange();
    QVERIFY(markText->text().startsWith(QString(t.markText).replace('\n', '\r') + "\r"));
    const ParagraphPtr firstMarkLine = markText->paragraphs()->item(1);
    QCOMPARE(firstMarkLine->range()->font()->color(), wdColorRed);
    QCOMPARE(firstMarkLine->range()->font()->size(), t.markSize);
    QCOMPARE(firstMarkLine->range()->font()->name(), t.markFont);
    QCOMPARE(firstMarkLine->range()->font()->scaling(), t.markZoom);
    QCOMPARE(firstMarkLine->range()->font()->bold(), msoTrue);
    QCOMPARE(firstMarkLine->lineSpacingRule(), wdLineSpaceExactly);
    QCOMPARE(firstMarkLine->lineSpacing(), t.markSpacing);
    QCOMPARE(firstMarkLine->alignment(), wdAlignParagraphDistribute);
    if (t.secondBoxWidth > 0) {
        // The table's two cells: the stacked organs and the shared mark.
        QVERIFY2(dump.contains(QStringLiteral("Cell(1,1) width %1").arg(pt(11.6), 0, 'g', 7)),
                 qPrintable(dump));
        QVERIFY(dump.contains(
            QStringLiteral("Cell(1,2) width %1 height 0 valign 1").arg(pt(3), 0, 'g', 7)));
        const ParagraphPtr second = markText->paragraphs()->item(3);
        QCOMPARE(second->range()->text(), QStringLiteral("文件\r"));
        QCOMPARE(second->range()->font()->size(), 50.0f);
        QCOMPARE(second->range()->font()->scaling(), 65);
        QCOMPARE(second->lineSpacing(), 58.0f);
        QCOMPARE(second->alignment(), wdAlignParagraphCenter);
    }

    const ShapePtr rule = shapes.value(kind == QLatin1String("jiyao.ini") ? "jyBX" : "BTBX");
    QCOMPARE(rule->kind(), Shape::Kind::Line);
    QCOMPARE(rule->top(), pt(t.ruleTop));
    QCOMPARE(rule->left(), wdShapeCenter);
    QCOMPARE(rule->width(), pt(letter ? 17 : 15.6));
    QCOMPARE(rule->line()->style(), letter ? msoLineThickThin : msoLineSingle);
    QCOMPARE(rule->line()->weight(), t.ruleWeight);
    QCOMPARE(rule->line()->foreColor()->rgb(), wdColorRed);
    if (letter) {
        const ShapePtr foot = shapes.value("secBTBX");
        QCOMPARE(foot->top(), pt(29.7 - t.footRuleBottom) - t.ruleWeight);
        QCOMPARE(foot->width(), pt(17));
        QCOMPARE(foot->line()->style(), msoLineThinThick);
        const PageSetupPtr setup = m_doc->sections()->item(1)->pageSetup();
        QCOMPARE(setup->bottomMargin(), pt(t.footRuleBottom + 0.5));
        QCOMPARE(setup->differentFirstPageHeaderFooter(), msoTrue);
        const ShapePtr number = shapes.value("hanWenHao");
        QCOMPARE(number->relativeVerticalPosition(), wdRelativeVerticalPositionLine);
        QCOMPARE(number->left(), wdShapeRight);
        QCOMPARE(number->top(), pt(0.35));
        // Anchored in paragraph insertLine + 2.
        QCOMPARE(number->anchor()->start(), m_doc->paragraphs()->item(3)->range()->start());
        const RangePtr numberText = number->textFrame()->textRange();
        QCOMPARE(numberText->text(), QStringLiteral("某府函〔2024〕8号\r"));
        QCOMPARE(numberText->font()->nameFarEast(), t.numberFont);
        QCOMPARE(numberText->font()->nameAscii(), t.westernFont);
        QCOMPARE(numberText->paragraphFormat()->alignment(), wdAlignParagraphRight);
    }
    if (t.star) {
        const ShapePtr star = shapes.value("DANG1");
        QCOMPARE(star->top(), pt(t.ruleTop - 0.38));
        QCOMPARE(star->left(), wdShapeCenter);
        QCOMPARE(star->fill()->visible(), msoTrue);
        QCOMPARE(star->fill()->foreColor()->rgb(), rgbWhite);
        QCOMPARE(star->textFrame()->textRange()->text(), QStringLiteral("★\r"));
    }

    const ShapePtr copy = shapes.value("GWXH");
    QCOMPARE(copy->relativeVerticalPosition(),
             letter ? wdRelativeVerticalPositionLine : wdRelativeVerticalPositionPage);
    QCOMPARE(copy->top(), letter ? pt(0.35) : pt(3.7));
    QCOMPARE(copy->left(), letter ? 0.0f : pt(2.8));
    const RangePtr copyText = copy->textFrame()->textRange();
    QCOMPARE(copyText->text(), level.isEmpty() ? QStringLiteral("\r") : QStringLiteral("000001\r"));
    if (!level.isEmpty())
        QCOMPARE(copyText->font()->nameFarEast(), t.copyNumberFont);
}

// A second run leaves one header; a shape of the user's survives unless it
// bears a header name.
void tst_RedHeader::secondRunReplacesHeaderOnly()
{
    const ShapesPtr shapes = m_doc->shapes();
    shapes->addShape(msoShapeRectangle, 0, 0, 10, 10)->setName(QStringLiteral("GWXH"));
    shapes->addShape(msoShapeRectangle, 0, 0, 10, 10)->setName(QStringLiteral("WJBT1"));
    draw(QStringLiteral("xinhan.ini"), templateOf(QStringLiteral("xinhan.ini")));
    const QMultiMap<QString, ShapePtr> after
        = draw(QStringLiteral("xinhan.ini"), templateOf(QStringLiteral("xinhan.ini")));
    QCOMPARE(after.keys(), (QStringList {"BTBX", "GWXH", "WJBT", "WJBT1", "hanWenHao", "secBTBX"}));
}

void tst_RedHeader::readsTemplate_data()
{
    QTest::addColumn<QVariantMap>("values");
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("expected");
    const QString mark12 = QStringLiteral("某某某某某某某某某某文件");
    QTest::newRow("12 characters: 52 %") << QVariantMap {{"FW", mark12}} << "zoom" << 52.0;
    QTest::newRow("25 characters: 32 %")
        << QVariantMap {{"FW", QString(25, QChar(u'某'))}} << "zoom" << 32.0;
    QTest::newRow("stored zoom") << QVariantMap {{"fZoom", "47.9"}} << "zoom" << 47.0;
    QTest::newRow("unset size and spacing") << QVariantMap {} << "size+spacing" << 118.0;
    QTest::newRow("text for size") << QVariantMap {{"fSize", "大"}} << "size+spacing" << 118.0;
    QTest::newRow("negative size") << QVariantMap {{"fSize", -3}} << "size+spacing" << 118.0;
    QTest::newRow("zero width spans type area") << QVariantMap {{"tWidth", 0}} << "width" << 15.6;
    QTest::newRow("huge width") << QVariantMap {{"tWidth", 1e9}} << "width" << 20.8;
    QTest::newRow("box below page") << QVariantMap {{"tTop", 500}} << "top" << 27.7;
    QTest::newRow("negative top") << QVariantMap {{"tTop", -4}} << "top" << 0.0;
    QTest::newRow("huge rule") << QVariantMap {{"lSize", "1e30"}} << "rule" << 10.0;
    QTest::newRow("unset rule") << QVariantMap {{"lSize", ""}} << "rule" << 1.25;
}

// Reading a template applies the defaults and keeps every value on the page.
void tst_RedHeader::readsTemplate()
{
    QFETCH(QVariantMap, values);
    QFETCH(QString, field);
    QFETCH(double, expected);
    const TestHome home;
    QVariantMap keys;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        keys.insert(QStringLiteral("模板/") + it.key(), it.value());
    keys.insert(QStringLiteral("模板/tHeight"), 2);
    home.setValues(QStringLiteral("xiaxing.ini"), keys);
    HeaderTemplate t;
    QVERIFY(!HeaderTemplate::read(QStringLiteral("xiaxing.ini"), QStringLiteral("别的"), &t));
    QVERIFY(HeaderTemplate::read(QStringLiteral("xiaxing.ini"), QStringLiteral("模板"), &t));
    const QMap<QString, double> read {{"zoom", t.markZoom},
                                      {"size+spacing", t.markSize + t.markSpacing},
                                      {"width", t.boxWidth},
                                      {"top", t.boxTop},
                                      {"rule", t.ruleWeight}};
    QCOMPARE(read.value(field), expected);
    // Whatever was read, every shape drawn stays on the page.
    for (const ShapePtr &shape : draw(QStringLiteral("xiaxing.ini"), t)) {
        if (shape->relativeVerticalPosition() == wdRelativeVerticalPositionPage)
            QVERIFY(shape->top() >= 0 && shape->top() + shape->height() <= pt(29.7));
        QVERIFY(shape->width() <= pt(21));
    }
}

QTEST_MAIN(tst_RedHeader)
#include "tst_redheader.moc"
