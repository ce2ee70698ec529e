#include "automation/automation.h"
#include "format/landscapepage.h"
#include "format/linespacing.h"
#include "format/pageadaptation.h"
#include "format/paragraphpass.h"
#include "libreoffice/libreofficeclient.h"
#include "libreoffice/lofiles.h"
#include "pdfmeasure.h"
#include "x11test.h"

#include <QWindow>
#include <QtTest>

using namespace automation;
using pdfmeasure::PdfFile;

// The layout commands on LibreOffice, on the documents users have: Word files
// as colleagues send them (written by documents/makedocuments.py) and
// documents saved and opened again through the office. Headings, indents and
// table cells are read through the object model; the pages are exported and
// measured. The writer is embedded in a window on the test's own X server, as
// in the program: the office lays out what its window shows between commands.
class TestLoOpenedDocuments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void paragraphs_data();
    void paragraphs();
    void pages_data();
    void pages();

private:
    // The document opened and adapted with heading recognition, once.
    DocumentPtr adapted(const QString &name);
    DocumentPtr open(const QString &path);
    static ParagraphPtr paragraphStarting(const DocumentPtr &doc, const QString &prefix);

    QWidget m_host;
    QTemporaryDir m_profile;
    std::unique_ptr<WriterClient> m_client;
    ApplicationPtr m_app;
    QTemporaryDir m_saved;
    QHash<QString, DocumentPtr> m_adapted;
};

void TestLoOpenedDocuments::initTestCase()
{
    libreoffice::ClientOptions options;
    options.profileDirectory = m_profile.path();
    m_client = libreoffice::makeClient(options);
    if (!m_client)
        QSKIP("LibreOffice Writer is not installed");
    m_host.setAttribute(Qt::WA_NativeWindow);
    m_host.resize(1000, 800);
    m_host.show();
    m_client->setProcessPath(m_client->defaultProcessPath());
    m_client->setProcessArgs({QStringLiteral("-shield"), QStringLiteral("-multiply"),
                              QStringLiteral("-x11embed"), QString::number(m_host.winId()),
                              QStringLiteral("1000"), QStringLiteral("800")});
    QCOMPARE(m_client->getApplication(&m_app), 0);
    QWindow *writer = QWindow::fromWinId(WId(m_app->applicationEx()->mainWindowId()));
    QWidget::createWindowContainer(writer, &m_host)->resize(m_host.size());
    QVERIFY(QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR)));
}

void TestLoOpenedDocuments::cleanupTestCase()
{
    if (m_app)
        m_app->quit();
}

DocumentPtr TestLoOpenedDocuments::open(const QString &path)
{
    return libreoffice::openDocument(m_app, path) ? m_app->activeDocument() : nullptr;
}

// "saved.docx" and "saved.odt": a file adapted once, saved through the
// office in that format and opened again.
DocumentPtr TestLoOpenedDocuments::adapted(const QString &name)
{
    if (m_adapted.contains(name))
        return m_adapted.value(name);
    const bool saved = name.startsWith(QLatin1String("saved"));
    DocumentPtr doc = open(QStringLiteral(QVX_TEST_DOCUMENTS_DIR "/")
                           + (saved ? QStringLiteral("indent-chars.docx") : name));
    if (doc && saved) {
        format::adaptPages(m_app, format::LayoutSettings(), true, true);
        const QString path = m_saved.filePath(name);
        if (!libreoffice::saveDocumentAs(m_app, path))
            return nullptr;
        doc->close(Variant(false));
        doc = open(path);
    }
    if (doc
        && format::adaptPages(m_app, format::LayoutSettings(), true, true) != format::Outcome::Done)
        doc.reset();
    m_adapted.insert(name, doc);
    return doc;
}

ParagraphPtr TestLoOpenedDocuments::paragraphStarting(const DocumentPtr &doc, const QString &prefix)
{
    const ParagraphsPtr all = doc->paragraphs();
    for (long i = 1; i <= all->count(); ++i) {
        const ParagraphPtr p = all->item(i);
        if (format::textWithoutMark(p->range()).startsWith(prefix))
            return p;
    }
    return nullptr;
}

