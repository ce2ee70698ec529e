#include "boxrecorder.h"
#include "templatestore.h"
#include "testhome.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

#include <climits>
#include <memory>

namespace {

const QString xiaxing = QString::fromLatin1(TemplateKind::DownGoing);

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTemplateStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void zoomByLength_data();
    void zoomByLength();
    void zoomCountsLineBreaks();
    void flags_data();
    void flags();
    void numbers_data();
    void numbers();
    void integers_data();
    void integers();
    void missingFileAndGroupReadUnset();
    void templateListLeavesOutGeneral();

    void savedTemplateReadsBackWithPlainSettings();
    void nameChecks_data();
    void nameChecks();
    void renameCarriesNumberingAndMovesLastUsed();
    void replacingAnotherTemplateAsksFirst_data();
    void replacingAnotherTemplateAsksFirst();
    void savingUnderItsOwnNameAsksNothing();
    void removeTemplate();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestTemplateStore::init()
{
    m_home = std::make_unique<TestHome>();
}

void TestTemplateStore::cleanup()
{
    m_home.reset();
}

void TestTemplateStore::zoomByLength_data()
{
    QTest::addColumn<int>("characters");
    QTest::addColumn<int>("zoom");

    const int table[][2]
        = {{0, 64},  {1, 64},  {9, 64},  {10, 60}, {11, 56}, {12, 52}, {13, 49}, {14, 46}, {15, 43},
           {16, 40}, {17, 37}, {18, 36}, {19, 35}, {20, 33}, {21, 32}, {25, 32}, {200, 32}};
    for (const auto &row : table)
        QTest::addRow("%d characters", row[0]) << row[0] << row[1];
}

void TestTemplateStore::zoomByLength()
{
    QFETCH(int, characters);
    QFETCH(int, zoom);

    QCOMPARE(TemplateStore::zoomForLength(characters), zoom);
    QCOMPARE(TemplateStore::zoomForMarkText(QString(characters, QChar(0x4e2d))), zoom);
}

void TestTemplateStore::zoomCountsLineBreaks()
{
    // Eleven characters, and with a line break twelve.
    QCOMPARE(TemplateStore::zoomForMarkText(QStringLiteral("中共某某市委某某市政府")), 56);
    QCOMPARE(TemplateStore::zoomForMarkText(QStringLiteral("中共某某市委\n某某市政府")), 52);
}

void TestTemplateStore::flags_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("flag");

    QTest::newRow("checked state 2") << QByteArray("2") << true;
    QTest::newRow("hand-edited 1") << QByteArray("1") << true;
    QTest::newRow("-1") << QByteArray("-1") << true;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("empty") << QByteArray("") << false;
    // Text reads as QVariant reads a boolean.
    QTest::newRow("true") << QByteArray("true") << true;
    QTest::newRow("False") << QByteArray("False") << false;
    QTest::newRow("other word") << QByteArray("bold") << true;
}

void TestTemplateStore::flags()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, flag);

    m_home->writeFile(xiaxing, "[abc]\nfBold=" + stored + "\nlFives=" + stored + "\n");
    QCOMPARE(TemplateStore::readFlag(xiaxing, QStringLiteral("abc"), TemplateKey::MarkBold), flag);
    QCOMPARE(TemplateStore::readFlag(xiaxing, QStringLiteral("abc"), TemplateKey::RuleStar), flag);
}

void TestTemplateStore::numbers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("raw");

    QTest::newRow("weight text 4.50") << QByteArray("4.50") << 4.5;
    QTest::newRow("weight text 1.25") << QByteArray("1.25") << 1.25;
    QTest::newRow("quoted") << QByteArray("\"0.75\"") << 0.75;
    QTest::newRow("zero") << QByteArray("0") << 0.0;
    QTest::newRow("not a number") << QByteArray("thick") << 0.0;
}

void TestTemplateStore::numbers()
{
    QFETCH(QByteArray, stored);
    QFETCH(double, raw);

    m_home->writeFile(xiaxing, "[abc]\nlSize=" + stored + "\n");
    const QString name = QStringLiteral("abc");
    QCOMPARE(TemplateStore::rawNumber(xiaxing, name, TemplateKey::RuleWeight), raw);
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, TemplateKey::RuleWeight, 9.0),
             raw == 0 ? 9.0 : raw);
}

void TestTemplateStore::integers_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("value");

    QTest::newRow("spin box text") << QByteArray("3") << 3;
    QTest::newRow("fraction") << QByteArray("57.9") << 57;
    QTest::newRow("negative fraction") << QByteArray("-3.7") << -3;
    QTest::newRow("huge") << QByteArray("1e300") << INT_MAX;
    QTest::newRow("huge negative") << QByteArray("-1e300") << INT_MIN;
    QTest::newRow("word") << QByteArray("three") << 0;
}

