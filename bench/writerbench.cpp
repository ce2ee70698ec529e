// Measures the object-model workloads of the layout commands on each writer:
// how many object-model calls they make, how long they take, and the rate.
//
//   writerbench [--no-libreoffice] [--profile]
//
// --profile adds, for each writer, the object-model methods that took the
// most time over all workloads, with their calls and seconds.
//
// Workloads:
//   build-1000   type a document of 1,000 paragraphs, one insertion each
//   adapt-1000   page adaptation with body format and heading recognition on it
//   adapt-50pp   the same on a 50-page document of about 400 paragraphs
//   header+bj    draw the header and imprint: a letter's red header (the
//                kind with the most shapes) and a two-row imprint with a
//                disclosure line, on a laid-out three-page document
//   header+bj 2  the same again, replacing what the first run drew
//   convert-3pp  the whole conversion of a down-going notice of three pages,
//                as confirming the input dialog runs it (signature, page
//                layout, title, red header, imprint)
//   convert-50pp the same on a 50-page report
//
// On LibreOffice, build-1000 and adapt-50pp are also measured against what
// the office itself needs for the same result told at once (officefloors.h):
// the import of the same text, and one setting over the whole body followed
// by the headings. The times include the office's layout of the pages.
#include "assembly/conversion.h"
#include "assembly/imprint.h"
#include "assembly/redheader.h"
#include "countingwriter.h"
#include "format/pageadaptation.h"
#include "inprocessapplication.h"
#include "libreoffice/libreofficeclient.h"
#include "officefloors.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

using namespace automation;

