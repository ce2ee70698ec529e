#include "automation/automation.h"
#include "deadwalker.h"
#include "format/landscapepage.h"
#include "format/pageadaptation.h"
#include "libreoffice/libreofficeclient.h"
#include "officetestsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <thread>
#include <typeinfo>

using namespace automation;

// While the office runs: one object of every kind each method hands out, and
// of every class behind it, walked from a few roots (deadwalker.h is written
// from the interface headers, so a new method is walked too).
struct Collector
{
    struct Kept
    {
        const char *interface;
        std::shared_ptr<Object> object;
    };
    std::vector<Kept> kept;
    QSet<QString> methods; // that handed out an object
    QSet<QString> seen; // method and class

    bool acts() const { return false; }
    double number() const { return 1; }
    QString text() const { return QString(); }
    Variant variant() const { return Variant(1); }
    RangePtr range() const { return nullptr; }
    PrintOutOptions printOptions() const { return PrintOutOptions(); }
    void value(const char *, const Variant &) { }
    bool object(const char *method, const char *interface, const std::shared_ptr<Object> &o)
    {
        if (!o)
            return false;
        methods.insert(QLatin1String(method));
        const QString key = QLatin1String(method) + QLatin1String(typeid(*o).name());
        if (seen.contains(key))
            return false;
        seen.insert(key);
        kept.push_back({interface, o});
        return true;
    }
};

// What a method of a dead office's object may still answer; unlisted ones
// nothing (empty text, zero, a missing value, no object).
enum class Dead {
    Nothing,
    Kept, // what the object was made with (a shape's kind, a field's type)
    Empty, // nothing once the death is known; before, what the object knew
    NoObject, // never an object, known or not
};
Dead deadAnswer(const QString &method)
{
    const auto in = [&](std::initializer_list<const char *> names) {
        return std::any_of(names.begin(), names.end(),
                           [&](const char *name) { return method == QLatin1String(name); });
    };
    // A document's Saved stays: nothing left to save, no question on closing.
    if (in({"Shape::kind", "Field::type", "PageNumber::alignment", "DocumentProperty::name",
            "Bookmark::name", "HeaderFooter::index", "HeadersFooters::count", "Document::saved"}))
        return Dead::Kept;
    if (in({"Range::start", "Range::end", "Paragraphs::count"}))
        return Dead::Empty;
    if (in({"Application::activeDocument", "Application::selection", "Documents::item",
            "Sections::item", "Tables::item", "Rows::item", "Cells::item", "Shapes::item",
            "DocumentProperties::item"}))
        return Dead::NoObject;
    return Dead::Nothing;
}

// After the death: calls every method (setters, then queries, then actions)
// and notes each answer that is not the dead office's.
struct DeadCheck
{
    bool known; // whether the Qt thread heard of the death
    QString folder;
    RangePtr someRange;
    QStringList wrong;

    bool acts() const { return true; }
    double number() const { return 1; }
    QString text() const { return folder + QStringLiteral("/walked.docx"); }
    Variant variant() const { return Variant(); }
    RangePtr range() const { return someRange; }
    PrintOutOptions printOptions() const
    {
        PrintOutOptions options;
        options.outputFileName = folder + QStringLiteral("/walked.pdf");
        return options;
    }
    void value(const char *method, const Variant &v)
    {
        const Dead rule = deadAnswer(QLatin1String(method));
        const bool empty
            = v.isMissing() || (v.isString() ? v.toString().isEmpty() : v.toDouble() == 0);
        if (rule != Dead::Kept && (known || rule != Dead::Empty) && !empty)
            wrong << QStringLiteral("%1 answered %2").arg(QLatin1String(method), v.toString());
    }
    bool object(const char *method, const char *, const std::shared_ptr<Object> &o)
    {
        const QString name = QLatin1String(method);
        if (o
            && (known || deadAnswer(name) == Dead::NoObject || name.contains(QLatin1String("::add"))
                || name.endsWith(QLatin1String("::open"))))
            wrong << name + QStringLiteral(" answered an object");
        return bool(o);
    }
};

