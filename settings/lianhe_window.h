#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class lianhe_window;
}

// Editor of the red-header templates of joint issues: the organs' names one a
// line beside a second mark text, each with its own size and scaling, the
// red rule with an optional star, the spacing below the header and the unit
// to propose.
class lianhe_window : public QDialog
{
    Q_OBJECT

public:
    explicit lianhe_window(QWidget *parent = nullptr);
    ~lianhe_window() override;

    // Fills the form for a new template of the kind `file` (empty `name`) or
    // from the template `name` of that file.
    void fromA(const QString &file, const QString &name);

signals:
    // A template was saved under this name.
    void sendmb(const QString &name);

private slots:
    // The first mark's line spacing follows its font size.
    void on_sbsize_valueChanged(int size);
    void on_buttonBox_accepted();

private:
    Ui::lianhe_window *ui;
    QString m_oldName;
    QString m_file;
};