void TestLoOpenedDocuments::paragraphs_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("prefix"); // the text the paragraph starts with
    QTest::addColumn<int>("lead"); // characters checked for font and size
    QTest::addColumn<QString>("font");
    QTest::addColumn<float>("size");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<float>("indent"); // first-line indent, characters

    const format::LayoutSettings s;
    const QString heading = QStringLiteral("一、总体要求");
    const QString subheading = QStringLiteral("（一）压实工作责任。");
    const QString title = QStringLiteral("关于做好2025年度安全生产工作的通知");
    const int left = wdAlignParagraphLeft;
    const int centre = wdAlignParagraphCenter;
    for (const char *file :
         {"indent-chars.docx", "indent-points.docx", "saved.docx", "saved.odt"}) {
        QTest::addRow("%s: first level", file)
            << file << heading << 6 << s.headingFont << 16.0f << left << 2.0f;
        QTest::addRow("%s: second level", file)
            << file << subheading << 10 << s.subheadingFont << 16.0f << left << 2.0f;
    }
    QTest::newRow("file indents: title unindented at the top")
        << "indent-chars.docx" << title << 4 << s.bodyFont << 16.0f << left << 0.0f;
    QTest::newRow("full-width spaces: first level")
        << "indent-spaces.docx" << heading << 6 << s.headingFont << 16.0f << left << 2.0f;
    QTest::newRow("ASCII spaces: second level")
        << "indent-spaces.docx" << subheading << 10 << s.subheadingFont << 16.0f << left << 2.0f;
    QTest::newRow("spaces: body") << "indent-spaces.docx" << QStringLiteral("各地区") << 3
                                  << s.bodyFont << 16.0f << left << 2.0f;
    QTest::newRow("spaces: attachment head") << "indent-spaces.docx" << QStringLiteral("附件1") << 3
                                             << s.headingFont << 16.0f << left << 0.0f;
    QTest::newRow("spaces: attachment title")
        << "indent-spaces.docx" << QStringLiteral("重点任务清单") << 6 << s.titleFont << 22.0f
        << centre << 0.0f;
    QTest::newRow("typed: unindented at the top stays body")
        << "typed-notice.docx" << heading << 6 << s.bodyFont << 16.0f << left << 0.0f;
    QTest::newRow("converted: first level")
        << "converted-notice.docx" << heading << 6 << s.headingFont << 16.0f << left << 2.0f;
    QTest::newRow("converted: marked title kept")
        << "converted-notice.docx" << title << 4 << s.titleFont << 22.0f << centre << 0.0f;
    QTest::newRow("converted: marked number kept")
        << "converted-notice.docx" << QStringLiteral("某政办") << 3 << s.bodyFont << 16.0f << centre
        << 0.0f;
    QTest::newRow("table after attachment: title")
        << "attachment-table.docx" << QStringLiteral("安全生产重点任务统计表") << 4 << s.titleFont
        << 22.0f << centre << 0.0f;
    for (const char *cell : {"重点任务", "市应急管理局"}) {
        QTest::addRow("table after attachment: cell %s", cell)
            << "attachment-table.docx" << QString::fromUtf8(cell) << 4 << QStringLiteral("宋体")
            << 12.0f << centre << 0.0f;
    }
}

// What each paragraph became: its text (typed indents gone), the font and
// size of its first characters, its alignment and first-line indent.
void TestLoOpenedDocuments::paragraphs()
{
    QFETCH(QString, document);
    QFETCH(QString, prefix);
    QFETCH(int, lead);
    QFETCH(QString, font);
    QFETCH(float, size);
    QFETCH(int, alignment);
    QFETCH(float, indent);
    const DocumentPtr doc = adapted(document);
    QVERIFY(doc);
    const ParagraphPtr p = paragraphStarting(doc, prefix);
    QVERIFY2(p, qPrintable(prefix));
    const RangePtr r = p->range();
    r->setRange(r->start(), r->start() + lead);
    QCOMPARE(r->font()->nameFarEast(), font);
    QCOMPARE(r->font()->size(), size);
    QCOMPARE(p->alignment(), alignment);
    QCOMPARE(p->characterUnitFirstLineIndent(), indent);
}

void TestLoOpenedDocuments::pages_data()
{
    QTest::addColumn<float>("spacing"); // the body spacing of the settings
    QTest::addColumn<int>("steps"); // "加大行距" on the whole text afterwards
    QTest::addColumn<bool>("landscape"); // "插入横排页面" on the second page
    QTest::newRow("29.65 pt") << 29.65f << 0 << false;
    QTest::newRow("28.95 pt: 22 lines in 225 mm") << 28.95f << 0 << false;
    QTest::newRow("29.65 pt widened five times") << 29.65f << 5 << false;
    QTest::newRow("landscape page") << 29.65f << 0 << true;
}

