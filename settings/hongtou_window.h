#pragma once

#include "templateeditor.h"

namespace Ui {
class hongtou_window;
}

// Editor of the red-header templates of down-going, parallel and up-going
// documents and of minutes: a single mark text, the red rule with an optional
// star, the spacing below the header, the signature and the unit to propose.
class hongtou_window : public TemplateEditor
{
    Q_OBJECT

public:
    explicit hongtou_window(QWidget *parent = nullptr);
    ~hongtou_window() override;

    void fromA(const QString &file, const QString &name) override;

private slots:
    // The mark's scaling follows the length of its text.
    void on_lineEdit_2_textEdited(const QString &text);

private:
    Ui::hongtou_window *ui;
};
