#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

// The program's resource "translation" holds Qt's Chinese catalogue and every
// catalogue it loads.
class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsCompiledIn_data();
    void catalogueIsCompiledIn();
    void qtTextsBecomeChinese();
};

void TestTranslation::catalogueIsCompiledIn_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"qt_zh_CN", "qtbase_zh_CN", "qtscript_zh_CN", "qtmultimedia_zh_CN",
                             "qtxmlpatterns_zh_CN"}) {
        QTest::newRow(name) << QStringLiteral(":/translations/%1.qm").arg(QLatin1String(name));
    }
}

void TestTranslation::catalogueIsCompiledIn()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    // Every .qm file starts with the same magic number.
    QCOMPARE(file.read(4), QByteArray::fromHex("3cb86418"));
}

void TestTranslation::qtTextsBecomeChinese()
{
    QTranslator translator;
    // Loading fails when a catalogue that qt_zh_CN.qm names is missing.
    QVERIFY(translator.load(QStringLiteral(":/translations/qt_zh_CN.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));

    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
