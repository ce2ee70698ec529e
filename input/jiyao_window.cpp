#include "jiyao_window.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "hongtou_window.h"
#include "optionsettings.h"
#include "templatestore.h"
#include "ui_jiyao_window.h"

#include <QDate>

jiyao_window::jiyao_window(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::jiyao_window)
    , m_hongtou(new hongtou_window)
{
    ui->setupUi(this);
    labelOkCancel(ui->buttonBox);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_hongtou, &hongtou_window::sendmb, this, &jiyao_window::loadmb);

    ui->decw->setDate(QDate::currentDate());
    ui->deyf->setDate(QDate::currentDate());
}

jiyao_window::~jiyao_window()
{
    delete m_hongtou;
    delete ui;
}

void jiyao_window::fromRootWin(const QString &kind, const QString &security, const QString &period,
                               const QString &urgency, const QString &number, const QString &title,
                               const QString &recipient, const QString &copyTo, const QString &note,
                               const QString &writtenOn, const QString &printedOn,
                               const QString &disclosure, const QString &issuingUnit,
                               const QString &printingUnit, const QString &signer)
{
    Q_UNUSED(note)
    Q_UNUSED(issuingUnit)
    Q_UNUSED(printingUnit)
    Q_UNUSED(signer)

    m_file = kind;
    const QString lastUsed = TemplateStore::lastUsed(kind);
    showTemplate(lastUsed.isEmpty() ? QStringLiteral("General") : lastUsed);
    listTemplates(ui->cmbmb, kind, lastUsed);

    ui->cmbmj->setEditText(security);
    ui->cmbqx->setEditText(period);
    ui->cmbjj->setEditText(urgency);

    m_storedNumber = number;
    if (!number.isEmpty()) {
        const IssueNumber stored = splitIssueNumber(number);
        ui->edwh_l->setText(stored.before);
        ui->sbwh->setValue(stored.number);
        ui->edwh_r->setText(stored.after);
    }

    ui->edtbt->setText(title);
    ui->edtzs->setText(recipient);
    ui->edtcs->setText(copyTo);
    showStoredDate(ui->decw, writtenOn);
    showStoredDate(ui->deyf, printedOn);
    ui->cmbgk->setEditText(disclosure);
    setWindowTitle(QStringLiteral("选择模板及输入公文要素  →会议纪要/简报"));
}

void jiyao_window::showTemplate(const QString &group)
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

void jiyao_window::loadmb(const QString &name)
{
    listTemplates(ui->cmbmb, m_file, name);
}

void jiyao_window::on_cmbmb_currentIndexChanged(int index)
{
    if (index < 0) {
        m_template = TemplateValues();
        return;
    }
    showTemplate(ui->cmbmb->itemText(index));
}

void jiyao_window::on_pushButton_clicked()
{
    openTemplateEditor(m_hongtou, m_file, ui->cmbmb->currentText());
}

void jiyao_window::on_pushButton_2_clicked()
{
    openTemplateEditor(m_hongtou, m_file, QString());
}

void jiyao_window::on_pushButton_3_clicked()
{
    if (deleteTemplate(m_file, ui->cmbmb->currentText()))
        loadmb(QString());
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
