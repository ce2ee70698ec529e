#include "fontreplacements.h"

#include "profileregistry.h"

#include <fontconfig/fontconfig.h>

namespace libreoffice {

namespace {

// Fonts by the face they stand for, each with its stand-ins in order of
// preference.
struct FontGroup
{
    QStringList fonts;
    QStringList standIns;
};

const QVector<FontGroup> &fontGroups()
{
    static const QVector<FontGroup> groups = {
        // Heavy song for titles and the red mark.
        {{QStringLiteral("方正小标宋_GBK"), QStringLiteral("方正小标宋简体"),
          QStringLiteral("小标宋")},
         {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")}},
        {{QStringLiteral("方正黑体_GBK"), QStringLiteral("方正黑体简体"), QStringLiteral("黑体"),
          QStringLiteral("SimHei")},
         {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")}},
        {{QStringLiteral("方正楷体_GBK"), QStringLiteral("方正楷体简体"), QStringLiteral("楷体"),
          QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi")},
         {QStringLiteral("AR PL UKai CN")}},
        {{QStringLiteral("方正仿宋_GBK"), QStringLiteral("方正仿宋简体"), QStringLiteral("仿宋"),
          QStringLiteral("仿宋_GB2312"), QStringLiteral("FangSong"), QStringLiteral("宋体"),
          QStringLiteral("SimSun"), QStringLiteral("新宋体"), QStringLiteral("NSimSun")},
         {QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")}},
    };
    return groups;
}

// Our entries in the registry file: set nodes named with this prefix, one
// item a line, as the office writes the file.
const char nodePrefix[] = "qvx-font-";
const char substitutionPath[] = "/org.openoffice.Office.Common/Font/Substitution";

QString propertyXml(const QString &name, const QString &value)
{
    return QStringLiteral("<prop oor:name=\"%1\" oor:op=\"fuse\"><value>%2</value></prop>")
        .arg(name, value.toHtmlEscaped());
}

bool isOurLine(const QString &line)
{
    if (line.contains(QLatin1String("oor:name=\"") + QLatin1String(nodePrefix)))
        return true;
    return setsRegistryProperty(line, QLatin1String(substitutionPath),
                                QStringLiteral("Replacement"));
}

} // namespace

bool fontconfigHasFamily(const QString &family)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8 *>(family.toUtf8().constData()));
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet *fonts = FcFontList(nullptr, pattern, objects);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

QVector<FontReplacement> neededFontReplacements(const FontInstalled &installed)
{
    QVector<FontReplacement> replacements;
    for (const FontGroup &group : fontGroups()) {
        QString standIn;
        for (const QString &family : group.standIns) {
            if (installed(family)) {
                standIn = family;
                break;
            }
        }
        if (standIn.isEmpty())
            continue;
        for (const QString &font : group.fonts) {
            if (!installed(font))
                replacements.append({font, standIn});
        }
    }
    return replacements;
}

bool writeFontReplacements(const QString &registryFile,
                           const QVector<FontReplacement> &replacements)
{
    QStringList items;
    if (!replacements.isEmpty()) {
        items.append(registryItem(QLatin1String(substitutionPath), QStringLiteral("Replacement"),
                                  QStringLiteral("true")));
    }
    for (int i = 0; i < replacements.size(); ++i) {
        // "Always": the office counts a missing font as present once its
        // own fallback has found some face for it, so a replacement that
        // waits for the font to be missing never applies.
        items.append(
            QStringLiteral("<item oor:path=\"%1/FontPairs\"><node oor:name=\"%2%3\" "
                           "oor:op=\"replace\">%4%5%6%7</node></item>")
                .arg(QLatin1String(substitutionPath), QLatin1String(nodePrefix))
                .arg(i)
                .arg(propertyXml(QStringLiteral("Always"), QStringLiteral("true")),
                     propertyXml(QStringLiteral("OnScreenOnly"), QStringLiteral("false")),
                     propertyXml(QStringLiteral("ReplaceFont"), replacements[i].font),
                     propertyXml(QStringLiteral("SubstituteFont"), replacements[i].family)));
    }
    return updateRegistry(registryFile, isOurLine, items);
}

} // namespace libreoffice
