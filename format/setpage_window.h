#pragma once

#include <QDialog>

namespace Ui {
class setPage_window;
}

// The page-adaptation dialog: three choices of how much to lay out. It is
// created once and keeps its last choice between showings.
class setPage_window : public QDialog
{
    Q_OBJECT

public:
    explicit setPage_window(QWidget *parent = nullptr);
    ~setPage_window() override;

signals:
    // formatBody, recogniseHeadings: (false, false) page and page numbers
    // only, (true, false) body format too, (true, true) with headings.
    void sendSettings(bool formatBody, bool recogniseHeadings);

private slots:
    void on_buttonBox_accepted();

private:
    Ui::setPage_window *m_ui;
};
