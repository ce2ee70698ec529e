#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>

#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct xcb_connection_t;
class QSocketNotifier;
class QTimer;
class QWidget;

namespace libreoffice {

class OfficeConnection;
class QtThreadQueue;
class WriterFocus;
struct WriterRequest;

// The writer inside the host's window. We make an X window of our own inside
// the host window and let the office create its windows inside that one: our
// window is what the host reports and wraps in a window container, so when
// Qt reparents and resizes it, the office's window (which follows its parent's
// size by itself) comes along.
//
// The office treats the nearest ancestor with WM_HINTS as its "shell" and
// pulls the keyboard focus into itself whenever that window gets focus. Our
// window carries WM_HINTS and the office lives in an inner window below it,
// so that ancestor is ours (it never takes focus itself) and not the host's
// top-level window; otherwise every activation of the host window would
// send the keys to the writer, whatever Qt widget has the focus. The focus
// between the writer and our Qt widgets is WriterFocus's.
//
// Each document added through the object model gets a view of its own (a
// system child window of the office with a frame in it); one view is shown.
// When the user closes the shown document inside the writer the office
// disposes its frame: another view is shown, or the start center so that the
// user can open a document again.
//
// Documents stay in our window: every view's commands pass a
// DispatchInterceptor, so a new document, a recent document or a dropped
// file becomes a view here; choosing a file and quitting go to the host.
class WriterWindow : public QObject
{
    Q_OBJECT
public:
    struct Handlers
    {
        // A view came, went or was shown, or a document's title or
        // modified state changed.
        std::function<void()> documentsChanged;
        // File > Open (the host asks which file) and File > Exit.
        std::function<void()> chooseFileRequested;
        std::function<void()> quitRequested;
        // File > New made a document, now shown.
        std::function<void()> documentMade;
    };

    WriterWindow(OfficeConnection *connection, std::uint64_t hostWindow, const QSize &size,
                 QObject *parent = nullptr);
    ~WriterWindow() override;

    // Makes our window inside the host window; false without an X display.
    bool create();
    std::uint64_t windowId() const { return m_window; }

    // The text document of the shown view; null when it shows none.
    css::uno::Reference<css::frame::XModel> shownDocument();
    // A new Writer document, shown: an empty one, or the file of an encoded
    // file URL.
    css::uno::Reference<css::frame::XModel> addDocument(const char *url
                                                        = "private:factory/swriter");
    // Shows a document made elsewhere (a recovered one) in a new view.
    css::uno::Reference<css::frame::XModel>
    addModel(const css::uno::Reference<css::frame::XModel> &model);
    // Closes a document; its view goes and another one is shown.
    void closeDocument(const css::uno::Reference<css::frame::XModel> &model);
    // Shows the view of a document.
    void showDocument(const css::uno::Reference<css::frame::XModel> &model);

    void setHandlers(Handlers handlers) { m_handlers = std::move(handlers); }

    // Gives the keyboard focus to the shown view (WriterFocus).
    void focusWriter();

    // The office is about to end: views are no longer replaced.
    void beginShutdown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct View
    {
        int id = 0;
        css::uno::Reference<css::frame::XFrame> frame;
        css::uno::Reference<css::awt::XWindow> window;
        std::uint32_t xid = 0;
        css::uno::Reference<css::frame::XController> handledController;
    };

    View *findView(int id);
    View *shownView();
    View *createView();
    View *viewOf(const css::uno::Reference<css::frame::XModel> &model);
    bool load(View *view, const rtl::OUString &url,
              const css::uno::Sequence<css::beans::PropertyValue> &args);
    // Loads into a new view, or into the shown one when it holds no
    // document or replaceShown is set.
    css::uno::Reference<css::frame::XModel>
    addView(const rtl::OUString &url, const css::uno::Sequence<css::beans::PropertyValue> &args,
            bool replaceShown);
    bool shownIsUntouched();
    void onRequest(const WriterRequest &request);
    void changed();
    void fitViews();
    // Gives one of the office's windows in ours our size (not flushed).
    void fitWindow(std::uint32_t window);
    // A while after our window was resized: every window in it takes its
    // size as the server has it.
    void settle();
    // Takes the window's size as the server has it as ours (when it answers).
    void readSize(std::uint32_t window);
    bool showStartCenter(View *view);
    void show(int id);
    void attachClickHandler(View *view);
    void onFrameDisposed(int id);
    void onComponentAttached(int id);
    void readXEvents();
    // Sends what is queued on our X connection; events it reads on the way
    // are handled once the event loop runs again.
    void flush();
    QSize windowSize();

    OfficeConnection *m_connection;
    std::shared_ptr<QtThreadQueue> m_queue;
    std::uint32_t m_hostWindow;
    std::uint32_t m_window = 0;
    std::uint32_t m_officeParent = 0;
    std::uint32_t m_parentWindow = 0;
    QSize m_size;
    xcb_connection_t *m_xcb = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_settle = nullptr;
    QPointer<QWidget> m_host;
    WriterFocus *m_focus = nullptr;
    std::vector<View> m_views;
    int m_shownId = 0;
    int m_nextId = 1;
    bool m_shuttingDown = false;
    Handlers m_handlers;
};

} // namespace libreoffice
