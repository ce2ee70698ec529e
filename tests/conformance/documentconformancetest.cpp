#include "conformancesuite.h"

#include <QtTest>

using namespace automation;

Q_DECLARE_METATYPE(automation::Variant)

namespace {

// Creates or overwrites a text property, as the element record does.
void writeProperty(const DocumentPropertiesPtr &properties, const QString &name, long lcid,
                   const QString &value)
{
    if (const DocumentPropertyPtr property = properties->item(name, lcid))
        property->setValue(value, lcid);
    else
        properties->add(name, false, msoPropertyTypeString, value, Variant(0), lcid);
}

} // namespace

void DocumentConformanceTest::customPropertyWrittenTwice_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lcid");
    QTest::addColumn<QStringList>("values"); // written one after the other
    QTest::newRow("two values") << "MiJi" << 6001 << QStringList {"秘密", "机密"};
    QTest::newRow("emptied") << "WenHao" << 6004 << QStringList {"国办发〔2024〕1号", ""};
    QTest::newRow("first empty") << "QianFa" << 6014 << QStringList {"", "张三"};
}

void DocumentConformanceTest::customPropertyWrittenTwice()
{
    QFETCH(QString, name);
    QFETCH(int, lcid);
    QFETCH(QStringList, values);
    const DocumentPropertiesPtr properties = m_doc->customDocumentProperties();
    QVERIFY(!properties->item(name, lcid));
    writeProperty(properties, name, lcid, values.at(0));
    QCOMPARE(properties->count(), 1L);
    const DocumentPropertyPtr property = properties->item(name, lcid);
    QVERIFY(property);
    QCOMPARE(QStringLiteral("%1/%2/%3")
                 .arg(property->name())
                 .arg(property->type())
                 .arg(property->value(lcid).toString()),
             QStringLiteral("%1/%2/%3").arg(name).arg(msoPropertyTypeString).arg(values.at(0)));
    writeProperty(properties, name, lcid, values.at(1));
    QCOMPARE(properties->count(), 1L);
    QCOMPARE(properties->item(name, lcid)->value(lcid).toString(), values.at(1));

    // Another property: found by its name and by index; the other document has none.
    writeProperty(properties, QStringLiteral("JinJi"), 6003, QStringLiteral("特急"));
    QCOMPARE(properties->item(QStringLiteral("JinJi"), 6003)->value(6003).toString(),
             QStringLiteral("特急"));
    QVERIFY((QSet<QString> {properties->item(1)->name(), properties->item(2)->name()})
            == (QSet<QString> {name, QStringLiteral("JinJi")}));
    QVERIFY(!properties->item(3));
    const DocumentPtr other = m_app->documents()->add();
    QCOMPARE(other->customDocumentProperties()->count(), 0L);
    QVERIFY(!other->customDocumentProperties()->item(name, lcid));
    QCOMPARE(properties->count(), 2L);
}

// Adding activates the new document and closing it the first again; with
// none left, there is no active document nor a selection.
void DocumentConformanceTest::documentsAddAndClose()
{
    const DocumentsPtr documents = m_app->documents();
    QVERIFY(setBody({"第一个"}));

    const DocumentPtr second = documents->add();
    QCOMPARE(documents->count(), 2L);
    QVERIFY(second->name() != m_doc->name());
    QCOMPARE((QStringList {documents->item(1)->name(), documents->item(2)->name(),
                           m_app->activeDocument()->name()}),
             (QStringList {m_doc->name(), second->name(), second->name()}));
    // Nothing to save yet, until Saved is cleared; East Asian text is Chinese.
    QVERIFY(second->saved());
    QCOMPARE(second->content()->languageIdFarEast(), automation::wdSimplifiedChinese);
    second->setSaved(false);
    QVERIFY(!second->saved());

    second->close();
    QCOMPARE(documents->count(), 1L);
    QCOMPARE(m_app->activeDocument()->name(), m_doc->name());
    QCOMPARE(m_app->activeDocument()->content()->text(), QStringLiteral("第一个\r"));

    m_doc->close();
    m_doc.reset();
    QCOMPARE(documents->count(), 0L);
    QVERIFY(!m_app->activeDocument() && !m_app->selection());
    m_doc = documents->add();
    QCOMPARE(documents->count(), 1L);
    QVERIFY(m_doc && m_app->selection());
    QCOMPARE(m_app->activeDocument()->content()->text(), QStringLiteral("\r"));
}

