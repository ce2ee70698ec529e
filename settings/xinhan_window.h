#pragma once

#include "templateeditor.h"

namespace Ui {
class xinhan_window;
}

// Editor of the red-header templates of letters: the mark text, the double
// rule under the header and the second rule at the foot of the first page,
// the spacing below the header and the signature to propose.
class xinhan_window : public TemplateEditor
{
    Q_OBJECT

public:
    explicit xinhan_window(QWidget *parent = nullptr);
    ~xinhan_window() override;

    void fromA(const QString &file, const QString &name) override;

private slots:
    // The mark's scaling follows the length of its text.
    void on_lineEdit_2_textEdited(const QString &text);

private:
    Ui::xinhan_window *ui;
};
