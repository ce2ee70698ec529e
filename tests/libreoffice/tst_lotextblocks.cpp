#include "assembly/signatureblock.h"
#include "assembly/titleblock.h"
#include "automation/automation.h"
#include "format/pageadaptation.h"
#include "pdfmeasure.h"
#include "sharedoffice.h"
#include "textblockstest.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace automation;
using pdfmeasure::PdfFile;
using pdfmeasure::pointsPerCm;

namespace {

QStringList body(bool attachment)
{
    QStringList lines {
        QStringLiteral(
            "为深入贯彻落实党中央、国务院关于安全生产工作的决策部署，切实防范遏制各类生产"
            "安全事故，现就做好今年安全生产工作有关事项通知如下。"),
        QStringLiteral("一、压实工作责任"),
        QStringLiteral(
            "各地区各部门要坚持人民至上、生命至上，统筹发展和安全，以防范化解重大安全风险为"
            "主线，扎实推进安全生产治理体系和治理能力现代化。"),
        QStringLiteral("二、强化风险排查"),
        QStringLiteral(
            "各单位要每月组织一次隐患排查，建立问题清单，明确整改时限和责任人，确保各项任务"
            "落到实处、见到实效。")};
    if (attachment)
        lines << QString() << QStringLiteral("附件：1.安全生产工作任务清单")
              << QStringLiteral("2.安全生产工作联系人名单") << QString();
    return lines;
}

} // namespace

// Every kind of document written the way a conversion writes it (signature,
// page adaptation, title) on a realistic body, exported to PDF and measured:
// the title and number lines against the type area, the signature where its
// blanks put it. The pages are kept for a look.
class TestLoTextBlockPages : public QObject
{
    Q_OBJECT

public:
    explicit TestLoTextBlockPages(const SharedOffice &office)
        : m_office(office)
    {
    }

private slots:
    void pages_data();
    void pages();

private:
    const SharedOffice &m_office;
};

void TestLoTextBlockPages::pages_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("urgency");
    QTest::addColumn<QString>("signer");
    QTest::addColumn<float>("control"); // the template editor's spacings and blank lines
    QTest::addColumn<int>("lines");
    // The exact spacings from the top of the first line to that of the last.
    QTest::addColumn<QStringList>("lineTexts");
    QTest::addColumn<double>("gap");
    const QString number = QStringLiteral("某政发〔2024〕10号");
    const QString recipient = QStringLiteral("各区县人民政府，市政府各部门：");
    const double numberToRecipient = 29.65 + 29.65 + 26 + 36 + 15.6;
    QTest::newRow("down-going") << "xiaxing.ini"
                                << "秘密★1年"
                                << "特急"
                                << "" << 37.0f << 3 << QStringList {number, recipient}
                                << numberToRecipient;
    QTest::newRow("up-going") << "shangxing.ini"
                              << ""
                              << ""
                              << "张三丰" << 37.0f << 3 << QStringList {number, recipient}
                              << numberToRecipient;
    QTest::newRow("letter") << "xinhan.ini"
                            << "机  密"
                            << ""
                            << "" << 36.0f << 1 << QStringList {"机密", recipient}
                            << 29.65 + 29.65 + 14 + 36 + 15.6;
    QTest::newRow("joint issue") << "lianhe.ini"
                                 << ""
                                 << "特  急"
                                 << "" << 26.0f << 5 << QStringList {number, recipient}
                                 << numberToRecipient;
    QTest::newRow("minutes") << "jiyao.ini"
                             << ""
                             << ""
                             << "" << 37.0f << 3 << QStringList {"第5期", "某某市人民政府办公室"}
                             << 29.65 + 15.6;
}

