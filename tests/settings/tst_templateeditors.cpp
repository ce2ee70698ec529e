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
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The three template editors, one row per kind of template: the down-going,
// up-going and minutes kinds share the red-header editor, the joint issue and
// the letter have editors of their own.
namespace {

const QString unit = QStringLiteral("某某县人民政府办公室");
const QString otherUnit = QStringLiteral("中共某某县委办公室");
const QString organ = QStringLiteral("某某县人民政府");
const QString arrow = QStringLiteral("选择模板及输入公文要素  →");

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

std::unique_ptr<QDialog> makeEditor(const QString &kind)
{
    if (kind == QLatin1String(TemplateKind::JointIssue))
        return std::make_unique<lianhe_window>();
    if (kind == QLatin1String(TemplateKind::Letter))
        return std::make_unique<xinhan_window>();
    return std::make_unique<hongtou_window>();
}

void fromA(QDialog *editor, const QString &kind, const QString &name)
{
    if (auto *hongtou = qobject_cast<hongtou_window *>(editor))
        hongtou->fromA(kind, name);
    else if (auto *lianhe = qobject_cast<lianhe_window *>(editor))
        lianhe->fromA(kind, name);
    else
        qobject_cast<xinhan_window *>(editor)->fromA(kind, name);
}

QAbstractButton *button(const QDialog &editor, QDialogButtonBox::StandardButton which)
{
    return editor.findChild<QDialogButtonBox *>()->button(which);
}

} // namespace

class TestTemplateEditors : public QObject
{
    Q_OBJECT

private slots:
    void edit_data();
    void edit();
    void loadAndSaveEveryKey_data();
    void loadAndSaveEveryKey();

private:
    // Two unit profiles, the first one current.
    void writeUnitSettings(const TestHome &home);
    std::unique_ptr<QDialog> openEditor(const QString &kind, const QString &name);
};

void TestTemplateEditors::writeUnitSettings(const TestHome &home)
{
    // The editors take the organ from the unit's profile, not General/FW.
    home.setValues(QStringLiteral("option.ini"),
                   pairs("General/YF=" + unit
                         + ";General/FW=别的机关;General/BTBS=华文中宋;"
                           "General/ZWP=28;"
                         + otherUnit + "/FW=中共某某县委员会;" + unit + "/FW=" + organ));
}

