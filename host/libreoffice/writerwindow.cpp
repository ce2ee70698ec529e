#include "writerwindow.h"

#include "dispatchinterceptor.h"
#include "officeconnection.h"
#include "qtthreadqueue.h"
#include "unoutil.h"
#include "writerfocus.h"

#include <QEvent>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <com/sun/star/awt/PosSize.hpp>
#include <com/sun/star/awt/SystemDependentXWindow.hpp>
#include <com/sun/star/awt/Toolkit.hpp>
#include <com/sun/star/awt/XMouseClickHandler.hpp>
#include <com/sun/star/awt/XSystemChildFactory.hpp>
#include <com/sun/star/awt/XSystemDependentWindowPeer.hpp>
#include <com/sun/star/awt/XUserInputInterception.hpp>
#include <com/sun/star/frame/Frame.hpp>
#include <com/sun/star/frame/FrameAction.hpp>
#include <com/sun/star/frame/StartModule.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XDispatchProviderInterception.hpp>
#include <com/sun/star/frame/XFrameActionListener.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <com/sun/star/lang/SystemDependent.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <cppuhelper/implbase1.hxx>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

using namespace css;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace libreoffice {

Q_DECLARE_LOGGING_CATEGORY(lcOffice)

namespace {

// Tells the Qt thread when a frame is disposed or gets a new component.
class FrameListener : public cppu::WeakImplHelper1<frame::XFrameActionListener>
{
public:
    FrameListener(std::shared_ptr<QtThreadQueue> queue, std::function<void()> onDisposed,
                  std::function<void()> onAttached)
        : m_queue(std::move(queue))
        , m_onDisposed(std::move(onDisposed))
        , m_onAttached(std::move(onAttached))
    {
    }

    void SAL_CALL frameAction(const frame::FrameActionEvent &event) override
    {
        if (event.Action == frame::FrameAction_COMPONENT_ATTACHED
            || event.Action == frame::FrameAction_COMPONENT_REATTACHED)
            m_queue->post(m_onAttached);
    }

    void SAL_CALL disposing(const lang::EventObject &) override { m_queue->post(m_onDisposed); }

private:
    std::shared_ptr<QtThreadQueue> m_queue;
    std::function<void()> m_onDisposed;
    std::function<void()> m_onAttached;
};

// A click into the document gives the keyboard focus to the writer.
class ClickHandler : public cppu::WeakImplHelper1<awt::XMouseClickHandler>
{
public:
    ClickHandler(std::shared_ptr<QtThreadQueue> queue, std::function<void()> onClick)
        : m_queue(std::move(queue))
        , m_onClick(std::move(onClick))
    {
    }

    sal_Bool SAL_CALL mousePressed(const awt::MouseEvent &) override
    {
        m_queue->post(m_onClick);
        return false; // the office handles the click as usual
    }
    sal_Bool SAL_CALL mouseReleased(const awt::MouseEvent &) override { return false; }
    void SAL_CALL disposing(const lang::EventObject &) override { }

private:
    std::shared_ptr<QtThreadQueue> m_queue;
    std::function<void()> m_onClick;
};

void setStringProperty(xcb_connection_t *c, std::uint32_t window, xcb_atom_t property,
                       const QByteArray &value)
{
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(value.size()), value.constData());
}

} // namespace

