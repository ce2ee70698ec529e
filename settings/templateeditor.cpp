#include "templateeditor.h"

#include "fontfamily.h"
#include "formsupport.h"
#include "templatestore.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>

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

void TemplateEditor::setForm(const std::vector<Field> &ownFields)
{
    static const Field shared[] = {
        {TemplateKey::MarkText, "lineEdit_2"},
        {TemplateKey::MarkFont, "fontComboBox"},
        {TemplateKey::BoxWidth, "dsbwidth"},
        {TemplateKey::BoxHeight, "dsbheight"},
        {TemplateKey::BoxTop, "dsbtop"},
        {TemplateKey::MarkBold, "cbbold"},
        {TemplateKey::MarkSize, "sbsize"},
        {TemplateKey::MarkSpacing, "sbsize_2"},
        {TemplateKey::MarkZoom, "sbzoom"},
        {TemplateKey::RuleWeight, "cblinesize"},
        {TemplateKey::RuleTop, "dsblinetop"},
        {TemplateKey::FirstLinesSpacing, "dsbfstline"},
        {TemplateKey::ControlSpacing, "dsbctlline"},
        {TemplateKey::InsertedLines, "sbinsertline"},
    };
    const auto widget
        = [this](const char *name) { return findChild<QWidget *>(QLatin1String(name)); };
    m_buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    m_name = findChild<QLineEdit *>(QStringLiteral("lineEdit_3"));
    m_markText = widget("lineEdit_2");
    m_markSpacing = findChild<QSpinBox *>(QStringLiteral("sbsize_2"));
    for (const Field &field : shared)
        m_fields.push_back({QLatin1String(field.key), widget(field.widget)});
    for (const Field &field : ownFields)
        m_fields.push_back({QLatin1String(field.key), widget(field.widget)});
    labelOkCancel(m_buttons);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TemplateEditor::startEditing(const QString &file, const QString &name)
{
    m_oldName = name;
    m_file = file;
    m_name->setText(name);
}

void TemplateEditor::loadTemplate()
{
    for (const BoundField &field : m_fields)
        load(field.widget, m_file, m_oldName, field.key);
}

void TemplateEditor::on_sbsize_valueChanged(int size)
{
    m_markSpacing->setValue(size + 4);
}

void TemplateEditor::on_buttonBox_accepted()
{
    const QString name = m_name->text().trimmed();
    m_name->setText(name);
    const QString markText = textOf(m_markText).trimmed();
    setTextOf(m_markText, markText);

    QVariantMap values;
    for (const BoundField &field : m_fields)
        values.insert(field.key, valueOf(field.widget));
    if (!TemplateStore::save(m_file, m_oldName, name, markText, values))
        return;
    emit sendmb(name);
    accept();
}
