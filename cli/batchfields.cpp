#include "batchfields.h"

#include "templatestore.h"

#include <QDate>
#include <QRegularExpression>

namespace batchfield {

const QList<Field> &all()
{
    static const QList<Field> fields = {
        {Input, "输入|输入文件", "输入文件"},
        {Output, "输出|输出文件", "输出文件"},
        {Kind, "公文种类|种类|类型", "公文种类"},
        {Template, "模板|红头模板|格式模板", "红头模板名称"},
        {Number, "发文字号|文号", "发文字号，如 某政发〔2024〕12号；纪要如 （2024）第3期"},
        {Title, "公文标题|标题", "公文标题"},
        {Recipient, "主送单位|主送|分送", "主送单位（纪要：分送）"},
        {CopyTo, "抄送单位|抄送", "抄送单位"},
        {Note, "附注", "附注（纪要没有）"},
        {WrittenOn, "成文日期", "成文日期，如 2024年5月6日 或 2024-05-06"},
        {PrintedOn, "印发日期", "印发日期"},
        {Level, "公文密级|密级", "密级，如 秘密"},
        {Period, "期限|保密期限", "保密期限，如 1年"},
        {Urgency, "紧急|紧急程度", "紧急程度，如 特急"},
        {Disclosure, "公开方式", "公开方式，如 主动公开"},
        {Signer, "签发|签发人", "签发人（仅上行文）"},
        {Attendees, "出席", "出席人员（仅纪要）"},
        {NonVoting, "列席", "列席人员（仅纪要）"},
        {Absent, "请假", "请假人员（仅纪要）"},
    };
    return fields;
}

QString fieldOfHeading(const QString &heading)
{
    const QString text = heading.trimmed();
    for (const Field &field : all()) {
        if (text.compare(QLatin1String(field.name), Qt::CaseInsensitive) == 0
            || QString::fromUtf8(field.labels).split(QLatin1Char('|')).contains(text))
            return QLatin1String(field.name);
    }
    return QString();
}

bool isElement(const QString &name)
{
    return name != QLatin1String(Input) && name != QLatin1String(Output)
        && name != QLatin1String(Kind) && name != QLatin1String(Template);
}

QString dateFormat()
{
    return QStringLiteral("yyyy年M月d日");
}

QString normalisedDate(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{4})\\s*(?:年|-|/|\\.)\\s*(\\d{1,2})\\s*(?:月|-|/|\\.)"
                       "\\s*(\\d{1,2})\\s*日?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QString();
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    return date.isValid() ? date.toString(dateFormat()) : QString();
}

QString kindFile(const QString &text)
{
    static const QList<QPair<const char *, QStringList>> kinds = {
        {TemplateKind::DownGoing, {"xiaxing", "下行文", "平行文", "下行文/平行文"}},
        {TemplateKind::UpGoing, {"shangxing", "上行文"}},
        {TemplateKind::Letter, {"xinhan", "信函", "信函格式"}},
        {TemplateKind::JointIssue, {"lianhe", "联合发文"}},
        {TemplateKind::Minutes, {"jiyao", "纪要", "简报", "会议纪要", "纪要简报"}},
    };
    QString name = text.trimmed();
    if (name.endsWith(QLatin1String(".ini"), Qt::CaseInsensitive))
        name.chop(4);
    for (const auto &[file, names] : kinds) {
        if (names.contains(name, Qt::CaseInsensitive))
            return QLatin1String(file);
    }
    return QString();
}

} // namespace batchfield