WriterWindow::WriterWindow(OfficeConnection *connection, std::uint64_t hostWindow,
                           const QSize &size, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_queue(std::make_shared<QtThreadQueue>(this))
    , m_hostWindow(static_cast<std::uint32_t>(hostWindow))
    , m_parentWindow(static_cast<std::uint32_t>(hostWindow))
    , m_size(size.expandedTo(QSize(1, 1)))
{
}

WriterWindow::~WriterWindow()
{
    m_queue->close();
    m_views.clear();
    if (m_xcb) {
        // Our window goes with our X connection.
        delete m_notifier;
        xcb_disconnect(m_xcb);
    }
}

bool WriterWindow::create()
{
    m_xcb = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_xcb)) {
        xcb_disconnect(m_xcb);
        m_xcb = nullptr;
        return false;
    }
    m_window = xcb_generate_id(m_xcb);
    m_officeParent = xcb_generate_id(m_xcb);
    // No background: the office paints all of it. Same depth and visual as
    // the host window (a different visual without a colormap is refused).
    const std::uint32_t values[]
        = {XCB_BACK_PIXMAP_NONE, XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_FOCUS_CHANGE};
    const auto width = static_cast<std::uint16_t>(m_size.width());
    const auto height = static_cast<std::uint16_t>(m_size.height());
    xcb_void_cookie_t outer = xcb_create_window_checked(
        m_xcb, XCB_COPY_FROM_PARENT, m_window, m_hostWindow, 0, 0, width, height, 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK,
        values);
    // The office's windows in the inner one are watched (readXEvents).
    const std::uint32_t innerValues[] = {XCB_BACK_PIXMAP_NONE, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_void_cookie_t inner = xcb_create_window_checked(
        m_xcb, XCB_COPY_FROM_PARENT, m_officeParent, m_window, 0, 0, width, height, 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXMAP | XCB_CW_EVENT_MASK,
        innerValues);
    xcb_generic_error_t *outerError = xcb_request_check(m_xcb, outer);
    xcb_generic_error_t *innerError = xcb_request_check(m_xcb, inner);
    if (outerError || innerError) {
        std::free(outerError);
        std::free(innerError);
        xcb_disconnect(m_xcb);
        m_xcb = nullptr;
        m_window = m_officeParent = 0;
        return false;
    }
    setStringProperty(m_xcb, m_window, XCB_ATOM_WM_NAME, QByteArrayLiteral("writer"));
    setStringProperty(m_xcb, m_window, XCB_ATOM_WM_CLASS, QByteArray("quorvex\0Quorvex", 16));
    // Empty hints (no field set): only their presence matters to the office.
    const std::uint32_t hints[9] = {};
    xcb_change_property(m_xcb, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_HINTS,
                        XCB_ATOM_WM_HINTS, 32, 9, hints);
    xcb_map_window(m_xcb, m_officeParent);
    xcb_map_window(m_xcb, m_window);
    flush();

    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_xcb), QSocketNotifier::Read, this);
    m_settle = new QTimer(this);
    m_settle->setSingleShot(true);
    m_settle->setInterval(250);
    connect(m_settle, &QTimer::timeout, this, &WriterWindow::settle);
    connect(m_notifier, &QSocketNotifier::activated, this, &WriterWindow::readXEvents);

    m_host = QWidget::find(m_hostWindow);
    if (m_host)
        m_host->installEventFilter(this);
    WriterFocus::Window focused;
    focused.xcb = m_xcb;
    focused.window = m_window;
    focused.hostWindow = m_hostWindow;
    focused.shownView = [this]() -> std::uint32_t {
        const View *view = shownView();
        return view && m_connection->isAlive() ? view->xid : 0;
    };
    focused.readEvents = [this] { readXEvents(); };
    m_focus = new WriterFocus(std::move(focused), this);
    return true;
}

WriterWindow::View *WriterWindow::findView(int id)
{
    for (View &view : m_views) {
        if (view.id == id)
            return &view;
    }
    return nullptr;
}

WriterWindow::View *WriterWindow::shownView()
{
    return findView(m_shownId);
}

QSize WriterWindow::windowSize()
{
    readSize(m_officeParent);
    // Waiting for the reply may have read events into xcb's queue, where the
    // socket notifier never sees them: a resize of our window among them
    // gives the size to use.
    readXEvents();
    return m_size;
}

