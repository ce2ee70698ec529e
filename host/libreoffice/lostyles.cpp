#include "lostyles.h"

#include "automation/constants.h"
#include "lopagesetup.h"
#include "loparagraphformat.h"
#include "lostyle.h"
#include "office.h"
#include "unoutil.h"

#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>

using namespace css;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

LoStyles::LoStyles(std::shared_ptr<Office> office, Reference<frame::XModel> model)
    : m_office(std::move(office))
    , m_model(std::move(model))
{
}

automation::StylePtr LoStyles::item(const automation::Variant &index)
{
    if (!m_office->isAlive())
        return nullptr;
    QString name;
    if (index.isString()) {
        name = index.toString();
    } else if (index.isInt()) {
        if (index.toInt() == automation::wdStyleNormal)
            name = QStringLiteral("Standard");
        else if (index.toInt() == automation::wdStyleHeader)
            name = QStringLiteral("Header");
    }
    if (name.isEmpty())
        return nullptr;
    Reference<beans::XPropertySet> style
        = officeCall(*m_office, Reference<beans::XPropertySet>(), [&] {
              Reference<style::XStyleFamiliesSupplier> supplier(m_model, UNO_QUERY_THROW);
              Reference<container::XNameAccess> styles(
                  supplier->getStyleFamilies()->getByName(unoName("ParagraphStyles")),
                  UNO_QUERY_THROW);
              const rtl::OUString styleName = toOUString(name);
              if (!styles->hasByName(styleName))
                  return Reference<beans::XPropertySet>();
              return Reference<beans::XPropertySet>(styles->getByName(styleName), UNO_QUERY);
          });
    if (!style.is())
        return nullptr;
    // The character grid's kerning and the character-unit indents depend on
    // the body text's size.
    std::function<void()> sizeChanged;
    if (name == QLatin1String("Standard")) {
        const std::shared_ptr<Office> office = m_office;
        const Reference<frame::XModel> model = m_model;
        sizeChanged = [office, model] {
            LoPageSetup::applyCharacterPitch(office->document(model));
            LoParagraphFormat::resizeCharacterIndents(*office, model);
        };
    }
    return std::make_shared<LoStyle>(m_office, style, sizeChanged);
}

} // namespace libreoffice
