#pragma once

#include "automation/sections.h"

#include <QString>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <memory>

namespace libreoffice {

class Office;
struct DocumentState;

// One footer (or header) of a section: a text of the section's page style,
// FooterText (FooterTextRight when odd and even pages differ) for the
// primary one, FooterTextFirst for the first page, FooterTextLeft for even
// pages. While linked to the previous section it reads and edits the text
// of the nearest earlier section that is not linked.
class LoHeaderFooter : public automation::HeaderFooter
{
public:
    LoHeaderFooter(std::shared_ptr<Office> office, css::uno::Reference<css::frame::XModel> model,
                   QString pageStyle, bool header, int item);

    automation::RangePtr range() override;
    int linkToPrevious() const override;
    void setLinkToPrevious(int value) override;
    automation::PageNumbersPtr pageNumbers() override;
    automation::ShapesPtr shapes() override;
    int index() const override;

    // The text of the given page style's footer or header (turned on when
    // it was off).
    static css::uno::Reference<css::text::XText>
    storyOf(const css::uno::Reference<css::frame::XModel> &model, const QString &pageStyle,
            bool header, int item);
    // The page style whose footer the section's footer shows.
    static QString shownPageStyle(DocumentState &document, const QString &pageStyle, bool header,
                                  int item);

private:
    std::shared_ptr<Office> m_office;
    css::uno::Reference<css::frame::XModel> m_model;
    QString m_pageStyle;
    bool m_header;
    int m_item;
};

} // namespace libreoffice
