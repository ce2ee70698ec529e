#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class xinhan_window;
}

// Editor of the red-header templates of letters: the mark text, the double
// rule under the header and the second rule at the foot of the first page,
// the spacing below the header and the signature to propose.
class xinhan_window : public QDialog
{
    Q_OBJECT

public:
    explicit xinhan_window(QWidget *parent = nullptr);
    ~xinhan_window() override;

    // Fills the form for a new template of the kind `file` (empty `name`) or
    // from the template `name` of that file.
    void fromA(const QString &file, const QString &name);

signals:
    // A template was saved under this name.
    void sendmb(const QString &name);

private slots:
    // The mark's line spacing follows its font size.
    void on_sbsize_valueChanged(int size);
    // The mark's scaling follows the length of its text.
    void on_lineEdit_2_textEdited(const QString &text);
    void on_buttonBox_accepted();

private:
    Ui::xinhan_window *ui;
    QString m_oldName;
    QString m_file;
};
