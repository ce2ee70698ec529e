#include "page/messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>

// The boxes as they really run: a timer finds the box that is up, notes how it
// looks and answers it with a click on the button of the given text, or with
// Enter when no text is given.
class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data();
    void boxes();
};

void TestMessages::boxes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("result");

    const QString ok = QStringLiteral("确 定");
    const QString cancel = QStringLiteral("取 消");
    QTest::newRow("error") << 0 << QStringLiteral("错误") << int(QMessageBox::NoIcon)
                           << QStringList {ok} << ok << false;
    QTest::newRow("error with title") << 1 << QStringLiteral("设置出错") << int(QMessageBox::NoIcon)
                                      << QStringList {ok} << ok << false;
    QTest::newRow("information") << 2 << QStringLiteral("提示") << int(QMessageBox::Information)
                                 << QStringList {ok} << ok << false;
    QTest::newRow("confirm, OK") << 3 << QStringLiteral("警告") << int(QMessageBox::Warning)
                                 << QStringList {cancel, ok} << ok << true;
    QTest::newRow("confirm, cancel") << 3 << QStringLiteral("警告") << int(QMessageBox::Warning)
                                     << QStringList {cancel, ok} << cancel << false;
    QTest::newRow("confirm, Enter") << 3 << QStringLiteral("警告") << int(QMessageBox::Warning)
                                    << QStringList {cancel, ok} << QString() << false;
}

void TestMessages::boxes()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, answer);
    QFETCH(bool, result);

    const QString text = QStringLiteral("请确认是否已打开文档!");
    QMessageBox *seen = nullptr;
    QString seenTitle;
    QString seenText;
    QStringList seenButtons;
    int seenIcon = -1;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == seen)
            return;
        seen = box;
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        QVERIFY(!box->parentWidget());
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        for (QAbstractButton *button : box->buttons())
            seenButtons << button->text();
        if (answer.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer)
                button->click();
        }
    });
    timer.start();

    bool chosen = false;
    switch (kind) {
    case 0:
        showError(text);
        break;
    case 1:
        showError(text, title);
        break;
    case 2:
        showInformation(title, text);
        break;
    default:
        chosen = askToConfirm(text);
        break;
    }

    // Each call returns only once its box has been answered.
    QVERIFY(seen);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenText, text);
    QCOMPARE(seenIcon, icon);
    seenButtons.sort();
    QCOMPARE(seenButtons, buttons);
    QCOMPARE(chosen, result);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
