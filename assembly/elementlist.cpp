#include "elementlist.h"

#include "templatestore.h"

namespace assembly {

namespace {

// "特急" -> "特  急": the first character, two blanks, the rest.
QString spaced(const QString &text)
{
    return text.isEmpty() ? text : text.left(1) + QStringLiteral("  ") + text.mid(1);
}

} // namespace

ElementList ElementList::fromStrings(const QStringList &strings)
{
    const auto at = [&](int i) { return i < strings.size() ? strings.at(i) : QString(); };
    ElementList e;
    QString *fields[] = {&e.kind,      &e.templateName, &e.level,      &e.period,    &e.urgency,
                         &e.number,    &e.title,        &e.recipient,  &e.copyTo,    &e.note,
                         &e.writtenOn, &e.printedOn,    &e.disclosure, &e.markText,  &e.unit,
                         &e.signature, &e.signer,       &e.attendees,  &e.nonVoting, &e.onLeave};
    for (int i = 0; i < 20; ++i)
        *fields[i] = at(i);
    return e;
}

QString ElementList::levelLine() const
{
    if (level.isEmpty())
        return QString();
    if (!period.isEmpty())
        return level + QStringLiteral("★") + period;
    return spaced(level);
}

QString ElementList::urgencyLine() const
{
    return !level.isEmpty() && !period.isEmpty() ? urgency : spaced(urgency);
}

QString ElementList::headTitle() const
{
    return title.isEmpty() ? QStringLiteral("[此处输入标题]") : title;
}

QString ElementList::headRecipient() const
{
    if (kind == QLatin1String(TemplateKind::Minutes))
        return QString();
    return recipient.isEmpty() ? QStringLiteral("[此处输入主送单位]") : recipient;
}

} // namespace assembly
