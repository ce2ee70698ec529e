#pragma once

#include "elementdialog.h"

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
class input_window : public ElementDialog
{
    Q_OBJECT

public:
    explicit input_window(QWidget *parent = nullptr);
    ~input_window() override;

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

protected:
    // The number the template `group` proposes: its code, its year (the
    // current one when unset) and its last running number plus 1.
    void showProposed(const QString &group) override;
    // The number, the signer (up-going documents only) and the layout of the
    // kind.
    void showKindElements(const QString &number, const QString &note,
                          const QString &signer) override;
    TemplateEditor *editor() const override;

private slots:
    // Follows the selected template: its counter and its values.
    void on_cmbmb_currentIndexChanged(int index);
    void on_buttonBox_accepted();

private:
    // The number row and the signer field of the kind, and the window title.
    void arrangeForKind();

    Ui::input_window *ui;
    hongtou_window *m_hongtou;
    xinhan_window *m_xinhan;
    lianhe_window *m_lianhe;
};
