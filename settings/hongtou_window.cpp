#include "hongtou_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_hongtou_window.h"

hongtou_window::hongtou_window(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::hongtou_window)
{
    ui->setupUi(this);
    labelOkCancel(ui->buttonBox);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

hongtou_window::~hongtou_window()
{
    delete ui;
}

void hongtou_window::fromA(const QString &file, const QString &name)
{
    m_oldName = name;
    m_file = file;
    ui->lineEdit_3->setText(name);

    const QString unit = OptionSettings::unitName();
    const QString titleFont = OptionSettings::titleFont();
    const QString organ = OptionSettings::profileOrganName(unit);
    const double bodySpacing = OptionSettings::bodySpacing();

    listUnitProfiles(ui->comboBox, unit);

    const bool minutes = file == QLatin1String(TemplateKind::Minutes);
    ui->lineEdit_2->setText(organ
                            + (minutes ? QStringLiteral("会议纪要") : QStringLiteral("文件")));
    ui->dsblinetop->setValue(minutes ? 13.8 : 12.2);
    ui->dsbctlline->setValue(37);
    ui->lineEdit->setText(organ);
    showFontFamily(ui->fontComboBox, titleFont);
    ui->dsbwidth->setValue(14.6);
    ui->dsbheight->setValue(2);
    ui->dsbtop->setValue(7.15);
    ui->cbbold->setChecked(false);
    ui->sbsize->setValue(57);
    ui->sbsize_2->setValue(61);
    ui->sbzoom->setValue(100);
    ui->cblinesize->setCurrentIndex(2);
    ui->cbfives->setChecked(false);
    ui->dsbfstline->setValue(bodySpacing);
    ui->sbinsertline->setValue(3);
    on_lineEdit_2_textEdited(ui->lineEdit_2->text());

    if (!name.isEmpty()) {
        // The font size goes before the line spacing, which follows it.
        ui->comboBox->setCurrentText(TemplateStore::rawText(file, name, TemplateKey::Unit));
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
        ui->cbfives->setChecked(TemplateStore::readFlag(file, name, TemplateKey::RuleStar));
        ui->dsbfstline->setValue(
            TemplateStore::rawNumber(file, name, TemplateKey::FirstLinesSpacing));
        ui->dsbctlline->setValue(TemplateStore::rawNumber(file, name, TemplateKey::ControlSpacing));
        ui->sbinsertline->setValue(
            TemplateStore::rawInteger(file, name, TemplateKey::InsertedLines));
    }

    const QString arrow = QStringLiteral("选择模板及输入公文要素  →");
    if (file == QLatin1String(TemplateKind::Letter))
        setWindowTitle(arrow + QStringLiteral("信函格式"));
    else if (file == QLatin1String(TemplateKind::DownGoing))
        setWindowTitle(arrow + QStringLiteral("下行文/平行文"));
    else if (minutes)
        setWindowTitle(arrow + QStringLiteral("纪要/简报格式"));
    else if (file == QLatin1String(TemplateKind::UpGoing))
        setWindowTitle(arrow + QStringLiteral("上行文"));
}

void hongtou_window::on_sbsize_valueChanged(int size)
{
    ui->sbsize_2->setValue(size + 4);
}

void hongtou_window::on_lineEdit_2_textEdited(const QString &text)
{
    ui->sbzoom->setValue(TemplateStore::zoomForMarkText(text));
}

void hongtou_window::on_buttonBox_accepted()
{
    const QString name = ui->lineEdit_3->text().trimmed();
    ui->lineEdit_3->setText(name);
    const QString markText = ui->lineEdit_2->text().trimmed();
    ui->lineEdit_2->setText(markText);

    const QVariantMap values {
        {TemplateKey::Unit, ui->comboBox->currentText()},
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
