#include "formsupport.h"

#include "optionsettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

void labelOkCancel(QDialogButtonBox *box)
{
    box->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
}

void listUnitProfiles(QComboBox *box, const QString &current)
{
    box->clear();
    const QStringList profiles = OptionSettings::unitProfiles();
    for (const QString &profile : profiles) {
        box->addItem(profile);
        if (profile == current)
            box->setCurrentIndex(box->count() - 1);
    }
}
