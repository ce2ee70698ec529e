#include "uidriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n'))
            QTest::keyClick(widget, Qt::Key_Return);
        else if (ch.unicode() < 0x80)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void replaceText(QWidget *widget, const QString &text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(widget, Qt::Key_Delete);
    else
        typeText(widget, text);
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
    if (field == QLatin1String("windowTitle"))
        return window.windowTitle();
    const QWidget *w = window.findChild<QWidget *>(field);
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->text();
    if (auto *edit = qobject_cast<const QTextEdit *>(w))
        return edit->toPlainText();
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentText();
    if (auto *spin = qobject_cast<const QDoubleSpinBox *>(w))
        return QVariant(spin->value()).toString();
    if (auto *spin = qobject_cast<const QSpinBox *>(w))
        return QString::number(spin->value());
    if (auto *check = qobject_cast<const QCheckBox *>(w))
        return QVariant(check->isChecked()).toString();
    return QStringLiteral("(no such field)");
}
