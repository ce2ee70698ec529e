#include "automation/automation.h"
#include "format/headermarks.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;

// Top, left, relative vertical and horizontal positions, width, height.
static QList<float> geometry(const ShapePtr &s)
{
    return QList<float>() << s->top() << s->left() << s->relativeVerticalPosition()
                          << s->relativeHorizontalPosition() << s->width() << s->height();
}

// The three toggles: the shapes they find by name, where covers and lines go.
class TestHeaderMarks : public QObject
{
    Q_OBJECT

    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;

    ShapePtr addNamed(const QString &name, float top = 100, float weight = 0.75f)
    {
        const ShapePtr shape = m_doc->shapes()->addLine(80, top, 500, top);
        shape->setName(name);
        shape->setTop(top);
        shape->line()->setWeight(weight);
        return shape;
    }

    QList<ShapePtr> named(const QString &name)
    {
        QList<ShapePtr> found;
        for (long i = 1; i <= m_doc->shapes()->count(); ++i) {
            if (m_doc->shapes()->item(i)->name() == name)
                found.append(m_doc->shapes()->item(i));
        }
        return found;
    }

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("第一页\n第二页"));
    }

    void redHeaderFlipsEachShape_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<bool>("flips");
        QTest::newRow("the nine, mixed states stay mixed")
            << QStringList {"WJBT",  "BTBX",  "secBTBX", "DANG1", "jyBX",
                            "WJBT2", "WJBT3", "BTBX3",   "DANG2"}
            << QList<int> {msoTrue, msoFalse, msoTrue, msoFalse, msoTrue, msoTrue, msoFalse, 0, -1}
            << true;
        QTest::newRow("near misses")
            << QStringList {"WJBTX", "testline2", "wjbt", "GWXH", "BTBX "}
            << QList<int> {msoTrue, msoFalse, msoTrue, msoTrue, msoTrue} << false;
    }

    void redHeaderFlipsEachShape()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, before);
        QFETCH(bool, flips);
        for (int i = 0; i < names.size(); ++i)
            addNamed(names[i])->setVisible(before[i]);
        m_doc->paragraphs()->item(2)->range()->select();
        for (int run = 1; run <= 2; ++run) {
            QCOMPARE(format::toggleRedHeader(m_app), format::Outcome::Done);
            for (int i = 0; i < names.size(); ++i) {
                const bool flipped = flips && run == 1;
                QCOMPARE(m_doc->shapes()->item(i + 1)->visible(),
                         flipped ? (before[i] == msoTrue ? msoFalse : msoTrue) : before[i]);
            }
        }
        QCOMPARE(m_app->selection()->start(), 0L); // the start of the document
    }

    void pageNumberCoverPerPage()
    {
        m_doc->sections()->add(Variant(m_doc->paragraphs()->item(2)->range()),
                               Variant(wdSectionNewPage));
        m_doc->sections()->item(2)->pageSetup()->setOrientation(wdOrientLandscape);
        const auto onPage = [&](int page) {
            const ParagraphsPtr all = m_doc->paragraphs();
            all->item(page == 1 ? 1 : all->count())->range()->select();
            format::togglePageNumberCover(m_app);
            return named("gwpagenumber");
        };
        const ShapePtr cover = onPage(1).value(0);
        QVERIFY(cover);
        QCOMPARE(geometry(cover),
                 (QList<float> {wdShapeBottom, wdShapeCenter, 1, 2, 439.37009f, 85.03937f}));
        QCOMPARE(cover->fill()->foreColor()->rgb(), 0xFFFFFF);
        QCOMPARE(cover->line()->visible(), msoFalse);
        // Landscape: along the outer edge.
        QCOMPARE(geometry(onPage(2).value(1)),
                 (QList<float> {wdShapeTop, 0, 0, 1, 85.03937f, 456.37796f}));
        // Page 1 again: its cover goes; then one as high as a 3.2 cm margin.
        QCOMPARE(onPage(1).value(0)->anchor()->information(wdActiveEndPageNumber), Variant(2));
        m_app->selection()->pageSetup()->setBottomMargin(90.70866f);
        QCOMPARE(onPage(1).last()->height(), 90.70866f);
    }

    void positioningLines_data()
    {
        // Rules as name, top, weight; the lines' tops, the dotted ones negative.
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<QList<float>>("values");
        QTest::addColumn<QList<float>>("lines");
        const float l1 = 104.88189f, l2 = 742.67712f;
        QTest::newRow("no header: 1, 2")
            << QStringList {} << QList<float> {} << QList<float> {l1, l2};
        QTest::newRow("rule: 1, 2, 3 at 7.2 cm, 4, 6")
            << QStringList {"BTBX"} << QList<float> {250, 2}
            << QList<float> {l1, l2, 204.09448f, -238.66142f, -162.69291f};
        QTest::newRow("foot rule: 2 above it, 3 at 3 cm, 5 under the rule")
            << QStringList {"BTBX", "secBTBX"} << QList<float> {250, 2, 760, 1}
            << QList<float> {l1, 746.11024f, 85.03937f, -238.66142f, -263.33858f};
        QTest::newRow("minutes rule: 7, 8; BTBX3 no rule")
            << QStringList {"jyBX", "BTBX3"} << QList<float> {300, 2, 250, 2}
            << QList<float> {l1, l2, 204.09448f, -288.66142f};
        QTest::newRow("a name twice: the first wins")
            << QStringList {"BTBX", "BTBX"} << QList<float> {250, 2, 400, 2}
            << QList<float> {l1, l2, 204.09448f, -238.66142f, -162.69291f};
    }

    void positioningLines()
    {
        QFETCH(QStringList, rules);
        QFETCH(QList<float>, values);
        QFETCH(QList<float>, lines);
        for (int i = 0; i < rules.size(); ++i)
            addNamed(rules[i], values[2 * i], values[2 * i + 1]);
        addNamed(QStringLiteral("testline2"));
        const long others = m_doc->shapes()->count();
        format::togglePositioningLines(m_app);
        const QList<ShapePtr> drawn = named(QStringLiteral("testline"));
        QCOMPARE(drawn.size(), lines.size());
        for (int i = 0; i < drawn.size(); ++i) {
            QVERIFY2(qAbs(drawn[i]->top() - qAbs(lines[i])) < 0.001f,
                     qPrintable(QString::number(i)));
            QCOMPARE(drawn[i]->line()->dashStyle(), lines[i] < 0 ? msoLineSquareDot : msoLineSolid);
            QCOMPARE(drawn[i]->line()->weight(), 0.01f);
            QCOMPARE(drawn[i]->width(), i < 2 ? 510.23623f : 425.19686f);
        }
        format::togglePositioningLines(m_app);
        QCOMPARE(m_doc->shapes()->count(), others); // twice: none left
    }
};

QTEST_GUILESS_MAIN(TestHeaderMarks)
#include "tst_headermarks.moc"
