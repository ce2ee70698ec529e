#include "jiyao_window.h"

#include "fontfamily.h"
#include "hongtou_window.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_jiyao_window.h"

jiyao_window::jiyao_window(QWidget *parent)
    : ElementDialog(parent)
    , ui(new Ui::jiyao_window)
    , m_hongtou(new hongtou_window)
{
    ui->setupUi(this);
    setForm({ui->buttonBox, ui->cmbmb, ui->cmbmj, ui->cmbqx, ui->cmbjj, ui->cmbgk, ui->edtbt,
             ui->edtzs, ui->edtcs, ui->decw, ui->deyf});
    connect(m_hongtou, &hongtou_window::sendmb, this, &jiyao_window::loadmb);
}

jiyao_window::~jiyao_window()
{
    delete m_hongtou;
    delete ui;
}

void jiyao_window::showKindElements(const QString &number, const QString &note,
                                    const QString &signer)
{
    Q_UNUSED(note)
    Q_UNUSED(signer)
    if (!number.isEmpty()) {
        const IssueNumber stored = splitIssueNumber(number);
        ui->edwh_l->setText(stored.before);
        ui->sbwh->setValue(stored.number);
        ui->edwh_r->setText(stored.after);
    }
    setWindowTitle(QStringLiteral("选择模板及输入公文要素  →会议纪要/简报"));
}

void jiyao_window::showProposed(const QString &group)
{
    const IssueNumber next = numbering::nextIssueNumber(numbering::readCounter(m_file, group));
    ui->edwh_l->setText(next.before);
    ui->sbwh->setValue(next.number);
    ui->edwh_r->setText(next.after);
    showFontFamily(ui->fontComboBox,
                   TemplateStore::readText(m_file, group, TemplateKey::NumberFont,
                                           OptionSettings::bodyFont()));
    ui->edpf->setText(TemplateStore::readText(m_file, group, TemplateKey::CompilingUnit,
                                              OptionSettings::organName()));
    m_template = readTemplateValues(m_file, group);
}

void jiyao_window::on_cmbmb_currentIndexChanged(int index)
{
    if (index < 0) {
        m_template = TemplateValues();
        return;
    }
    showProposed(ui->cmbmb->itemText(index));
}

TemplateEditor *jiyao_window::editor() const
{
    return m_hongtou;
}

void jiyao_window::on_buttonBox_accepted()
{
    const QString name = ui->cmbmb->currentText();
    IssueNumber parts;
    parts.before = ui->edwh_l->text();
    parts.number = ui->sbwh->value();
    parts.after = ui->edwh_r->text();

    numbering::Confirmation confirmation;
    confirmation.kind = m_file;
    confirmation.templateName = name;
    confirmation.number = composeIssueNumber(parts);
    confirmation.storedNumber = m_storedNumber;
    confirmation.counter = {{TemplateKey::NumberPrefix, parts.before},
                            {TemplateKey::NumberSuffix, parts.after},
                            {TemplateKey::Number, parts.number}};
    confirmation.always = {{TemplateKey::NumberFont, ui->fontComboBox->currentText()},
                           {TemplateKey::CompilingUnit, ui->edpf->text()}};
    if (!recordConfirmation(confirmation))
        return;

    emit sendJYSettings(m_file, name, ui->cmbmj->currentText(), ui->cmbqx->currentText(),
                        ui->cmbjj->currentText(), confirmation.number, ui->edtbt->text(),
                        ui->edtzs->text(), ui->edtcs->text(), QString(), dateText(ui->decw),
                        dateText(ui->deyf), ui->cmbgk->currentText(), m_template.markText,
                        m_template.unit, m_template.signature, QString(), ui->edcs->text(),
                        ui->edlx->text(), ui->edqj->text());
    accept();
}
