#include "hongtou_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_hongtou_window.h"

hongtou_window::hongtou_window(QWidget *parent)
    : TemplateEditor(parent)
    , ui(new Ui::hongtou_window)
{
    ui->setupUi(this);
    setForm({
        {TemplateKey::Unit, "comboBox"},
        {TemplateKey::Signature, "lineEdit"},
        {TemplateKey::RuleStar, "cbfives"},
    });
}

hongtou_window::~hongtou_window()
{
    delete ui;
}

void hongtou_window::fromA(const QString &file, const QString &name)
{
    startEditing(file, name);

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
        loadTemplate();
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

void hongtou_window::on_lineEdit_2_textEdited(const QString &text)
{
    ui->sbzoom->setValue(TemplateStore::zoomForMarkText(text));
}
