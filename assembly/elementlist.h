#pragma once

#include <QString>
#include <QStringList>

namespace assembly {

// The elements of one conversion, as both input dialogs send them: twenty
// strings in a fixed order.
struct ElementList
{
    QString kind; // template file naming the document kind (TemplateKind)
    QString templateName;
    QString level; // security level, as entered
    QString period; // secrecy period
    QString urgency;
    QString number; // document number
    QString title;
    QString recipient; // main recipient; minutes: the distribution
    QString copyTo;
    QString note;
    QString writtenOn; // date of writing, "yyyy年M月d日"
    QString printedOn; // date of printing
    QString disclosure;
    QString markText; // the template's FW, YF and LK
    QString unit;
    QString signature;
    QString signer; // up-going documents
    QString attendees; // minutes: 出席, 列席, 请假
    QString nonVoting;
    QString onLeave;

    // From the twenty strings in the order above; missing ones are empty.
    static ElementList fromStrings(const QStringList &strings);

    // The security-level line of the head: "秘密★1年" with a period, "秘  密"
    // (two blanks after the first character) without one, empty without a
    // level.
    QString levelLine() const;
    // The urgency as the head prints it: spaced like a level without period
    // ("特  急"), except beside a level with its period, where it stays as
    // entered.
    QString urgencyLine() const;
    // The title and main recipient of the head: placeholders when empty;
    // minutes have no recipient line.
    QString headTitle() const;
    QString headRecipient() const;
};

} // namespace assembly
