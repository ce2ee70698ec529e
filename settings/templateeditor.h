#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QDialogButtonBox;
class QLineEdit;
class QSpinBox;

// What the three red-header template editors (hongtou_window, lianhe_window,
// xinhan_window) share: the template being edited, the widgets that show its
// values, loading them from the template file and saving them back.
class TemplateEditor : public QDialog
{
    Q_OBJECT

public:
    explicit TemplateEditor(QWidget *parent = nullptr);

    // Fills the form for a new template of the kind `file` (empty `name`) or
    // from the template `name` of that file.
    virtual void fromA(const QString &file, const QString &name) = 0;

signals:
    // A template was saved under this name.
    void sendmb(const QString &name);

protected:
    // One value of the template and the widget that shows it: a line or text
    // edit, a spin box, a check box, a combo box or a font box.
    struct Field
    {
        const char *key;
        QWidget *widget;
    };

    // The editor's form, after setupUi. The fields are listed in the order
    // they load: a mark's font size before its line spacing, which follows
    // the size. The mark text field is saved trimmed.
    struct Form
    {
        QDialogButtonBox *buttons;
        QLineEdit *name;
        QWidget *markText;
        QSpinBox *markSpacing;
        std::vector<Field> fields;
    };
    void setForm(Form form);

    // Starts editing the template `name` of the kind `file`; an empty name
    // starts a new one. The derived editor then shows its defaults and, for
    // a template, loadTemplate() its values.
    void startEditing(const QString &file, const QString &name);
    void loadTemplate();

private slots:
    // The mark's line spacing follows its font size.
    void on_sbsize_valueChanged(int size);
    void on_buttonBox_accepted();

private:
    Form m_form;
    QString m_oldName;
    QString m_file;
};
