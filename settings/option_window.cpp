#include "option_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "messages/messages.h"
#include "optionsettings.h"
#include "ui_option_window.h"

#include <QSettings>
#include <QSignalBlocker>

option_window::option_window(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::option_window)
{
    ui->setupUi(this);
    connect(ui->btnSave, &QPushButton::clicked, this, &option_window::savesettings);
    connect(ui->comboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int) { changeYF(ui->comboBox->currentText()); });
    loadini(QString());
}

option_window::~option_window()
{
    delete ui;
}

void option_window::loadini(const QString &unit)
{
    // Refilling the combo box must not call back into changeYF.
    const QSignalBlocker blocker(ui->comboBox);

    const QString shownUnit = unit.isEmpty() ? OptionSettings::unitName() : unit;

    listUnitProfiles(ui->comboBox, shownUnit);

    ui->edtYF->setText(shownUnit);
    ui->edtFW->setText(OptionSettings::profileOrganName(shownUnit));
    ui->dsbTop->setValue(OptionSettings::topMargin());
    ui->dsbBottom->setValue(OptionSettings::bottomMargin());
    ui->dsbLeft->setValue(OptionSettings::leftMargin());
    ui->dsbRight->setValue(OptionSettings::rightMargin());
    ui->dsbBP->setValue(OptionSettings::titleSpacing());
    ui->dsbZP->setValue(OptionSettings::bodySpacing());
    showFontFamily(ui->fontBigTitle, OptionSettings::titleFont());
    showFontFamily(ui->fontITitle, OptionSettings::headingFont());
    showFontFamily(ui->fontIITitle, OptionSettings::subheadingFont());
    showFontFamily(ui->fontZW, OptionSettings::bodyFont());
    showFontFamily(ui->fontWest, OptionSettings::westernFont());
    ui->dsbTop_2->setValue(OptionSettings::landscapeTopMargin());
    ui->dsbBottom_2->setValue(OptionSettings::landscapeBottomMargin());
    ui->dsbLeft_2->setValue(OptionSettings::landscapeLeftMargin());
    ui->dsbRight_2->setValue(OptionSettings::landscapeRightMargin());
}

void option_window::changeYF(const QString &unit)
{
    Q_UNUSED(unit)
    loadini(ui->comboBox->currentText());
}

bool option_window::checkUnitName()
{
    const QString unit = ui->edtYF->text().trimmed();
    ui->edtYF->setText(unit);
    if (unit.length() < OptionSettings::minimumUnitLength) {
        showSettingsError(QStringLiteral("印发单位文字不能小于5字!"));
        return false;
    }
    // Mended: the unit name becomes the group of its profile, and the INI
    // layer would split a name holding "/" or "\" into nested groups.
    if (!OptionSettings::isUsableGroupName(unit)) {
        showSettingsError(QStringLiteral("印发单位名称不能包含“/”或“\\”字符!"));
        return false;
    }
    // Mended: a profile named "General" would be the group of the global keys,
    // and saving would write its organ name among them.
    if (unit == QLatin1String("General")) {
        showSettingsError(QStringLiteral("印发单位名称不能为“General”!"));
        return false;
    }
    return true;
}

bool option_window::savesettings()
{
    if (!checkUnitName())
        return false;

    const QString unit = ui->edtYF->text();
    {
        QSettings settings(OptionSettings::settingsFilePath(), QSettings::IniFormat);
        settings.setValue(unit + QLatin1Char('/') + QLatin1String(OptionKey::ProfileOrgan),
                          ui->edtFW->text());
        settings.setValue(OptionKey::UnitName, unit);
        settings.setValue(OptionKey::OrganName, ui->edtFW->text());
        settings.setValue(OptionKey::TopMargin, ui->dsbTop->value());
        settings.setValue(OptionKey::BottomMargin, ui->dsbBottom->value());
        settings.setValue(OptionKey::LeftMargin, ui->dsbLeft->value());
        settings.setValue(OptionKey::RightMargin, ui->dsbRight->value());
        settings.setValue(OptionKey::TitleSpacing, ui->dsbBP->value());
        settings.setValue(OptionKey::BodySpacing, ui->dsbZP->value());
        settings.setValue(OptionKey::TitleFont, ui->fontBigTitle->currentText());
        settings.setValue(OptionKey::HeadingFont, ui->fontITitle->currentText());
        settings.setValue(OptionKey::SubheadingFont, ui->fontIITitle->currentText());
        settings.setValue(OptionKey::BodyFont, ui->fontZW->currentText());
        settings.setValue(OptionKey::WesternFont, ui->fontWest->currentText());
        settings.setValue(OptionKey::LandscapeTopMargin, ui->dsbTop_2->value());
        settings.setValue(OptionKey::LandscapeBottomMargin, ui->dsbBottom_2->value());
        settings.setValue(OptionKey::LandscapeLeftMargin, ui->dsbLeft_2->value());
        settings.setValue(OptionKey::LandscapeRightMargin, ui->dsbRight_2->value());
        // Mended: a file that cannot be written (read-only folder, full disk)
        // lost the values without a word. The form keeps what the user
        // entered and the dialog stays open.
        if (!OptionSettings::writeOut(settings)) {
            showSettingsError(unwritableFileMessage(settings.fileName()));
            return false;
        }
    }
    loadini(unit);
    return true;
}

void option_window::on_btnOK_clicked()
{
    if (savesettings())
        accept();
}

void option_window::on_pushButton_clicked()
{
    // Mended: with no profile listed the group name would be empty, and
    // removing the empty group empties the whole file.
    const QString unit = ui->comboBox->currentText();
    if (unit.isEmpty())
        return;
    if (!askToConfirm(QStringLiteral("确定删除此印发单位设置吗？")))
        return;
    {
        QSettings settings(OptionSettings::settingsFilePath(), QSettings::IniFormat);
        settings.remove(unit);
    }
    loadini(QString());
}
