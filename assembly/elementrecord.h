#pragma once

#include "automation/forward.h"

#include <QString>

// The elements of an official document that a conversion stores in the
// document itself, as custom text properties (readElement and writeElement;
// the page's readgwinfo and writegwinfo). Each property has a fixed name and a fixed element id,
// which every read and write passes as the locale argument of the property calls. Converted
// documents carry exactly these names and ids, so neither may change. The ids 6007 and 6008 are not
// used.
struct DocumentElement
{
    long id;
    const char *name;

    QString key() const { return QString::fromLatin1(name); }
};

namespace Element {
constexpr DocumentElement MiJi {6001, "MiJi"}; // security classification
constexpr DocumentElement QiXian {6002, "QiXian"}; // secrecy period
constexpr DocumentElement JinJi {6003, "JinJi"}; // urgency
constexpr DocumentElement WenHao {6004, "WenHao"}; // document number
constexpr DocumentElement BiaoTi {6005, "BiaoTi"}; // title
constexpr DocumentElement ZhuSong {6006, "ZhuSong"}; // main recipient
constexpr DocumentElement ChenWenDate {6009, "ChenWenDate"}; // date of writing
constexpr DocumentElement YinFaDate {6010, "YinFaDate"}; // date of printing and issue
constexpr DocumentElement GongKai {6011, "GongKai"}; // disclosure
constexpr DocumentElement FaWenUnit {6012, "FaWenUnit"}; // issuing unit
constexpr DocumentElement YinFaUnit {6013, "YinFaUnit"}; // printing and issuing unit
constexpr DocumentElement QianFa {6014, "QianFa"}; // signer

// Every element, in the order of their ids.
constexpr DocumentElement all[] = {MiJi,        QiXian,    JinJi,   WenHao,    BiaoTi,    ZhuSong,
                                   ChenWenDate, YinFaDate, GongKai, FaWenUnit, YinFaUnit, QianFa};
} // namespace Element

namespace assembly {

// The element's text in the active document: empty when there is no
// document or no such property. A property of another type (set by some
// other program) reads as its text form.
QString readElement(const automation::ApplicationPtr &app, long id, const QString &name);
// Creates or overwrites the element as a text property of the active
// document; nothing without a document.
void writeElement(const automation::ApplicationPtr &app, long id, const QString &name,
                  const QString &value);

} // namespace assembly
