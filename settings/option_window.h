#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class option_window;
}

// The settings dialog, the only writer of the settings file. It shows the
// current printing-issuing unit with its remembered issuing organ, the page
// margins, fonts and spacings; the combo box lists the unit profiles and
// switching it shows another unit. Nothing is written before a save.
class option_window : public QDialog
{
    Q_OBJECT

public:
    explicit option_window(QWidget *parent = nullptr);
    ~option_window() override;

    // Fills the form from the file; an empty unit means the current one.
    void loadini(const QString &unit);

public slots:
    // Shows the unit chosen in the combo box.
    void changeYF(const QString &unit);
    // Checks the unit name and writes the whole form; the dialog stays open.
    // False, after telling the user why, when nothing could be saved.
    bool savesettings();

private slots:
    void on_btnOK_clicked();
    // Deletes the profile shown in the combo box, after asking.
    void on_pushButton_clicked();

private:
    // Trims the unit name in place; false, after telling the user why, when
    // it cannot be saved.
    bool checkUnitName();

    Ui::option_window *ui;
};