// The exported pages: body lines at the exact spacing (not the grid's) with
// 28 characters, and on every page one page number on its outer side: the
// portrait ones "— n —" below the body, the landscape one turned in its
// left margin.
void TestLoOpenedDocuments::pages()
{
    QFETCH(float, spacing);
    QFETCH(int, steps);
    QFETCH(bool, landscape);
    const DocumentPtr doc = open(QStringLiteral(QVX_TEST_DOCUMENTS_DIR "/long-notice.docx"));
    QVERIFY(doc);
    format::LayoutSettings settings;
    settings.bodySpacing = spacing;
    format::adaptPages(m_app, settings, true, true);
    doc->content()->select();
    for (int i = 0; i < steps; ++i)
        format::stepExactSpacing(m_app, 1.0f);
    if (landscape) {
        const RangePtr at = paragraphStarting(doc, QStringLiteral("（三）"))->range();
        at->setRange(at->start(), at->start());
        at->select();
        // The user clicks the command: the window shows the pages meanwhile.
        QTest::qWait(300);
        QCOMPARE(format::insertLandscapePage(m_app, settings), format::Outcome::Done);
    }
    const QString path
        = QStringLiteral(QVX_ARTIFACTS_DIR "/opened-%1.pdf").arg(QTest::currentDataTag());
    PrintOutOptions options;
    options.outputFileName = path;
    QVERIFY(doc->printOut(options));
    const PdfFile pdf(path);
    QVERIFY2(pdf.isValid(), qPrintable(pdf.error()));
    QVERIFY(pdf.pageCount() >= 3);

    // Line pitch and characters per line on the second page.
    const float pitch = spacing + steps;
    QList<double> pitches;
    int longest = 0;
    const QList<pdfmeasure::Line> lines = pdf.lines(2);
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QRectF a = lines.at(i).box;
        const QRectF b = lines.at(i + 1).box;
        longest = std::max(longest, int(lines.at(i).text().size()));
        // Lines in one font and size, one below the other.
        if (qAbs(a.height() - b.height()) < 0.01)
            pitches << b.top() - a.top();
    }
    QVERIFY(pitches.size() >= 15);
    for (double d : pitches)
        QVERIFY2(qAbs(d - pitch) <= 0.1, qPrintable(QStringLiteral("pitch %1").arg(d)));
    QCOMPARE(longest, 28);

    int landscapePages = 0;
    for (int page = 1; page <= pdf.pageCount(); ++page) {
        const QSizeF size = pdf.pageSize(page);
        const bool turned = size.width() > size.height();
        landscapePages += turned ? 1 : 0;
        QList<QRectF> numbers;
        for (const pdfmeasure::Line &line : pdf.lines(page)) {
            if (line.text() == QStringLiteral("—%1—").arg(page))
                numbers << line.box;
        }
        QVERIFY2(numbers.size() == 1,
                 qPrintable(QStringLiteral("page %1: %2 numbers").arg(page).arg(numbers.size())));
        const QRectF box = numbers.first();
        if (turned) {
            // Its characters one below the other, in the left margin.
            QVERIFY2(box.height() > box.width() && box.right() < pdfmeasure::pointsPerCm * 3.5,
                     qPrintable(QStringLiteral("landscape page %1: number at %2, %3")
                                    .arg(page)
                                    .arg(box.left())
                                    .arg(box.top())));
            continue;
        }
        // Below the body's end (to the half millimetre), on the outer side.
        QVERIFY2(box.top() > size.height() - pdfmeasure::pointsPerCm * 3.25,
                 qPrintable(QStringLiteral("page %1: number above the body's end").arg(page)));
        QVERIFY2((page % 2 == 1) == (box.center().x() > size.width() / 2),
                 qPrintable(QStringLiteral("page %1: number on the inner side").arg(page)));
    }
    QCOMPARE(landscapePages, landscape ? 1 : 0);
    doc->close(Variant(false));
}

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestLoOpenedDocuments>(argc, argv);
}
#include "tst_loopeneddocuments.moc"
