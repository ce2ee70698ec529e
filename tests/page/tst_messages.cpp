#include "modalcloser.h"
#include "page/messages.h"

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
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("icon");

    QTest::newRow("error") << 0 << QStringLiteral("错误") << QStringLiteral("请确认是否已打开文档!")
                           << int(QMessageBox::Critical);
    QTest::newRow("error with title")
        << 1 << QStringLiteral("设置出错") << QStringLiteral("单位名称不能为空!")
        << int(QMessageBox::Critical);
    QTest::newRow("information") << 2 << QStringLiteral("提示") << QStringLiteral("打印完成。")
                                 << int(QMessageBox::Information);
}

void TestMessages::boxes()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(int, icon);

    ModalCloser closer;
    switch (kind) {
    case 0:
        showError(text);
        break;
    case 1:
        showError(text, title);
        break;
    default:
        showInformation(title, text);
        break;
    }

    // The call returns only once the box has been closed.
    QCOMPARE(closer.seen().size(), size_t(1));
    const SeenBox &box = closer.seen().front();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(int(box.icon), icon);
    QCOMPARE(box.buttons, QStringList {QStringLiteral("确 定")});
    QVERIFY(!box.hasParent);
    QVERIFY(box.modal);
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"
