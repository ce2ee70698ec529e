#pragma once

#include "automation/sections.h"

#include <QString>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;

// Page numbers of one footer. A number is a page-number field in a
// paragraph of its own at the footer's start. Restarting the numbering at the
// section is a page number offset on the section's first paragraph (Writer
// keeps it with the paragraph's page break).
class LoPageNumbers : public automation::PageNumbers
{
public:
    LoPageNumbers(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                  QString pageStyle, bool header, int item);

    long count() const override;
    automation::PageNumberPtr add(const automation::Variant &alignment,
                                  const automation::Variant &firstPage) override;
    int restartNumberingAtSection() const override;
    void setRestartNumberingAtSection(int value) override;
    long startingNumber() const override;
    void setStartingNumber(long number) override;

private:
    // The section's first paragraph (or table); null when the section is gone.
    css::uno::Reference<css::beans::XPropertySet> firstParagraph() const;
    // The offset set on the first paragraph, 0 when there is none.
    long offset() const;
    void setOffset(long number);

    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_pageStyle;
    bool m_header;
    int m_item;
};

} // namespace libreoffice
