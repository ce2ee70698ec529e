#include "lianhe_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_lianhe_window.h"

lianhe_window::lianhe_window(QWidget *parent)
    : TemplateEditor(parent)
    , ui(new Ui::lianhe_window)
{
    ui->setupUi(this);
    setForm({
        {TemplateKey::Unit, "comboBox"},
        {TemplateKey::SecondMarkText, "lineEdit_4"},
        {TemplateKey::SecondBoxWidth, "dsbwidth_2"},
        {TemplateKey::SecondMarkSize, "sbsize_3"},
        {TemplateKey::SecondMarkZoom, "sbzoom_2"},
        {TemplateKey::RuleStar, "cbfives"},
    });
}

lianhe_window::~lianhe_window()
{
    delete ui;
}

void lianhe_window::fromA(const QString &file, const QString &name)
{
    startEditing(file, name);

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
        loadTemplate();
    }
}
