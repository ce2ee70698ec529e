#include "messages/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// The message boxes, closed by Enter or their first button; Qt's texts in Chinese.
class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data()
    {
        QTest::addColumn<int>("kind"); // error, information, confirmation
        QTest::addColumn<bool>("enter");
        QTest::addColumn<bool>("result");
        QTest::newRow("error") << 0 << false << false;
        QTest::newRow("information") << 1 << false << false;
        QTest::newRow("confirm, OK") << 2 << false << true;
        QTest::newRow("confirm, Enter") << 2 << true << false; // never confirms a removal
    }

    // The call returns only once the box has been closed.
    void boxes()
    {
        QFETCH(int, kind);
        QFETCH(bool, enter);
        QFETCH(bool, result);
        const QString title = QStringList {"错误", "提示", "警告"}.at(kind);
        const int icons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Warning};
        const QString text = QStringLiteral("请确认是否已打开文档!");
        QStringList seen;
        QTimer closer;
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
        closer.start(10);
        bool chosen = false;
        if (kind == 0)
            showError(text);
        else if (kind == 1)
            showInformation(title, text);
        else
            chosen = askToConfirm(text);
        QCOMPARE(seen,
                 QStringList({title, text, QString::number(icons[kind]), kind == 2 ? "2" : "1"}));
        QCOMPARE(chosen, result);
    }

    // Loading fails when a catalogue that qt_zh_CN.qm names is missing.
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

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
