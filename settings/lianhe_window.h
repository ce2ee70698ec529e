#pragma once

#include "templateeditor.h"

namespace Ui {
class lianhe_window;
}

// Editor of the red-header templates of joint issues: the organs' names one a
// line beside a second mark text, each with its own size and scaling, the
// red rule with an optional star, the spacing below the header and the unit
// to propose.
class lianhe_window : public TemplateEditor
{
    Q_OBJECT

public:
    explicit lianhe_window(QWidget *parent = nullptr);
    ~lianhe_window() override;

    void fromA(const QString &file, const QString &name) override;

private:
    Ui::lianhe_window *ui;
};