namespace {

// Mixed official-document paragraphs: headings of both levels, body text of
// a few lines, an attachment with its title now and then.
QString paragraphText(int i, int bodyLength)
{
    static const QString numerals = QStringLiteral("一二三四五六七八九十");
    switch (i % 10) {
    case 0:
        return numerals.at((i / 10) % 10) + QStringLiteral("、总体要求。各单位要高度重视。");
    case 3:
        return QStringLiteral("（") + numerals.at(i % 10) + QStringLiteral("）工作措施");
    default:
        return QString(bodyLength, QChar(u'文')) + QStringLiteral("。");
    }
}

struct Result
{
    QString workload;
    long calls = 0;
    double seconds = 0;
    double floor = 0; // seconds the office itself needs, where measured
};

template<class Fn> Result measure(const QString &name, Fn &&fn)
{
    const long before = counting::calls();
    QElapsedTimer timer;
    timer.start();
    fn();
    return Result {name, counting::calls() - before, timer.nsecsElapsed() / 1e9};
}

QStringList documentText(int paragraphs, int bodyLength)
{
    QStringList text;
    for (int i = 0; i < paragraphs; ++i)
        text << paragraphText(i, bodyLength);
    return text;
}

// The headings of documentText as (paragraph, lead sentence length).
QList<QPair<int, int>> headings(const QStringList &text)
{
    QList<QPair<int, int>> found;
    for (int i = 0; i < text.size(); ++i) {
        if (i % 10 == 0 || i % 10 == 3) {
            const int stop = text.at(i).indexOf(QChar(u'。'));
            found << qMakePair(i, stop >= 0 ? stop + 1 : int(text.at(i).size()));
        }
    }
    return found;
}

void buildDocument(const ApplicationPtr &app, int paragraphs, int bodyLength)
{
    DocumentPtr doc = app->documents()->add();
    if (!doc)
        return;
    RangePtr range = doc->content();
    if (!range)
        return;
    for (int i = 0; i < paragraphs; ++i) {
        range->insertAfter(paragraphText(i, bodyLength)
                           + (i + 1 < paragraphs ? QStringLiteral("\n") : QString()));
        if (i == 0)
            range = doc->content();
    }
}

void closeDocument(const ApplicationPtr &app)
{
    if (DocumentPtr doc = app->activeDocument())
        doc->close(Variant(false));
}

// With floors, the writer is LibreOffice: the floors are measured on the
// same documents, and every time waits for the office's layout.
QList<Result> runWorkloads(const ApplicationPtr &inner, bool floors)
{
    const ApplicationPtr app = counting::wrap(inner);
    const format::LayoutSettings settings;
    const auto settled = [&](auto &&work) {
        return [&, work] {
            work();
            if (floors)
                officefloors::settle(inner);
        };
    };
    QList<Result> results;
    results << measure(QStringLiteral("build-1000"),
                       settled([&] { buildDocument(app, 1000, 40); }));
    if (floors)
        results.last().floor = officefloors::importText(inner, documentText(1000, 40));
    results << measure(QStringLiteral("adapt-1000"),
                       settled([&] { format::adaptPages(app, settings, true, true); }));
    closeDocument(app);
    // 50 pages of 22 lines of 28 characters: about 400 paragraphs of 1-4 lines.
    buildDocument(app, 400, 60);
    results << measure(QStringLiteral("adapt-50pp"),
                       settled([&] { format::adaptPages(app, settings, true, true); }));
    closeDocument(app);
    if (floors) {
        buildDocument(inner, 400, 60);
        officefloors::settle(inner);
        const QStringList text = documentText(400, 60);
        results.last().floor = officefloors::adaptPages(inner, text, headings(text));
        closeDocument(inner);
    }

    buildDocument(app, 24, 60);
    format::adaptPages(app, settings, false, false);
    assembly::HeaderTemplate header;
    header.markText = QStringLiteral("某某市人民政府");
    header.star = true;
    const assembly::HeaderInput headerInput {QStringLiteral("xinhan.ini"), QStringLiteral("机密"),
                                             QStringLiteral("某府函〔2024〕8号")};
    const assembly::ImprintInput imprintInput {
        QStringLiteral("xiaxing.ini"),   QStringLiteral("某某市人民政府办公室"),
        QStringLiteral("2024年5月16日"), QStringLiteral("市委办公室，市人大常委会办公室"),
        QStringLiteral("主动公开"),      QString()};
    for (const char *name : {"header+bj", "header+bj 2"}) {
        results << measure(QLatin1String(name), settled([&] {
                               assembly::drawRedHeader(app, headerInput, header);
                               assembly::drawImprint(app, imprintInput,
                                                     assembly::ImprintSettings());
                           }));
    }
    closeDocument(app);

    assembly::ConversionSettings conversion;
    conversion.header.markText = QStringLiteral("某某市人民政府文件");
    conversion.headerFound = true;
    conversion.organName = QStringLiteral("某某市人民政府");
    const assembly::ElementList notice = assembly::ElementList::fromStrings(
        {QStringLiteral("xiaxing.ini"), QStringLiteral("市政府文件"), QStringLiteral("秘密"),
         QStringLiteral("1年"), QStringLiteral("特急"), QStringLiteral("某政发〔2024〕12号"),
         QStringLiteral("关于做好安全生产工作的通知"), QStringLiteral("各区县人民政府"),
         QStringLiteral("市委办公室"), QString(), QStringLiteral("2024年5月6日"),
         QStringLiteral("2024年5月8日"), QStringLiteral("主动公开"), QString(),
         QStringLiteral("某某市人民政府办公室")});
    for (const auto &[name, paragraphs] : {std::pair {"convert-3pp", 24}, {"convert-50pp", 400}}) {
        buildDocument(app, paragraphs, 60);
        if (floors)
            officefloors::settle(inner);
        results << measure(QLatin1String(name),
                           settled([&] { assembly::convertDocument(app, notice, conversion); }));
        closeDocument(app);
    }
    return results;
}

void print(QTextStream &out, const QString &writer, const QList<Result> &results)
{
    for (const Result &r : results) {
        out << writer.leftJustified(12) << r.workload.leftJustified(12)
            << QString::number(r.calls).rightJustified(9) << " calls "
            << QString::number(r.seconds, 'f', 3).rightJustified(9) << " s "
            << QString::number(r.seconds > 0 ? r.calls / r.seconds : 0, 'f', 0).rightJustified(10)
            << " calls/s";
        if (r.floor > 0) {
            out << "   floor " << QString::number(r.floor, 'f', 3) << " s, ratio "
                << QString::number(r.seconds / r.floor, 'f', 2);
        }
        out << "\n";
    }
    out.flush();
}

void printProfile(QTextStream &out, const QString &writer)
{
    std::vector<std::pair<std::string, counting::MethodCost>> costs(
        counting::costPerMethod().begin(), counting::costPerMethod().end());
    std::sort(costs.begin(), costs.end(),
              [](const auto &a, const auto &b) { return a.second.seconds > b.second.seconds; });
    out << writer << ": methods by time\n";
    for (size_t i = 0; i < costs.size() && i < 20; ++i) {
        out << "  " << QString::fromStdString(costs[i].first).leftJustified(40)
            << QString::number(costs[i].second.calls).rightJustified(9) << " calls "
            << QString::number(costs[i].second.seconds, 'f', 3).rightJustified(9) << " s "
            << QString::number(costs[i].second.seconds * 1e3 / costs[i].second.calls, 'f', 2)
                   .rightJustified(8)
            << " ms/call\n";
    }
    out.flush();
    counting::costPerMethod().clear();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QTextStream out(stdout);
    const bool profile = QCoreApplication::arguments().contains(QStringLiteral("--profile"));
    counting::profiling() = profile;
    print(out, QStringLiteral("in-process"),
          runWorkloads(inprocess::InProcessApplication::create(), false));
    if (profile)
        printProfile(out, QStringLiteral("in-process"));

    if (QCoreApplication::arguments().contains(QStringLiteral("--no-libreoffice")))
        return 0;
    QTemporaryDir profileDir;
    libreoffice::ClientOptions options;
    options.headless = true;
    options.profileDirectory = profileDir.path();
    std::unique_ptr<WriterClient> client = libreoffice::makeClient(options);
    ApplicationPtr office;
    if (!client || client->getApplication(&office) != 0 || !office) {
        out << "libreoffice: not available\n";
        return 0;
    }
    print(out, QStringLiteral("libreoffice"), runWorkloads(office, true));
    if (profile)
        printProfile(out, QStringLiteral("libreoffice"));
    office->quit(Variant(), Variant(), Variant());
    return 0;
}
