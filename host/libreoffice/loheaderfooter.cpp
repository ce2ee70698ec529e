#include "loheaderfooter.h"

#include "automation/constants.h"
#include "lopagenumbers.h"
#include "lopagesetup.h"
#include "losectionmap.h"
#include "loshapes.h"
#include "lotext.h"
#include "office.h"
#include "unoutil.h"

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY;

namespace libreoffice {

LoHeaderFooter::LoHeaderFooter(std::shared_ptr<Office> office, Reference<frame::XModel> model,
                               QString pageStyle, bool header, int item)
    : m_office(std::move(office))
    , m_model(std::move(model))
    , m_pageStyle(std::move(pageStyle))
    , m_header(header)
    , m_item(item)
{
}

Reference<text::XText> LoHeaderFooter::storyOf(const Reference<frame::XModel> &model,
                                               const QString &pageStyle, bool header, int item)
{
    Reference<beans::XPropertySet> style = SectionMap::pageStyle(model, pageStyle);
    if (!style.is())
        return nullptr;
    const char *prefix = header ? "Header" : "Footer";
    if (header)
        LoPageSetup::ensureHeader(style);
    else
        LoPageSetup::ensureFooter(style);
    QString name = QString::fromLatin1(prefix);
    if (item == automation::wdHeaderFooterFirstPage) {
        name += QStringLiteral("TextFirst");
    } else if (item == automation::wdHeaderFooterEvenPages) {
        name += QStringLiteral("TextLeft");
    } else {
        bool shared = true;
        style->getPropertyValue(toOUString(name + QStringLiteral("IsShared"))) >>= shared;
        name += shared ? QStringLiteral("Text") : QStringLiteral("TextRight");
    }
    return Reference<text::XText>(style->getPropertyValue(toOUString(name)), UNO_QUERY);
}

QString LoHeaderFooter::shownPageStyle(DocumentState &document, const QString &pageStyle,
                                       bool header, int item)
{
    const std::vector<SectionPart> parts = SectionMap::sections(document);
    int index = -1;
    for (int i = 0; i < int(parts.size()); ++i) {
        if (parts[i].pageStyle == pageStyle) {
            index = i;
            break;
        }
    }
    while (index > 0 && document.sections.linked(parts[index].pageStyle, header, item))
        --index;
    return index < 0 ? pageStyle : parts[index].pageStyle;
}

automation::RangePtr LoHeaderFooter::range()
{
    if (!m_office->isAlive())
        return nullptr;
    const Reference<text::XText> story = officeCall(*m_office, Reference<text::XText>(), [&] {
        return storyOf(m_model,
                       shownPageStyle(m_office->document(m_model), m_pageStyle, m_header, m_item),
                       m_header, m_item);
    });
    if (!story.is())
        return nullptr;
    automation::RangePtr range = makeTextRange(m_office, m_model, story, 0, -1);
    m_office->document(m_model).sections.rememberStory(range, story);
    return range;
}

int LoHeaderFooter::linkToPrevious() const
{
    if (!m_office->isAlive())
        return automation::msoFalse;
    return m_office->document(m_model).sections.linked(m_pageStyle, m_header, m_item)
        ? automation::msoTrue
        : automation::msoFalse;
}

void LoHeaderFooter::setLinkToPrevious(int value)
{
    officeCall(*m_office, [&] {
        DocumentState &document = m_office->document(m_model);
        const std::vector<SectionPart> parts = SectionMap::sections(document);
        if (parts.empty() || parts.front().pageStyle == m_pageStyle)
            return; // the first section has nothing to link to
        const bool linked = document.sections.linked(m_pageStyle, m_header, m_item);
        if (value) {
            document.sections.setLinked(m_pageStyle, m_header, m_item, true);
            return;
        }
        if (!linked)
            return;
        // Unlinking keeps what the footer showed, as its own copy.
        const QString shown = shownPageStyle(document, m_pageStyle, m_header, m_item);
        const Reference<text::XText> own = storyOf(m_model, m_pageStyle, m_header, m_item);
        if (shown != m_pageStyle)
            SectionMap::copyStory(m_model, storyOf(m_model, shown, m_header, m_item), own);
        document.sections.setLinked(m_pageStyle, m_header, m_item, false);
    });
}

automation::PageNumbersPtr LoHeaderFooter::pageNumbers()
{
    return officeObject<LoPageNumbers>(m_office, m_model, m_pageStyle, m_header, m_item);
}

// The objects anchored in the text this footer shows; new ones go to the
// start of that text unless anchored elsewhere.
automation::ShapesPtr LoHeaderFooter::shapes()
{
    if (!m_office->isAlive())
        return nullptr;
    const std::shared_ptr<Office> office = m_office;
    const Reference<frame::XModel> model = m_model;
    const QString pageStyle = m_pageStyle;
    const bool header = m_header;
    const int item = m_item;
    return std::make_shared<LoShapes>(
        m_office, m_model,
        [office, model, pageStyle, header, item] {
            return storyOf(model, shownPageStyle(office->document(model), pageStyle, header, item),
                           header, item);
        },
        false);
}

int LoHeaderFooter::index() const
{
    return m_item;
}

} // namespace libreoffice
