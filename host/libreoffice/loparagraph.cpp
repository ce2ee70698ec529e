#include "loparagraph.h"

#include "loparagraphformat.h"
#include "lorange.h"
#include "lotext.h"
#include "office.h"
#include "unoutil.h"

using css::beans::XPropertySet;
using css::uno::Reference;

namespace libreoffice {

LoParagraph::LoParagraph(std::shared_ptr<Office> office, textstory::ParagraphEntry entry,
                         Reference<css::frame::XModel> model)
    : m_office(std::move(office))
    , m_entry(std::move(entry))
    , m_model(std::move(model))
{
    m_format = std::make_shared<LoParagraphFormat>(m_office, m_entry.paragraph);
}

automation::RangePtr LoParagraph::range()
{
    if (!m_office->isAlive())
        return nullptr;
    auto range
        = std::make_shared<LoRange>(m_office, m_entry.text, m_model, m_entry.start, m_entry.end);
    officeCall(*m_office, [&] {
        range->setParagraph(
            Reference<css::text::XTextRange>(m_entry.paragraph, css::uno::UNO_QUERY), m_entry.home,
            m_entry.inTable);
    });
    if (m_entry.edits >= 0)
        range->knowText(m_entry.string, m_entry.edits);
    return range;
}

automation::ParagraphFormatPtr LoParagraph::format()
{
    if (!m_office->isAlive())
        return nullptr;
    return m_format;
}

void LoParagraph::reset()
{
    m_format->reset();
}

int LoParagraph::alignment() const
{
    return m_format->alignment();
}

void LoParagraph::setAlignment(int alignment)
{
    m_format->setAlignment(alignment);
}

int LoParagraph::lineSpacingRule() const
{
    return m_format->lineSpacingRule();
}

void LoParagraph::setLineSpacingRule(int rule)
{
    m_format->setLineSpacingRule(rule);
}

float LoParagraph::lineSpacing() const
{
    return m_format->lineSpacing();
}

void LoParagraph::setLineSpacing(float points)
{
    m_format->setLineSpacing(points);
}

float LoParagraph::firstLineIndent() const
{
    return m_format->firstLineIndent();
}

void LoParagraph::setFirstLineIndent(float points)
{
    m_format->setFirstLineIndent(points);
}

float LoParagraph::leftIndent() const
{
    return m_format->leftIndent();
}

void LoParagraph::setLeftIndent(float points)
{
    m_format->setLeftIndent(points);
}

float LoParagraph::rightIndent() const
{
    return m_format->rightIndent();
}

void LoParagraph::setRightIndent(float points)
{
    m_format->setRightIndent(points);
}

float LoParagraph::characterUnitFirstLineIndent() const
{
    return m_format->characterUnitFirstLineIndent();
}

void LoParagraph::setCharacterUnitFirstLineIndent(float chars)
{
    m_format->setCharacterUnitFirstLineIndent(chars);
}

float LoParagraph::characterUnitLeftIndent() const
{
    return m_format->characterUnitLeftIndent();
}

void LoParagraph::setCharacterUnitLeftIndent(float chars)
{
    m_format->setCharacterUnitLeftIndent(chars);
}

float LoParagraph::characterUnitRightIndent() const
{
    return m_format->characterUnitRightIndent();
}

void LoParagraph::setCharacterUnitRightIndent(float chars)
{
    m_format->setCharacterUnitRightIndent(chars);
}

} // namespace libreoffice
