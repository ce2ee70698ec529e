#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace libreoffice {

// The fonts that official documents name (the settings' and templates'
// defaults, and the common names in documents from other offices) are often
// not installed. The office then falls back to whatever face it finds first,
// and the blocks that align text with ASCII blanks lose their columns. The
// office is given a replacement table instead: each missing font is shown and
// printed in the closest installed family, while documents keep the names
// they carry.
//
// Song faces (宋体, 仿宋) are replaced by a face whose ASCII characters are
// half a CJK character wide, as they are in the fonts they stand for.
struct FontReplacement
{
    QString font; // as documents name it
    QString family; // installed family that stands in for it
};

// Whether a font family is installed. The office asks fontconfig, so the
// default answer comes from fontconfig too.
using FontInstalled = std::function<bool(const QString &family)>;
bool fontconfigHasFamily(const QString &family);

// The replacements needed on this machine: one for each known font that is
// not installed and has an installed stand-in.
QVector<FontReplacement> neededFontReplacements(const FontInstalled &installed
                                                = fontconfigHasFamily);

// Brings the replacement table in an office profile's registry file
// (registrymodifications.xcu) up to `replacements`: the entries written by an
// earlier start are dropped, the user's own entries are kept. False when the
// file cannot be read or written.
bool writeFontReplacements(const QString &registryFile,
                           const QVector<FontReplacement> &replacements);

} // namespace libreoffice
