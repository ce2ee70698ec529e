#include "assembly/imprint.h"
#include "automation/automation.h"
#include "inprocessapplication.h"
#include "optionsettings.h"
#include "testhome.h"

#include <QtTest>

using namespace automation;
using assembly::ImprintInput;
using assembly::ImprintSettings;

// The imprint on the in-process writer: the texts of its rows, the table and
// its rules for each kind, a second run, and a last page without room.
class tst_Imprint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rows_data();
    void rows();
    void table_data();
    void table();
    void secondRunReplacesOnlyImprint();
    void fullLastPage_data();
    void fullLastPage();

private:
    // The cells of the imprint's table as the dump shows them.
    QStringList cells() const;

    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
};

void tst_Imprint::init()
{
    m_app = inprocess::InProcessApplication::create();
    m_doc = m_app->documents()->add();
    m_doc->content()->setText(QStringLiteral("正文第一段。\n特此通知。"));
}

QStringList tst_Imprint::cells() const
{
    const QString dump = inprocess::InProcessApplication::dumpDocument(m_doc);
    QStringList found;
    static const QRegularExpression cell(QStringLiteral("Cell\\((\\d),1\\) width ([\\d.]+) "
                                                        "height ([\\d.]+) valign 0 borders (.*)"));
    for (auto it = cell.globalMatch(dump); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        found << m.captured(1) + QLatin1Char(' ') + m.captured(4);
    }
    return found;
}

void tst_Imprint::rows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("copyTo");
    QTest::addColumn<QString>("distribution");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<int>("scaling");
    // The date with "印发", "2024年5月6日印发", has 11 characters.
    QTest::newRow("9 characters") << "xiaxing.ini" << QString(9, u'甲') << "市委"
                                  << "各区"
                                  << "抄送：市委" << 22 << 0;
    QTest::newRow("15 characters") << "xiaxing.ini" << QString(15, u'甲') << ""
                                   << ""
                                   << "" << 49 - 15 - 22 - 1 << 0;
    QTest::newRow("16 characters") << "shangxing.ini" << QString(16, u'甲') << ""
                                   << ""
                                   << "" << 56 - 16 - 22 - 1 << 85;
    QTest::newRow("30 characters, no room") << "lianhe.ini" << QString(30, u'甲') << ""
                                            << ""
                                            << "" << 0 << 85;
    QTest::newRow("minutes, both") << "jiyao.ini"
                                   << ""
                                   << "市委"
                                   << "各区"
                                   << "分送：各区\n抄送：市委" << 31 << 0;
    QTest::newRow("minutes, distribution") << "jiyao.ini"
                                           << ""
                                           << ""
                                           << "各区"
                                           << "分送：各区" << 31 << 0;
}

// Row texts: the copy-to or distribution line, then unit, blanks and date.
void tst_Imprint::rows()
{
    QFETCH(QString, kind);
    QFETCH(QString, unit);
    QFETCH(QString, copyTo);
    QFETCH(QString, distribution);
    QFETCH(QString, first);
    QFETCH(int, blanks);
    QFETCH(int, scaling);
    const ImprintInput input {kind, unit, QStringLiteral("2024年5月6日"), copyTo, "", distribution};
    const assembly::ImprintRows rows = assembly::imprintRows(input, unit);
    QCOMPARE(rows.first, first);
    QCOMPARE(rows.second, unit + QString(blanks, ' ') + QStringLiteral("2024年5月6日印发"));
    QCOMPARE(rows.scaling, scaling);
}

void tst_Imprint::table_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("copyTo");
    QTest::addColumn<QString>("disclosure");
    QTest::addColumn<QVariantMap>("rules"); // the rule selectors of the settings
    QTest::addColumn<QStringList>("cells"); // row, then borders -4 -3 -2 -1
    QTest::addColumn<QString>("text");
    QTest::newRow("two rows") << "xiaxing.ini"
                              << "市委"
                              << "" << QVariantMap()
                              << QStringList {"1 {-4:0/4 -3:1/6 -2:0/4 -1:1/8}",
                                              "2 {-4:0/4 -3:1/8 -2:0/4 -1:1/6}"}
                              << "抄送：市委\r";
    QTest::newRow("wider rules, disclosure")
        << "shangxing.ini"
        << "市委"
        << "主动公开" << QVariantMap {{"General/bjTopLine", 2}, {"General/bjMidLine", 1}}
        << QStringList {"1 {-4:0/4 -3:1/4 -2:0/4 -1:1/12}", "2 {-4:0/4 -3:1/12 -2:0/4 -1:1/4}"}
        << "公开方式：主动公开\r\r抄送：市委\r";
    QTest::newRow("no copy-to: one row, 1 pt top rule")
        << "xiaxing.ini"
        << ""
        << "" << QVariantMap() << QStringList {"1 {-4:0/4 -3:1/8 -2:0/4 -1:1/8}"}
        << "某某市人民政府办公室";
    QTest::newRow("letter with copy-to")
        << "xinhan.ini"
        << "市委"
        << "" << QVariantMap() << QStringList {"1 {-4:0/4 -3:0/6 -2:0/4 -1:0/8}"}
        << "抄送：市委\r\r";
    QTest::newRow("letter without copy-to") << "xinhan.ini"
                                            << ""
                                            << "" << QVariantMap() << QStringList {} << "\r";
}

