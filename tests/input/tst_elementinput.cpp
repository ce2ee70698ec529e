#include "boxrecorder.h"
#include "input_window.h"
#include "jiyao_window.h"
#include "testhome.h"
#include "uidriver.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {

// "<year>" and "<today>" stand for the current year and date.
QString expand(QString text)
{
    const QDate today = QDate::currentDate();
    return text.replace(QStringLiteral("<year>"), QString::number(today.year()))
        .replace(QStringLiteral("<today>"), today.toString(QStringLiteral("yyyy年M月d日")));
}

// "key=value;key=value" as a map.
QVariantMap map(const QString &pairs)
{
    QVariantMap result;
    for (const QString &pair : pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        result.insert(pair.section(QLatin1Char('='), 0, 0),
                      expand(pair.section(QLatin1Char('='), 1)));
    return result;
}

// What a field shows; "title" is the window title.
QString shown(const QDialog &dialog, const QString &name)
{
    const QWidget *w = dialog.findChild<QWidget *>(name);
    if (!w)
        return name == QLatin1String("title") ? dialog.windowTitle() : QStringLiteral("<none>");
    return w->property(qobject_cast<const QComboBox *>(w) ? "currentText" : "text").toString();
}

// The dialog prefilled as a command does it, after an earlier opening.
std::unique_ptr<QDialog> openDialog(const QString &kind, const QString &number,
                                    const QString &date = QString())
{
    const auto show = [&](auto dialog) -> std::unique_ptr<QDialog> {
        for (const QString &day : {QStringLiteral("2020年1月1日"), date})
            dialog->fromRootWin(kind, "机密", "1年", "特急", number, "标题", "主送", "抄送", "附注",
                                day, day, "主动公开", "发文单位", "印发单位", "张三");
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return nullptr;
        return dialog;
    };
    return kind == QLatin1String("jiyao.ini") ? show(std::make_unique<jiyao_window>())
                                              : show(std::make_unique<input_window>());
}

void addRow(const char *tag, const QStringList &values)
{
    QTest::newRow(tag) << values;
}

void clickOk(QDialog *dialog)
{
    click(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
}

} // namespace

class TestElementInput : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void templatesEditedFromTheDialog_data();
    void templatesEditedFromTheDialog();
};