WriterWindow::View *WriterWindow::createView()
{
    if (!m_xcb || !m_connection->isAlive())
        return nullptr;
    View view;
    view.id = m_nextId++;
    const bool made = unoGuard(false, [&] {
        Reference<uno::XComponentContext> context = m_connection->context();
        Reference<awt::XSystemChildFactory> factory(awt::Toolkit::create(context), UNO_QUERY_THROW);
        // The process id only matters on other systems.
        const Sequence<sal_Int8> processId(16);
        Reference<awt::XWindowPeer> peer
            = factory->createSystemChild(Any(static_cast<sal_Int64>(m_officeParent)), processId,
                                         lang::SystemDependent::SYSTEM_XWINDOW);
        view.window.set(peer, UNO_QUERY_THROW);
        const QSize size = windowSize();
        view.window->setPosSize(0, 0, size.width(), size.height(), awt::PosSize::POSSIZE);

        awt::SystemDependentXWindow handle;
        if (Reference<awt::XSystemDependentWindowPeer>(peer, UNO_QUERY_THROW)
                ->getWindowHandle(processId, lang::SystemDependent::SYSTEM_XWINDOW)
            >>= handle)
            view.xid = static_cast<std::uint32_t>(handle.WindowHandle);

        Reference<frame::XFrame2> frame = frame::Frame::create(context);
        frame->initialize(view.window);
        frame->setName(toOUString(QStringLiteral("quorvex_writer_%1").arg(view.id)));
        Reference<frame::XFrames>(m_connection->desktop()->getFrames(), uno::UNO_SET_THROW)
            ->append(Reference<frame::XFrame>(frame.get()));
        view.frame.set(frame.get());

        QPointer<WriterWindow> self(this);
        const int id = view.id;
        Reference<frame::XFrameActionListener> listener(new FrameListener(
            m_queue,
            [self, id] {
                if (self)
                    self->onFrameDisposed(id);
            },
            [self, id] {
                if (self)
                    self->onComponentAttached(id);
            }));
        view.frame->addFrameActionListener(listener);
        Reference<frame::XDispatchProviderInterception>(frame, UNO_QUERY_THROW)
            ->registerDispatchProviderInterceptor(
                new DispatchInterceptor(m_queue, [self](const WriterRequest &request) {
                    if (self)
                        self->onRequest(request);
                }));
        return true;
    });
    if (!made) {
        unoGuardVoid([&] {
            if (view.window.is())
                Reference<lang::XComponent>(view.window, UNO_QUERY_THROW)->dispose();
        });
        return nullptr;
    }
    m_views.push_back(view);
    if (m_xcb)
        fitViews();
    return &m_views.back();
}

bool WriterWindow::load(View *view, const rtl::OUString &url,
                        const Sequence<beans::PropertyValue> &args)
{
    const bool loaded = unoGuard(false, [&] {
        Reference<frame::XComponentLoader> loader(view->frame, UNO_QUERY_THROW);
        return loader->loadComponentFromURL(url, "_self", 0, args).is();
    });
    if (loaded)
        attachClickHandler(view);
    return loaded;
}

bool WriterWindow::showStartCenter(View *view)
{
    // As the office itself does it when its last document closes: the start
    // center is a controller without a model, set into the frame directly.
    return unoGuard(false, [&] {
        Reference<awt::XWindow> container(view->frame->getContainerWindow(), uno::UNO_SET_THROW);
        Reference<frame::XController> startCenter
            = frame::StartModule::createWithParentWindow(m_connection->context(), container);
        Reference<awt::XWindow> startWindow(startCenter, UNO_QUERY_THROW);
        // The component first, then the frame: the other order fails.
        view->frame->setComponent(startWindow, startCenter);
        startCenter->attachFrame(view->frame);
        container->setVisible(true);
        return true;
    });
}

void WriterWindow::show(int id)
{
    m_shownId = id;
    for (View &view : m_views) {
        const bool visible = view.id == id;
        unoGuardVoid([&] { view.window->setVisible(visible); });
    }
    if (m_xcb)
        fitViews();
    changed();
}

void WriterWindow::fitViews()
{
    // The office makes a view follow its parent's size only while it is
    // shown (a view made while the window was still small stayed small), so
    // every view is given our size. On our own X connection: a resize never
    // waits for the office.
    for (const View &view : m_views) {
        if (view.xid)
            fitWindow(view.xid);
    }
    flush();
}

void WriterWindow::settle()
{
    // Once a resize has settled, what the server holds: our window's size,
    // given to the inner window and every office window in it. Whatever was
    // missed on the way (seen: the office's window left at the container's
    // first size) is put right here.
    readSize(m_window);
    fitWindow(m_officeParent);
    if (xcb_query_tree_reply_t *tree
        = xcb_query_tree_reply(m_xcb, xcb_query_tree(m_xcb, m_officeParent), nullptr)) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
            fitWindow(children[i]);
        std::free(tree);
    }
    flush();
}

void WriterWindow::readSize(std::uint32_t window)
{
    xcb_get_geometry_reply_t *geometry
        = xcb_get_geometry_reply(m_xcb, xcb_get_geometry(m_xcb, window), nullptr);
    if (geometry) {
        m_size = QSize(geometry->width, geometry->height);
        std::free(geometry);
    }
}

