#include "elementinput.h"

#include "documentnumber.h"
#include "formsupport.h"
#include "page/messages.h"
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

bool recordConfirmation(const Confirmation &confirmation)
{
    // Mended: the empty name used to be stored as the last used template
    // before the check, so the next opening lost the template confirmed last.
    if (confirmation.templateName.isEmpty()) {
        showError(QStringLiteral("选择套红模板出错，请先添加一个红头格式模板!"));
        return false;
    }
    QVariantMap values = confirmation.always;
    if (confirmation.number != confirmation.storedNumber) {
        // Mended: at its end the counter proposes its last number again, and
        // confirming would silently give a second document the same number.
        if (confirmation.lastRunning >= kLastRunningNumber
            && confirmation.number == confirmation.lastIssued) {
            showError(QStringLiteral("文号“%1”已经用过：此模板的文号已编到%2，不能再顺延。"
                                     "请修改文号（如年份或文号前的文字）后再确定!")
                          .arg(confirmation.number)
                          .arg(kLastRunningNumber));
            return false;
        }
        for (auto it = confirmation.counter.cbegin(); it != confirmation.counter.cend(); ++it)
            values.insert(it.key(), it.value());
    }
    // Mended: a file that cannot be written lost the new counter, and the
    // next document would get the same number again.
    if (!TemplateStore::recordNumber(confirmation.kind, confirmation.templateName, values)) {
        showError(unwritableFileMessage(TemplateStore::filePath(confirmation.kind)));
        return false;
    }
    return true;
}
