#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>

struct xcb_connection_t;
class QWidget;

namespace libreoffice {

// The keyboard focus between our Qt widgets and the office's window inside
// the host widget (WriterWindow). Qt does not move the X focus between
// widgets of one window: once the office's window has it, a Qt widget the
// user picks (clicks, tabs to) would never see a key, so the X focus is
// taken back for it. The other way, the writer gets the X focus when its
// host widget gets Qt's focus on purpose (focusWriter, a click into the
// document, a return to our window with the writer focused), a moment later
// so that Qt is done with its own focus handling first. Nothing is taken
// from other programs' windows.
class WriterFocus : public QObject
{
    Q_OBJECT
public:
    struct Window
    {
        xcb_connection_t *xcb = nullptr;
        // Our window inside the host window.
        std::uint32_t window = 0;
        std::uint32_t hostWindow = 0;
        // The X window of the shown view; 0 when there is none, or the
        // office has ended.
        std::function<std::uint32_t()> shownView;
        // Reads the X events waiting on the connection.
        std::function<void()> readEvents;
    };

    // Watches the host widget of hostWindow and its window, if it is ours.
    WriterFocus(Window window, QObject *parent);

    void focusWriter();
    // Our window itself got the X focus (from a window container or the
    // window manager): it goes on to the shown view.
    void passOn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply();
    void onQtFocusChanged(QWidget *old, QWidget *now);
    void takeBackFor(QWidget *widget);
    bool isWriterWidget(const QWidget *widget) const;
    bool focusWithin(std::uint32_t ancestor);

    Window m_window;
    QPointer<QWidget> m_host;
    QPointer<QWidget> m_topLevel;
};

} // namespace libreoffice
