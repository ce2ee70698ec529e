#include "automation/automation.h"
#include "format/headermarks.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;

// The red header, page-number and positioning-line toggles on the
// in-process writer: which shapes they find by name, where covers and lines
// go, and that each undoes itself.
class TestHeaderMarks : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void redHeaderFlipsEachShape_data();
    void redHeaderFlipsEachShape();
    void pageNumberCoverPerPage();
    void landscapeCover();
    void positioningLines_data();
    void positioningLines();

private:
    ShapePtr addNamed(const QString &name, float top = 100, float weight = 0.75f);
    QList<ShapePtr> named(const QString &name);

    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
};

void TestHeaderMarks::init()
{
    m_app = inprocess::InProcessApplication::create();
    m_doc = m_app->documents()->add();
    m_doc->content()->setText(QStringLiteral("第一页\n第二页"));
}

ShapePtr TestHeaderMarks::addNamed(const QString &name, float top, float weight)
{
    const ShapePtr shape = m_doc->shapes()->addLine(80, top, 500, top);
    shape->setName(name);
    shape->setRelativeVerticalPosition(wdRelativeVerticalPositionPage);
    shape->setTop(top);
    shape->line()->setWeight(weight);
    return shape;
}

QList<ShapePtr> TestHeaderMarks::named(const QString &name)
{
    QList<ShapePtr> found;
    const ShapesPtr shapes = m_doc->shapes();
    for (long i = 1; i <= shapes->count(); ++i) {
        if (shapes->item(i)->name() == name)
            found.append(shapes->item(i));
    }
    return found;
}

void TestHeaderMarks::redHeaderFlipsEachShape_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("the five drawn, mixed states stay mixed")
        << QStringList {"WJBT", "BTBX", "secBTBX", "DANG1", "jyBX"}
        << QList<int> {msoTrue, msoFalse, msoTrue, msoFalse, msoTrue}
        << QList<int> {msoFalse, msoTrue, msoFalse, msoTrue, msoFalse};
    QTest::newRow("names of other documents") << QStringList {"WJBT2", "WJBT3", "BTBX3", "DANG2"}
                                              << QList<int> {msoTrue, msoTrue, msoFalse, msoTrue}
                                              << QList<int> {msoFalse, msoFalse, msoTrue, msoFalse};
    QTest::newRow("near misses untouched")
        << QStringList {"WJBTX", "testline2", "wjbt", "GWXH", "BTBX "}
        << QList<int> {msoTrue, msoFalse, msoTrue, msoTrue, msoTrue}
        << QList<int> {msoTrue, msoFalse, msoTrue, msoTrue, msoTrue};
}

void TestHeaderMarks::redHeaderFlipsEachShape()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, after);
    QList<ShapePtr> shapes;
    for (int i = 0; i < names.size(); ++i) {
        shapes.append(addNamed(names[i]));
        shapes.last()->setVisible(before[i]);
    }
    m_doc->paragraphs()->item(2)->range()->select();
    QCOMPARE(format::toggleRedHeader(m_app), format::Outcome::Done);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(shapes[i]->visible(), after[i]);
    QCOMPARE(m_app->selection()->start(), 0L); // the start of the document

    format::toggleRedHeader(m_app);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(shapes[i]->visible(), before[i]);
}

void TestHeaderMarks::pageNumberCoverPerPage()
{
    m_doc->sections()->add(Variant(m_doc->paragraphs()->item(2)->range()),
                           Variant(wdSectionNewPage));
    const auto selectPage = [&](int page) {
        const ParagraphsPtr all = m_doc->paragraphs();
        all->item(page == 1 ? 1 : all->count())->range()->select();
        QCOMPARE(m_app->selection()->information(wdActiveEndPageNumber), Variant(page));
    };
    selectPage(1);
    format::togglePageNumberCover(m_app);
    QCOMPARE(named("gwpagenumber").size(), 1);
    const ShapePtr cover = named("gwpagenumber").first();
    QCOMPARE(cover->top(), wdShapeBottom);
    QCOMPARE(cover->left(), wdShapeCenter);
    QCOMPARE(cover->relativeVerticalPosition(), wdRelativeVerticalPositionPage);
    QCOMPARE(cover->relativeHorizontalPosition(), wdRelativeHorizontalPositionColumn);
    QCOMPARE(cover->width(), 439.37009f);
    QCOMPARE(cover->height(), 85.03937f);
    QCOMPARE(cover->fill()->foreColor()->rgb(), 0xFFFFFF);
    QCOMPARE(cover->line()->visible(), msoFalse);

    // Up to the end of the type area where the bottom margin is wider.
    selectPage(2);
    m_app->selection()->pageSetup()->setBottomMargin(90.70866f);
    format::togglePageNumberCover(m_app);
    QCOMPARE(named("gwpagenumber").size(), 2);
    QCOMPARE(named("gwpagenumber").last()->height(), 90.70866f);
    // Back on the first page: its cover goes, the second page's stays.
    selectPage(1);
    format::togglePageNumberCover(m_app);
    const QList<ShapePtr> left = named("gwpagenumber");
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.first()->anchor()->information(wdActiveEndPageNumber), Variant(2));
}

