#include "setpage_window.h"

#include "formsupport.h"
#include "ui_setpage_window.h"

setPage_window::setPage_window(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::setPage_window)
{
    m_ui->setupUi(this);
    labelOkCancel(m_ui->buttonBox);
}

setPage_window::~setPage_window()
{
    delete m_ui;
}

void setPage_window::on_buttonBox_accepted()
{
    const bool formatBody = !m_ui->radioButton->isChecked();
    const bool recogniseHeadings = m_ui->radioButton_3->isChecked();
    emit sendSettings(formatBody, recogniseHeadings);
    close();
}