void TestTemplateStore::integers()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, value);

    m_home->writeFile(xiaxing, "[abc]\ninsertLine=" + stored + "\n");
    QCOMPARE(TemplateStore::rawInteger(xiaxing, QStringLiteral("abc"), TemplateKey::InsertedLines),
             value);
}

void TestTemplateStore::missingFileAndGroupReadUnset()
{
    const QString name = QStringLiteral("不存在");
    QVERIFY(TemplateStore::templateNames(xiaxing).isEmpty());
    QCOMPARE(TemplateStore::lastUsed(xiaxing), QString());
    QCOMPARE(TemplateStore::rawNumber(xiaxing, name, TemplateKey::MarkSize), 0.0);
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, TemplateKey::MarkSize, 57), 57.0);
    QCOMPARE(TemplateStore::readText(xiaxing, name, TemplateKey::MarkFont, QStringLiteral("宋体")),
             QStringLiteral("宋体"));
    QVERIFY(!TemplateStore::readFlag(xiaxing, name, TemplateKey::MarkBold));
    QVERIFY(!m_home->settingsDirectoryExists());

    m_home->writeFile(xiaxing, "[abc]\nfSize=60\n");
    QCOMPARE(TemplateStore::readNumber(xiaxing, name, TemplateKey::MarkSize, 57), 57.0);
    QCOMPARE(TemplateStore::readNumber(xiaxing, QStringLiteral("abc"), TemplateKey::MarkSize, 57),
             60.0);
}

void TestTemplateStore::templateListLeavesOutGeneral()
{
    {
        QSettings settings(m_home->templateFile(xiaxing), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/mb"), QStringLiteral("县政府文件"));
        settings.setValue(QStringLiteral("县政府文件/FW"), QStringLiteral("某某县人民政府文件"));
        settings.setValue(QStringLiteral("Office/FW"), QStringLiteral("Office"));
    }
    QStringList names = TemplateStore::templateNames(xiaxing);
    names.sort();
    QCOMPARE(names, QStringList({QStringLiteral("Office"), QStringLiteral("县政府文件")}));
    QCOMPARE(TemplateStore::lastUsed(xiaxing), QStringLiteral("县政府文件"));
    QVERIFY(TemplateStore::templateNames(QString::fromLatin1(TemplateKind::Letter)).isEmpty());
}

void TestTemplateStore::savedTemplateReadsBackWithPlainSettings()
{
    BoxRecorder boxes;
    const QVariantMap values {{TemplateKey::MarkText, QStringLiteral("某某县人民政府文件")},
                              {TemplateKey::MarkSize, 57},
                              {TemplateKey::BoxWidth, 14.6},
                              {TemplateKey::InsertedLines, QStringLiteral("3")}};
    QVERIFY(TemplateStore::save(xiaxing, QString(), QStringLiteral("县政府文件"),
                                QStringLiteral("某某县人民政府文件"), values));
    QVERIFY(boxes.boxes().isEmpty());

    const QSettings plain(m_home->templateFile(xiaxing), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("县政府文件/FW")).toString(),
             QStringLiteral("某某县人民政府文件"));
    QCOMPARE(plain.value(QStringLiteral("县政府文件/fSize")).toInt(), 57);
    QCOMPARE(plain.value(QStringLiteral("县政府文件/tWidth")).toDouble(), 14.6);
    QCOMPARE(plain.value(QStringLiteral("县政府文件/insertLine")).toString(), QStringLiteral("3"));
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("县政府文件"));
    QCOMPARE(plain.childGroups().size(), 2);
}