// When the office is killed, objects handed out before answer nothing,
// changes and actions do nothing, printing fails, nothing crashes or hangs,
// and a command cut off in the middle returns.
class TestLoKill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void keptObjectsAnswerNothing_data();
    void keptObjectsAnswerNothing();
    void commandKilledWhileRunning_data();
    void commandKilledWhileRunning();

private:
    ApplicationPtr start();

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<WriterClient>> m_clients;
};

ApplicationPtr TestLoKill::start()
{
    m_clients.emplace_back();
    const QString profile = m_dir.filePath(QStringLiteral("profile%1").arg(m_clients.size()));
    return officetest::startOffice(profile, &m_clients.back());
}

void TestLoKill::initTestCase()
{
    QVX_REQUIRE_LIBREOFFICE();
    QVERIFY(m_dir.isValid());
}

void TestLoKill::keptObjectsAnswerNothing_data()
{
    QTest::addColumn<bool>("letEventsRun");
    QTest::newRow("before the Qt thread hears of the death") << false;
    QTest::newRow("after the Qt thread heard of it") << true;
}

void TestLoKill::keptObjectsAnswerNothing()
{
    QFETCH(bool, letEventsRun);

    // A document with something of every kind in it.
    const ApplicationPtr app = start();
    const DocumentPtr document = app ? app->documents()->add() : nullptr;
    QVERIFY(document);
    document->content()->setText(
        QStringLiteral("关于做好工作的通知\n各单位：\n一、总体要求。\n末段。"));
    const ShapesPtr shapes = document->shapes();
    QVERIFY(shapes->addTextbox(msoTextOrientationHorizontal, 50, 150, 120, 60));
    QVERIFY(shapes->addLine(50, 120, 200, 120));
    QVERIFY(shapes->addShape(msoShapeRectangle, 50, 50, 100, 40));
    RangePtr at = document->paragraphs()->item(4)->range();
    at->setRange(at->start(), at->start());
    QVERIFY(document->tables()->add(at, 2, 2));
    const SectionPtr section = document->sections()->item(1);
    section->pageSetup()->setOddAndEvenPagesHeaderFooter(1);
    const HeaderFooterPtr footer = section->footers()->item(wdHeaderFooterPrimary);
    footer->setLinkToPrevious(0);
    QVERIFY(footer->pageNumbers()->add(Variant(wdAlignPageNumberOutside), Variant(true)));
    const FieldPtr field = document->fields()->add(document->range(0, 0), Variant(wdFieldPage));
    QVERIFY(field);
    QVERIFY(document->bookmarks()->add(QStringLiteral("mark"), document->range(0, 2)));
    QVERIFY(document->customDocumentProperties()->add(
        QStringLiteral("WenHao"), false, msoPropertyTypeString, QStringLiteral("〔2024〕1号")));
    const RangePtr someRange = document->range(0, 5);
    someRange->select();

    // Walked from the application; what the walker's arguments do not reach
    // (fields have no item(), styles and borders other indexes) is handed in.
    Collector live;
    deadwalker::walk(live, app, 8);
    const StylePtr header = document->styles()->item(Variant(wdStyleHeader));
    QVERIFY(live.object("Fields::add", "Field", field));
    deadwalker::walk(live, field, 1);
    QVERIFY(live.object("Styles::item", "Style", header));
    deadwalker::walk(live, header, 2);
    const TablePtr table = document->tables()->item(1);
    for (const BordersPtr &borders :
         {header->borders(), table->borders(), table->cell(1, 1)->borders()}) {
        const BorderPtr border = borders->item(wdBorderBottom);
        QVERIFY(border);
        live.object("Borders::item", "Border", border);
    }
    QStringList notGiven;
    for (const char *query : deadwalker::objectQueries)
        if (!live.methods.contains(QLatin1String(query))
            && qstrcmp(query, "Application::applicationEx") != 0) // none without a window
            notGiven << QLatin1String(query);
    QVERIFY2(notGiven.isEmpty(), qPrintable(notGiven.join(QLatin1Char(' '))));

    const qint64 pid = libreoffice::officeProcessId(app);
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(officetest::waitUntilGone(pid, 5000));
    if (letEventsRun)
        QTest::qWait(300);

    // Every method of every kept object, leaves first (the application,
    // whose walk quits it, last); nothing saved or printed is written.
    DeadCheck dead {letEventsRun, m_dir.filePath(QStringLiteral("walk")), someRange, {}};
    QVERIFY(QDir().mkpath(dead.folder));
    QElapsedTimer timer;
    timer.start();
    // Once the Qt thread had its turn, the death is known everywhere: every
    // object getter answers null, and what a range knew without asking the
    // office (its offsets, whether it stands in a table) is gone.
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            QTest::qWait(300);
            dead.known = true;
        }
        for (auto it = live.kept.rbegin(); it != live.kept.rend(); ++it)
            deadwalker::walkAny(dead, it->interface, it->object, 1 - pass);
        QVERIFY2(dead.wrong.isEmpty(), qPrintable(dead.wrong.join(QLatin1Char('\n'))));
    }
    QVERIFY(someRange->information(wdWithInTable).isMissing());
    qInfo("every call on the dead office's objects: %lld ms", timer.elapsed());
    // Answering nothing must not cost the office's timeouts.
    QVERIFY(timer.elapsed() < 20000);
    QVERIFY(QDir(dead.folder).isEmpty());

    timer.restart();
    app->quit(Variant(false), Variant(), Variant());
    QVERIFY(timer.elapsed() < 2000);
}

