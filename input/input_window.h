#pragma once

#include "elementinput.h"

#include <QDialog>
#include <QString>

namespace Ui {
class input_window;
}
class hongtou_window;
class lianhe_window;
class xinhan_window;

// The element input dialog of down-going and parallel, up-going, letter and
// joint documents, told apart by the template file of their kind. The user
// picks a red-header template of the kind (and may add, change or delete
// templates in their editors, which this dialog owns), enters the document's
// elements and confirms: the template's number counter moves on, sendSettings
// carries the element list, and the dialog closes. Cancel sends nothing.
//
// One instance lives with the main window and is reused: fromRootWin prefills
// it for each conversion.
class input_window : public QDialog
{
    Q_OBJECT

public:
    explicit input_window(QWidget *parent = nullptr);
    ~input_window() override;

    // Prefills the dialog for a document of the kind (its template file name)
    // with the elements the document carries. The issuing and printing units
    // are not used here; the signer only for up-going documents.
    void fromRootWin(const QString &kind, const QString &security, const QString &period,
                     const QString &urgency, const QString &number, const QString &title,
                     const QString &recipient, const QString &copyTo, const QString &note,
                     const QString &writtenOn, const QString &printedOn, const QString &disclosure,
                     const QString &issuingUnit, const QString &printingUnit,
                     const QString &signer);

public slots:
    // Lists the kind's templates again with `name` selected (else the first).
    void loadmb(const QString &name);

signals:
    // The element list: kind, template, security level, period, urgency,
    // document number, title, main recipient, copy-to, note, date of writing,
    // date of printing, disclosure, the template's FW, YF and LK, signer and
    // three empty strings.
    void sendSettings(const QString &kind, const QString &templateName, const QString &security,
                      const QString &period, const QString &urgency, const QString &number,
                      const QString &title, const QString &recipient, const QString &copyTo,
                      const QString &note, const QString &writtenOn, const QString &printedOn,
                      const QString &disclosure, const QString &markText, const QString &unit,
                      const QString &signature, const QString &signer, const QString &extra1,
                      const QString &extra2, const QString &extra3);

private slots:
    // Follows the selected template: its counter and its values.
    void on_cmbmb_currentIndexChanged(int index);
    void on_pushButton_clicked(); // 修改
    void on_pushButton_2_clicked(); // 添加
    void on_pushButton_3_clicked(); // 删除
    void on_buttonBox_accepted();

private:
    // Shows the number the template `group` proposes: its code, its year (the
    // current one when unset) and its last running number plus 1.
    void showCounter(const QString &group);
    // The number row and the signer field of the kind, and the window title.
    void arrangeForKind();
    void openEditor(const QString &name);

    Ui::input_window *ui;
    hongtou_window *m_hongtou;
    xinhan_window *m_xinhan;
    lianhe_window *m_lianhe;
    QString m_file;
    QString m_storedNumber;
    TemplateValues m_template;
};
