#include "boxrecorder.h"
#include "formsupport.h"
#include "hongtou_window.h"
#include "lianhe_window.h"
#include "templatestore.h"
#include "testhome.h"
#include "uidriver.h"
#include "xinhan_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The template editors: the red-header one (down-going and minutes), the
// joint issue's and the letter's.
namespace {

const QString unit = QStringLiteral("某某县人民政府办公室");
// Two unit profiles, the first one current; the editors take the organ from
// the unit's profile, not General/FW.
const QString units = "General/YF=" + unit
    + ";General/FW=别的机关;General/BTBS=华文中宋;General/ZWP=28;"
      "中共某某县委办公室/FW=中共某某县委员会;"
    + unit + "/FW=某某县人民政府";

// Each editor's fields and the template keys they own.
QVariantMap fieldKeys(const QString &kind)
{
    const QString shared = QStringLiteral(
        "lineEdit_2=FW;fontComboBox=BTBS;dsbwidth=tWidth;dsbheight=tHeight;dsbtop=tTop;"
        "cbbold=fBold;sbsize=fSize;sbsize_2=fPoint;sbzoom=fZoom;cblinesize=lSize;dsblinetop=lTop;"
        "dsbfstline=fstSize;dsbctlline=ctlSize;sbinsertline=insertLine;");
    if (kind == QLatin1String(TemplateKind::JointIssue))
        return pairs(shared
                     + "comboBox=YF;cbfives=lFives;lineEdit_4=FW_2;dsbwidth_2=tWidth_2;"
                       "sbsize_3=fSize_2;sbzoom_2=fZoom_2");
    if (kind == QLatin1String(TemplateKind::Letter))
        return pairs(shared + "lineEdit=LK;dsblinetop_2=lBottom");
    return pairs(shared + "comboBox=YF;cbfives=lFives;lineEdit=LK");
}

// An editor opened on the templates named, one after the other.
template<class Editor> std::unique_ptr<QDialog> open(const QString &kind, const QStringList &names)
{
    auto editor = std::make_unique<Editor>();
    editor->setWindowModality(Qt::ApplicationModal);
    for (const QString &name : names)
        editor->fromA(kind, name);
    editor->show();
    return QTest::qWaitForWindowExposed(editor.get()) ? std::move(editor) : nullptr;
}

std::unique_ptr<QDialog> openEditor(const QString &kind, const QStringList &names)
{
    if (kind == QLatin1String(TemplateKind::JointIssue))
        return open<lianhe_window>(kind, names);
    if (kind == QLatin1String(TemplateKind::Letter))
        return open<xinhan_window>(kind, names);
    return open<hongtou_window>(kind, names);
}

} // namespace

class TestTemplateEditors : public QObject
{
    Q_OBJECT

private slots:
    void edit_data();
    void edit();
};

