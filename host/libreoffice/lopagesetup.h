#pragma once

#include "automation/sections.h"

#include <QString>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;
struct DocumentState;

// The page setup of a section: the properties of its page style. Writer puts
// the footer inside the page's bottom margin (the margin ends where the footer
// ends), Word measures the bottom margin to the body and the footer distance
// to the footer's bottom: the footer is kept on with a fixed height so that
// bottom margin = BottomMargin + FooterHeight; the footer reaches below the
// footer distance, to half of it, so that a page number fits (see
// placeFooter), and the footer distance is noted with the page style. The
// header is kept inside the top margin with header distance = TopMargin.
class LoPageSetup : public automation::PageSetup
{
public:
    LoPageSetup(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                QString pageStyle);

    float topMargin() const override;
    void setTopMargin(float points) override;
    float bottomMargin() const override;
    void setBottomMargin(float points) override;
    float leftMargin() const override;
    void setLeftMargin(float points) override;
    float rightMargin() const override;
    void setRightMargin(float points) override;
    float pageWidth() const override;
    void setPageWidth(float points) override;
    float pageHeight() const override;
    void setPageHeight(float points) override;
    float footerDistance() const override;
    void setFooterDistance(float points) override;
    int orientation() const override;
    void setOrientation(int orientation) override;
    int mirrorMargins() const override;
    void setMirrorMargins(int value) override;
    int layoutMode() const override;
    void setLayoutMode(int mode) override;
    float linesPage() const override;
    void setLinesPage(float lines) override;
    float charsLine() const override;
    void setCharsLine(float chars) override;
    int oddAndEvenPagesHeaderFooter() const override;
    void setOddAndEvenPagesHeaderFooter(int value) override;
    int differentFirstPageHeaderFooter() const override;
    void setDifferentFirstPageHeaderFooter(int value) override;

    // Turns the footer on (Word's footers always exist) without moving the
    // body: the bottom margin is split into footer distance and footer.
    static void ensureFooter(const css::uno::Reference<css::beans::XPropertySet> &style);
    // The same for the header and the top margin.
    static void ensureHeader(const css::uno::Reference<css::beans::XPropertySet> &style);

    // Brings the body text's characters to the character grid's pitch of the
    // first section (or back to their own width without a character grid).
    static void applyCharacterPitch(DocumentState &document);

private:
    // Turns the header (or the footer) on, as ensureHeader and ensureFooter.
    static void ensurePart(const css::uno::Reference<css::beans::XPropertySet> &style, bool header);
    css::uno::Reference<css::beans::XPropertySet> style() const;
    float length(const char *name) const;
    // Sets a length of the page, keeping the characters per line.
    void setLength(const char *name, float points);
    // The top (or bottom) margin as Word counts it, to the body.
    float margin(bool top) const;
    void setMargin(bool top, float points);
    void keepCharsLine(float chars);
    void updateGrid(const css::uno::Reference<css::beans::XPropertySet> &style);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_pageStyle;
};

} // namespace libreoffice
