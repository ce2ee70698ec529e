#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class hongtou_window;
}

// Editor of the red-header templates of down-going, parallel and up-going
// documents and of minutes: a single mark text, the red rule with an optional
// star, the spacing below the header, the signature and the unit to propose.
class hongtou_window : public QDialog
{
    Q_OBJECT

public:
    explicit hongtou_window(QWidget *parent = nullptr);
    ~hongtou_window() override;

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
    Ui::hongtou_window *ui;
    QString m_oldName;
    QString m_file;
};
