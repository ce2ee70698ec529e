#include "headertemplate.h"

#include "optionsettings.h"
#include "pagegeometry.h"
#include "templatestore.h"

#include <QtGlobal>

#include <cmath>

namespace assembly {

namespace {

// The widest box that, centred on the type area, stays on the page.
const double widestBox = 20.8;
// Beyond these the writers refuse the value or draw nothing sensible.
const double largestFont = 300;
const double largestSpacing = 1584;
const int largestZoom = 600;
const double heaviestRule = 10;

// A size or spacing that is unset, negative or not drawable takes the
// default; a huge one the largest drawable value.
float sized(double value, double defaultValue, double largest)
{
    return float(value > 0 ? qMin(value, largest) : defaultValue);
}

int zoom(double stored, const QString &text)
{
    const int percent = int(std::trunc(stored));
    return percent > 0 ? qMin(percent, largestZoom) : TemplateStore::zoomForMarkText(text);
}

} // namespace

bool HeaderTemplate::read(const QString &kind, const QString &name, HeaderTemplate *result)
{
    if (name.isEmpty() || !TemplateStore::templateNames(kind).contains(name))
        return false;
    const auto number = [&](const char *key) { return TemplateStore::rawNumber(kind, name, key); };
    const auto text = [&](const char *key) { return TemplateStore::rawText(kind, name, key); };
    HeaderTemplate &t = *result;
    t.markText = text(TemplateKey::MarkText);
    t.secondMarkText = text(TemplateKey::SecondMarkText);
    t.markFont
        = TemplateStore::readText(kind, name, TemplateKey::MarkFont, OptionSettings::titleFont());
    // Mended: a box of no width would stack the mark a character a line
    // down the page; it spans the type area instead.
    const double width = number(TemplateKey::BoxWidth);
    t.boxWidth = width > 0 ? qMin(width, widestBox) : page::typeAreaWidth;
    const double secondWidth = number(TemplateKey::SecondBoxWidth);
    t.secondBoxWidth = secondWidth > 0 ? qMin(secondWidth, widestBox - t.boxWidth) : 0;
    t.boxTop = qBound(0.0, number(TemplateKey::BoxTop), page::height - page::markBoxHeight);
    t.bold = TemplateStore::readFlag(kind, name, TemplateKey::MarkBold);
    t.markSize = sized(number(TemplateKey::MarkSize), 57, largestFont);
    t.markSpacing = sized(number(TemplateKey::MarkSpacing), 61, largestSpacing);
    t.markZoom = zoom(number(TemplateKey::MarkZoom), t.markText);
    // Mended: the joint layout's second mark at size 0 would not show; it
    // takes the first mark's size, and its scaling goes by its length.
    t.secondMarkSize = sized(number(TemplateKey::SecondMarkSize), t.markSize, largestFont);
    t.secondMarkZoom = zoom(number(TemplateKey::SecondMarkZoom), t.secondMarkText);
    // An unset weight is the editors' proposal for the kind.
    const bool letter = kind == QLatin1String(TemplateKind::Letter);
    t.ruleWeight = sized(number(TemplateKey::RuleWeight), letter ? 4.5 : 1.25, heaviestRule);
    t.ruleTop = qBound(0.0, number(TemplateKey::RuleTop), page::height);
    t.footRuleBottom = qBound(0.0, number(TemplateKey::FootRuleBottom), page::height);
    t.star = TemplateStore::readFlag(kind, name, TemplateKey::RuleStar);
    const int line = TemplateStore::rawInteger(kind, name, TemplateKey::InsertedLines);
    t.insertLine = line > 0 ? line : 1;
    t.numberFont = OptionSettings::bodyFont();
    t.westernFont = OptionSettings::westernFont();
    t.copyNumberFont = OptionSettings::headingFont();
    return true;
}

} // namespace assembly
