#include "elementinput.h"

#include "documentnumber.h"
#include "formsupport.h"
#include "messages/messages.h"
#include "templatestore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>

namespace {

const QString kDateFormat = QStringLiteral("yyyy年M月d日");

} // namespace

TemplateValues readTemplateValues(const QString &kind, const QString &name)
{
    TemplateValues values;
    values.markText = TemplateStore::rawText(kind, name, TemplateKey::MarkText);
    values.unit = TemplateStore::rawText(kind, name, TemplateKey::Unit);
    values.signature = TemplateStore::rawText(kind, name, TemplateKey::Signature);
    return values;
}

void listTemplates(QComboBox *box, const QString &kind, const QString &current)
{
    fillList(box, TemplateStore::templateNames(kind), current);
}

bool deleteTemplate(const QString &kind, const QString &name)
{
    // Mended: with no template listed the group name is empty, and removing
    // the empty group would empty the whole file.
    if (name.isEmpty())
        return false;
    if (!askToConfirm(QStringLiteral("确定删除此红头模板吗？")))
        return false;
    return TemplateStore::removeTemplate(kind, name);
}

void showStoredDate(QDateEdit *field, const QString &text)
{
    if (text.isEmpty()) {
        field->setDateTime(QDateTime::currentDateTime());
        return;
    }
    const QDate date = QDate::fromString(text, kDateFormat);
    if (date.isValid())
        field->setDate(date);
}

QString dateText(const QDateEdit *field)
{
    return field->date().toString(kDateFormat);
}

bool recordConfirmation(const numbering::Confirmation &confirmation)
{
    switch (numbering::record(confirmation)) {
    case numbering::Status::Recorded:
        return true;
    case numbering::Status::NoTemplate:
        showError(QStringLiteral("选择套红模板出错，请先添加一个红头格式模板!"));
        return false;
    case numbering::Status::CounterAtEnd:
        showError(QStringLiteral("文号“%1”已经用过：此模板的文号已编到%2，不能再顺延。"
                                 "请修改文号（如年份或文号前的文字）后再确定!")
                      .arg(confirmation.number)
                      .arg(kLastRunningNumber));
        return false;
    case numbering::Status::Busy:
        showError(QStringLiteral("模板文件“%1”正被其他程序使用，请稍后再确定!")
                      .arg(TemplateStore::filePath(confirmation.kind)));
        return false;
    case numbering::Status::InvalidNumber:
    case numbering::Status::Unwritable:
        break;
    }
    // Mended: a file that cannot be written lost the new counter, and the
    // next document would get the same number again.
    showError(unwritableFileMessage(TemplateStore::filePath(confirmation.kind)));
    return false;
}
