#include "automation/automation.h"
#include "format/landscapepage.h"
#include "format/linespacing.h"
#include "format/pageadaptation.h"
#include "format/paragraphpass.h"
#include "libreoffice/libreofficeclient.h"
#include "libreoffice/lofiles.h"
#include "officetestsupport.h"
#include "pdfmeasure.h"
#include "x11test.h"

#include <QWindow>

using namespace automation;

// A paragraph after page adaptation with recognition: the text it starts with
// (typed indents gone); font (Heading, sub-heading K, Title, Body, the table's
// Song) and size of its first characters, centred, first-line indent (chars).
static const std::tuple<const char *, const char *, int, char, float, bool, float> expected[] = {
    {"indent-chars.docx", "一、总体要求", 6, 'H', 16, false, 2},
    {"indent-points.docx", "一、总体要求", 6, 'H', 16, false, 2},
    {"indent-spaces.docx", "一、总体要求", 6, 'H', 16, false, 2},
    {"indent-spaces.docx", "（一）压实工作责任。", 10, 'K', 16, false, 2},
    {"indent-spaces.docx", "附件1", 3, 'H', 16, false, 0},
    {"indent-spaces.docx", "重点任务清单", 6, 'T', 22, true, 0},
    {"typed-notice.docx", "一、总体要求", 6, 'B', 16, false, 0}, // unindented at the top
    {"converted-notice.docx", "一、总体要求", 6, 'H', 16, false, 2},
    {"converted-notice.docx", "关于做好", 4, 'T', 22, true, 0}, // marked: kept
    {"attachment-table.docx", "安全生产重点任务统计表", 4, 'T', 22, true, 0},
    {"attachment-table.docx", "市应急管理局", 4, 'S', 12, true, 0}, // the table's own
    {"attachment-table.docx", "（一）填报说明。", 8, 'K', 16, false, 2}, // after the table
};

// The layout commands on the documents users have, on LibreOffice embedded as
// in the program (it lays out what it shows between two commands).
class TestLoOpenedDocuments : public QObject
{
    Q_OBJECT

    QWidget m_host;
    QTemporaryDir m_profile;
    std::unique_ptr<WriterClient> m_client;
    ApplicationPtr m_app;
    QHash<QString, DocumentPtr> m_adapted;

