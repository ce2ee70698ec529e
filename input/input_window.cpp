#include "input_window.h"

#include "documentnumber.h"
#include "hongtou_window.h"
#include "lianhe_window.h"
#include "templatestore.h"
#include "ui_input_window.h"
#include "xinhan_window.h"

#include <QDate>

input_window::input_window(QWidget *parent)
    : ElementDialog(parent)
    , ui(new Ui::input_window)
    , m_hongtou(new hongtou_window)
    , m_xinhan(new xinhan_window)
    , m_lianhe(new lianhe_window)
{
    ui->setupUi(this);
    setForm({ui->buttonBox, ui->cmbmb, ui->cmbmj, ui->cmbqx, ui->cmbjj, ui->cmbgk, ui->edtbt,
             ui->edtzs, ui->edtcs, ui->decw, ui->deyf});
    // A template saved in an editor is listed and selected at once.
    connect(m_hongtou, &hongtou_window::sendmb, this, &input_window::loadmb);
    connect(m_xinhan, &xinhan_window::sendmb, this, &input_window::loadmb);
    connect(m_lianhe, &lianhe_window::sendmb, this, &input_window::loadmb);

    ui->sbyear->setValue(QDate::currentDate().year());
}

input_window::~input_window()
{
    delete m_lianhe;
    delete m_xinhan;
    delete m_hongtou;
    delete ui;
}

void input_window::showKindElements(const QString &number, const QString &note,
                                    const QString &signer)
{
    BracketNumber stored;
    if (parseBracketNumber(number, &stored)) {
        ui->edwh->setText(stored.code);
        ui->sbyear->setValue(stored.year);
        ui->sbwh->setValue(stored.number);
    }
    ui->edtfz->setText(note);
    ui->edqf->setText(signer);
    arrangeForKind();
}

void input_window::arrangeForKind()
{
    // Up-going documents name their signer at the right end of the number
    // row, with the number pressed to the left; the other kinds have no
    // signer and spread the number over the row.
    const bool upGoing = m_file == QLatin1String(TemplateKind::UpGoing);
    ui->lbqf->setVisible(upGoing);
    ui->edqf->setVisible(upGoing);
    ui->numberRow->setStretchFactor(ui->edwh, upGoing ? 3 : 1);
    ui->numberRow->setStretchFactor(ui->edqf, upGoing ? 2 : 0);
    if (!upGoing)
        ui->edqf->clear();

    const QString arrow = QStringLiteral("选择模板及输入公文要素  →");
    if (upGoing)
        setWindowTitle(arrow + QStringLiteral("上行文"));
    else if (m_file == QLatin1String(TemplateKind::Letter))
        setWindowTitle(arrow + QStringLiteral("信函格式"));
    else if (m_file == QLatin1String(TemplateKind::DownGoing))
        setWindowTitle(arrow + QStringLiteral("下行文/平行文"));
    else if (m_file == QLatin1String(TemplateKind::JointIssue))
        setWindowTitle(arrow + QStringLiteral("联合发文"));
}

void input_window::showProposed(const QString &group)
{
    const BracketNumber next = numbering::nextBracketNumber(numbering::readCounter(m_file, group));
    ui->edwh->setText(next.code);
    ui->sbyear->setValue(next.year);
    ui->sbwh->setValue(next.number);
}

void input_window::on_cmbmb_currentIndexChanged(int index)
{
    if (index < 0) {
        m_template = TemplateValues();
        return;
    }
    const QString name = ui->cmbmb->itemText(index);
    showProposed(name);
    m_template = readTemplateValues(m_file, name);
}

TemplateEditor *input_window::editor() const
{
    if (m_file == QLatin1String(TemplateKind::Letter))
        return m_xinhan;
    if (m_file == QLatin1String(TemplateKind::JointIssue))
        return m_lianhe;
    return m_hongtou;
}

void input_window::on_buttonBox_accepted()
{
    const QString name = ui->cmbmb->currentText();
    BracketNumber parts;
    parts.code = ui->edwh->text();
    parts.year = ui->sbyear->value();
    parts.number = ui->sbwh->value();

    numbering::Confirmation confirmation;
    confirmation.kind = m_file;
    confirmation.templateName = name;
    confirmation.number = composeBracketNumber(parts);
    confirmation.storedNumber = m_storedNumber;
    confirmation.counter = {{TemplateKey::NumberPrefix, parts.code},
                            {TemplateKey::NumberYear, parts.year},
                            {TemplateKey::Number, parts.number}};
    if (!recordConfirmation(confirmation))
        return;

    emit sendSettings(m_file, name, ui->cmbmj->currentText(), ui->cmbqx->currentText(),
                      ui->cmbjj->currentText(), confirmation.number, ui->edtbt->text(),
                      ui->edtzs->text(), ui->edtcs->text(), ui->edtfz->text(), dateText(ui->decw),
                      dateText(ui->deyf), ui->cmbgk->currentText(), m_template.markText,
                      m_template.unit, m_template.signature, ui->edqf->text(), QString(), QString(),
                      QString());
    accept();
}
