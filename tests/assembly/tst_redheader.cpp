#include "assembly/redheader.h"
#include "automation/automation.h"
#include "inprocessapplication.h"
#include "testhome.h"

#include <QtTest>

using namespace automation;
using assembly::HeaderTemplate;

// The red header on the in-process writer: shapes, a second run, templates.
class tst_RedHeader : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("\n\n\n关于做好工作的通知\n\n各单位：\n正文。"));
    }
    void shapes_data();
    void shapes();
    void secondRunReplacesHeaderOnly();
    void readsTemplate_data();
    void readsTemplate();

private:
    QMultiMap<QString, ShapePtr> draw(const QString &kind, const HeaderTemplate &t,
                                      const QString &level = QString())
    {
        assembly::drawRedHeader(m_app, {kind, level, QStringLiteral("某府函〔2024〕8号")}, t);
        QMultiMap<QString, ShapePtr> byName;
        for (long i = 1; i <= m_doc->shapes()->count(); ++i)
            byName.insert(m_doc->shapes()->item(i)->name(), m_doc->shapes()->item(i));
        return byName;
    }

    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
};

void tst_RedHeader::shapes_data()
{
    QTest::addColumn<QStringList>("row"); // kind, security level, shape names
    QTest::newRow("down-going") << QStringList {"xiaxing.ini", "", "BTBX GWXH WJBT"};
    QTest::newRow("up-going") << QStringList {"shangxing.ini", "秘密", "BTBX DANG1 GWXH WJBT"};
    QTest::newRow("minutes") << QStringList {"jiyao.ini", "", "GWXH WJBT jyBX"};
    QTest::newRow("letter") << QStringList {"xinhan.ini", "机", "BTBX GWXH WJBT hanWenHao secBTBX"};
    QTest::newRow("joint") << QStringList {"lianhe.ini", "", "BTBX GWXH WJBT"};
}

void tst_RedHeader::shapes()
{
    QFETCH(QStringList, row);
    const QString kind = row.at(0);
    const bool letter = kind == QLatin1String("xinhan.ini");
    HeaderTemplate t;
    t.markText = QStringLiteral("某某市人民政府文件");
    t.bold = true;
    t.star = kind == QLatin1String("shangxing.ini");
    if (kind == QLatin1String("lianhe.ini")) {
        t.markText = QStringLiteral("某某市人民政府\n某某市财政局");
        t.secondMarkText = QStringLiteral("文件");
        t.boxWidth = 11.6;
        t.secondBoxWidth = 3;
    }
    const QMultiMap<QString, ShapePtr> shapes = draw(kind, t, row.at(1));
    QCOMPARE(shapes.keys(), row.at(2).split(' '));

    // Where the shapes land is measured on LibreOffice (tst_loredheader).
    const ShapePtr mark = shapes.value("WJBT");
    QCOMPARE(mark->relativeVerticalPosition(), wdRelativeVerticalPositionPage);
    const ParagraphPtr first = mark->textFrame()->textRange()->paragraphs()->item(1);
    const FontPtr font = first->range()->font();
    QCOMPARE(QVariantList({first->range()->text(), font->name(), font->color(), font->size(),
                           font->bold(), first->lineSpacing(), first->alignment()}),
             QVariantList({t.markText.section('\n', 0, 0) + "\r", t.markFont, 255, 57, -1,
                           t.markSpacing, wdAlignParagraphDistribute}));
    const ShapePtr rule = shapes.contains("BTBX") ? shapes.value("BTBX") : shapes.value("jyBX");
    QCOMPARE(rule->line()->style(), letter ? msoLineThickThin : msoLineSingle);
    QCOMPARE(rule->line()->foreColor()->rgb(), wdColorRed);
    if (letter) {
        QCOMPARE(shapes.value("secBTBX")->line()->style(), msoLineThinThick);
        QCOMPARE(m_doc->sections()->item(1)->pageSetup()->bottomMargin(),
                 centimetersToPoints(t.footRuleBottom + 0.5));
        // The document number rides on paragraph insertLine + 2.
        const ShapePtr number = shapes.value("hanWenHao");
        QCOMPARE(number->relativeVerticalPosition(), wdRelativeVerticalPositionLine);
        QCOMPARE(number->anchor()->start(), m_doc->paragraphs()->item(3)->range()->start());
        QCOMPARE(number->textFrame()->textRange()->text(), QStringLiteral("某府函〔2024〕8号\r"));
    }
    QCOMPARE(shapes.value("GWXH")->textFrame()->textRange()->text(),
             row.at(1).isEmpty() ? "\r" : "000001\r");
}

// A second run leaves one header; a user's shape stays unless named as one.
void tst_RedHeader::secondRunReplacesHeaderOnly()
{
    for (const char *name : {"GWXH", "WJBT1"})
        m_doc->shapes()->addShape(msoShapeRectangle, 0, 0, 9, 9)->setName(QLatin1String(name));
    draw(QStringLiteral("xinhan.ini"), HeaderTemplate());
    QCOMPARE(draw(QStringLiteral("xinhan.ini"), HeaderTemplate()).keys(),
             (QStringList {"BTBX", "GWXH", "WJBT", "WJBT1", "hanWenHao", "secBTBX"}));
}

void tst_RedHeader::readsTemplate_data()
{
    QTest::addColumn<QStringList>("row"); // key, stored value, what is read, its value
    QTest::newRow("12 characters: 52 %") << QStringList {"FW", QString(12, u'某'), "zoom", "52"};
    QTest::newRow("unset size") << QStringList {"fSize", "", "size+spacing", "118"};
    QTest::newRow("zero width: type area") << QStringList {"tWidth", "0", "width", "15.6"};
    QTest::newRow("huge width") << QStringList {"tWidth", "1e9", "width", "20.8"};
    QTest::newRow("box below page") << QStringList {"tTop", "500", "top", "27.7"};
    QTest::newRow("huge rule") << QStringList {"lSize", "1e30", "rule", "10"};
}

// Reading applies defaults and keeps values on the page; a missing one fails.
void tst_RedHeader::readsTemplate()
{
    QFETCH(QStringList, row);
    const TestHome home;
    home.setValues(QStringLiteral("xiaxing.ini"),
                   {{"模板/tHeight", 2}, {QStringLiteral("模板/") + row.at(0), row.at(1)}});
    HeaderTemplate t;
    QVERIFY(!HeaderTemplate::read(QStringLiteral("xiaxing.ini"), QStringLiteral("别的"), &t));
    QVERIFY(HeaderTemplate::read(QStringLiteral("xiaxing.ini"), QStringLiteral("模板"), &t));
    const QMap<QString, double> read {{"zoom", t.markZoom},
                                      {"size+spacing", t.markSize + t.markSpacing},
                                      {"width", t.boxWidth},
                                      {"top", t.boxTop},
                                      {"rule", t.ruleWeight}};
    QCOMPARE(read.value(row.at(2)), row.at(3).toDouble());
    for (const ShapePtr &shape : draw(QStringLiteral("xiaxing.ini"), t)) {
        if (shape->relativeVerticalPosition() == wdRelativeVerticalPositionPage)
            QVERIFY(shape->top() >= 0
                    && shape->top() + shape->height() <= centimetersToPoints(29.7));
        QVERIFY(shape->width() <= centimetersToPoints(21));
    }
}

QTEST_MAIN(tst_RedHeader)
#include "tst_redheader.moc"