void TestLoTextBlockPages::pages()
{
    QFETCH(QString, kind);
    QFETCH(QString, level);
    QFETCH(QString, urgency);
    QFETCH(QString, signer);
    QFETCH(float, control);
    QFETCH(int, lines);
    QFETCH(QStringList, lineTexts);
    QFETCH(double, gap);
    const ApplicationPtr app = m_office.application();
    if (!app)
        QSKIP("LibreOffice Writer is not installed");
    const DocumentPtr doc = app->documents()->add();
    const bool minutes = kind == QLatin1String("jiyao.ini");
    doc->content()->insertBefore(body(kind == QLatin1String("xiaxing.ini")).join('\n'));

    // As a conversion writes them: signature, page adaptation, title.
    const QString date = QStringLiteral("2024年5月6日");
    const QString unit = QStringLiteral("某某市人民政府"); // 7 characters: 30 blanks each
    const assembly::SignatureTexts signature {kind,         unit,   date, "此件公开发布",
                                              "张三、李四", "王五", ""};
    QCOMPARE(assembly::writeSignatureBlock(app, signature, QStringLiteral("方正黑体_GBK")).status,
             assembly::WrittenBlock::Status::Written);
    QCOMPARE(format::adaptPages(app, format::LayoutSettings(), false, false),
             format::Outcome::Done);
    assembly::TitleSettings settings;
    settings.controlSpacing = control;
    settings.insertedLines = lines;
    settings.compilingUnit = QStringLiteral("某某市人民政府办公室");
    const QString number = minutes ? QStringLiteral("第5期") : QStringLiteral("某政发〔2024〕10号");
    const QString title = QStringLiteral("关于做好2024年度安全生产工作的通知");
    const assembly::TitleTexts texts {
        kind,   number, level, urgency, title, QStringLiteral("各区县人民政府，市政府各部门"),
        signer, date};
    QCOMPARE(assembly::writeTitleBlock(app, texts, settings).status,
             assembly::WrittenBlock::Status::Written);

    const QString artifacts = QStringLiteral(QVX_ARTIFACTS_DIR);
    QVERIFY(QDir().mkpath(artifacts));
    const QString name = QStringLiteral("textblocks-") + QFileInfo(kind).baseName();
    const QString path = QDir(artifacts).filePath(name + QStringLiteral(".pdf"));
    QFile::remove(path);
    PrintOutOptions options;
    options.outputFileName = path;
    QVERIFY(doc->printOut(options));
    doc->close(Variant(false));
    const PdfFile pdf(path);
    QVERIFY2(pdf.isValid(), qPrintable(pdf.error()));
    for (int page = 1; page <= pdf.pageCount(); ++page)
        pdf.render(page, 100, QDir(artifacts).filePath(name + QStringLiteral("-%1.png").arg(page)));

    // The type area between mirrored margins, a line of 28 characters.
    const auto left = [](int page) { return pointsPerCm * (page % 2 ? 2.8 : 2.6); };
    const auto right = [](int page) { return pointsPerCm * (page % 2 ? 18.4 : 18.2); };
    const double ch = pointsPerCm * 15.6 / 28;
    const auto near = [](double actual, double expected, double millimetres) {
        return qAbs(pdfmeasure::mm(actual - expected)) <= millimetres;
    };
    const auto find = [&pdf](const QString &text, int *page) {
        for (*page = 1; *page <= pdf.pageCount(); ++*page) {
            const QRectF box = pdf.find(*page, text);
            if (!box.isEmpty())
                return box;
        }
        return QRectF();
    };
#define MEASURE(actual, expected, millimetres)                                                     \
    QVERIFY2(                                                                                      \
        near(actual, expected, millimetres),                                                       \
        qPrintable(                                                                                \
            QStringLiteral("%1 at %2 pt, %3 pt expected").arg(#actual).arg(actual).arg(expected)))

    const QRectF titleBox = pdf.find(1, title);
    MEASURE(titleBox.center().x(), (left(1) + right(1)) / 2, 0.5);
    const QRectF first = pdf.find(1, lineTexts.first());
    MEASURE(pdf.find(1, lineTexts.last()).top() - first.top(), gap, 0.5);
    const QRectF numberBox = pdf.find(1, number);
    if (kind == QLatin1String("xinhan.ini")) {
        QVERIFY(numberBox.isEmpty()); // a letter's number is the header's
    } else if (!signer.isEmpty()) {
        MEASURE(numberBox.left(), left(1) + ch, 0.5);
        MEASURE(pdf.find(1, signer).right(), right(1) - ch, 0.5);
    } else {
        MEASURE(numberBox.center().x(), (left(1) + right(1)) / 2, 0.5);
    }

    int page = 0;
    if (minutes) {
        const QRectF attendees = find(QStringLiteral("出席：张三、李四"), &page);
        MEASURE(attendees.left(), left(page) + 2 * ch, 0.5);
        QVERIFY(!find(QStringLiteral("请假：王五"), &page).isEmpty());
        QVERIFY(find(QStringLiteral("列席："), &page).isEmpty());
        return;
    }
    // The signature's lines start two characters in (the body's first-line
    // indent), then come their blanks, half a character each.
    const bool joint = kind == QLatin1String("lianhe.ini");
    const QRectF unitBox = find(joint ? QStringLiteral("发文机关一") : unit, &page);
    MEASURE(unitBox.left(), left(page) + 2 * ch + (joint ? 10 : 30) * ch / 2, 2);
    const QRectF dateBox = find(date, &page);
    MEASURE(dateBox.right(), left(page) + (39 + date.size()) / 2.0 * ch, 2);
    qInfo("%s: date ends %.1f characters from the right edge", qPrintable(kind),
          (right(page) - dateBox.right()) / ch);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SharedOffice office;
    TextBlocksTest tables([&office] { return office.application(); });
    TestLoTextBlockPages pages(office);
    return QTest::qExec(&tables, argc, argv) | QTest::qExec(&pages, argc, argv);
}

#include "tst_lotextblocks.moc"
