#include "elementdialog.h"

#include "formsupport.h"
#include "templateeditor.h"
#include "templatestore.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>

ElementDialog::ElementDialog(QWidget *parent)
    : QDialog(parent)
{
}

void ElementDialog::setForm(const Form &form)
{
    m_form = form;
    labelOkCancel(m_form.buttons);
    connect(m_form.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_form.writtenOn->setDate(QDate::currentDate());
    m_form.printedOn->setDate(QDate::currentDate());
}

void ElementDialog::fromRootWin(const QString &kind, const QString &security, const QString &period,
                                const QString &urgency, const QString &number, const QString &title,
                                const QString &recipient, const QString &copyTo,
                                const QString &note, const QString &writtenOn,
                                const QString &printedOn, const QString &disclosure,
                                const QString &issuingUnit, const QString &printingUnit,
                                const QString &signer)
{
    Q_UNUSED(issuingUnit)
    Q_UNUSED(printingUnit)

    m_file = kind;
    // The template confirmed last; listing the templates then shows what the
    // one that ends up selected proposes.
    const QString lastUsed = TemplateStore::lastUsed(kind);
    showProposed(lastUsed.isEmpty() ? QStringLiteral("General") : lastUsed);
    listTemplates(m_form.templates, kind, lastUsed);

    m_form.security->setEditText(security);
    m_form.period->setEditText(period);
    m_form.urgency->setEditText(urgency);
    // The number the document already carries wins over the counter.
    m_storedNumber = number;
    m_form.title->setText(title);
    m_form.recipient->setText(recipient);
    m_form.copyTo->setText(copyTo);
    showStoredDate(m_form.writtenOn, writtenOn);
    showStoredDate(m_form.printedOn, printedOn);
    m_form.disclosure->setEditText(disclosure);
    showKindElements(number, note, signer);
}

void ElementDialog::loadmb(const QString &name)
{
    listTemplates(m_form.templates, m_file, name);
}

void ElementDialog::on_pushButton_clicked()
{
    openTemplateEditor(editor(), m_file, m_form.templates->currentText());
}

void ElementDialog::on_pushButton_2_clicked()
{
    openTemplateEditor(editor(), m_file, QString());
}

void ElementDialog::on_pushButton_3_clicked()
{
    if (deleteTemplate(m_file, m_form.templates->currentText()))
        loadmb(QString());
}
