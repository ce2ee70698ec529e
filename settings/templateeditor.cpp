#include "templateeditor.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "templatestore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QSpinBox>

namespace {

QString textOf(QWidget *widget)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *edit = qobject_cast<QTextEdit *>(widget))
        return edit->toPlainText();
    return QString();
}

void setTextOf(QWidget *widget, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
    else if (auto *edit = qobject_cast<QTextEdit *>(widget))
        edit->setPlainText(text);
}

QVariant valueOf(QWidget *widget)
{
    if (auto *box = qobject_cast<QComboBox *>(widget))
        return box->currentText();
    if (auto *box = qobject_cast<QDoubleSpinBox *>(widget))
        return box->value();
    if (auto *box = qobject_cast<QSpinBox *>(widget))
        return box->value();
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return int(box->checkState());
    return textOf(widget);
}

void load(QWidget *widget, const QString &file, const QString &name, const QString &key)
{
    if (auto *box = qobject_cast<QFontComboBox *>(widget))
        showFontFamily(box, TemplateStore::rawText(file, name, key));
    else if (auto *box = qobject_cast<QComboBox *>(widget))
        box->setCurrentText(TemplateStore::rawText(file, name, key));
    else if (auto *box = qobject_cast<QDoubleSpinBox *>(widget))
        box->setValue(TemplateStore::rawNumber(file, name, key));
    else if (auto *box = qobject_cast<QSpinBox *>(widget))
        box->setValue(TemplateStore::rawInteger(file, name, key));
    else if (auto *box = qobject_cast<QCheckBox *>(widget))
        box->setChecked(TemplateStore::readFlag(file, name, key));
    else
        setTextOf(widget, TemplateStore::rawText(file, name, key));
}

} // namespace

TemplateEditor::TemplateEditor(QWidget *parent)
    : QDialog(parent)
{
}

void TemplateEditor::setForm(Form form)
{
    m_form = std::move(form);
    labelOkCancel(m_form.buttons);
    connect(m_form.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TemplateEditor::startEditing(const QString &file, const QString &name)
{
    m_oldName = name;
    m_file = file;
    m_form.name->setText(name);
}

void TemplateEditor::loadTemplate()
{
    for (const Field &field : m_form.fields)
        load(field.widget, m_file, m_oldName, QLatin1String(field.key));
}

void TemplateEditor::on_sbsize_valueChanged(int size)
{
    m_form.markSpacing->setValue(size + 4);
}

void TemplateEditor::on_buttonBox_accepted()
{
    const QString name = m_form.name->text().trimmed();
    m_form.name->setText(name);
    const QString markText = textOf(m_form.markText).trimmed();
    setTextOf(m_form.markText, markText);

    QVariantMap values;
    for (const Field &field : m_form.fields)
        values.insert(QLatin1String(field.key), valueOf(field.widget));
    if (!TemplateStore::save(m_file, m_oldName, name, markText, values))
        return;
    emit sendmb(name);
    accept();
}
