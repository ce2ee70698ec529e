#include "optionsettings.h"

#include <QDir>
#include <QSettings>

#include <climits>
#include <cmath>

namespace {

QVariant storedValue(const QString &key)
{
    const QSettings settings(OptionSettings::settingsFilePath(), QSettings::IniFormat);
    return settings.value(key);
}

// The imprint's rule selectors are whole numbers 1 to 3; any other value
// selects the standard weight and reads as 0.
int ruleSelector(double value)
{
    return value == 1 || value == 2 || value == 3 ? int(value) : 0;
}

QString &directoryOverride()
{
    static QString path;
    return path;
}

} // namespace

QString OptionSettings::directoryPath()
{
    if (!directoryOverride().isEmpty())
        return directoryOverride();
    return QDir::homePath() + QStringLiteral("/Quorvex");
}

void OptionSettings::setDirectoryPath(const QString &path)
{
    directoryOverride() = path.isEmpty() ? QString() : QDir(path).absolutePath();
}

QString OptionSettings::settingsFilePath()
{
    return directoryPath() + QStringLiteral("/option.ini");
}

double OptionSettings::rawNumber(const QString &key)
{
    return numberOf(storedValue(key));
}

QString OptionSettings::rawText(const QString &key)
{
    return textOf(storedValue(key));
}

double OptionSettings::readNumber(const QString &key, double defaultValue)
{
    const double value = rawNumber(key);
    return value == 0 ? defaultValue : value;
}

QString OptionSettings::readText(const QString &key, const QString &defaultValue)
{
    const QString value = rawText(key);
    return value.isEmpty() ? defaultValue : value;
}

double OptionSettings::numberOf(const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    // "inf" and "nan" parse as numbers but no field can show or use them.
    if (!ok || !std::isfinite(number))
        return 0;
    return number;
}

QString OptionSettings::textOf(const QVariant &value)
{
    return value.toString();
}

int OptionSettings::integerOf(const QVariant &value)
{
    // Clamped first: a hand-edited huge number must not overflow the cast.
    const double number = std::trunc(numberOf(value));
    return int(qBound(double(INT_MIN), number, double(INT_MAX)));
}

bool OptionSettings::writeOut(QSettings &settings)
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QStringList OptionSettings::unitProfiles()
{
    const QSettings settings(settingsFilePath(), QSettings::IniFormat);
    QStringList profiles = settings.childGroups();
    profiles.removeAll(QStringLiteral("General"));
    return profiles;
}

QString OptionSettings::profileOrganName(const QString &unit)
{
    if (unit.isEmpty())
        return QString();
    return rawText(unit + QLatin1Char('/') + QLatin1String(OptionKey::ProfileOrgan));
}

bool OptionSettings::isUsableGroupName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString OptionSettings::unitName()
{
    return rawText(OptionKey::UnitName);
}

QString OptionSettings::organName()
{
    return rawText(OptionKey::OrganName);
}

double OptionSettings::topMargin()
{
    return readNumber(OptionKey::TopMargin, OptionDefault::TopMargin);
}

double OptionSettings::adaptationTopMargin()
{
    return readNumber(OptionKey::TopMargin, OptionDefault::AdaptationTopMargin);
}

double OptionSettings::bottomMargin()
{
    return readNumber(OptionKey::BottomMargin, OptionDefault::BottomMargin);
}

double OptionSettings::leftMargin()
{
    return readNumber(OptionKey::LeftMargin, OptionDefault::LeftMargin);
}

double OptionSettings::rightMargin()
{
    return readNumber(OptionKey::RightMargin, OptionDefault::RightMargin);
}

double OptionSettings::titleSpacing()
{
    return readNumber(OptionKey::TitleSpacing, OptionDefault::TitleSpacing);
}

double OptionSettings::bodySpacing()
{
    return readNumber(OptionKey::BodySpacing, OptionDefault::BodySpacing);
}

QString OptionSettings::titleFont()
{
    return readText(OptionKey::TitleFont, QString::fromUtf8(OptionDefault::TitleFont));
}

QString OptionSettings::headingFont()
{
    return readText(OptionKey::HeadingFont, QString::fromUtf8(OptionDefault::HeadingFont));
}

QString OptionSettings::subheadingFont()
{
    return readText(OptionKey::SubheadingFont, QString::fromUtf8(OptionDefault::SubheadingFont));
}

QString OptionSettings::bodyFont()
{
    return readText(OptionKey::BodyFont, QString::fromUtf8(OptionDefault::BodyFont));
}

QString OptionSettings::westernFont()
{
    return readText(OptionKey::WesternFont, QString::fromUtf8(OptionDefault::WesternFont));
}

QString OptionSettings::pageNumberFont()
{
    return readText(OptionKey::PageNumberFont, westernFont());
}

double OptionSettings::landscapeTopMargin()
{
    return readNumber(OptionKey::LandscapeTopMargin, OptionDefault::LandscapeTopMargin);
}

double OptionSettings::landscapeBottomMargin()
{
    return readNumber(OptionKey::LandscapeBottomMargin, OptionDefault::LandscapeBottomMargin);
}

double OptionSettings::landscapeLeftMargin()
{
    return readNumber(OptionKey::LandscapeLeftMargin, OptionDefault::LandscapeLeftMargin);
}

double OptionSettings::landscapeRightMargin()
{
    return readNumber(OptionKey::LandscapeRightMargin, OptionDefault::LandscapeRightMargin);
}

double OptionSettings::imprintSpacerSpacing()
{
    return readNumber(OptionKey::ImprintSpacerSpacing, OptionDefault::ImprintSpacerSpacing);
}

double OptionSettings::imprintRowHeight()
{
    return readNumber(OptionKey::ImprintRowHeight, OptionDefault::ImprintRowHeight);
}

int OptionSettings::imprintOuterRule()
{
    return ruleSelector(rawNumber(OptionKey::ImprintOuterRule));
}

int OptionSettings::imprintInnerRule()
{
    return ruleSelector(rawNumber(OptionKey::ImprintInnerRule));
}

double OptionSettings::copyNumberSpacing()
{
    return readNumber(OptionKey::CopyNumberSpacing, OptionDefault::CopyNumberSpacing);
}
