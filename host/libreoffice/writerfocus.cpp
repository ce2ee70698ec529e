#include "writerfocus.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>

namespace libreoffice {

namespace {

// Delay between Qt's focus change and the X focus change: Qt must be done
// with its own focus handling first, or it takes the X focus back.
const int xFocusDelayMs = 30;

} // namespace

WriterFocus::WriterFocus(Window window, QObject *parent)
    : QObject(parent)
    , m_window(std::move(window))
{
    m_host = QWidget::find(m_window.hostWindow);
    if (!m_host)
        return;
    m_host->installEventFilter(this);
    m_topLevel = m_host->window();
    m_topLevel->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &WriterFocus::onQtFocusChanged);
    qApp->installEventFilter(this);
}

void WriterFocus::focusWriter()
{
    if (m_host)
        m_host->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(xFocusDelayMs, this, &WriterFocus::apply);
}

void WriterFocus::passOn()
{
    if (const std::uint32_t view = m_window.shownView()) {
        xcb_set_input_focus(m_window.xcb, XCB_INPUT_FOCUS_PARENT, view, XCB_CURRENT_TIME);
        xcb_flush(m_window.xcb);
    }
}

bool WriterFocus::isWriterWidget(const QWidget *widget) const
{
    return m_host && (widget == m_host || m_host->isAncestorOf(widget));
}

void WriterFocus::onQtFocusChanged(QWidget *, QWidget *now)
{
    if (now && !isWriterWidget(now))
        takeBackFor(now);
}

void WriterFocus::takeBackFor(QWidget *widget)
{
    if (!focusWithin(m_window.window))
        return;
    xcb_set_input_focus(m_window.xcb, XCB_INPUT_FOCUS_PARENT,
                        static_cast<std::uint32_t>(widget->window()->winId()), XCB_CURRENT_TIME);
    xcb_flush(m_window.xcb);
    QTimer::singleShot(0, this, [this] { m_window.readEvents(); });
}

bool WriterFocus::focusWithin(std::uint32_t ancestor)
{
    xcb_connection_t *xcb = m_window.xcb;
    xcb_get_input_focus_reply_t *focus
        = xcb_get_input_focus_reply(xcb, xcb_get_input_focus(xcb), nullptr);
    if (!focus)
        return false;
    std::uint32_t window = focus->focus;
    std::free(focus);
    // Events read while waiting for replies are handled once done.
    QTimer::singleShot(0, this, [this] { m_window.readEvents(); });
    for (int depth = 0; window > 1 && depth < 64; ++depth) {
        if (window == ancestor)
            return true;
        xcb_query_tree_reply_t *tree
            = xcb_query_tree_reply(xcb, xcb_query_tree(xcb, window), nullptr);
        if (!tree)
            return false;
        const std::uint32_t parent = tree->parent;
        const std::uint32_t root = tree->root;
        std::free(tree);
        if (parent == root || parent == 0)
            return false;
        window = parent;
    }
    return false;
}

void WriterFocus::apply()
{
    const std::uint32_t view = m_window.shownView();
    if (!view)
        return;
    // Meanwhile the user may have picked another Qt widget.
    if (m_host && !isWriterWidget(QApplication::focusWidget()))
        return;
    // Only within our own window: Qt may count it inactive while the X focus
    // is inside the office's window, a descendant of it.
    const bool ours = (m_topLevel && m_topLevel->isActiveWindow())
        || focusWithin(m_topLevel ? static_cast<std::uint32_t>(m_topLevel->winId())
                                  : m_window.hostWindow);
    if (!ours)
        return;
    xcb_set_input_focus(m_window.xcb, XCB_INPUT_FOCUS_PARENT, view, XCB_CURRENT_TIME);
    xcb_flush(m_window.xcb);
    m_window.readEvents();
}

bool WriterFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        // A click on a Qt widget that already had Qt's focus changes no focus
        // in Qt, but the keys must go there again.
        auto *widget = static_cast<QWidget *>(watched);
        if (!isWriterWidget(widget))
            takeBackFor(widget);
    } else if (watched == m_topLevel && event->type() == QEvent::WindowActivate && m_host
               && m_host->hasFocus()) {
        // Back in our window with the writer as the focus widget.
        QTimer::singleShot(xFocusDelayMs, this, &WriterFocus::apply);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace libreoffice