std::unique_ptr<QDialog> TestTemplateEditors::openEditor(const QString &kind, const QString &name)
{
    auto editor = makeEditor(kind);
    editor->setWindowModality(Qt::ApplicationModal);
    fromA(editor.get(), kind, name);
    editor->show();
    if (!QTest::qWaitForWindowExposed(editor.get()))
        return nullptr;
    return editor;
}

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
    const QString hongtou = QStringLiteral(
        "lineEdit_3=;lineEdit=某某县人民政府;comboBox=某某县人民政府办公室;fontComboBox=华文中宋;"
        "dsbfstline=28;dsbwidth=14.6;dsbheight=2;dsbtop=7.15;dsbctlline=37;sbsize=57;sbsize_2=61;"
        "sbinsertline=3;cblinesize=1.25;cbbold=false;cbfives=false;");
    const QString down = hongtou + "lineEdit_2=某某县人民政府文件;sbzoom=64;dsblinetop=12.2;";
    const QString lianhe = QStringLiteral(
        "lineEdit_3=;lineEdit_2=发文机关一\n发文机关二;lineEdit_4=文件;"
        "comboBox=某某县人民政府办公室;fontComboBox=华文中宋;dsbwidth=11.6;dsbwidth_2=3;"
        "dsbheight=2;dsbtop=7.15;dsblinetop=13.9;dsbctlline=26;dsbfstline=28;sbsize=50;"
        "sbsize_2=54;sbsize_3=57;sbzoom=65;sbzoom_2=65;sbinsertline=5;cblinesize=1.25;"
        "cbbold=false;cbfives=false");
    // The letter's first lines keep 29.65 pt whatever the body spacing.
    const QString xinhan
        = QStringLiteral("lineEdit_3=;lineEdit_2=某某县人民政府;lineEdit=某某县人民政府;sbzoom=64;"
                         "fontComboBox=华文中宋;dsbwidth=15;dsbheight=2;dsbtop=3;dsblinetop=5.35;"
                         "dsblinetop_2=2;dsbctlline=36;dsbfstline=29.65;sbinsertline=1;sbsize=57;"
                         "cblinesize=4.50;cbbold=false;");
    // A template with a value of its own in most fields.
    const QString other = QStringLiteral(
        "abc/FW=甲\n乙;abc/FW_2=通知;abc/LK=乙;abc/fBold=2;abc/lFives=2;abc/fSize=60;abc/fPoint=70;"
        "abc/lSize=3.00;abc/fZoom=30;abc/insertLine=9;abc/tTop=1;abc/lTop=1;abc/tWidth_2=9");
    const QString D = TemplateKind::DownGoing, J = TemplateKind::JointIssue,
                  L = TemplateKind::Letter, M = TemplateKind::Minutes;
    const QString u = QStringLiteral("units"), ok = QStringLiteral("ok");

    // A new template shows the defaults; opened on a template first, nothing
    // of it stays. Nothing is written.
    row("new down-going", {D, u, "", "", "", "", down + "windowTitle=" + arrow + "下行文/平行文"});
    row("new up-going",
        {QString(TemplateKind::UpGoing), u, "", "", "", "",
         down + "windowTitle=" + arrow + "上行文"});
    row("new minutes",
        {M, u, "", "", "", "",
         hongtou
             + "lineEdit_2=某某县人民政府会议纪要;sbzoom=56;dsblinetop=13.8;"
               "windowTitle="
             + arrow + "纪要/简报格式"});
    row("new, fresh home",
        {D, "", "", "", "", "",
         "lineEdit_2=文件;lineEdit=;comboBox=;fontComboBox=方正小标宋_GBK;"
         "dsbfstline=29.65"});
    row("new after another", {D, u, other, "abc, then a new one", "", "", down});
    row("new joint issue", {J, u, "", "", "", "", lianhe});
    row("new joint issue after another", {J, u, other, "abc, then a new one", "", "", lianhe});
    row("new letter", {L, u, "", "", "", "", xinhan + "sbsize_2=59"});
    // The letter's line spacing follows only a change of the size.
    row("new letter after another",
        {L, u, other, "abc, then a new one", "", "", xinhan + "sbsize_2=61"});

    // The mark's scaling follows the length of the text typed (the joint
    // mark has none); the line spacing follows the font size.
    row("mark of 10", {D, "", "", "", "lineEdit_2=县县县县县县县县县县", "", "sbzoom=60"});
    row("mark of 21", {D, "", "", "", "lineEdit_2=" + QString(21, u'县'), "", "sbzoom=32"});
    row("minutes, mark of 9", {M, "", "", "", "lineEdit_2=县县县县县县县县县", "", "sbzoom=64"});
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
        {D, u, kept, "abc, then a new one", typed + " 某某县人民政府文件  ", ok,
         "lineEdit_3=县政府文件;lineEdit_2=某某县人民政府文件",
         saved + "FW=某某县人民政府文件;县政府文件/#=17"});
    row("save new joint issue",
        {J, u, kept, "abc, then a new one", typed + "\n中共某某县委办公室\n某某县人民政府办公室\n ",
         ok, "lineEdit_2=中共某某县委办公室\n某某县人民政府办公室",
         saved + "FW=中共某某县委办公室\n某某县人民政府办公室;县政府文件/#=20"});
    row("save new letter",
        {L, u, kept, "abc, then a new one", typed + "某某县人民政府 ", ok,
         "lineEdit_2=某某县人民政府", saved + "FW=某某县人民政府;县政府文件/#=16"});
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
    row("letter mark of spaces",
        {L, "", two, "", "lineEdit_3=新模板;lineEdit_2= ", ok, "lineEdit_2=", "", noMark});
    row("disk full",
        {D, "", two, "", "lineEdit_3=丙", "ok on a full disk", "lineEdit_3=丙", "", "unwritable"});
    row("cancel", {D, "", "", "", "lineEdit_3=县政府文件", "cancel"});
    row("cancel joint issue", {J, "", "", "", "lineEdit_3=县政府文件", "cancel"});
    row("cancel letter", {L, "", "", "", "lineEdit_3=县政府文件", "cancel"});
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
    if (!units.isEmpty())
        writeUnitSettings(home);
    if (!templates.isEmpty())
        home.setValues(kind, pairs(templates));
    const QByteArray before = home.readFile(kind);
    const bool homeMade = home.settingsDirectoryExists();
    const auto editor = openEditor(kind, opened.section(QLatin1Char(','), 0, 0));
    QVERIFY(editor);
    if (opened.contains(QLatin1String("new one")))
        fromA(editor.get(), kind, QString());
    QSignalSpy sent(editor.get(), SIGNAL(sendmb(QString)));
    BoxRecorder boxes;
    boxes.answerNext(QMessageBox::Cancel);
    for (const QString &pair : typed.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        replaceText(editor->findChild<QWidget *>(pair.section('=', 0, 0)), pair.section('=', 1));
    home.setDiskFull(press.contains(QLatin1String("full disk")));
    if (!press.isEmpty())
        click(button(*editor,
                     press == QLatin1String("cancel") ? QDialogButtonBox::Cancel
                                                      : QDialogButtonBox::Ok));
    home.setDiskFull(false);

    const QVariantMap fields = pairs(shown);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        QCOMPARE(it.key() + '=' + shownText(*editor, it.key()),
                 it.key() + '=' + it.value().toString());
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
    QSettings plain(home.templateFile(kind), QSettings::IniFormat);
    const QVariantMap keys = pairs(saved);
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
        const QString group = it.key().section('/', 0, 0);
        plain.beginGroup(group);
        const QString value = it.key().endsWith(QLatin1String("/#"))
            ? QString::number(plain.allKeys().size())
            : plain.value(it.key().section('/', 1)).toString();
        plain.endGroup();
        QCOMPARE(it.key() + '=' + value, it.key() + '=' + it.value().toString());
    }
}

