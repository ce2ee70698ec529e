#pragma once

#include "documentnumber.h"
#include "elementinput.h"

#include <QDialog>
#include <QString>

namespace Ui {
class jiyao_window;
}
class hongtou_window;

// The element input dialog of minutes and briefings (jiyao.ini). It works as
// input_window does, with an issue number between two texts instead of the
// bracketed document number, the font of the number line, the compiling unit
// and the attendees; there is no signer and no note.
class jiyao_window : public QDialog
{
    Q_OBJECT

public:
    explicit jiyao_window(QWidget *parent = nullptr);
    ~jiyao_window() override;

    // Takes the same fifteen strings as input_window::fromRootWin; the note,
    // the issuing and printing units and the signer are not used.
    void fromRootWin(const QString &kind, const QString &security, const QString &period,
                     const QString &urgency, const QString &number, const QString &title,
                     const QString &recipient, const QString &copyTo, const QString &note,
                     const QString &writtenOn, const QString &printedOn, const QString &disclosure,
                     const QString &issuingUnit, const QString &printingUnit,
                     const QString &signer);

public slots:
    // Lists the templates again with `name` selected (else the first).
    void loadmb(const QString &name);

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

private slots:
    // Follows the selected template: its number, font, compiling unit and
    // values.
    void on_cmbmb_currentIndexChanged(int index);
    void on_pushButton_clicked(); // 修改
    void on_pushButton_2_clicked(); // 添加
    void on_pushButton_3_clicked(); // 删除
    void on_buttonBox_accepted();

private:
    // Shows the number the template `group` proposes, its number line's font
    // and its compiling unit.
    void showTemplate(const QString &group);

    Ui::jiyao_window *ui;
    hongtou_window *m_hongtou;
    QString m_file;
    QString m_storedNumber;
    TemplateValues m_template;
};
