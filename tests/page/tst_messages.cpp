#include "messages/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// The message boxes as they come up, closed from outside: by Enter, or by
// their first button; and Qt's own texts in Chinese.
class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data();
    void boxes();
    void qtTextsBecomeChinese();
};

void TestMessages::boxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<bool>("result");

    QTest::newRow("error") << 0 << "错误" << int(QMessageBox::NoIcon) << false << false;
    QTest::newRow("information") << 1 << "提示" << int(QMessageBox::Information) << false << false;
    QTest::newRow("confirm, OK") << 2 << "警告" << int(QMessageBox::Warning) << false << true;
    // Enter never confirms a removal.
    QTest::newRow("confirm, Enter") << 2 << "警告" << int(QMessageBox::Warning) << true << false;
}

void TestMessages::boxes()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(bool, enter);
    QFETCH(bool, result);

    const QString text = QStringLiteral("请确认是否已打开文档!");
    QStringList seen;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen << box->windowTitle() << box->text() << QString::number(box->icon())
             << QString::number(box->buttons().size());
        if (enter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->buttons().first()->click();
    });
    closer.start();
    bool chosen = false;
    if (kind == 0)
        showError(text);
    else if (kind == 1)
        showInformation(title, text);
    else
        chosen = askToConfirm(text);

    // The call returns only once the box has been closed.
    QCOMPARE(seen, QStringList({title, text, QString::number(icon), kind == 2 ? "2" : "1"}));
    QCOMPARE(chosen, result);
}

// The program's resource "translation" holds Qt's Chinese catalogue and every
// catalogue it loads: loading fails when one that qt_zh_CN.qm names is missing.
void TestMessages::qtTextsBecomeChinese()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/translations/qt_zh_CN.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