void DocumentConformanceTest::selectionFollowsRange_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    // The body is "第一段", "第二段".
    QTest::newRow("start of document") << 0 << 0;
    QTest::newRow("inside a paragraph") << 1 << 3;
}

// The selection follows what is selected last, over the last mark too.
void DocumentConformanceTest::selectionFollowsRange()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QVERIFY(setBody({"第一段", "第二段"}));
    const SelectionPtr selection = m_app->selection();
    m_doc->content()->select();
    QCOMPARE(startAndText(selection->range()), QStringLiteral("0:第一段\r第二段\r"));
    const RangePtr range = m_doc->range(start, end);
    range->select();
    QCOMPARE(selection->start(), long(start));
    QCOMPARE(selection->end(), long(end));
    QCOMPARE(selection->range()->text(), range->text());
}

void DocumentConformanceTest::selectionFormats()
{
    QVERIFY(setBody({"第一段", "第二段"}));
    paragraphRange(2)->select();
    const SelectionPtr selection = m_app->selection();
    selection->paragraphFormat()->setAlignment(wdAlignParagraphCenter);
    selection->font()->setBold(1);
    QCOMPARE(paragraph(2)->alignment(), wdAlignParagraphCenter);
    QCOMPARE(paragraph(1)->alignment(), wdAlignParagraphLeft);
    QCOMPARE(m_doc->range(4, 7)->font()->bold(), msoTrue);
    QCOMPARE(m_doc->range(0, 3)->font()->bold(), msoFalse);

    selection->pageSetup()->setTopMargin(95.24409f);
    QCOMPARE(m_doc->sections()->item(1)->pageSetup()->topMargin(), 95.24409f);
    const Variant page = selection->information(wdActiveEndPageNumber);
    QVERIFY(page.isInt() && page.toInt() == 1);
}

void DocumentConformanceTest::bookmarkFollowsEdits_data()
{
    QTest::addColumn<int>("start"); // -1: the bookmark's own range (then end is 0)
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text"); // inserted when start == end, else replacing
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QStringList>("body");
    // The body is "前言", "标题", "主送：", "正文"; the bookmark runs from the
    // start of "标题" to the end of "主送：", the last mark left out.
    QTest::newRow("paragraph inserted before")
        << 0 << 0 << "新段\n"
        << "标题\r主送：" << QStringList {"新段", "前言", "标题", "主送：", "正文"};
    QTest::newRow("text typed inside")
        << 5 << 5 << "文字"
        << "标题文字\r主送：" << QStringList {"前言", "标题文字", "主送：", "正文"};
    QTest::newRow("text deleted inside")
        << 7 << 9 << ""
        << "标题\r主" << QStringList {"前言", "标题", "主", "正文"};
    QTest::newRow("text edited after")
        << 10 << 12 << "正文二"
        << "标题\r主送：" << QStringList {"前言", "标题", "主送：", "正文二"};
    QTest::newRow("marked text deleted") << -1 << 0 << ""
                                         << "" << QStringList {"前言", "", "正文"};
    QTest::newRow("paragraph typed at its end")
        << 9 << 9 << "\n新段"
        << "标题\r主送：" << QStringList {"前言", "标题", "主送：", "新段", "正文"};
}

