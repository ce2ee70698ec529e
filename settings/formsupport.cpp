#include "formsupport.h"

#include "messages/messages.h"
#include "optionsettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>

void labelOkCancel(QDialogButtonBox *box)
{
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
}

void showSettingsError(const QString &text)
{
    showError(text, QStringLiteral("设置出错"));
}

QString unwritableFileMessage(const QString &filePath)
{
    return QStringLiteral("无法写入文件“%1”（文件夹不可写或磁盘已满），刚才的内容没有保存!")
        .arg(QDir::toNativeSeparators(filePath));
}

void fillList(QComboBox *box, const QStringList &names, const QString &current)
{
    box->clear();
    for (const QString &name : names) {
        box->addItem(name);
        if (name == current)
            box->setCurrentIndex(box->count() - 1);
    }
}

void listUnitProfiles(QComboBox *box, const QString &current)
{
    fillList(box, OptionSettings::unitProfiles(), current);
}
