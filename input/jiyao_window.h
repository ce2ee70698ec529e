#pragma once

#include "documentnumber.h"
#include "elementdialog.h"

namespace Ui {
class jiyao_window;
}
class hongtou_window;

// The element input dialog of minutes and briefings (jiyao.ini). It works as
// input_window does, with an issue number between two texts instead of the
// bracketed document number, the font of the number line, the compiling unit
// and the attendees; there is no signer and no note.
class jiyao_window : public ElementDialog
{
    Q_OBJECT

public:
    explicit jiyao_window(QWidget *parent = nullptr);
    ~jiyao_window() override;

signals:
    // The element list as input_window sends it, with an empty note and
    // signer, and the attendees, the attendees without vote and the
    // absentees as the last three strings.
    void sendJYSettings(const QString &kind, const QString &templateName, const QString &security,
                        const QString &period, const QString &urgency, const QString &number,
                        const QString &title, const QString &recipient, const QString &copyTo,
                        const QString &note, const QString &writtenOn, const QString &printedOn,
                        const QString &disclosure, const QString &markText, const QString &unit,
                        const QString &signature, const QString &signer, const QString &attendees,
                        const QString &nonVoting, const QString &absentees);

protected:
    // The number the template `group` proposes, its number line's font and
    // its compiling unit.
    void showProposed(const QString &group) override;
    // The issue number; minutes have no note and no signer.
    void showKindElements(const QString &number, const QString &note,
                          const QString &signer) override;
    TemplateEditor *editor() const override;

private slots:
    // Follows the selected template: its number, font, compiling unit and
    // values.
    void on_cmbmb_currentIndexChanged(int index);
    void on_buttonBox_accepted();

private:
    Ui::jiyao_window *ui;
    hongtou_window *m_hongtou;
};