// The table's rows and rules, and what the box says, for each kind.
void tst_Imprint::table()
{
    QFETCH(QString, kind);
    QFETCH(QString, copyTo);
    QFETCH(QString, disclosure);
    QFETCH(QVariantMap, rules);
    QFETCH(QStringList, cells);
    QFETCH(QString, text);
    const TestHome home;
    rules.insert(OptionKey::UnitName, QStringLiteral("某某市人民政府办公室"));
    home.setValues(QStringLiteral("option.ini"), rules);
    const ImprintInput input {kind, "", QStringLiteral("2024年5月6日"), copyTo, disclosure, ""};
    QCOMPARE(assembly::drawImprint(m_app, input, ImprintSettings::read()), assembly::Outcome::Done);
    QCOMPARE(m_doc->shapes()->count(), 1L);
    const ShapePtr box = m_doc->shapes()->item(1);
    QCOMPARE(box->name(), QStringLiteral("bj_gw"));
    QCOMPARE(box->relativeVerticalPosition(), wdRelativeVerticalPositionMargin);
    QCOMPARE(box->top(), wdShapeBottom);
    QCOMPARE(box->left(), wdShapeLeft);
    QCOMPARE(box->width(), 442.2047f);
    QCOMPARE(box->fill()->visible(), msoFalse);
    QCOMPARE(box->line()->visible(), msoFalse);
    QCOMPARE(box->anchor()->start(), m_doc->paragraphs()->item(2)->range()->start());
    QCOMPARE(this->cells(), cells);
    QVERIFY2(box->textFrame()->textRange()->text().startsWith(text),
             qPrintable(box->textFrame()->textRange()->text()));
    // The body is left as it was.
    QCOMPARE(m_doc->content()->text(), QStringLiteral("正文第一段。\r特此通知。\r"));
}

void tst_Imprint::secondRunReplacesOnlyImprint()
{
    const ShapesPtr shapes = m_doc->shapes();
    for (const char *name : {"bj_gw1", "BJ_GW", "bj_gw"})
        shapes->addShape(msoShapeRectangle, 0, 0, 10, 10)->setName(QString::fromUtf8(name));
    const ImprintInput input {"xiaxing.ini", "单位", "2024年5月6日", "市委", "", ""};
    for (int run = 0; run < 2; ++run)
        assembly::drawImprint(m_app, input, ImprintSettings());
    QStringList names;
    for (long i = 1; i <= shapes->count(); ++i)
        names << shapes->item(i)->name();
    QCOMPARE(names, (QStringList {"bj_gw1", "BJ_GW", "bj_gw"}));
}

void tst_Imprint::fullLastPage_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("imprintPage");
    // The in-process writer sets 22 lines a page.
    QTest::newRow("room below the text") << 21 << 1;
    QTest::newRow("last line of the page") << 22 << 2;
}

// Mended: the box never covers the last lines; without room it stands on a
// page of its own.
void tst_Imprint::fullLastPage()
{
    QFETCH(int, lines);
    QFETCH(int, imprintPage);
    QStringList text;
    for (int i = 1; i <= lines; ++i)
        text << QStringLiteral("第%1行").arg(i);
    m_doc->content()->setText(text.join('\n'));
    const long paragraphs = m_doc->paragraphs()->count();
    const ImprintInput input {"xiaxing.ini", "单位", "2024年5月6日", "市委", "", ""};
    assembly::drawImprint(m_app, input, ImprintSettings());
    const ShapePtr box = m_doc->shapes()->item(1);
    QCOMPARE(box->anchor()->information(wdActiveEndPageNumber).toInt(), imprintPage);
    QCOMPARE(m_doc->paragraphs()->count(), paragraphs + imprintPage - 1);
    const ParagraphPtr last = m_doc->paragraphs()->item(paragraphs);
    QCOMPARE(last->range()->text(), QStringLiteral("第%1行\r").arg(lines));
    QCOMPARE(last->lineSpacingRule(), wdLineSpaceSingle);
}

QTEST_MAIN(tst_Imprint)
#include "tst_imprint.moc"
