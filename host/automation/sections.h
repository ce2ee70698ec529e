#pragma once

#include "forward.h"
#include "variant.h"

namespace automation {

// Page layout of one section. Lengths in points.
class PageSetup : public Object
{
public:
    virtual float topMargin() const = 0;
    virtual void setTopMargin(float points) = 0;
    virtual float bottomMargin() const = 0;
    virtual void setBottomMargin(float points) = 0;
    virtual float leftMargin() const = 0;
    virtual void setLeftMargin(float points) = 0;
    virtual float rightMargin() const = 0;
    virtual void setRightMargin(float points) = 0;
    virtual float pageWidth() const = 0;
    virtual void setPageWidth(float points) = 0;
    virtual float pageHeight() const = 0;
    virtual void setPageHeight(float points) = 0;
    virtual float footerDistance() const = 0;
    virtual void setFooterDistance(float points) = 0;
    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;
    virtual int mirrorMargins() const = 0;
    virtual void setMirrorMargins(int value) = 0;
    virtual int layoutMode() const = 0;
    virtual void setLayoutMode(int mode) = 0;
    virtual float linesPage() const = 0;
    virtual void setLinesPage(float lines) = 0;
    virtual float charsLine() const = 0;
    virtual void setCharsLine(float chars) = 0;
    virtual int oddAndEvenPagesHeaderFooter() const = 0;
    virtual void setOddAndEvenPagesHeaderFooter(int value) = 0;
    virtual int differentFirstPageHeaderFooter() const = 0;
    virtual void setDifferentFirstPageHeaderFooter(int value) = 0;
};

class PageNumber : public Object
{
public:
    virtual int alignment() const = 0;
};

class PageNumbers : public Object
{
public:
    virtual long count() const = 0;
    // Puts a page-number field into the footer, in a paragraph of its own
    // before the footer's text (as a page-number frame holds it), aligned as
    // asked ("outside" is right on odd pages, left on even pages).
    // alignment: wdAlignPageNumber*;
    // firstPage: whether the number shows on a section's first page.
    virtual PageNumberPtr add(const Variant &alignment = Variant(),
                              const Variant &firstPage = Variant())
        = 0;
    virtual int restartNumberingAtSection() const = 0;
    virtual void setRestartNumberingAtSection(int value) = 0;
    virtual long startingNumber() const = 0;
    virtual void setStartingNumber(long number) = 0;
};

// One footer (or header) of a section. While LinkToPrevious is on, it shows
// the previous section's footer of the same index and edits go there; turning
// it off gives the footer its own copy.
class HeaderFooter : public Object
{
public:
    virtual RangePtr range() = 0;
    virtual int linkToPrevious() const = 0;
    virtual void setLinkToPrevious(int value) = 0;
    virtual PageNumbersPtr pageNumbers() = 0;
    virtual ShapesPtr shapes() = 0;
    virtual int index() const = 0;
};

class HeadersFooters : public Object
{
public:
    virtual long count() const = 0;
    // wdHeaderFooterPrimary (1), wdHeaderFooterFirstPage (2), wdHeaderFooterEvenPages (3).
    virtual HeaderFooterPtr item(int index) = 0;
};

class Section : public Object
{
public:
    virtual RangePtr range() = 0;
    virtual PageSetupPtr pageSetup() = 0;
    virtual HeadersFootersPtr footers() = 0;
    virtual HeadersFootersPtr headers() = 0;
    virtual long index() const = 0;
};

class Sections : public Object
{
public:
    virtual long count() const = 0;
    virtual SectionPtr item(long index) = 0;
    // Inserts a section break before the range's start (at the end of the
    // document when the range is missing) and gives back the section that
    // starts at the break. The new section takes the page setup of the one
    // it was split from; its headers and footers are linked to the previous
    // section. A start of wdSectionNewPage (2) begins it on a new page.
    virtual SectionPtr add(const Variant &range = Variant(), const Variant &start = Variant()) = 0;
};

} // namespace automation
