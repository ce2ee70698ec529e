#include "automation/automation.h"
#include "format/landscapepage.h"
#include "format/pageadaptation.h"
#include "inprocessapplication.h"

#include <QtTest>

using namespace automation;
using format::Outcome;

// Page adaptation's page setup, styles and footers; landscape pages.
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
        QList<float> got;
        got << ps->orientation() << ps->pageWidth() << ps->pageHeight() << ps->topMargin()
            << ps->bottomMargin() << ps->leftMargin() << ps->rightMargin() << ps->mirrorMargins()
            << ps->footerDistance() << ps->layoutMode() << ps->linesPage() << ps->charsLine()
            << ps->oddAndEvenPagesHeaderFooter() << ps->differentFirstPageHeaderFooter();
        QList<float> official;
        official << wdOrientPortrait << 595.2756f << 841.8898f << centimetersToPoints(3.36)
                 << centimetersToPoints(3.2) << centimetersToPoints(2.8) << centimetersToPoints(2.6)
                 << 1 << 76.53543f << wdLayoutModeGrid << 22 << 28 << 1 << 0;
        QCOMPARE(got, official);
    }

    // The landscape footer of the given item: its single side box.
    ShapePtr sideBox(const SectionPtr &section, int item)
    {
        ShapesPtr shapes = section->footers()->item(item)->shapes();
        return shapes->count() == 1 ? shapes->item(1) : nullptr;
    }

private slots:
    void init()
    {
        m_app = inprocess::InProcessApplication::create();
        m_doc = m_app->documents()->add();
        m_doc->content()->setText(QStringLiteral("标题\n正文第一段。\n正文第二段。"));
    }

    // Page setup only: paragraphs keep their formats; "— n —" outside, 14 pt.
    void pageOnlyKeepsParagraphs()
    {
        ParagraphPtr p = m_doc->paragraphs()->item(2);
        p->setLineSpacingRule(wdLineSpaceExactly);
        p->setLineSpacing(20);
        p->setAlignment(wdAlignParagraphRight);
        QCOMPARE(format::adaptPages(m_app, m_settings, false, false), Outcome::Done);
        const QString once = dump();
        format::adaptPages(m_app, m_settings, false, false);
        QCOMPARE(dump(), once);

        QCOMPARE(p->lineSpacing(), 20.0f);
        QCOMPARE(p->alignment(), wdAlignParagraphRight);
        checkOfficialPortrait(m_doc->sections()->item(1)->pageSetup());
        FontPtr normal = m_doc->styles()->item(Variant(wdStyleNormal))->font();
        QCOMPARE(normal->nameFarEast(), m_settings.bodyFont);
        QCOMPARE(normal->nameAscii(), m_settings.westernFont);
        QCOMPARE(normal->size(), 16.0f);
        StylePtr header = m_doc->styles()->item(Variant(wdStyleHeader));
        QCOMPARE(header->borders()->item(wdBorderBottom)->lineStyle(), wdLineStyleNone);
        for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
            HeaderFooterPtr footer = m_doc->sections()->item(1)->footers()->item(item);
            QCOMPARE(footer->linkToPrevious(), 0);
            ParagraphPtr number = footer->range()->paragraphs()->item(1);
            QCOMPARE(number->range()->text(), QStringLiteral("— 1 —\r"));
            QCOMPARE(number->alignment(),
                     item == wdHeaderFooterPrimary ? wdAlignParagraphRight : wdAlignParagraphLeft);
            QCOMPARE(number->characterUnitLeftIndent(), 1.0f);
            QCOMPARE(number->characterUnitRightIndent(), 1.0f);
            RangePtr text = number->range();
            text->setRange(text->start(), text->end() - 1);
            QCOMPARE(text->font()->name(), m_settings.pageNumberFont);
            QCOMPARE(text->font()->size(), 14.0f);
        }
    }

    // A landscape section keeps its formats and gets side page numbers.
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
        for (int item : {wdHeaderFooterPrimary, wdHeaderFooterEvenPages}) {
            ShapePtr box = sideBox(m_doc->sections()->item(1), item);
            QVERIFY(box);
            // Text direction, size, anchoring, place, neither fill nor line.
            QList<float> got, side;
            got << box->textFrame()->orientation() << box->width() << box->height()
                << box->relativeVerticalPosition() << box->relativeHorizontalPosition()
                << box->left() << box->top() << box->fill()->visible() << box->line()->visible();
            side << msoTextOrientationDownward << 34.01575f << 56.69291f
                 << wdRelativeVerticalPositionLine << wdRelativeHorizontalPositionColumn
                 << -36.85040f << (item == wdHeaderFooterPrimary ? -130.39371f : -497.48032f)
                 << msoFalse << msoFalse;
            QCOMPARE(got, side);
            QCOMPARE(box->textFrame()->textRange()->text(), QStringLiteral("— 1 —\r"));
        }
    }

    // A landscape page at the insertion point; numbering runs on.
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
        QList<float> got, expected;
        got << ps->orientation() << ps->topMargin() << ps->bottomMargin() << ps->leftMargin()
            << ps->rightMargin() << ps->mirrorMargins();
        expected << wdOrientLandscape << centimetersToPoints(2.45) << centimetersToPoints(2.45)
                 << centimetersToPoints(3.5) << centimetersToPoints(3.7) << 0;
        QCOMPARE(got, expected);
        QVERIFY(ps->pageWidth() > ps->pageHeight());
        QVERIFY(sideBox(landscape, wdHeaderFooterPrimary)
                && sideBox(landscape, wdHeaderFooterEvenPages));
        for (long i = 1; i <= 3; ++i) {
            HeaderFooterPtr footer = sections->item(i)->footers()->item(wdHeaderFooterPrimary);
            QCOMPARE(footer->pageNumbers()->restartNumberingAtSection(), 0);
        }
        QCOMPARE(m_app->selection()->start(), landscape->range()->start());
        QCOMPARE(sections->item(3)->footers()->item(wdHeaderFooterPrimary)->range()->text(),
                 QStringLiteral("— 3 —\r\r"));
    }
};

QTEST_APPLESS_MAIN(tst_PageLayout)
#include "tst_pagelayout.moc"
