#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

// The program's resource "translation" holds Qt's Chinese catalogue and every
// catalogue it loads: loading fails when one that qt_zh_CN.qm names is missing.
class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void qtTextsBecomeChinese()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/qt_zh_CN.qm")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
