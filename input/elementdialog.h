#pragma once

#include "elementinput.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLineEdit;
class TemplateEditor;

// What the two element input dialogs (input_window, jiyao_window) share: the
// kind's template list with its edit, add and delete buttons, and the
// elements every kind prefills alike. One instance of each lives with the
// main window and is reused: fromRootWin prefills it for each conversion.
class ElementDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ElementDialog(QWidget *parent = nullptr);

    // Prefills the dialog for a document of the kind (its template file name)
    // with the elements the document carries. The issuing and printing units
    // are not used here; each dialog uses the note and signer or not.
    void fromRootWin(const QString &kind, const QString &security, const QString &period,
                     const QString &urgency, const QString &number, const QString &title,
                     const QString &recipient, const QString &copyTo, const QString &note,
                     const QString &writtenOn, const QString &printedOn, const QString &disclosure,
                     const QString &issuingUnit, const QString &printingUnit,
                     const QString &signer);

public slots:
    // Lists the kind's templates again with `name` selected (else the first).
    void loadmb(const QString &name);

protected:
    // The dialog's form, after setupUi.
    struct Form
    {
        QDialogButtonBox *buttons;
        QComboBox *templates;
        QComboBox *security;
        QComboBox *period;
        QComboBox *urgency;
        QComboBox *disclosure;
        QLineEdit *title;
        QLineEdit *recipient;
        QLineEdit *copyTo;
        QDateEdit *writtenOn;
        QDateEdit *printedOn;
    };
    // Relabels the buttons and dates both fields today.
    void setForm(const Form &form);

    // Shows what the template `group` proposes before the list is filled.
    virtual void showProposed(const QString &group) = 0;
    // Shows what the dialog's kind adds: the number the document carries,
    // its note and signer where the kind has them.
    virtual void showKindElements(const QString &number, const QString &note, const QString &signer)
        = 0;
    // The editor of the kind's templates.
    virtual TemplateEditor *editor() const = 0;

    Form m_form;
    QString m_file;
    QString m_storedNumber;
    TemplateValues m_template;

private slots:
    void on_pushButton_clicked(); // 修改
    void on_pushButton_2_clicked(); // 添加
    void on_pushButton_3_clicked(); // 删除
};
