#include "automation/automation.h"
#include "format/blockmarks.h"
#include "inprocess/inprocessapplication.h"

#include <QtTest>

using namespace automation;
using format::Block;

// Only the paragraphs a conversion wrote are removed again; the user's stay.
class TestBlockMarks : public QObject
{
    Q_OBJECT

private slots:
    void removeMarked_data();
    void removeMarked();
};

namespace {

QStringList bodyOf(const DocumentPtr &document)
{
    QStringList texts;
    const ParagraphsPtr all = document->paragraphs();
    for (long i = 1; i <= all->count(); ++i)
        texts.append(all->item(i)->range()->text().remove(QLatin1Char('\r')));
    return texts;
}

} // namespace

void TestBlockMarks::removeMarked_data()
{
    QTest::addColumn<QStringList>("body");
    QTest::addColumn<int>("first"); // marked paragraphs, 1-based
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("typedAfter"); // the user adds a paragraph after this one; 0: none
    QTest::addColumn<QStringList>("left");

    const QStringList head {"", "某府发〔2024〕1号", "", "通知", "各单位：", "正文一", "正文二"};
    QTest::newRow("head") << head << 1 << 5 << 0 << QStringList {"正文一", "正文二"};
    QTest::newRow("user paragraph inside the head stays")
        << head << 1 << 5 << 3 << QStringList {"用户段", "正文一", "正文二"};
    const QStringList signature {"正文。", "", "", "某某单位", "2024年5月6日"};
    QTest::newRow("signature ending the text")
        << signature << 2 << 5 << 0 << QStringList {"正文。"};
    QTest::newRow("signature before an attachment")
        << (signature + QStringList {"附件1"}) << 2 << 5 << 0 << QStringList {"正文。", "附件1"};
    QTest::newRow("user paragraph after the signature")
        << signature << 2 << 5 << 5 << QStringList {"正文。", "用户段"};
    QTest::newRow("nothing marked") << signature << 0 << -1 << 0 << signature;
}

void TestBlockMarks::removeMarked()
{
    QFETCH(QStringList, body);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, typedAfter);
    QFETCH(QStringList, left);
    const ApplicationPtr app = inprocess::InProcessApplication::create();
    const DocumentPtr document = app->documents()->add();
    document->content()->insertBefore(body.join(QLatin1Char('\n')));
    QCOMPARE(bodyOf(document), body);

    // A conversion marks in two calls, as the driver does for the head.
    format::markParagraphs(document, Block::Head, first, (first + last) / 2);
    format::markParagraphs(document, Block::Head, (first + last) / 2 + 1, last);
    format::markParagraphs(document, Block::Signature, 1, 0);
    QCOMPARE(format::markedParagraphs(document, Block::Head).size(), qMax(0, last - first + 1));
    if (typedAfter > 0)
        document->paragraphs()->item(typedAfter)->range()->insertAfter(QStringLiteral("用户段\n"));

    QCOMPARE(format::removeMarkedParagraphs(document, Block::Signature), 0);
    QCOMPARE(format::removeMarkedParagraphs(document, Block::Head), qMax(0, last - first + 1));
    QCOMPARE(bodyOf(document), left);
    QVERIFY(format::markedParagraphs(document, Block::Head).isEmpty());
    QCOMPARE(document->bookmarks()->count(), 0L);
}

QTEST_GUILESS_MAIN(TestBlockMarks)
#include "tst_blockmarks.moc"
