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
    // One value of the template and the object name of the widget that shows
    // it: a line or text edit, a spin box, a check box, a combo box or a font
    // box.
    struct Field
    {
        const char *key;
        const char *widget;
    };

    // After setupUi: takes the form's widgets by the names the three forms
    // share (buttonBox, the template name lineEdit_3, the mark text
    // lineEdit_2, its size sbsize and line spacing sbsize_2, the box, rule
    // and spacing fields) and the fields only this editor's form has.
    void setForm(const std::vector<Field> &ownFields);

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
    struct BoundField
    {
        QString key;
        QWidget *widget;
    };

    QDialogButtonBox *m_buttons = nullptr;
    QLineEdit *m_name = nullptr;
    QWidget *m_markText = nullptr;
    QSpinBox *m_markSpacing = nullptr;
    // In the order they load: a mark's font size before its line spacing,
    // which follows the size.
    std::vector<BoundField> m_fields;
    QString m_oldName;
    QString m_file;
};