// The dialog prefilled from document and templates, what it shows, typed
// changes, and what confirming stores, tells or sends.
void TestElementInput::conversions_data()
{
    // kind, templates, number, date, typed, shown, stored, message, sentList, disk
    QTest::addColumn<QStringList>("row");

    const QString counter
        = "General/mb=B;A/wh=5;B/fwzh=某政发;B/year=2024;B/wh=41;B/FW=乙文件;B/LK=乙";
    const QString title = ";title=选择模板及输入公文要素  →";
    addRow("down-going",
           {"xiaxing.ini", counter, "", "", "",
            "cmbmb=B;edwh=某政发;sbyear=2024;sbwh=42;decw=<today>;edqf=" + title + "下行文/平行文",
            "General/mb=B;B/wh=42;A/wh=5", "", "", ""});
    addRow("up-going",
           {"shangxing.ini", counter, "", "2024年3月5日", "edtzs=主送单位",
            "edqf=张三;decw=2024年3月5日" + title + "上行文", "B/wh=42", "",
            "shangxing.ini|B|机密|1年|特急|某政发〔2024〕42号|标题|主送单位|抄送|附注|"
            "2024年3月5日|2024年3月5日|主动公开|乙文件||乙|张三|||",
            ""});
    addRow("letter, missing year and mb",
           {"xinhan.ini", "A/wh=5", "", "", "", "cmbmb=A;sbyear=<year>;sbwh=6" + title + "信函格式",
            "General/mb=A;A/year=<year>;A/wh=6", "", "", ""});
    addRow(
        "counter at its end",
        {"xiaxing.ini", "A/wh=9999", "", "", "", "sbwh=9999", "A/wh=9999", "已编到9999", "", ""});
    addRow("counter at its end, own number",
           {"xinhan.ini", "A/wh=9999;A/year=2020", "〔2020〕9999号", "", "", "sbwh=9999",
            "A/wh=9999", "", "", ""});
    addRow("stored number, unchanged",
           {"xiaxing.ini", counter, "某办发〔2023〕12号", "", "", "edwh=某办发;sbyear=2023;sbwh=12",
            "B/fwzh=某政发;B/wh=41", "", "", ""});
    addRow("stored number, changed",
           {"xiaxing.ini", counter, "某办发〔2023〕12号", "", "sbwh=13", "",
            "B/fwzh=某办发;B/year=2023;B/wh=13", "", "", ""});
    addRow("stored number without brackets, date in another form",
           {"xiaxing.ini", counter, "某办发2023年12号", "2024-03-05", "",
            "edwh=某政发;sbyear=2024;sbwh=42;decw=2020年1月1日", "B/wh=42", "", "", ""});
    addRow("no template",
           {"xiaxing.ini", "General/mb=旧", "", "", "", "", "General/mb=旧",
            "请先添加一个红头格式模板!", "", ""});
    addRow("joint, missing wh, disk full",
           {"lianhe.ini", "A/year=2023", "", "", "", "sbyear=2023;sbwh=1" + title + "联合发文", "",
            "没有保存", "", "full"});
    addRow("minutes, template without number",
           {"jiyao.ini", "A/LK=甲", "", "", "",
            "edwh_l=（<year>）第;sbwh=1;edwh_r=期;fontComboBox=方正仿宋_GBK;edpf=某县政府" + title
                + "会议纪要/简报",
            "A/fwzh=（<year>）第;A/wh=1;A/fwzh_r=期;A/whfont=方正仿宋_GBK;A/mkunit=某县政府", "",
            "", ""});
    const QString minutes = "A/fwzh=〔2025〕第;A/fwzh_r=号;A/wh=7;A/whfont=楷体;A/LK=甲";
    addRow("minutes template",
           {"jiyao.ini", minutes, "", "", "edcs=出席者;edlx=列席者;edqj=请假者",
            "edwh_l=〔2025〕第;sbwh=8;edwh_r=号;fontComboBox=楷体", "A/wh=8", "",
            "jiyao.ini|A|机密|1年|特急|〔2025〕第8号|标题|主送|抄送||<today>|"
            "<today>|主动公开|||甲||出席者|列席者|请假者",
            ""});
    addRow("minutes number, unchanged",
           {"jiyao.ini", minutes, "（2024）第12期", "", "", "edwh_l=（2024）第;sbwh=12;edwh_r=期",
            "A/fwzh=〔2025〕第;A/wh=7;A/mkunit=某县政府", "", "", ""});
    addRow("minutes number without digits",
           {"jiyao.ini", minutes, "特刊", "", "", "edwh_l=;sbwh=1;edwh_r=特刊",
            "A/wh=1;A/fwzh_r=特刊", "", "", ""});
}

