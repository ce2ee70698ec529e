#pragma once

#include <QDialog>

namespace Ui {
class print_window;
}

// The copy-numbered printing dialog: the first copy number and the number
// of copies. It is created once and keeps its contents between showings.
class print_window : public QDialog
{
    Q_OBJECT

public:
    explicit print_window(QWidget *parent = nullptr);
    ~print_window() override;

signals:
    // print: true to print the copies, false to only write the start text
    // into the document's copy-number box.
    void sendData(const QString &start, int copies, bool print);

private slots:
    void on_buttonBox_accepted();
    void on_pushButton_clicked();

private:
    Ui::print_window *m_ui;
};