void TestTemplateEditors::loadAndSaveEveryKey_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("title");

    QTest::newRow("down-going") << TemplateKind::DownGoing << arrow + "下行文/平行文";
    QTest::newRow("minutes") << TemplateKind::Minutes << arrow + "纪要/简报格式";
    QTest::newRow("joint issue") << TemplateKind::JointIssue << QString();
    QTest::newRow("letter") << TemplateKind::Letter << arrow + "信函格式";
}

// A template as a hand edit or an older version leaves it: every key the
// editor owns with a value of its own (the mark of 9 characters would give
// the scaling 64, the spacing is not size + 4, check states are 1), the input
// dialog's last number, and another template.
void TestTemplateEditors::loadAndSaveEveryKey()
{
    QFETCH(QString, kind);
    QFETCH(QString, title);

    const QVariantMap stored = pairs(
        "YF=" + otherUnit
        + ";FW=某某县人民政府文件;FW_2=通知;LK=Signature;BTBS=Some Font;tWidth=15.2;tWidth_2=2.5;"
          "tHeight=2.5;tTop=6.9;fBold=1;fSize=60;fPoint=66;fSize_2=58;fZoom=80;fZoom_2=90;"
          "lSize=2.25;lTop=12.65;lBottom=2.4;lFives=1;fstSize=29;ctlSize=38.5;insertLine=4");
    const QVariantMap fields = fieldKeys(kind);
    TestHome home;
    writeUnitSettings(home);
    QVariantMap file = pairs("General/mb=其他;其他/FW=其他文件;abc/wh=23");
    for (const QVariant &key : fields)
        file.insert("abc/" + key.toString(), stored.value(key.toString()));
    home.setValues(kind, file);

    const auto editor = openEditor(kind, QStringLiteral("abc"));
    QVERIFY(editor);
    if (!title.isEmpty())
        QCOMPARE(editor->windowTitle(), title);
    QCOMPARE(shownText(*editor, QStringLiteral("lineEdit_3")), QStringLiteral("abc"));
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        const QString value = stored.value(it.value().toString()).toString();
        const bool check = value == QLatin1String("1") && it.key().startsWith("cb");
        QCOMPARE(it.key() + '=' + shownText(*editor, it.key()),
                 it.key() + '=' + (check ? QStringLiteral("true") : value));
    }

    // Saved unchanged: the same values under the same keys, nothing else but
    // the number the input dialog keeps, and the template is the last used.
    QSignalSpy sent(editor.get(), SIGNAL(sendmb(QString)));
    BoxRecorder boxes;
    click(button(*editor, QDialogButtonBox::Ok));
    QVERIFY2(boxes.texts().isEmpty(), qPrintable(boxes.texts().join(' ')));
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().first().toString(), QStringLiteral("abc"));
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QSettings plain(home.templateFile(kind), QSettings::IniFormat);
    QCOMPARE(plain.value("General/mb").toString(), QStringLiteral("abc"));
    QCOMPARE(plain.value("其他/FW").toString(), QStringLiteral("其他文件"));
    plain.beginGroup(QStringLiteral("abc"));
    QStringList saved, expected {QStringLiteral("wh=23")};
    for (const QString &key : plain.allKeys())
        saved << key + '=' + plain.value(key).toString();
    for (const QVariant &key : fields) {
        // A check box stores its check state.
        const QString value = stored.value(key.toString()).toString();
        expected << key.toString() + '='
                + (value == QLatin1String("1") && key != "insertLine" ? QStringLiteral("2")
                                                                      : value);
    }
    saved.sort();
    expected.sort();
    QCOMPARE(saved, expected);
}

QVX_SETTINGS_TEST_MAIN(TestTemplateEditors)
#include "tst_templateeditors.moc"