void TestHeaderMarks::landscapeCover()
{
    m_app->selection()->pageSetup()->setOrientation(wdOrientLandscape);
    format::togglePageNumberCover(m_app);
    const QList<ShapePtr> covers = named("gwpagenumber");
    QCOMPARE(covers.size(), 1);
    QCOMPARE(covers.first()->top(), wdShapeTop);
    QCOMPARE(covers.first()->relativeVerticalPosition(), wdRelativeVerticalPositionMargin);
    QCOMPARE(covers.first()->relativeHorizontalPosition(), wdRelativeHorizontalPositionPage);
    QCOMPARE(covers.first()->width(), 85.03937f);
    QCOMPARE(covers.first()->height(), 456.37796f);
    format::togglePageNumberCover(m_app);
    QVERIFY(named("gwpagenumber").isEmpty());
}

void TestHeaderMarks::positioningLines_data()
{
    // Rules as (name, top, weight); lines as (top, long?, dotted?).
    QTest::addColumn<QStringList>("rules");
    QTest::addColumn<QList<float>>("tops");
    QTest::addColumn<QList<float>>("weights");
    QTest::addColumn<QList<float>>("lineTops");
    QTest::addColumn<QList<bool>>("dotted");
    QTest::newRow("no header: lines 1 and 2")
        << QStringList {} << QList<float> {} << QList<float> {}
        << QList<float> {104.88189f, 742.67712f} << QList<bool> {false, false};
    QTest::newRow("rule only: 1, 2, 3 at 7.2 cm, 4, 6")
        << QStringList {"BTBX"} << QList<float> {250} << QList<float> {2}
        << QList<float> {104.88189f, 742.67712f, 204.09448f, 238.66142f, 162.69291f}
        << QList<bool> {false, false, false, true, true};
    QTest::newRow("with the foot rule: 2 above it, 3 at 3 cm, 5 below the rule")
        << QStringList {"BTBX", "secBTBX"} << QList<float> {250, 760} << QList<float> {2, 1}
        << QList<float> {104.88189f, 746.11024f, 85.03937f, 238.66142f, 263.33858f}
        << QList<bool> {false, false, false, true, true};
    QTest::newRow("minutes rule: 7 and 8")
        << QStringList {"jyBX", "BTBX3"} << QList<float> {300, 250} << QList<float> {2, 2}
        << QList<float> {104.88189f, 742.67712f, 204.09448f, 288.66142f}
        << QList<bool> {false, false, false, true};
    // The lowest index wins: the first "BTBX" is visited last.
    QTest::newRow("a name twice") << QStringList {"BTBX", "BTBX"} << QList<float> {250, 400}
                                  << QList<float> {2, 2}
                                  << QList<float> {104.88189f, 742.67712f, 204.09448f, 238.66142f,
                                                   162.69291f}
                                  << QList<bool> {false, false, false, true, true};
}

void TestHeaderMarks::positioningLines()
{
    QFETCH(QStringList, rules);
    QFETCH(QList<float>, tops);
    QFETCH(QList<float>, weights);
    QFETCH(QList<float>, lineTops);
    QFETCH(QList<bool>, dotted);
    for (int i = 0; i < rules.size(); ++i)
        addNamed(rules[i], tops[i], weights[i]);
    addNamed(QStringLiteral("testline2"));
    QCOMPARE(format::togglePositioningLines(m_app), format::Outcome::Done);
    const QList<ShapePtr> lines = named(QStringLiteral("testline"));
    QCOMPARE(lines.size(), lineTops.size());
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY2(qAbs(lines[i]->top() - lineTops[i]) < 0.001f, qPrintable(QString::number(i)));
        QCOMPARE(lines[i]->line()->dashStyle(), dotted[i] ? msoLineSquareDot : msoLineSolid);
        QCOMPARE(lines[i]->line()->weight(), 0.01f);
        QCOMPARE(lines[i]->width(), i < 2 ? 510.23623f : 425.19686f);
        QCOMPARE(lines[i]->left(), wdShapeCenter);
    }
    // Twice: none left, the others stay.
    const long others = m_doc->shapes()->count() - lines.size();
    format::togglePositioningLines(m_app);
    QVERIFY(named(QStringLiteral("testline")).isEmpty());
    QCOMPARE(m_doc->shapes()->count(), others);
}

QTEST_GUILESS_MAIN(TestHeaderMarks)
#include "tst_headermarks.moc"
