#include "xinhan_window.h"

#include "fontfamily.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_xinhan_window.h"

xinhan_window::xinhan_window(QWidget *parent)
    : TemplateEditor(parent)
    , ui(new Ui::xinhan_window)
{
    ui->setupUi(this);
    setForm({
        {TemplateKey::Signature, "lineEdit"},
        {TemplateKey::FootRuleBottom, "dsblinetop_2"},
    });
}

xinhan_window::~xinhan_window()
{
    delete ui;
}

void xinhan_window::fromA(const QString &file, const QString &name)
{
    startEditing(file, name);

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
    ui->dsbfstline->setValue(OptionDefault::BodySpacing);
    ui->sbinsertline->setValue(1);
    on_lineEdit_2_textEdited(ui->lineEdit_2->text());

    if (!name.isEmpty()) {
        loadTemplate();
        setWindowTitle(QStringLiteral("选择模板及输入公文要素  →信函格式"));
    }
}

void xinhan_window::on_lineEdit_2_textEdited(const QString &text)
{
    ui->sbzoom->setValue(TemplateStore::zoomForMarkText(text));
}