void TestElementInput::conversions()
{
    QFETCH(QStringList, row);
    const QString &kind = row[0], &templates = row[1], &number = row[2], &date = row[3],
                  &typed = row[4], &shown = row[5], &stored = row[6], &message = row[7],
                  &sentList = row[8], &disk = row[9];

    TestHome home;
    home.setValues("option.ini", map("General/FW=某县政府"));
    home.setValues(kind, map(templates));
    const QByteArray before = home.readFile(kind);
    BoxRecorder boxes;
    const auto dialog = openDialog(kind, number, date);
    QVERIFY(dialog);

    for (const auto &[name, value] : map(shown).toStdMap())
        QCOMPARE(::shown(*dialog, name), value.toString());
    // The signer row is there for up-going documents only.
    const bool minutes = kind == QLatin1String("jiyao.ini");
    QWidget *signer = dialog->findChild<QWidget *>(QStringLiteral("edqf"));
    QCOMPARE(signer && signer->isVisible(), kind == QLatin1String("shangxing.ini"));

    for (const auto &[name, value] : map(typed).toStdMap())
        replaceText(dialog->findChild<QWidget *>(name), value.toString());
    const QByteArray signal = QByteArray("2") + (minutes ? "sendJYSettings(" : "sendSettings(")
        + QByteArray("QString,").repeated(19) + "QString)";
    QSignalSpy sent(dialog.get(), signal.constData());
    home.setDiskFull(disk == QLatin1String("full"));
    clickOk(dialog.get());
    home.setDiskFull(false);

    QCOMPARE(dialog->isVisible(), !message.isEmpty());
    QCOMPARE(sent.size(), message.isEmpty() ? 1 : 0);
    if (!message.isEmpty()) {
        QCOMPARE(boxes.boxes().size(), 1);
        QVERIFY2(boxes.texts().first().contains(message), qPrintable(boxes.texts().first()));
        QCOMPARE(boxes.boxes().first().title, QStringLiteral("错误"));
        QCOMPARE(home.readFile(kind), before);
    } else if (!sentList.isEmpty()) {
        QCOMPARE(QVariant(sent.first()).toStringList(), expand(sentList).split(QLatin1Char('|')));
    }
    const QSettings plain(home.templateFile(kind), QSettings::IniFormat);
    for (const auto &[key, value] : map(stored).toStdMap())
        QCOMPARE(plain.value(key).toString(), value.toString());
}

void TestElementInput::templatesEditedFromTheDialog_data()
{
    QTest::addColumn<QStringList>("row"); // kind, button, editor, listed
    addRow("add, down-going", {"xiaxing.ini", "添加", "hongtou_window", "A|B|新模板"});
    addRow("add, letter", {"xinhan.ini", "添加", "xinhan_window", "A|B|新模板"});
    addRow("add, joint", {"lianhe.ini", "添加", "lianhe_window", "A|B|新模板"});
    addRow("modify, minutes", {"jiyao.ini", "修改", "hongtou_window", "B|新模板"});
    addRow("delete", {"shangxing.ini", "删除", "", "B"});
}

void TestElementInput::templatesEditedFromTheDialog()
{
    QFETCH(QStringList, row);
    const QString &kind = row[0], &button = row[1], &editor = row[2], &listed = row[3];

    TestHome home;
    home.setValues(kind, map("General/mb=A;A/FW=甲文件;B/FW=乙文件"));
    // A new letter template proposes the organ name as its mark text.
    home.setValues("option.ini", map("General/YF=县政府办公室;县政府办公室/FW=某县政府"));
    BoxRecorder boxes;
    const auto dialog = openDialog(kind, QString());
    QVERIFY(dialog);
    for (QPushButton *pushButton : dialog->findChildren<QPushButton *>())
        if (pushButton->text() == button)
            click(pushButton);
    if (!editor.isEmpty()) {
        auto *opened = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(opened);
        QCOMPARE(QString::fromLatin1(opened->metaObject()->className()), editor);
        replaceText(opened->findChild<QLineEdit *>(QStringLiteral("lineEdit_3")), "新模板");
        clickOk(opened);
        QVERIFY(!opened->isVisible());
    }

    // Listed at once, with the saved template or the first one selected.
    auto *cmbmb = dialog->findChild<QComboBox *>(QStringLiteral("cmbmb"));
    QStringList items;
    for (int i = 0; i < cmbmb->count(); ++i)
        items << cmbmb->itemText(i);
    items.sort();
    QCOMPARE(items, listed.split(QLatin1Char('|')));
    QCOMPARE(cmbmb->currentText(), editor.isEmpty() ? "B" : "新模板");
    QCOMPARE(boxes.texts(),
             editor.isEmpty() ? QStringList {"确定删除此红头模板吗？"} : QStringList());
}

QVX_SETTINGS_TEST_MAIN(TestElementInput)
#include "tst_elementinput.moc"
