#include "uidriver.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
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

void verifyLaidOut(QWidget *window, const QSize &formSize)
{
    QVERIFY2(window->size() == formSize,
             qPrintable(QStringLiteral("shown at %1 x %2, the layout needs %3 x %4")
                            .arg(window->width())
                            .arg(window->height())
                            .arg(window->minimumSizeHint().width())
                            .arg(window->minimumSizeHint().height())));
    const QRect inside = window->rect();
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisibleTo(window) || w->isWindow())
            continue;
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<QAbstractButton *>(w);
        const QString what = QStringLiteral("%1 \"%2\"")
                                 .arg(w->objectName(),
                                      label        ? label->text()
                                          : button ? button->text()
                                                   : QString());
        const QRect geometry(w->mapTo(window, QPoint(0, 0)), w->size());
        QVERIFY2(inside.contains(geometry), qPrintable(what + QStringLiteral(" lies outside")));
        // The editor inside an editable combo box or a spin box is sized by it.
        const bool inner = qobject_cast<QComboBox *>(w->parentWidget())
            || qobject_cast<QAbstractSpinBox *>(w->parentWidget());
        if (!inner
            && (label || button || qobject_cast<QAbstractSpinBox *>(w)
                || qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w))) {
            const QSize needed = w->minimumSizeHint();
            QVERIFY2(w->width() >= needed.width() && w->height() >= needed.height(),
                     qPrintable(what
                                + QStringLiteral(" is %1 x %2 but needs %3 x %4")
                                      .arg(w->width())
                                      .arg(w->height())
                                      .arg(needed.width())
                                      .arg(needed.height())));
        }
    }

    const QString shots = qEnvironmentVariable("QVX_SHOTS_DIR");
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        QVERIFY(window->grab().save(shots + QLatin1Char('/')
                                    + QLatin1String(QTest::currentDataTag())
                                    + QStringLiteral(".png")));
    }
}
