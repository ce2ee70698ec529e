#include "uidriver.h"

#include <QAbstractButton>
#include <QSettings>
#include <QtTest>

void replaceText(QWidget *widget, const QString &text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(widget, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n'))
            QTest::keyClick(widget, Qt::Key_Return);
        else if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else // outside ASCII: a press of an unknown key carrying the character
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QVariantMap pairs(const QString &text)
{
    QVariantMap map;
    for (const QString &pair : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        map.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    return map;
}

QString shownText(const QWidget &window, const QString &field)
{
    // A spin box's "value", not its "text" with prefix and suffix.
    if (const QWidget *w = window.findChild<QWidget *>(field)) {
        for (const char *property : {"plainText", "currentText", "value", "checked", "text"}) {
            const QVariant value = w->property(property);
            if (value.isValid())
                return value.toString();
        }
    }
    return QStringLiteral("(no such field)");
}

void typeInto(const QWidget &window, const QString &typed)
{
    for (const QString &pair : typed.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        replaceText(window.findChild<QWidget *>(pair.section('=', 0, 0)), pair.section('=', 1));
}

void compareShown(const QWidget &window, const QString &shown)
{
    const QVariantMap fields = pairs(shown);
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        QCOMPARE(it.key() + '=' + shownText(window, it.key()),
                 it.key() + '=' + it.value().toString());
}

void compareKeys(const QString &file, const QString &keys)
{
    QSettings plain(file, QSettings::IniFormat);
    const QVariantMap expected = pairs(keys);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        plain.beginGroup(it.key().section('/', 0, 0));
        const QString key = it.key().section('/', 1);
        const QString value = key == QLatin1String("#") ? QString::number(plain.allKeys().size())
                                                        : plain.value(key).toString();
        plain.endGroup();
        QCOMPARE(it.key() + '=' + value, it.key() + '=' + it.value().toString());
    }
}