void TestTemplateStore::nameChecks_data()
{
    QTest::addColumn<bool>("withLastUsed");
    QTest::addColumn<QString>("oldName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("markText");
    QTest::addColumn<QString>("message");

    const QString existing = QStringLiteral("县政府文件");
    const QString mark = QStringLiteral("某某县人民政府文件");
    const QString noMark = QStringLiteral("发文单位标识文字不能为空!");
    const QString noName = QStringLiteral("模板名称不能为空!");
    const QString taken = QStringLiteral("模板名称已存在，不能重复!");
    const QString separator = QStringLiteral("模板名称不能包含“/”或“\\”字符!");
    const QString reserved = QStringLiteral("模板名称不能为“General”!");

    QTest::newRow("empty mark text first") << true << QString() << QString() << QString() << noMark;
    QTest::newRow("empty name") << true << QString() << QString() << mark << noName;
    QTest::newRow("new under existing name") << true << QString() << existing << mark << taken;
    QTest::newRow("new General with mb") << true << QString() << "General" << mark << taken;
    QTest::newRow("new General without mb") << false << QString() << "General" << mark << reserved;
    QTest::newRow("renamed to General") << true << existing << "General" << mark << reserved;
    QTest::newRow("slash") << true << QString() << "县政府/文件" << mark << separator;
    QTest::newRow("backslash") << true << existing << "县政府\\文件" << mark << separator;
    QTest::newRow("new free name") << true << QString() << "区政府文件" << mark << QString();
    QTest::newRow("new general lower case") << true << QString() << "general" << mark << QString();
}

void TestTemplateStore::nameChecks()
{
    QFETCH(bool, withLastUsed);
    QFETCH(QString, oldName);
    QFETCH(QString, name);
    QFETCH(QString, markText);
    QFETCH(QString, message);

    {
        QSettings settings(m_home->templateFile(xiaxing), QSettings::IniFormat);
        settings.setValue(QStringLiteral("县政府文件/FW"), QStringLiteral("某某县人民政府文件"));
        if (withLastUsed)
            settings.setValue(QStringLiteral("General/mb"), QStringLiteral("县政府文件"));
    }
    const QByteArray before = fileBytes(m_home->templateFile(xiaxing));

    BoxRecorder boxes;
    const bool saved = TemplateStore::save(xiaxing, oldName, name, markText,
                                           {{TemplateKey::MarkText, markText}});
    QCOMPARE(saved, message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(boxes.boxes().isEmpty());
        QVERIFY(TemplateStore::templateNames(xiaxing).contains(name));
        QCOMPARE(TemplateStore::lastUsed(xiaxing), name);
        return;
    }
    QCOMPARE(boxes.texts(), QStringList(message));
    const RecordedBox &box = boxes.boxes().first();
    QCOMPARE(box.title, QStringLiteral("设置出错"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QStringList(QStringLiteral("确 定")));
    QVERIFY(!box.hasParent);
    QCOMPARE(box.modality, Qt::ApplicationModal);
    QCOMPARE(fileBytes(m_home->templateFile(xiaxing)), before);
}

void TestTemplateStore::renameCarriesNumberingAndMovesLastUsed()
{
    const QString jiyao = QString::fromLatin1(TemplateKind::Minutes);
    {
        QSettings settings(m_home->templateFile(jiyao), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/mb"), QStringLiteral("办公会纪要"));
        settings.setValue(QStringLiteral("办公会纪要/FW"),
                          QStringLiteral("某某县人民政府会议纪要"));
        settings.setValue(QStringLiteral("办公会纪要/fSize"), 57);
        settings.setValue(QStringLiteral("办公会纪要/fwzh"), QStringLiteral("（2024）第"));
        settings.setValue(QStringLiteral("办公会纪要/wh"), 12);
        settings.setValue(QStringLiteral("办公会纪要/fwzh_r"), QStringLiteral("期"));
        settings.setValue(QStringLiteral("其他纪要/FW"), QStringLiteral("其他"));
    }

    BoxRecorder boxes;
    QVERIFY(
        TemplateStore::save(jiyao, QStringLiteral("办公会纪要"), QStringLiteral("常务会纪要"),
                            QStringLiteral("某某县人民政府常务会议纪要"),
                            {{TemplateKey::MarkText, QStringLiteral("某某县人民政府常务会议纪要")},
                             {TemplateKey::MarkSize, 60}}));
    QVERIFY(boxes.boxes().isEmpty());

    const QSettings plain(m_home->templateFile(jiyao), QSettings::IniFormat);
    QStringList groups = plain.childGroups();
    groups.sort();
    QCOMPARE(groups,
             QStringList({QStringLiteral("General"), QStringLiteral("其他纪要"),
                          QStringLiteral("常务会纪要")}));
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("常务会纪要"));
    QCOMPARE(plain.value(QStringLiteral("常务会纪要/FW")).toString(),
             QStringLiteral("某某县人民政府常务会议纪要"));
    QCOMPARE(plain.value(QStringLiteral("常务会纪要/fSize")).toInt(), 60);
    // The input dialog's numbering moves with the template.
    QCOMPARE(plain.value(QStringLiteral("常务会纪要/fwzh")).toString(),
             QStringLiteral("（2024）第"));
    QCOMPARE(plain.value(QStringLiteral("常务会纪要/wh")).toInt(), 12);
    QCOMPARE(plain.value(QStringLiteral("常务会纪要/fwzh_r")).toString(), QStringLiteral("期"));
}

void TestTemplateStore::replacingAnotherTemplateAsksFirst_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("cancel") << false;
    QTest::newRow("confirm") << true;
}

void TestTemplateStore::replacingAnotherTemplateAsksFirst()
{
    QFETCH(bool, confirm);

    {
        QSettings settings(m_home->templateFile(xiaxing), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/mb"), QStringLiteral("甲"));
        settings.setValue(QStringLiteral("甲/FW"), QStringLiteral("甲单位文件"));
        settings.setValue(QStringLiteral("甲/wh"), 7);
        settings.setValue(QStringLiteral("乙/FW"), QStringLiteral("乙单位文件"));
        settings.setValue(QStringLiteral("乙/tTop"), 7.15);
        settings.setValue(QStringLiteral("乙/wh"), 99);
    }
    const QByteArray before = fileBytes(m_home->templateFile(xiaxing));

    BoxRecorder boxes;
    boxes.answerNext(confirm ? QMessageBox::Ok : QMessageBox::Cancel);
    const bool saved = TemplateStore::save(xiaxing, QStringLiteral("甲"), QStringLiteral("乙"),
                                           QStringLiteral("甲单位文件"),
                                           {{TemplateKey::MarkText, QStringLiteral("甲单位文件")}});
    QCOMPARE(saved, confirm);

    QCOMPARE(boxes.boxes().size(), 1);
    const RecordedBox &box = boxes.boxes().first();
    QCOMPARE(box.title, QStringLiteral("警告"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QVERIFY2(box.text.contains(QStringLiteral("“乙”")), qPrintable(box.text));
    QCOMPARE(box.buttons, QStringList({QStringLiteral("取 消"), QStringLiteral("确 定")}));
    QVERIFY(!box.hasParent);
    QCOMPARE(box.modality, Qt::ApplicationModal);

    if (!confirm) {
        QCOMPARE(fileBytes(m_home->templateFile(xiaxing)), before);
        return;
    }
    const QSettings plain(m_home->templateFile(xiaxing), QSettings::IniFormat);
    QCOMPARE(TemplateStore::templateNames(xiaxing), QStringList(QStringLiteral("乙")));
    QCOMPARE(plain.value(QStringLiteral("乙/FW")).toString(), QStringLiteral("甲单位文件"));
    // Nothing of the replaced template is left; the saved one keeps its number.
    QVERIFY(!plain.contains(QStringLiteral("乙/tTop")));
    QCOMPARE(plain.value(QStringLiteral("乙/wh")).toInt(), 7);
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("乙"));
}

void TestTemplateStore::savingUnderItsOwnNameAsksNothing()
{
    {
        QSettings settings(m_home->templateFile(xiaxing), QSettings::IniFormat);
        settings.setValue(QStringLiteral("甲/FW"), QStringLiteral("甲单位文件"));
        settings.setValue(QStringLiteral("甲/fSize"), 57);
        settings.setValue(QStringLiteral("乙/FW"), QStringLiteral("乙单位文件"));
    }
    BoxRecorder boxes;
    QVERIFY(TemplateStore::save(xiaxing, QStringLiteral("甲"), QStringLiteral("甲"),
                                QStringLiteral("甲单位新文件"),
                                {{TemplateKey::MarkText, QStringLiteral("甲单位新文件")}}));
    QVERIFY(boxes.boxes().isEmpty());
    const QSettings plain(m_home->templateFile(xiaxing), QSettings::IniFormat);
    QCOMPARE(plain.value(QStringLiteral("甲/FW")).toString(), QStringLiteral("甲单位新文件"));
    QCOMPARE(plain.value(QStringLiteral("乙/FW")).toString(), QStringLiteral("乙单位文件"));
    QCOMPARE(plain.value(QStringLiteral("General/mb")).toString(), QStringLiteral("甲"));
}

void TestTemplateStore::removeTemplate()
{
    {
        QSettings settings(m_home->templateFile(xiaxing), QSettings::IniFormat);
        settings.setValue(QStringLiteral("General/mb"), QStringLiteral("甲"));
        settings.setValue(QStringLiteral("甲/FW"), QStringLiteral("甲单位文件"));
        settings.setValue(QStringLiteral("乙/FW"), QStringLiteral("乙单位文件"));
    }
    // An empty name must not empty the file.
    QVERIFY(!TemplateStore::removeTemplate(xiaxing, QString()));
    QCOMPARE(TemplateStore::templateNames(xiaxing).size(), 2);

    QVERIFY(TemplateStore::removeTemplate(xiaxing, QStringLiteral("甲")));
    QCOMPARE(TemplateStore::templateNames(xiaxing), QStringList(QStringLiteral("乙")));
    QCOMPARE(TemplateStore::lastUsed(xiaxing), QStringLiteral("甲"));
}

QVX_SETTINGS_TEST_MAIN(TestTemplateStore)
#include "tst_templatestore.moc"