// A bookmark marks the paragraphs a command wrote, so that a later run can
// find exactly them again, whatever the user did around them. Text typed at
// its end stays outside it (at its start, writers differ).
void DocumentConformanceTest::bookmarkFollowsEdits()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, text);
    QFETCH(QString, marked);
    QFETCH(QStringList, body);
    QVERIFY(setBody({"前言", "标题", "主送：", "正文"}));
    QVERIFY(m_doc->bookmarks()->add(QStringLiteral("head"), m_doc->range(3, 9)));
    const RangePtr range = start < 0 ? m_doc->bookmarks()->item(QStringLiteral("head"))->range()
                                     : m_doc->range(start, end);
    if (start == end)
        range->insertBefore(text);
    else
        range->setText(text);
    QCOMPARE(bodyParagraphs(), withMarks(body));
    const BookmarkPtr head = m_doc->bookmarks()->item(QStringLiteral("head"));
    QVERIFY(head && head->range());
    QCOMPARE(head->range()->text(), marked);
}

void DocumentConformanceTest::bookmarkNames()
{
    QVERIFY(setBody({"甲", "乙", "丙", "丁"}));
    const BookmarksPtr bookmarks = m_doc->bookmarks();
    QVERIFY(!bookmarks->count() && !bookmarks->item(1) && !bookmarks->exists(QStringLiteral("a"))
            && !bookmarks->item(QStringLiteral("a")));

    QVERIFY(bookmarks->add(QStringLiteral("a"), paragraphRange(1)));
    QVERIFY(bookmarks->add(QStringLiteral("b"), paragraphRange(3)));
    // Adding a name again moves that bookmark.
    QVERIFY(bookmarks->add(QStringLiteral("a"), paragraphRange(2)));
    QCOMPARE(bookmarks->count(), 2L);
    QVERIFY(bookmarks->exists(QStringLiteral("a")) && !bookmarks->exists(QStringLiteral("A")));
    QCOMPARE(bookmarks->item(QStringLiteral("a"))->range()->text(), QStringLiteral("乙\r"));
    QVERIFY(bookmarks->item(1) && bookmarks->item(2) && !bookmarks->item(3));

    // Its range is a copy: moving it leaves the bookmark where it was.
    const BookmarkPtr b = bookmarks->item(QStringLiteral("b"));
    b->range()->setRange(0, 1);
    QCOMPARE(b->range()->text(), QStringLiteral("丙\r"));

    // Removing the mark keeps the text.
    b->remove();
    QVERIFY(!bookmarks->exists(QStringLiteral("b")) && !b->range());
    QCOMPARE(bodyParagraphs(), withMarks({"甲", "乙", "丙", "丁"}));
    QCOMPARE(bookmarks->count(), 1L);
}

void DocumentConformanceTest::addedPropertyTypes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Variant>("value");
    QTest::addColumn<Variant>("expected");
    QTest::newRow("text") << msoPropertyTypeString << Variant("abc") << Variant("abc");
    QTest::newRow("number") << msoPropertyTypeNumber << Variant(42) << Variant(42L);
    QTest::newRow("boolean") << msoPropertyTypeBoolean << Variant(true) << Variant(true);
    QTest::newRow("float") << msoPropertyTypeFloat << Variant(2.5) << Variant(2.5);
}

// A property keeps the type it was added with; adding its name again replaces it.
void DocumentConformanceTest::addedPropertyTypes()
{
    QFETCH(int, type);
    QFETCH(Variant, value);
    QFETCH(Variant, expected);
    const DocumentPropertiesPtr properties = m_doc->customDocumentProperties();
    const DocumentPropertyPtr property
        = properties->add(QStringLiteral("Typed"), false, type, value);
    QVERIFY(property);
    QCOMPARE(property->type(), type);
    QVERIFY(property->value() == expected);
    QVERIFY(properties->add(QStringLiteral("Typed"), false, type, value));
    QCOMPARE(properties->count(), 1L);
    QVERIFY(properties->item(QStringLiteral("Typed"))->value() == expected);
}