void TestTemplateEditors::edit_data()
{
    for (const char *column :
         {"kind", "units", "templates", "opened", "typed", "press", "shown", "saved", "message"})
        QTest::addColumn<QString>(column);
    const auto row = [](const char *tag, std::initializer_list<QString> cells) {
        QTestData &data = QTest::newRow(tag);
        for (const QString &cell : cells)
            data << cell;
        for (auto missing = cells.size(); missing < 9; ++missing)
            data << QString();
    };
    // A template with a value of its own in most fields.
    const QString other = QStringLiteral(
        "abc/FW=甲\n乙;abc/FW_2=通知;abc/LK=乙;abc/fBold=2;abc/lFives=2;abc/fSize=60;abc/fPoint=70;"
        "abc/lSize=3.00;abc/fZoom=30;abc/insertLine=9;abc/tTop=1;abc/lTop=1;abc/tWidth_2=9");
    const QString D = TemplateKind::DownGoing, J = TemplateKind::JointIssue,
                  L = TemplateKind::Letter, M = TemplateKind::Minutes;
    const QString u = units, ok = QStringLiteral("ok"), again = QStringLiteral("abc,");

    // A new template shows the unit's organ, the settings' title font and body
    // spacing (the letter's first lines keep 29.65 pt). Opened on a template
    // first, it shows what a fresh editor shows. Nothing is written.
    const QString organ = QStringLiteral("某某县人民政府");
    const QString font = QStringLiteral("comboBox=某某县人民政府办公室;fontComboBox=华文中宋;");
    row("new down-going",
        {D, u, "", "", "", "",
         font + "lineEdit=" + organ + ";lineEdit_2=" + organ + "文件;sbzoom=64;dsbfstline=28"});
    row("new minutes", {M, u, "", "", "", "", "lineEdit_2=" + organ + "会议纪要;sbzoom=56"});
    row("new, fresh home",
        {D, "", "", "", "", "",
         "lineEdit_2=文件;lineEdit=;comboBox=;fontComboBox=方正小标宋_GBK;dsbfstline=29.65"});
    row("new down-going after another", {D, u, other, again});
    row("new joint issue", {J, u, "", "", "", "", font + "dsbfstline=28"});
    row("new joint issue after another", {J, u, other, again});
    row("new letter",
        {L, u, "", "", "", "",
         "lineEdit_2=" + organ + ";lineEdit=" + organ + ";fontComboBox=华文中宋;dsbfstline=29.65"});
    // The letter's line spacing follows only a change of the size.
    row("new letter after another", {L, u, other, again, "", "", "sbsize_2=61"});

    // The mark's scaling follows the length of the text typed (the joint
    // mark has none); the line spacing follows the font size.
    row("mark of 10", {D, "", "", "", "lineEdit_2=县县县县县县县县县县", "", "sbzoom=60"});
    row("letter, mark of 12", {L, "", "", "", "lineEdit_2=" + QString(12, u'县'), "", "sbzoom=52"});
    row("joint mark",
        {J, "", "", "", "lineEdit_2=中共某某县委员会某某县\n某某县人民政府", "", "sbzoom=65"});
    row("size", {D, "", "", "", "sbsize=60", "", "sbsize_2=64"});
    row("joint size", {J, "", "", "", "sbsize=45", "", "sbsize_2=49"});
    row("letter size", {L, "", "", "", "sbsize=50", "", "sbsize_2=54"});

    // Name and mark as typed, around spaces, after the editor showed another
    // template, which stays as it was.
    const QString kept = QStringLiteral("General/mb=abc;abc/FW=甲单位文件;abc/wh=7");
    const QString typed = QStringLiteral("lineEdit_3=  县政府文件 ;lineEdit_2=");
    const QString saved
        = QStringLiteral("General/mb=县政府文件;abc/FW=甲单位文件;abc/wh=7;县政府文件/");
    row("save new",
        {D, u, kept, again, typed + " 某某县人民政府文件  ", ok,
         "lineEdit_3=县政府文件;lineEdit_2=某某县人民政府文件",
         saved + "FW=某某县人民政府文件;县政府文件/#=17"});
    row("save new joint issue",
        {J, u, kept, again, typed + "\n中共某某县委办公室\n某某县人民政府办公室\n ", ok,
         "lineEdit_2=中共某某县委办公室\n某某县人民政府办公室",
         saved + "FW=中共某某县委办公室\n某某县人民政府办公室;县政府文件/#=20"});
    row("save new letter",
        {L, u, kept, again, typed + "某某县人民政府 ", ok, "lineEdit_2=某某县人民政府",
         saved + "FW=某某县人民政府;县政府文件/#=16"});
    // A template whose unit profile was removed shows, and saves, the current unit.
    row("removed unit profile",
        {D, u, "abc/YF=已删除的单位;abc/FW=某某县人民政府文件", "abc", "", ok, "comboBox=" + unit,
         "abc/YF=" + unit});

    // Refused: nothing is written, the editor stays open and keeps what was
    // typed, trimmed. (Which names the store refuses: tst_settingsfiles.)
    const QString two = QStringLiteral("General/mb=甲;甲/FW=甲单位文件;乙/FW=乙单位文件");
    const QString noMark = QStringLiteral("发文单位标识文字不能为空!");
    row("mark of spaces",
        {D, "", two, "", "lineEdit_3=新模板;lineEdit_2=   ", ok,
         "lineEdit_3=新模板;lineEdit_2=", "", noMark});
    row("joint mark of blank lines",
        {J, "", two, "", "lineEdit_3=新模板;lineEdit_2=  \n  ", ok, "lineEdit_2=", "", noMark});
    row("disk full",
        {D, "", two, "", "lineEdit_3=丙", "ok on a full disk", "lineEdit_3=丙", "", "unwritable"});
    row("cancel", {D, "", "", "", "lineEdit_3=县政府文件", "cancel"});

    // A template as a hand edit leaves it (values the editor would not derive,
    // check states 1) loads every key and saves it back unchanged (a check box
    // as its check state), keeping the input dialog's number.
    const QVariantMap stored = pairs(
        "YF=中共某某县委办公室;FW=某某县人民政府文件;FW_2=通知;LK=Signature;BTBS=Some Font;"
        "tWidth=15.2;tWidth_2=2.5;tHeight=2.5;tTop=6.9;fBold=1;fSize=60;fPoint=66;fSize_2=58;"
        "fZoom=80;fZoom_2=90;lSize=2.25;lTop=12.65;lBottom=2.4;lFives=1;fstSize=29;ctlSize=38.5;"
        "insertLine=4");
    for (const QString &kind : {D, M, J, L}) {
        const QVariantMap fields = fieldKeys(kind);
        QString file = QStringLiteral("其他/FW=其他文件;abc/wh=23"), shown = "lineEdit_3=abc";
        QString saved = file + ";General/mb=abc;abc/#=" + QString::number(fields.size() + 1);
        file += QStringLiteral(";General/mb=其他");
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            const QString key = it.value().toString(), value = stored.value(key).toString();
            const bool check = value == QLatin1String("1") && it.key().startsWith("cb");
            file += ";abc/" + key + '=' + value;
            shown += ';' + it.key() + '=' + (check ? QStringLiteral("true") : value);
            saved += ";abc/" + key + '=' + (check ? QStringLiteral("2") : value);
        }
        row(qPrintable("every key of " + kind), {kind, u, file, "abc", "", ok, shown, saved});
    }
}

