#include "settingsmessagebox.h"
#include "testhome.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QtTest>

// The boxes as they really run: a timer finds the box that is up, notes how it
// looks and clicks the button with the given text.
class TestSettingsMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void realBoxes_data();
    void realBoxes();
};

void TestSettingsMessageBox::realBoxes_data()
{
    QTest::addColumn<bool>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("result");

    QTest::newRow("error") << false << QStringLiteral("确 定") << false;
    QTest::newRow("question, OK") << true << QStringLiteral("确 定") << true;
    QTest::newRow("question, cancel") << true << QStringLiteral("取 消") << false;
}

void TestSettingsMessageBox::realBoxes()
{
    QFETCH(bool, question);
    QFETCH(QString, answer);
    QFETCH(bool, result);

    QString title;
    QString text;
    QStringList buttons;
    bool parentless = false;
    bool modal = false;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        title = box->windowTitle();
        text = box->text();
        parentless = box->parentWidget() == nullptr;
        modal = box->isModal();
        for (QAbstractButton *button : box->buttons()) {
            buttons << button->text();
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer) {
                button->click();
                break;
            }
        }
    });
    timer.start();

    if (question) {
        QCOMPARE(SettingsMessageBox::confirm(QStringLiteral("确定删除此印发单位设置吗？")), result);
        QCOMPARE(title, QStringLiteral("警告"));
    } else {
        SettingsMessageBox::showError(QStringLiteral("印发单位文字不能小于5字!"));
        QCOMPARE(title, QStringLiteral("设置出错"));
    }
    buttons.sort();
    QCOMPARE(buttons,
             question ? QStringList({QStringLiteral("取 消"), QStringLiteral("确 定")})
                      : QStringList(QStringLiteral("确 定")));
    QVERIFY(!text.isEmpty());
    QVERIFY(parentless);
    QVERIFY(modal);
}

QVX_SETTINGS_TEST_MAIN(TestSettingsMessageBox)
#include "tst_settingsmessagebox.moc"