void WriterWindow::fitWindow(std::uint32_t window)
{
    const std::uint32_t size[] = {std::uint32_t(m_size.width()), std::uint32_t(m_size.height())};
    xcb_configure_window(m_xcb, window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
}

void WriterWindow::changed()
{
    if (m_handlers.documentsChanged && !m_shuttingDown)
        m_handlers.documentsChanged();
}

WriterWindow::View *WriterWindow::viewOf(const Reference<frame::XModel> &model)
{
    for (View &view : m_views) {
        const bool match = unoGuard(false, [&] {
            Reference<frame::XController> controller = view.frame->getController();
            return controller.is() && controller->getModel() == model;
        });
        if (match)
            return &view;
    }
    return nullptr;
}

void WriterWindow::showDocument(const Reference<frame::XModel> &model)
{
    if (View *view = viewOf(model)) {
        if (view->id != m_shownId)
            show(view->id);
    }
}

bool WriterWindow::shownIsUntouched()
{
    const Reference<frame::XModel> model = shownDocument();
    return model.is() && unoGuard(false, [&] {
               return model->getURL().isEmpty()
                   && !Reference<util::XModifiable>(model, UNO_QUERY_THROW)->isModified();
           });
}

void WriterWindow::onRequest(const WriterRequest &request)
{
    switch (request.kind) {
    case WriterRequest::NewDocument:
        if (addDocument().is() && m_handlers.documentMade)
            m_handlers.documentMade();
        focusWriter();
        break;
    case WriterRequest::OpenUrl:
        addDocument(request.url.toUtf8().constData());
        focusWriter();
        break;
    case WriterRequest::ChooseFile:
        if (m_handlers.chooseFileRequested)
            m_handlers.chooseFileRequested();
        break;
    case WriterRequest::Quit:
        if (m_handlers.quitRequested)
            m_handlers.quitRequested();
        break;
    }
}

Reference<frame::XModel> WriterWindow::shownDocument()
{
    View *view = shownView();
    if (!view || !m_connection->isAlive())
        return {};
    return unoGuard(Reference<frame::XModel>(), [&] {
        Reference<frame::XController> controller = view->frame->getController();
        if (!controller.is())
            return Reference<frame::XModel>();
        Reference<frame::XModel> model = controller->getModel();
        if (!Reference<text::XTextDocument>(model, UNO_QUERY).is())
            return Reference<frame::XModel>();
        return model;
    });
}

Reference<frame::XModel> WriterWindow::addDocument(const char *url)
{
    // A file takes the place of the untouched empty document shown.
    const bool file = qstrncmp(url, "file:", 5) == 0;
    return addView(unoName(url), {}, file && shownIsUntouched());
}

Reference<frame::XModel> WriterWindow::addModel(const Reference<frame::XModel> &model)
{
    // The loader's way of showing a document it did not load.
    beans::PropertyValue arg;
    arg.Name = "Model";
    arg.Value <<= model;
    return addView("private:object", Sequence<beans::PropertyValue>(&arg, 1), false);
}

Reference<frame::XModel> WriterWindow::addView(const rtl::OUString &url,
                                               const Sequence<beans::PropertyValue> &args,
                                               bool replaceShown)
{
    if (!m_connection->isAlive())
        return {};
    // A shown view without a document (the start center) takes the new one.
    View *view = shownView();
    const bool reuse = view && (replaceShown || !shownDocument().is())
        && unoGuard(false, [&] { return view->frame->getContainerWindow().is(); });
    if (!reuse)
        view = createView();
    if (!view)
        return {};
    const int id = view->id;
    if (!load(view, url, args)) {
        if (!reuse) {
            unoGuardVoid(
                [&] { Reference<util::XCloseable>(view->frame, UNO_QUERY_THROW)->close(true); });
            onFrameDisposed(id);
        }
        return {};
    }
    show(id);
    return shownDocument();
}

void WriterWindow::closeDocument(const Reference<frame::XModel> &model)
{
    // The view that shows the model, found before the model goes.
    const View *view = viewOf(model);
    const int id = view ? view->id : 0;
    const bool closed = unoGuard(false, [&] {
        Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true);
        return true;
    });
    // Closing the model disposes its frame; react now rather than when the
    // office's notice arrives.
    if (closed && id)
        onFrameDisposed(id);
    else if (closed)
        changed();
}

void WriterWindow::attachClickHandler(View *view)
{
    unoGuardVoid([&] {
        Reference<frame::XController> controller = view->frame->getController();
        if (!controller.is() || controller == view->handledController)
            return;
        Reference<awt::XUserInputInterception> input(controller, UNO_QUERY);
        if (!input.is())
            return;
        QPointer<WriterWindow> self(this);
        input->addMouseClickHandler(new ClickHandler(m_queue, [self] {
            if (self)
                self->focusWriter();
        }));
        view->handledController = controller;
    });
}