void TestLoKill::commandKilledWhileRunning_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("delayMs");
    QTest::newRow("adaptation, in the paragraph pass") << 0 << 700;
    QTest::newRow("landscape page") << 1 << 250;
}

// The office dies while a command is half-way through its calls: the
// command returns (its outcome does not matter) and the document's objects
// answer nothing afterwards.
void TestLoKill::commandKilledWhileRunning()
{
    QFETCH(int, command);
    QFETCH(int, delayMs);

    ApplicationPtr app = start();
    DocumentPtr document = app ? app->documents()->add() : nullptr;
    QVERIFY(document);
    QStringList text {QStringLiteral("关于做好年度工作的通知"), QStringLiteral("各单位：")};
    // Long enough that either command is still at work when the office is
    // killed, however fast the machine.
    for (int i = 1; i <= 600; ++i)
        text << (i % 30 == 1 ? QStringLiteral("一、第%1部分。要求如下。").arg(i / 30 + 1)
                     : i % 10 == 1
                     ? QStringLiteral("（一）第%1项。").arg(i)
                     : QStringLiteral("第%1段正文，用于检验命令中途办公软件退出时的处理。").arg(i));
    document->content()->setText(text.join(QLatin1Char('\n')));
    if (command == 1) {
        RangePtr at = document->paragraphs()->item(40)->range();
        at->setRange(at->start(), at->start());
        at->select();
    }

    const qint64 pid = libreoffice::officeProcessId(app);
    QVERIFY(officetest::processRunning(pid));
    std::atomic<qint64> killedAt {-1};
    QElapsedTimer timer;
    timer.start();
    std::thread killer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        // Taken before the signal: the command may notice the death before
        // this thread runs again.
        const qint64 sentAt = timer.nsecsElapsed();
        if (::kill(static_cast<pid_t>(pid), SIGKILL) == 0)
            killedAt = sentAt;
    });
    const format::LayoutSettings settings;
    if (command == 0)
        format::adaptPages(app, settings, true, true);
    else
        format::insertLandscapePage(app, settings);
    const qint64 returnedAt = timer.nsecsElapsed();
    killer.join();
    qInfo("killed at %lld µs, the command returned at %lld µs", qint64(killedAt) / 1000,
          returnedAt / 1000);

    // The death came while the command was still at work.
    QVERIFY(killedAt >= 0);
    QVERIFY2(returnedAt > killedAt, "the command ended before the office was killed");
    QVERIFY(returnedAt - killedAt < 10000000000LL);
    QVERIFY(officetest::waitUntilGone(pid, 5000));
    QVERIFY(!app->activeDocument());
    const ParagraphsPtr paragraphs = document->paragraphs();
    QVERIFY(!paragraphs || paragraphs->count() == 0);
    const SectionsPtr sections = document->sections();
    QVERIFY(!sections || sections->count() == 0);
    app->quit();
}

QTEST_MAIN(TestLoKill)
#include "tst_lokill.moc"
