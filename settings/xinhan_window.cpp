#include "xinhan_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_xinhan_window.h"

xinhan_window::xinhan_window(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::xinhan_window)
{
    ui->setupUi(this);
    labelOkCancel(ui->buttonBox);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

xinhan_window::~xinhan_window()
{
    delete ui;
}

void xinhan_window::fromA(const QString &file, const QString &name)
{
    m_oldName = name;
    m_file = file;
    ui->lineEdit_3->setText(name);

    const QString unit = OptionSettings::unitName();
    const QString titleFont = OptionSettings::titleFont();
    const QString organ = OptionSettings::profileOrganName(unit);

    ui->lineEdit_2->setText(organ);
    ui->dsblinetop->setValue(5.35);
    ui->dsblinetop_2->setValue(2);
    ui->dsbctlline->setValue(36);
    ui->lineEdit->setText(organ);
    showFontFamily(ui->fontComboBox, titleFont);
    ui->dsbwidth->setValue(15);
    ui->dsbheight->setValue(2);
    ui->dsbtop->setValue(3);
    ui->cbbold->setChecked(false);
    // The line spacing is left to follow the font size: it changes only when
    // the size shown before was another one.
    ui->sbsize->setValue(57);
    ui->sbzoom->setValue(100);
    ui->cblinesize->setCurrentIndex(15);
    ui->dsbfstline->setValue(29.65);
    ui->sbinsertline->setValue(1);
    on_lineEdit_2_textEdited(ui->lineEdit_2->text());

    if (!name.isEmpty()) {
        // The font size goes before the line spacing, which follows it.
        ui->lineEdit_2->setText(TemplateStore::rawText(file, name, TemplateKey::MarkText));
        ui->lineEdit->setText(TemplateStore::rawText(file, name, TemplateKey::Signature));
        showFontFamily(ui->fontComboBox, TemplateStore::rawText(file, name, TemplateKey::MarkFont));
        ui->dsbwidth->setValue(TemplateStore::rawNumber(file, name, TemplateKey::BoxWidth));
        ui->dsbheight->setValue(TemplateStore::rawNumber(file, name, TemplateKey::BoxHeight));
        ui->dsbtop->setValue(TemplateStore::rawNumber(file, name, TemplateKey::BoxTop));
        ui->cbbold->setChecked(TemplateStore::readFlag(file, name, TemplateKey::MarkBold));
        ui->sbsize->setValue(TemplateStore::rawInteger(file, name, TemplateKey::MarkSize));
        ui->sbsize_2->setValue(TemplateStore::rawInteger(file, name, TemplateKey::MarkSpacing));
        ui->sbzoom->setValue(TemplateStore::rawInteger(file, name, TemplateKey::MarkZoom));
        ui->cblinesize->setCurrentText(TemplateStore::rawText(file, name, TemplateKey::RuleWeight));
        ui->dsblinetop->setValue(TemplateStore::rawNumber(file, name, TemplateKey::RuleTop));
        ui->dsblinetop_2->setValue(
            TemplateStore::rawNumber(file, name, TemplateKey::FootRuleBottom));
        ui->dsbfstline->setValue(
            TemplateStore::rawNumber(file, name, TemplateKey::FirstLinesSpacing));
        ui->dsbctlline->setValue(TemplateStore::rawNumber(file, name, TemplateKey::ControlSpacing));
        ui->sbinsertline->setValue(
            TemplateStore::rawInteger(file, name, TemplateKey::InsertedLines));
        setWindowTitle(QStringLiteral("选择模板及输入公文要素  →信函格式"));
    }
}

void xinhan_window::on_sbsize_valueChanged(int size)
{
    ui->sbsize_2->setValue(size + 4);
}

void xinhan_window::on_lineEdit_2_textEdited(const QString &text)
{
    ui->sbzoom->setValue(TemplateStore::zoomForMarkText(text));
}

void xinhan_window::on_buttonBox_accepted()
{
    const QString name = ui->lineEdit_3->text().trimmed();
    ui->lineEdit_3->setText(name);
    const QString markText = ui->lineEdit_2->text().trimmed();
    ui->lineEdit_2->setText(markText);

    const QVariantMap values {
        {TemplateKey::MarkText, markText},
        {TemplateKey::Signature, ui->lineEdit->text()},
        {TemplateKey::MarkFont, ui->fontComboBox->currentText()},
        {TemplateKey::BoxWidth, ui->dsbwidth->value()},
        {TemplateKey::BoxHeight, ui->dsbheight->value()},
        {TemplateKey::BoxTop, ui->dsbtop->value()},
        {TemplateKey::MarkBold, int(ui->cbbold->checkState())},
        {TemplateKey::MarkSize, ui->sbsize->value()},
        {TemplateKey::MarkSpacing, ui->sbsize_2->value()},
        {TemplateKey::MarkZoom, ui->sbzoom->value()},
        {TemplateKey::RuleWeight, ui->cblinesize->currentText()},
        {TemplateKey::RuleTop, ui->dsblinetop->value()},
        {TemplateKey::FootRuleBottom, ui->dsblinetop_2->value()},
        {TemplateKey::FirstLinesSpacing, ui->dsbfstline->value()},
        {TemplateKey::ControlSpacing, ui->dsbctlline->value()},
        {TemplateKey::InsertedLines, ui->sbinsertline->text()},
    };
    if (!TemplateStore::save(m_file, m_oldName, name, markText, values))
        return;
    emit sendmb(name);
    accept();
}
