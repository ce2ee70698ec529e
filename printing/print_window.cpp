#include "print_window.h"

#include "formsupport.h"
#include "ui_print_window.h"

print_window::print_window(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::print_window)
{
    m_ui->setupUi(this);
    labelOkCancel(m_ui->buttonBox);
}

print_window::~print_window()
{
    delete m_ui;
}

void print_window::on_buttonBox_accepted()
{
    // Closed first: the messages of the run come up without the dialog.
    close();
    emit sendData(m_ui->lineEdit->text(), m_ui->spinBox->value(), true);
}

void print_window::on_pushButton_clicked()
{
    // Closed first: the messages of the run come up without the dialog.
    close();
    emit sendData(m_ui->lineEdit->text(), m_ui->spinBox->value(), false);
}
