#include "automation/automation.h"
#include "format/landscapepage.h"
#include "format/pageadaptation.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;
using format::Outcome;

// Page adaptation's page setup, styles and footers, and the insertion of a
// landscape page.
class tst_PageLayout : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<inprocess::InProcessApplication> m_app;
    DocumentPtr m_doc;
    format::LayoutSettings m_settings;

    QString dump() const { return inprocess::InProcessApplication::dumpDocument(m_doc); }

    void checkOfficialPortrait(const PageSetupPtr &ps)
    {
        QCOMPARE(ps->orientation(), wdOrientPortrait);
        QCOMPARE(ps->pageWidth(), 595.2756f);
        QCOMPARE(ps->pageHeight(), 841.8898f);
        QCOMPARE(ps->topMargin(), centimetersToPoints(3.36));
        QCOMPARE(ps->bottomMargin(), centimetersToPoints(3.2));
        QCOMPARE(ps->leftMargin(), centimetersToPoints(2.8));
        QCOMPARE(ps->rightMargin(), centimetersToPoints(2.6));
        QCOMPARE(ps->mirrorMargins(), 1);
        QCOMPARE(ps->footerDistance(), 76.53543f);
        QCOMPARE(ps->layoutMode(), wdLayoutModeGrid);
        QCOMPARE(ps->linesPage(), 22.0f);
        QCOMPARE(ps->charsLine(), 28.0f);
        QCOMPARE(ps->oddAndEvenPagesHeaderFooter(), 1);
        QCOMPARE(ps->differentFirstPageHeaderFooter(), 0);
    }

    // The landscape footer of the given item: its single side box.
    ShapePtr sideBox(const SectionPtr &section, int item)
    {
        HeaderFooterPtr footer = section->footers()->item(item);
        if (footer->shapes()->count() != 1)
            return nullptr;
        return footer->shapes()->item(1);
    }

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("标题\n正文第一段。\n正文第二段。"));
    }

    // Page setup only: paragraphs keep their own formats; styles, page and
    // footers are set.
    void pageOnlyKeepsParagraphs()
    {
        ParagraphPtr p = m_doc->paragraphs()->item(2);
        p->setLineSpacingRule(wdLineSpaceExactly);
        p->setLineSpacing(20);
        p->setAlignment(wdAlignParagraphRight);
        QCOMPARE(format::adaptPages(m_app, m_settings, false, false), Outcome::Done);

        QCOMPARE(p->lineSpacing(), 20.0f);
        QCOMPARE(p->alignment(), wdAlignParagraphRight);
        checkOfficialPortrait(m_doc->sections()->item(1)->pageSetup());

        StylePtr normal = m_doc->styles()->item(Variant(wdStyleNormal));
        QCOMPARE(normal->font()->nameFarEast(), m_settings.bodyFont);
        QCOMPARE(normal->font()->nameAscii(), m_settings.westernFont);
        QCOMPARE(normal->font()->size(), 16.0f);
        StylePtr header = m_doc->styles()->item(Variant(wdStyleHeader));
        QCOMPARE(header->borders()->item(wdBorderBottom)->lineStyle(), wdLineStyleNone);
    }

    void portraitFooters_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("alignment");
        QTest::newRow("odd pages: right") << wdHeaderFooterPrimary << wdAlignParagraphRight;
        QTest::newRow("even pages: left") << wdHeaderFooterEvenPages << wdAlignParagraphLeft;
    }

    // "— n —" on the outer side, one character in from the edge, 14 pt in
    // the page-number font; a second run gives the very same footers.
    void portraitFooters()
    {
        QFETCH(int, item);
        QFETCH(int, alignment);
        format::adaptPages(m_app, m_settings, false, false);
        const QString once = dump();
        format::adaptPages(m_app, m_settings, false, false);
        QCOMPARE(dump(), once);

        HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(item);
        QCOMPARE(footer->linkToPrevious(), 0);
        ParagraphPtr number = footer->range()->paragraphs()->item(1);
        QCOMPARE(number->range()->text(), QStringLiteral("— 1 —\r"));
        QCOMPARE(number->alignment(), alignment);
        QCOMPARE(number->characterUnitLeftIndent(), 1.0f);
        QCOMPARE(number->characterUnitRightIndent(), 1.0f);
        RangePtr text = number->range();
        text->setRange(text->start(), text->end() - 1);
        QCOMPARE(text->font()->name(), m_settings.pageNumberFont);
        QCOMPARE(text->font()->size(), 14.0f);
    }

    // A document of one landscape section keeps its own page and paragraph
    // formats whatever the flags, and gets side page numbers.
    void landscapeSectionKeepsItsSetup_data()
    {
        QTest::addColumn<bool>("formatBody");
        QTest::addColumn<bool>("recognise");
        QTest::newRow("page only") << false << false;
        QTest::newRow("body") << true << false;
        QTest::newRow("recognition") << true << true;
    }

    void landscapeSectionKeepsItsSetup()
    {
        QFETCH(bool, formatBody);
        QFETCH(bool, recognise);
        PageSetupPtr ps = m_doc->sections()->item(1)->pageSetup();
        ps->setOrientation(wdOrientLandscape);
        ps->setTopMargin(50);
        m_doc->paragraphs()->item(2)->setLineSpacing(33);
        format::adaptPages(m_app, m_settings, formatBody, recognise);

        QCOMPARE(ps->orientation(), wdOrientLandscape);
        QCOMPARE(ps->topMargin(), 50.0f);
        QCOMPARE(ps->oddAndEvenPagesHeaderFooter(), 1);
        QCOMPARE(m_doc->paragraphs()->item(2)->lineSpacing(), 33.0f);
        SectionPtr section = m_doc->sections()->item(1);
        for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
            ShapePtr box = sideBox(section, item);
            QVERIFY(box);
            QCOMPARE(box->textFrame()->orientation(), msoTextOrientationDownward);
            QCOMPARE(box->width(), 34.01575f);
            QCOMPARE(box->height(), 56.69291f);
            QCOMPARE(box->relativeVerticalPosition(), wdRelativeVerticalPositionLine);
            QCOMPARE(box->relativeHorizontalPosition(), wdRelativeHorizontalPositionColumn);
            QCOMPARE(box->left(), -36.85040f);
            QCOMPARE(box->top(), item == wdHeaderFooterPrimary ? -130.39371f : -497.48032f);
            QCOMPARE(box->fill()->visible(), int(msoFalse));
            QCOMPARE(box->line()->visible(), int(msoFalse));
            QCOMPARE(box->textFrame()->textRange()->text(), QStringLiteral("— 1 —\r"));
        }
    }

    // A landscape page goes in at the insertion point between portrait
    // sections that keep the official layout; numbering runs on.
    void insertLandscapePage()
    {
        RangePtr at = m_doc->paragraphs()->item(3)->range();
        at->setRange(at->start(), at->start());
        at->select();
        QCOMPARE(format::insertLandscapePage(m_app, m_settings), Outcome::Done);

        SectionsPtr sections = m_doc->sections();
        QCOMPARE(sections->count(), 3L);
        checkOfficialPortrait(sections->item(1)->pageSetup());
        checkOfficialPortrait(sections->item(3)->pageSetup());

        SectionPtr landscape = sections->item(2);
        PageSetupPtr ps = landscape->pageSetup();
        QCOMPARE(ps->orientation(), wdOrientLandscape);
        QVERIFY(ps->pageWidth() > ps->pageHeight());
        QCOMPARE(ps->topMargin(), centimetersToPoints(2.45));
        QCOMPARE(ps->bottomMargin(), centimetersToPoints(2.45));
        QCOMPARE(ps->leftMargin(), centimetersToPoints(3.5));
        QCOMPARE(ps->rightMargin(), centimetersToPoints(3.7));
        QCOMPARE(ps->mirrorMargins(), 0);
        QVERIFY(sideBox(landscape, wdHeaderFooterPrimary));
        QVERIFY(sideBox(landscape, wdHeaderFooterEvenPages));

        for (long i = 1; i <= 3; ++i) {
            PageNumbersPtr numbers
                = sections->item(i)->footers()->item(wdHeaderFooterPrimary)->pageNumbers();
            QCOMPARE(numbers->restartNumberingAtSection(), 0);
        }
        // The insertion point is at the start of the landscape section, and
        // the page after it carries on counting.
        QCOMPARE(m_app->selection()->start(), landscape->range()->start());
        QCOMPARE(sections->item(3)->footers()->item(wdHeaderFooterPrimary)->range()->text(),
                 QStringLiteral("— 3 —\r\r"));
    }

    void noDocument()
    {
        m_doc->close();
        QCOMPARE(format::adaptPages(m_app, m_settings, true, true), Outcome::NoDocument);
        QCOMPARE(format::insertLandscapePage(m_app, m_settings), Outcome::NoDocument);
        QCOMPARE(format::adaptPages(nullptr, m_settings, true, true), Outcome::NoApplication);
    }
};

QTEST_APPLESS_MAIN(tst_PageLayout)
#include "tst_pagelayout.moc"
