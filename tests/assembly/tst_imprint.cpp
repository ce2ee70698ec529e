#include "assembly/imprint.h"
#include "automation/automation.h"
#include "inprocessapplication.h"
#include "optionsettings.h"
#include "testhome.h"

#include <QtTest>

using namespace automation;
using assembly::ImprintInput;

// The imprint on the in-process writer (its page break: tst_loredheader).
class tst_Imprint : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("正文第一段。\n特此通知。"));
    }
    void rows_data();
    void rows();
    void table_data();
    void table();

private:
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
};

const QString date = QStringLiteral("2024年5月6日"); // 11 characters with "印发"

void tst_Imprint::rows_data()
{
    // kind, distribution, first row, unit length, blanks, scaling
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("9 characters") << QStringList {"xiaxing.ini", "各区", "抄送：市委",
                                                  "9",           "22",   "0"};
    QTest::newRow("16 characters")
        << QStringList {"shangxing.ini", "", "抄送：市委", "16", "17", "85"};
    QTest::newRow("minutes, no unit")
        << QStringList {"jiyao.ini", "各区", "分送：各区\n抄送：市委", "0", "31", "0"};
}

// Row texts: the copy-to (or distribution) line, then unit, blanks and date.
void tst_Imprint::rows()
{
    QFETCH(QStringList, texts);
    const QString unit(texts.at(3).toInt(), QChar(u'甲'));
    const ImprintInput input {texts.at(0), unit, date, QStringLiteral("市委"), "", texts.at(1)};
    const assembly::ImprintRows rows = assembly::imprintRows(input, unit);
    QCOMPARE(rows.first, texts.at(2));
    QCOMPARE(rows.second, unit + QString(texts.at(4).toInt(), ' ') + date + QStringLiteral("印发"));
    QCOMPARE(rows.scaling, texts.at(5).toInt());
}

void tst_Imprint::table_data()
{
    // kind, copy-to, disclosure, rule selectors, each row's borders (right,
    // bottom, left, top: style/width code), the box's text
    QTest::addColumn<QStringList>("row");
    QTest::newRow("two rows") << QStringList {
        "xiaxing.ini", "市委", "", "", "-4:0/4 -3:1/6 -2:0/4 -1:1/8|-4:0/4 -3:1/8 -2:0/4 -1:1/6",
        "抄送：市委\r"};
    QTest::newRow("wider rules, disclosure")
        << QStringList {"shangxing.ini",
                        "市委",
                        "主动公开",
                        "2 1",
                        "-4:0/4 -3:1/4 -2:0/4 -1:1/12|-4:0/4 -3:1/12 -2:0/4 -1:1/4",
                        "公开方式：主动公开\r\r抄送：市委\r"};
    QTest::newRow("no copy-to: one row, 1 pt top rule") << QStringList {
        "xiaxing.ini", "", "", "", "-4:0/4 -3:1/8 -2:0/4 -1:1/8", "某某市人民政府办公室"};
    QTest::newRow("letter with copy-to") << QStringList {
        "xinhan.ini", "市委", "", "", "-4:0/4 -3:0/6 -2:0/4 -1:0/8", "抄送：市委\r\r"};
    QTest::newRow("letter without copy-to") << QStringList {"xinhan.ini", "", "", "", "", "\r"};
}

// The box's rows, rules and text per kind; a second run replaces only the box.
void tst_Imprint::table()
{
    QFETCH(QStringList, row);
    const TestHome home;
    QVariantMap settings {{OptionKey::UnitName, QStringLiteral("某某市人民政府办公室")}};
    if (!row.at(3).isEmpty()) {
        settings.insert(OptionKey::ImprintOuterRule, row.at(3).section(' ', 0, 0));
        settings.insert(OptionKey::ImprintInnerRule, row.at(3).section(' ', 1, 1));
    }
    home.setValues(QStringLiteral("option.ini"), settings);
    for (const char *name : {"bj_gw1", "BJ_GW"})
        m_doc->shapes()->addShape(msoShapeRectangle, 0, 0, 9, 9)->setName(QLatin1String(name));
    const ImprintInput input {row.at(0), "", date, row.at(1), row.at(2), ""};
    for (int run = 0; run < 2; ++run)
        assembly::drawImprint(m_app, input, assembly::ImprintSettings::read());
    QCOMPARE(m_doc->shapes()->count(), 3L);
    const ShapePtr box = m_doc->shapes()->item(3);
    QCOMPARE(box->name(), QStringLiteral("bj_gw"));
    QCOMPARE(box->top() + box->left(), wdShapeBottom + wdShapeLeft);
    QCOMPARE(box->anchor()->start(), m_doc->paragraphs()->item(2)->range()->start());
    static const QRegularExpression cell(QStringLiteral("Cell\\(\\d,1\\) width 442.2047 height "
                                                        "28.34646 valign 0 borders \\{(.*)\\}"));
    QStringList found;
    const QString dump = inprocess::InProcessApplication::dumpDocument(m_doc);
    for (auto it = cell.globalMatch(dump); it.hasNext();)
        found << it.next().captured(1);
    QCOMPARE(found.join('|'), row.at(4));
    QVERIFY2(box->textFrame()->textRange()->text().startsWith(row.at(5)), qPrintable(dump));
    QCOMPARE(m_doc->content()->text(), QStringLiteral("正文第一段。\r特此通知。\r"));
}

QTEST_MAIN(tst_Imprint)
#include "tst_imprint.moc"
