#include "lianhe_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_lianhe_window.h"

lianhe_window::lianhe_window(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::lianhe_window)
{
    ui->setupUi(this);
    labelOkCancel(ui->buttonBox);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

lianhe_window::~lianhe_window()
{
    delete ui;
}

void lianhe_window::fromA(const QString &file, const QString &name)
{
    m_oldName = name;
    m_file = file;
    ui->lineEdit_3->setText(name);

    const QString unit = OptionSettings::unitName();
    const QString titleFont = OptionSettings::titleFont();
    const double bodySpacing = OptionSettings::bodySpacing();

    listUnitProfiles(ui->comboBox, unit);

    ui->lineEdit_2->setPlainText(QStringLiteral("发文机关一\n发文机关二"));
    ui->lineEdit_4->setText(QStringLiteral("文件"));
    ui->dsblinetop->setValue(13.9);
    ui->dsbctlline->setValue(26);
    showFontFamily(ui->fontComboBox, titleFont);
    ui->dsbwidth->setValue(11.6);
    ui->dsbwidth_2->setValue(3);
    ui->dsbheight->setValue(2);
    ui->dsbtop->setValue(7.15);
    ui->cbbold->setChecked(false);
    ui->sbsize->setValue(50);
    ui->sbsize_2->setValue(54);
    ui->sbsize_3->setValue(57);
    ui->sbzoom->setValue(65);
    ui->sbzoom_2->setValue(65);
    ui->cblinesize->setCurrentIndex(2);
    ui->cbfives->setChecked(false);
    ui->dsbfstline->setValue(bodySpacing);
    ui->sbinsertline->setValue(5);

    if (!name.isEmpty()) {
        // The font size goes before the line spacing, which follows it.
        ui->comboBox->setCurrentText(TemplateStore::rawText(file, name, TemplateKey::Unit));
        ui->lineEdit_2->setPlainText(TemplateStore::rawText(file, name, TemplateKey::MarkText));
        ui->lineEdit_4->setText(TemplateStore::rawText(file, name, TemplateKey::SecondMarkText));
        showFontFamily(ui->fontComboBox, TemplateStore::rawText(file, name, TemplateKey::MarkFont));
        ui->dsbwidth->setValue(TemplateStore::rawNumber(file, name, TemplateKey::BoxWidth));
        ui->dsbwidth_2->setValue(TemplateStore::rawNumber(file, name, TemplateKey::SecondBoxWidth));
        ui->dsbheight->setValue(TemplateStore::rawNumber(file, name, TemplateKey::BoxHeight));
        ui->dsbtop->setValue(TemplateStore::rawNumber(file, name, TemplateKey::BoxTop));
        ui->cbbold->setChecked(TemplateStore::readFlag(file, name, TemplateKey::MarkBold));
        ui->sbsize->setValue(TemplateStore::rawInteger(file, name, TemplateKey::MarkSize));
        ui->sbsize_2->setValue(TemplateStore::rawInteger(file, name, TemplateKey::MarkSpacing));
        ui->sbsize_3->setValue(TemplateStore::rawInteger(file, name, TemplateKey::SecondMarkSize));
        ui->sbzoom->setValue(TemplateStore::rawInteger(file, name, TemplateKey::MarkZoom));
        ui->sbzoom_2->setValue(TemplateStore::rawInteger(file, name, TemplateKey::SecondMarkZoom));
        ui->cblinesize->setCurrentText(TemplateStore::rawText(file, name, TemplateKey::RuleWeight));
        ui->dsblinetop->setValue(TemplateStore::rawNumber(file, name, TemplateKey::RuleTop));
        ui->cbfives->setChecked(TemplateStore::readFlag(file, name, TemplateKey::RuleStar));
        ui->dsbfstline->setValue(
            TemplateStore::rawNumber(file, name, TemplateKey::FirstLinesSpacing));
        ui->dsbctlline->setValue(TemplateStore::rawNumber(file, name, TemplateKey::ControlSpacing));
        ui->sbinsertline->setValue(
            TemplateStore::rawInteger(file, name, TemplateKey::InsertedLines));
    }
}

void lianhe_window::on_sbsize_valueChanged(int size)
{
    ui->sbsize_2->setValue(size + 4);
}

void lianhe_window::on_buttonBox_accepted()
{
    const QString name = ui->lineEdit_3->text().trimmed();
    ui->lineEdit_3->setText(name);
    const QString markText = ui->lineEdit_2->toPlainText().trimmed();
    ui->lineEdit_2->setPlainText(markText);

    const QVariantMap values {
        {TemplateKey::Unit, ui->comboBox->currentText()},
        {TemplateKey::MarkText, markText},
        {TemplateKey::SecondMarkText, ui->lineEdit_4->text()},
        {TemplateKey::MarkFont, ui->fontComboBox->currentText()},
        {TemplateKey::BoxWidth, ui->dsbwidth->value()},
        {TemplateKey::SecondBoxWidth, ui->dsbwidth_2->value()},
        {TemplateKey::BoxHeight, ui->dsbheight->value()},
        {TemplateKey::BoxTop, ui->dsbtop->value()},
        {TemplateKey::MarkBold, int(ui->cbbold->checkState())},
        {TemplateKey::MarkSize, ui->sbsize->value()},
        {TemplateKey::MarkSpacing, ui->sbsize_2->value()},
        {TemplateKey::SecondMarkSize, ui->sbsize_3->value()},
        {TemplateKey::MarkZoom, ui->sbzoom->value()},
        {TemplateKey::SecondMarkZoom, ui->sbzoom_2->value()},
        {TemplateKey::RuleWeight, ui->cblinesize->currentText()},
        {TemplateKey::RuleTop, ui->dsblinetop->value()},
        {TemplateKey::RuleStar, int(ui->cbfives->checkState())},
        {TemplateKey::FirstLinesSpacing, ui->dsbfstline->value()},
        {TemplateKey::ControlSpacing, ui->dsbctlline->value()},
        {TemplateKey::InsertedLines, ui->sbinsertline->text()},
    };
    if (!TemplateStore::save(m_file, m_oldName, name, markText, values))
        return;
    emit sendmb(name);
    accept();
}
