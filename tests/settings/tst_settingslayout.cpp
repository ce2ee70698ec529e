#include "hongtou_window.h"
#include "lianhe_window.h"
#include "option_window.h"
#include "templatestore.h"
#include "testhome.h"
#include "uidriver.h"
#include "xinhan_window.h"

#include <QSettings>
#include <QtTest>

#include <memory>

// The dialogs at the size of their forms: nothing is cut off.
class TestSettingsLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogs_data();
    void dialogs();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestSettingsLayout::initTestCase()
{
    m_home = std::make_unique<TestHome>();
    QSettings settings(m_home->settingsFile(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("General/YF"), QStringLiteral("中共某某县委办公室"));
    settings.setValue(QStringLiteral("General/FW"), QStringLiteral("中共某某县委员会"));
    settings.setValue(QStringLiteral("中共某某县委办公室/FW"), QStringLiteral("中共某某县委员会"));
    settings.setValue(QStringLiteral("某某县人民政府办公室/FW"), QStringLiteral("某某县人民政府"));
}

void TestSettingsLayout::dialogs_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QSize>("formSize");

    QTest::newRow("option_window") << 0 << QSize(908, 401);
    QTest::newRow("hongtou_window") << 1 << QSize(600, 610);
    QTest::newRow("lianhe_window") << 2 << QSize(600, 690);
    QTest::newRow("xinhan_window") << 3 << QSize(600, 580);
}

void TestSettingsLayout::dialogs()
{
    QFETCH(int, which);
    QFETCH(QSize, formSize);

    std::unique_ptr<QDialog> dialog;
    switch (which) {
    case 0:
        dialog = std::make_unique<option_window>();
        break;
    case 1: {
        auto editor = std::make_unique<hongtou_window>();
        editor->fromA(QString::fromLatin1(TemplateKind::DownGoing), QString());
        dialog = std::move(editor);
        break;
    }
    case 2: {
        auto editor = std::make_unique<lianhe_window>();
        editor->fromA(QString::fromLatin1(TemplateKind::JointIssue), QString());
        dialog = std::move(editor);
        break;
    }
    default: {
        auto editor = std::make_unique<xinhan_window>();
        editor->fromA(QString::fromLatin1(TemplateKind::Letter), QString());
        dialog = std::move(editor);
        break;
    }
    }
    QCOMPARE(dialog->size(), formSize);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    verifyLaidOut(dialog.get(), formSize);
}

QVX_SETTINGS_TEST_MAIN(TestSettingsLayout)
#include "tst_settingslayout.moc"