    static ParagraphPtr paragraphStarting(const DocumentPtr &doc, const QString &prefix)
    {
        for (long i = 1; i <= doc->paragraphs()->count(); ++i) {
            if (format::textWithoutMark(doc->paragraphs()->item(i)->range()).startsWith(prefix))
                return doc->paragraphs()->item(i);
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QVX_REQUIRE_LIBREOFFICE();
        m_host.setAttribute(Qt::WA_NativeWindow);
        m_host.show();
        m_app = officetest::startOffice(m_profile.path(), &m_client,
                                        officetest::embedArgs(m_host.winId(), m_host.size()));
        QVERIFY(m_app);
        QWidget::createWindowContainer(
            QWindow::fromWinId(WId(m_app->applicationEx()->mainWindowId())), &m_host)
            ->resize(m_host.size());
        QVERIFY(QDir().mkpath(QStringLiteral(QVX_ARTIFACTS_DIR)));
    }

    void paragraphs_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(expected)); ++i)
            QTest::addRow("%s: %s", std::get<0>(expected[i]), std::get<1>(expected[i])) << i;
    }

    void paragraphs()
    {
        QFETCH(int, row);
        const auto [document, prefix, lead, font, size, centred, indent] = expected[row];
        const QString name = QString::fromUtf8(document);
        if (!m_adapted.contains(name)) {
            libreoffice::openDocument(m_app, QStringLiteral(QVX_TEST_DOCUMENTS_DIR "/") + name);
            format::adaptPages(m_app, {}, true, true);
            m_adapted.insert(name, m_app->activeDocument());
        }
        const ParagraphPtr p = paragraphStarting(m_adapted.value(name), QString::fromUtf8(prefix));
        QVERIFY(p);
        const RangePtr r = p->range();
        r->setRange(r->start(), r->start() + lead);
        const format::LayoutSettings s;
        const QString fonts[]
            = {s.headingFont, s.subheadingFont, s.titleFont, s.bodyFont, QStringLiteral("宋体")};
        QCOMPARE(r->font()->nameFarEast(), fonts[QByteArray("HKTBS").indexOf(font)]);
        QCOMPARE(r->font()->size(), size);
        QCOMPARE(p->alignment(), centred ? wdAlignParagraphCenter : wdAlignParagraphLeft);
        QCOMPARE(p->characterUnitFirstLineIndent(), indent);
    }

    void pages_data()
    {
        QTest::addColumn<float>("spacing"); // the body spacing of the settings
        QTest::addColumn<int>("steps"); // "加大行距" on the whole text afterwards
        QTest::addColumn<bool>("landscape"); // "插入横排页面" before "（三）"
        QTest::newRow("28.95 pt: 22 lines in 225 mm") << 28.95f << 0 << false;
        QTest::newRow("29.65 pt widened five times") << 29.65f << 5 << false;
        QTest::newRow("landscape page") << 29.65f << 0 << true;
    }

    // Body lines at the exact spacing (not the grid's) with 28 characters;
    // on every page its one page number on the outer side: "— n —" below the
    // body, or turned in the landscape page's left margin.
    void pages()
    {
        QFETCH(float, spacing);
        QFETCH(int, steps);
        QFETCH(bool, landscape);
        QVERIFY(libreoffice::openDocument(m_app, QVX_TEST_DOCUMENTS_DIR "/long-notice.docx"));
        const DocumentPtr doc = m_app->activeDocument();
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
            QTest::qWait(300); // the user's click: the window lays out the pages
            format::insertLandscapePage(m_app, settings);
        }
        PrintOutOptions options;
        options.outputFileName
            = QStringLiteral(QVX_ARTIFACTS_DIR "/opened-%1.pdf").arg(QTest::currentDataTag());
        QVERIFY(doc->printOut(options));
        doc->close(Variant(false));
        const pdfmeasure::PdfFile pdf(options.outputFileName.toString());

        int longest = 0, pitches = 0;
        const QList<pdfmeasure::Line> lines = pdf.lines(2);
        for (int i = 0; i + 1 < lines.size(); ++i) {
            const QRectF a = lines.at(i).box, b = lines.at(i + 1).box;
            longest = std::max(longest, int(lines.at(i).text().size()));
            if (qAbs(a.height() - b.height()) < 0.01 && ++pitches) // one font and size
                QVERIFY2(qAbs(b.top() - a.top() - spacing - steps) <= 0.1,
                         qPrintable(QString::number(b.top() - a.top())));
        }
        QVERIFY(pitches >= 15);
        QCOMPARE(longest, 28);

        int turnedPages = 0;
        for (int page = 1; page <= pdf.pageCount(); ++page) {
            const QSizeF size = pdf.pageSize(page);
            QList<QRectF> numbers;
            for (const pdfmeasure::Line &line : pdf.lines(page)) {
                if (line.text() == QStringLiteral("—%1—").arg(page))
                    numbers << line.box;
            }
            QCOMPARE(numbers.size(), 1);
            const QRectF box = numbers.first();
            if (size.width() > size.height() && ++turnedPages) {
                QVERIFY(box.height() > box.width() && box.right() < pdfmeasure::pointsPerCm * 3.5);
            } else {
                QVERIFY(box.top() > size.height() - pdfmeasure::pointsPerCm * 3.25); // 0.5 mm
                QCOMPARE(box.center().x() > size.width() / 2, page % 2 == 1);
            }
        }
        QCOMPARE(turnedPages, landscape ? 1 : 0);
    }
};

int main(int argc, char *argv[])
{
    return x11test::runOnOwnXvfb<TestLoOpenedDocuments>(argc, argv);
}
#include "tst_loopeneddocuments.moc"