void WriterWindow::onComponentAttached(int id)
{
    qCDebug(lcOffice) << "view" << id << "got a new component";
    if (View *view = findView(id))
        attachClickHandler(view);
}

void WriterWindow::onFrameDisposed(int id)
{
    qCDebug(lcOffice) << "frame of view" << id << "disposed; shown view" << m_shownId;
    const auto it = std::find_if(m_views.begin(), m_views.end(),
                                 [id](const View &view) { return view.id == id; });
    if (it == m_views.end())
        return;
    // A frame the user closed can stay in the desktop's list, disposed, and
    // break the desktop's walks over its frames (even terminate()).
    if (m_connection->isAlive()) {
        unoGuardVoid([&] {
            Reference<frame::XFrames>(m_connection->desktop()->getFrames(), uno::UNO_SET_THROW)
                ->remove(it->frame);
        });
    }
    m_views.erase(it);
    if (id != m_shownId || m_shuttingDown || !m_connection->isAlive()) {
        changed();
        return;
    }
    if (!m_views.empty()) {
        show(m_views.back().id);
        return;
    }
    // The user closed the last document: the start center lets them go on.
    if (View *view = createView()) {
        const int newId = view->id;
        showStartCenter(view);
        show(newId);
    }
}

void WriterWindow::beginShutdown()
{
    m_shuttingDown = true;
}

void WriterWindow::focusWriter()
{
    if (m_focus)
        m_focus->focusWriter();
}

void WriterWindow::flush()
{
    xcb_flush(m_xcb);
    // Sending may have read events into xcb's queue, where the socket
    // notifier never sees them: a resize of our window among them would
    // leave the office's views at the old size.
    QTimer::singleShot(0, this, &WriterWindow::readXEvents);
}

void WriterWindow::readXEvents()
{
    if (!m_xcb)
        return;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_xcb)) {
        switch (event->response_type & 0x7f) {
        case XCB_REPARENT_NOTIFY: {
            auto *reparent = reinterpret_cast<xcb_reparent_notify_event_t *>(event);
            if (reparent->window == m_window) {
                m_parentWindow = reparent->parent;
                // A window container takes our window at an offset until its
                // first resize; it belongs at the container's origin.
                if (reparent->x != 0 || reparent->y != 0) {
                    const std::uint32_t origin[] = {0, 0};
                    xcb_configure_window(m_xcb, m_window, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                                         origin);
                    xcb_flush(m_xcb);
                }
            }
            break;
        }
        case XCB_CONFIGURE_NOTIFY: {
            auto *configure = reinterpret_cast<xcb_configure_notify_event_t *>(event);
            if (configure->window == m_window) {
                // The inner window takes our size, and so do the views.
                m_size = QSize(configure->width, configure->height);
                fitWindow(m_officeParent);
                fitViews();
                m_settle->start();
            } else if (configure->event == m_officeParent
                       && QSize(configure->width, configure->height) != m_size) {
                // The office sized one of its windows in ours otherwise (seen:
                // 100x30, the size it was made with, in the container's
                // corner): every one of them fills ours.
                fitWindow(configure->window);
            }
            break;
        }
        case XCB_MAP_NOTIFY: {
            // A window the office (re)made in ours comes at its own size.
            auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (map->event == m_officeParent)
                fitWindow(map->window);
            break;
        }
        case XCB_FOCUS_IN: {
            // Someone (a window container, the window manager) focused our
            // window itself: pass the focus on to the office's window.
            auto *focus = reinterpret_cast<xcb_focus_in_event_t *>(event);
            if (focus->event == m_window && focus->detail != XCB_NOTIFY_DETAIL_POINTER
                && focus->detail != XCB_NOTIFY_DETAIL_POINTER_ROOT
                && focus->detail != XCB_NOTIFY_DETAIL_NONE && m_focus)
                m_focus->passOn();
            break;
        }
        default:
            break;
        }
        std::free(event);
    }
}

bool WriterWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::Resize && m_xcb
        && m_parentWindow == m_hostWindow) {
        // Still directly in the host window (no container took it): follow
        // the host's size; the office's window follows ours.
        const QSize size = m_host->size().expandedTo(QSize(1, 1));
        const std::uint32_t values[]
            = {static_cast<std::uint32_t>(size.width()), static_cast<std::uint32_t>(size.height())};
        xcb_configure_window(m_xcb, m_window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                             values);
        flush();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace libreoffice
