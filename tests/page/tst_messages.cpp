#include "messages/messages.h"
#include "modalcloser.h"

#include <QtTest>

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
    ModalCloser closer;
    closer.answerWithEnter(enter);
    bool chosen = false;
    switch (kind) {
    case 0:
        showError(text);
        break;
    case 1:
        showInformation(title, text);
        break;
    default:
        chosen = askToConfirm(text);
        break;
    }

    // The call returns only once the box has been closed.
    QCOMPARE(closer.seen().size(), size_t(1));
    const SeenBox &box = closer.seen().front();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(int(box.icon), icon);
    const QStringList buttons = {"确 定", "取 消"};
    QCOMPARE(box.buttons, buttons.mid(0, kind == 2 ? 2 : 1));
    QVERIFY(!box.hasParent);
    QVERIFY(box.modal);
    QCOMPARE(chosen, result);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
