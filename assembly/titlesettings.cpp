#include "titlesettings.h"

#include "optionsettings.h"
#include "templatestore.h"

namespace assembly {

namespace {

// The control spacing a new template of the kind gets in its editor.
double defaultControlSpacing(const QString &kind)
{
    if (kind == QLatin1String(TemplateKind::Letter))
        return 36;
    if (kind == QLatin1String(TemplateKind::JointIssue))
        return 26;
    return 37;
}

} // namespace

TitleSettings readTitleSettings(const QString &kind, const QString &name)
{
    const auto number = [&](const char *key, double fallback) {
        const double value = TemplateStore::rawNumber(kind, name, QLatin1String(key));
        return value > 0 ? value : fallback;
    };
    const auto text = [&](const char *key, const QString &fallback) {
        return TemplateStore::readText(kind, name, QLatin1String(key), fallback);
    };

    TitleSettings s;
    s.titleSpacing = float(OptionSettings::titleSpacing());
    s.bodySpacing = float(OptionSettings::bodySpacing());
    s.titleFont = text(TemplateKey::MarkFont, OptionSettings::titleFont());
    s.headingFont = OptionSettings::headingFont();
    s.subheadingFont = OptionSettings::subheadingFont();
    s.bodyFont = OptionSettings::bodyFont();
    s.westernFont = OptionSettings::westernFont();
    s.firstLinesSpacing = float(number(TemplateKey::FirstLinesSpacing, s.bodySpacing));
    s.controlSpacing = float(number(TemplateKey::ControlSpacing, defaultControlSpacing(kind)));
    s.insertedLines
        = TemplateStore::rawNumber(kind, name, QLatin1String(TemplateKey::InsertedLines));
    s.numberFont = text(TemplateKey::NumberFont, s.bodyFont);
    s.compilingUnit = text(TemplateKey::CompilingUnit, text(TemplateKey::MarkText, QString()));
    return s;
}

} // namespace assembly