// Opens an editor on a home, types, presses a button; then compares the
// fields, the file (unchanged where nothing is saved) and the messages.
void TestTemplateEditors::edit()
{
    QFETCH(QString, kind);
    QFETCH(QString, units);
    QFETCH(QString, templates);
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    QFETCH(QString, press);
    QFETCH(QString, shown);
    QFETCH(QString, saved);
    QFETCH(QString, message);

    TestHome home;
    home.setValues(QStringLiteral("option.ini"), pairs(units));
    home.setValues(kind, pairs(templates));
    const QByteArray before = home.readFile(kind);
    const bool homeMade = home.settingsDirectoryExists();
    const auto editor = openEditor(kind, opened.split(QLatin1Char(',')));
    QVERIFY(editor);
    if (opened.endsWith(QLatin1Char(',')) && typed.isEmpty()) {
        const auto fresh = openEditor(kind, {QString()});
        QVERIFY(fresh);
        QString freshFields = QStringLiteral("lineEdit_3=;");
        for (const QString &field : fieldKeys(kind).keys())
            freshFields += field + '=' + shownText(*fresh, field) + ';';
        compareShown(*editor, freshFields + shown);
    }
    QSignalSpy sent(editor.get(), SIGNAL(sendmb(QString)));
    BoxRecorder boxes;
    boxes.answerNext(QMessageBox::Cancel);
    typeInto(*editor, typed);
    home.setDiskFull(press.contains(QLatin1String("full disk")));
    const auto which = press == "cancel" ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok;
    if (!press.isEmpty())
        click(editor->findChild<QDialogButtonBox *>()->button(which));
    home.setDiskFull(false);

    compareShown(*editor, shown);
    if (message == QLatin1String("unwritable"))
        message = unwritableFileMessage(home.templateFile(kind));
    QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList(message));
    QCOMPARE(editor->isVisible(), press.isEmpty() || (press != "cancel" && saved.isEmpty()));
    QCOMPARE(sent.size(), saved.isEmpty() ? 0 : 1);
    if (saved.isEmpty()) {
        QCOMPARE(home.readFile(kind), before);
        QCOMPARE(home.settingsDirectoryExists(), homeMade);
        return;
    }
    QCOMPARE(sent.first().first().toString(), shownText(*editor, "lineEdit_3"));
    compareKeys(home.templateFile(kind), saved);
}

QVX_SETTINGS_TEST_MAIN(TestTemplateEditors)
#include "tst_templateeditors.moc"
